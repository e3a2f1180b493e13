// A message of several console lines, as simhost.exe's automation channel runs it: every
// line in order, one reply with everything printed, failure when any line failed.
#include <gtest/gtest.h>

#include <map>

#include "simhost/console.h"

namespace kv::sim {
namespace {

HostFiles MemoryFiles(std::map<std::string, std::string>& store) {
    HostFiles files;
    files.read = [&store](const std::string& path) -> std::optional<std::string> {
        auto it = store.find(path);
        if (it == store.end()) return std::nullopt;
        return it->second;
    };
    files.write = [&store](const std::string& path, const std::string& bytes) {
        store[path] = bytes;
        return true;
    };
    files.exists = [&store](const std::string& path) { return store.count(path) > 0; };
    return files;
}

class ConsoleMessage : public ::testing::Test {
protected:
    ConsoleReply Run(std::string_view message) {
        return RunConsoleMessage(host, MemoryFiles(store), message, "simhost");
    }

    std::map<std::string, std::string> store;
    SimHost host{MemoryFiles(store)};
};

TEST_F(ConsoleMessage, RunsEachLineAndRepliesWithWhatTheyPrinted) {
    ConsoleReply reply = Run("LINE \r\n:pick 0,0\n:pick 10,0\n:enter\n");
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text,
              "1 点目を指定: \n次の点を指定 または [元に戻す(U)]: \n次の点を指定 または [元に戻す(U)]: "
              "\nコマンド: \n");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
}

TEST_F(ConsoleMessage, AFailedLineIsReportedInPlaceAndTheRestStillRuns) {
    ConsoleReply reply = Run(":pick nowhere\n:var CLAYER");
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.text, "simhost: :pick wants a point x,y\nコマンド: \nCLAYER = \"0\"\nコマンド: \n");
}

TEST_F(ConsoleMessage, SetupLinesSetVariablesAndSwitchesWithoutTouchingTheHistory) {
    ConsoleReply reply = Run(":set snapmode 1\n:switch dxfout-fails on\n:var SNAPMODE");
    EXPECT_TRUE(reply.ok) << reply.text;
    EXPECT_NE(reply.text.find("SNAPMODE = 1"), std::string::npos) << reply.text;
    EXPECT_TRUE(host.Switches().dxfoutWritesNothing);
    EXPECT_TRUE(host.HistoryLines().empty());
    for (const char* bad :
         {":set VIEWSIZE 5", ":set SNAPMODE", ":set SNAPMODE x", ":switch dxfout-fails", ":switch nothing on"}) {
        ConsoleReply refused = Run(bad);
        EXPECT_FALSE(refused.ok) << bad;
    }
    EXPECT_TRUE(host.Switches().dxfoutWritesNothing);
}

// A driver compares what the palette sent with what it expected, so texts come back
// exactly, control characters included.
TEST_F(ConsoleMessage, TypedListsTheCommandChannelTextsEscaped) {
    host.SendAnsi(std::string("\x03UNDO M \0ignored", 17));
    host.SendAnsi("LINE \\x\r");
    ConsoleReply reply = Run(":typed");
    EXPECT_EQ(reply.text, "\\x03UNDO M \nLINE \\\\x\\r\n1 点目を指定: \n");
    EXPECT_EQ(UnescapeConsoleText("\\x03UNDO M "), "\x03UNDO M ");
}

TEST_F(ConsoleMessage, LoadStartsAFreshDrawingThatUndoCannotLeave) {
    ASSERT_TRUE(Run("LINE 0,0 5,5 \\r\n:dump one.dxf").ok);
    ASSERT_TRUE(Run("ERASE L \\r\n:load one.dxf\nUNDO 5 ").ok);
    EXPECT_EQ(host.GetDrawing().Entities().size(), 1u);
}

TEST_F(ConsoleMessage, EmptyMessageDoesNothing) {
    ConsoleReply reply = Run("");
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text, "");
}

}  // namespace
}  // namespace kv::sim
