#include "text/text_dxf.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"

namespace kv {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += item + "\r\n";
    return text;
}

DxfBuffer Written(const TTextBtn& text, double dimScale = 1.0) {
    DxfBuffer buffer;
    buffer.Load(Joined(TextDxfItems(text, {5, 7, 0}, dimScale)));
    return buffer;
}

TTextBtn Preset() {
    TTextBtn t;
    t.name = "R1";
    t.layer = "\"WIRE NO\"";
    t.height = 3.0;
    t.width = 0.8;
    t.rotation = 90;
    t.oblique = 15;
    t.justification = 11;
    return t;
}

TEST(TextDxfItems, WritesTheTextAtThePointScaledByDimscale) {
    const std::string text = Joined(TextDxfItems(Preset(), {5, 7, 0}, 20));
    EXPECT_EQ(text.substr(text.find("ENTITIES")),
              DxfText({"ENTITIES", "  0", "TEXT", "  8", "WIRE NO", "  1", "R1",     " 10", "5",   " 20", "7",
                       " 11",      "5",   " 21",  "7",   " 72",     "2",   " 73",    "3",   " 40", "60",  " 41",
                       "0.8",      " 50", "90",   " 51", "15",      "  0", "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(text.find("TABLES"), std::string::npos);
}

TEST(TextDxfItems, TheStyleTableOnlyForAFixedNamedStyle) {
    TTextBtn t = Preset();
    t.style = "TATE";
    t.font1 = "romans.shx";
    t.font2 = "bigfont.shx";
    t.vertical = true;
    EXPECT_EQ(Joined(TextDxfItems(t, {}, 1)).find("TABLES"), std::string::npos);
    EXPECT_NE(Joined(TextDxfItems(t, {}, 1)).find("  7\r\nTATE\r\n"), std::string::npos);
    t.styleFixed = true;
    const std::string text = Joined(TextDxfItems(t, {}, 1));
    EXPECT_NE(text.find(DxfText({"  2", "TABLES",      "  0", "TABLE",  "  2", "STYLE", "  0", "STYLE",
                                 "  2", "TATE",        " 70", "4",      " 40", "0.0",   " 41", "1.0",
                                 " 50", "0.0",         " 71", "0",      " 42", "3.0",   "  3", "romans.shx",
                                 "  4", "bigfont.shx", "  0", "ENDTAB", "  0", "ENDSEC"})),
              std::string::npos);
    t.style.clear();
    const std::string unnamed = Joined(TextDxfItems(t, {}, 1));
    EXPECT_EQ(unnamed.find("TABLES"), std::string::npos);
    EXPECT_EQ(unnamed.find("  7\r\n"), std::string::npos);
}

TEST(Justification, EveryIndexSurvivesAWriteAndARead) {
    const int expected72[] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};
    const int expected73[] = {1, 1, 1, 0, 0, 0, 2, 2, 2, 3, 3, 3};
    for (int index = 0; index < 12; ++index) {
        EXPECT_EQ(JustificationGroup72(index), expected72[index]);
        EXPECT_EQ(JustificationGroup73(index), expected73[index]);
        TTextBtn t = Preset();
        t.justification = index;
        TTextBtn read;
        ASSERT_TRUE(ReadPickedText(Written(t), read));
        EXPECT_EQ(read.justification, index);
    }
    EXPECT_EQ(JustificationIndex(4, 0), 3);  // middle reads as column 0
    EXPECT_EQ(JustificationIndex(1, 7), 4);
}

TEST(ReadPickedText, ReadsTheFirstTextAsDrawn) {
    TTextBtn t = Preset();
    t.style = "TATE";
    TTextBtn read;
    read.oblique = 99;
    ASSERT_TRUE(ReadPickedText(Written(t, 2), read));
    EXPECT_EQ(read.name, "R1");
    EXPECT_EQ(read.layer, "WIRE NO");
    EXPECT_DOUBLE_EQ(read.height, 6);
    EXPECT_DOUBLE_EQ(read.width, 0.8);
    EXPECT_DOUBLE_EQ(read.rotation, 90);
    EXPECT_DOUBLE_EQ(read.oblique, 15);
    EXPECT_EQ(read.style, "TATE");

    TTextBtn bare;
    bare.height = 4;
    bare.oblique = 5;
    ASSERT_TRUE(ReadPickedText(DxfOf({"  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "  8", "0", "  0", "TEXT",
                                      "  1", " A-009 ", "  0", "TEXT", "  1", "second", "  0", "ENDSEC"}),
                               bare));
    EXPECT_EQ(bare.name, " A-009 ");
    EXPECT_DOUBLE_EQ(bare.height, 4);
    EXPECT_DOUBLE_EQ(bare.oblique, 5);
    EXPECT_EQ(bare.style, "STANDARD");
    EXPECT_EQ(bare.justification, 3);
    EXPECT_FALSE(ReadPickedText(DxfOf({"  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "  0", "ENDSEC"}), bare));
}

TEST(ReadTextStyle, TakesTheFontsOfTheNamedEntryOnly) {
    const DxfBuffer buffer =
        DxfOf({"  0", "TABLE", "  2", "LTYPE", "  0", "LTYPE", "  2", "TATE",  "  3", "dashes", "  0", "ENDTAB",
               "  0", "TABLE", "  2", "STYLE", " 70", "2",     "  0", "STYLE", "  2", "tate",   " 70", "4",
               "  3", "a.shx", "  0", "STYLE", "  2", "TATE",  " 70", "4",     "  3", "b.shx",  "  4", "big.shx",
               "  0", "STYLE", "  2", "YOKO",  " 70", "0",     "  3", "c.shx", "  0", "ENDTAB"});
    TTextBtn t;
    ASSERT_TRUE(ReadTextStyle(buffer, "TATE", t));
    EXPECT_EQ(t.font1 + "|" + t.font2, "b.shx|big.shx");
    EXPECT_TRUE(t.vertical);
    ASSERT_TRUE(ReadTextStyle(buffer, "YOKO", t));
    EXPECT_EQ(t.font1 + "|" + t.font2, "c.shx|big.shx");
    EXPECT_FALSE(t.vertical);
    t.vertical = true;
    EXPECT_FALSE(ReadTextStyle(buffer, "NONE", t));
    EXPECT_EQ(t.font1, "c.shx");
    EXPECT_FALSE(t.vertical);
}

}  // namespace
}  // namespace kv
