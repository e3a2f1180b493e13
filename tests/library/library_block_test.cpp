#include "library/library_block.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include <deque>

namespace kv {
namespace {

class AnsweringUi : public Ui {
public:
    std::vector<std::string> messages;
    std::deque<MessageAnswer> answers;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons) override {
        messages.emplace_back(text);
        const MessageAnswer a = answers.empty() ? MessageAnswer::Ok : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    DialogResult RunModal(Dialog&) override { return DialogResult::Cancel; }
    void RaiseDialog(Dialog&) override {}
    bool LaunchProgram(std::string_view, std::string_view) override { return false; }
};

std::string Pairs(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs) {
    std::string text;
    for (const auto& [code, value] : pairs) text.append(code).append("\r\n").append(value).append("\r\n");
    return text;
}

std::string Block(std::string_view name, std::string_view x) {
    return Pairs({{"  0", "BLOCK"},
                  {"  8", "0"},
                  {"  2", name},
                  {" 70", "0"},
                  {" 10", x},
                  {" 20", "2.5"},
                  {" 30", "0.0"},
                  {"  3", name},
                  {"  0", "LINE"},
                  {"  8", "0"},
                  {" 10", "0.0"},
                  {" 20", "0.0"},
                  {" 11", x},
                  {" 21", "0.0"},
                  {"  0", "ENDBLK"},
                  {"  8", "0"}});
}

// A release 12 export of a reference whose definition comes after the dimension, hatch and
// helper blocks the host writes with it.
std::string Export() {
    return Pairs({{"  0", "SECTION"}, {"  2", "HEADER"},  {"  9", "$ACADVER"}, {"  1", "AC1009"},     {"  0", "ENDSEC"},
                  {"  0", "SECTION"}, {"  2", "TABLES"},  {"  0", "TABLE"},    {"  2", "VPORT"},      {" 70", "1"},
                  {"  0", "ENDTAB"},  {"  0", "TABLE"},   {"  2", "LAYER"},    {" 70", "1"},          {"  0", "LAYER"},
                  {"  2", "0"},       {" 70", "0"},       {" 62", "7"},        {"  6", "CONTINUOUS"}, {"  0", "ENDTAB"},
                  {"  0", "ENDSEC"},  {"  0", "SECTION"}, {"  2", "BLOCKS"}}) +
           Block("$MODEL_SPACE", "1.0") + Block("*U2", "1.5") + Block("_ArchTick", "2.0") + Block("DOT", "3.0") +
           Block("RELAY", "4.0") + Block("LAMP", "5.0") +
           Pairs({{"  0", "ENDSEC"},
                  {"  0", "SECTION"},
                  {"  2", "ENTITIES"},
                  {"  0", "INSERT"},
                  {"  8", "0"},
                  {"  2", "RELAY"},
                  {" 10", "0.0"},
                  {" 20", "0.0"},
                  {"  0", "ENDSEC"},
                  {"  0", "EOF"}});
}

class WriteLibraryBlockTest : public ::testing::Test {
protected:
    std::optional<std::string> Write() {
        DxfBuffer exported;
        exported.Load(Export());
        return WriteLibraryBlock(exported, "/lib/", "SYMBOL", files, ui);
    }
    MemoryFiles files;
    AnsweringUi ui;
};

TEST_F(WriteLibraryBlockTest, WritesTheFirstOwnBlockAsASymbolAtItsBasePoint) {
    EXPECT_EQ(Write(), "RELAY");
    EXPECT_EQ(
        files.texts.at("/lib/SYMBOL/RELAY.dxf"),
        Pairs({{"  0", "SECTION"}, {"  2", "HEADER"},  {"  9", "$ACADVER"}, {"  1", "AC1009"},     {"  9", "$INSBASE"},
               {" 10", "4.0"},     {" 20", "2.5"},     {" 30", "0.0"},      {"  0", "ENDSEC"},     {"  0", "SECTION"},
               {"  2", "TABLES"},  {"  0", "TABLE"},   {"  2", "LAYER"},    {" 70", "1"},          {"  0", "LAYER"},
               {"  2", "0"},       {" 70", "0"},       {" 62", "7"},        {"  6", "CONTINUOUS"}, {"  0", "ENDTAB"},
               {"  0", "ENDSEC"},  {"  0", "SECTION"}, {"  2", "ENTITIES"}, {"  0", "LINE"},       {"  8", "0"},
               {" 10", "0.0"},     {" 20", "0.0"},     {" 11", "4.0"},      {" 21", "0.0"},        {"  0", "ENDSEC"},
               {"  0", "EOF"}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WriteLibraryBlockTest, AnExistingSymbolIsReplacedOnlyOnYes) {
    files.texts["/lib/SYMBOL/RELAY.dxf"] = "old";
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(Write(), std::nullopt);
    EXPECT_EQ(files.texts.at("/lib/SYMBOL/RELAY.dxf"), "old");
    EXPECT_EQ(Write(), "RELAY");
    EXPECT_NE(files.texts.at("/lib/SYMBOL/RELAY.dxf"), "old");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "RELAYはすでに存在します.上書きしますか？");
}

}  // namespace
}  // namespace kv
