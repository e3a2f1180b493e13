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

TEST(ConsoleMessage, RunsEachLineAndRepliesWithWhatTheyPrinted) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ConsoleReply reply =
        RunConsoleMessage(host, MemoryFiles(store), "LINE \r\n:pick 0,0\n:pick 10,0\n:enter\n", "simhost");
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text,
              "1 点目を指定: \n次の点を指定 または [元に戻す(U)]: \n次の点を指定 または [元に戻す(U)]: "
              "\nコマンド: \n");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
}

TEST(ConsoleMessage, AFailedLineIsReportedInPlaceAndTheRestStillRuns) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ConsoleReply reply = RunConsoleMessage(host, MemoryFiles(store), ":pick nowhere\n:var CLAYER", "simhost");
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.text, "simhost: :pick wants a point x,y\nコマンド: \nCLAYER = \"0\"\nコマンド: \n");
}

TEST(ConsoleMessage, DumpWritesTheWholeDrawingAndLoadReadsItBack) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ConsoleReply drawn = RunConsoleMessage(host, MemoryFiles(store), "LINE 0,0 5,5 \\r\n:dump all.dxf", "simhost");
    ASSERT_TRUE(drawn.ok) << drawn.text;
    ASSERT_TRUE(store.count("all.dxf"));
    SimHost other(MemoryFiles(store));
    ConsoleReply loaded = RunConsoleMessage(other, MemoryFiles(store), ":load all.dxf\n:entities", "simhost");
    ASSERT_TRUE(loaded.ok) << loaded.text;
    EXPECT_NE(loaded.text.find("LINE 0 (0,0,0)-(5,5,0)"), std::string::npos) << loaded.text;
}

TEST(ConsoleMessage, SetupLinesSetVariablesAndSwitchesWithoutTouchingTheHistory) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ConsoleReply reply = RunConsoleMessage(host, MemoryFiles(store),
                                           ":set snapmode 1\n:switch dxfout-fails on\n:var SNAPMODE", "simhost");
    EXPECT_TRUE(reply.ok) << reply.text;
    EXPECT_NE(reply.text.find("SNAPMODE = 1"), std::string::npos) << reply.text;
    EXPECT_TRUE(host.Switches().dxfoutWritesNothing);
    EXPECT_TRUE(host.HistoryLines().empty());
    for (const char* bad :
         {":set VIEWSIZE 5", ":set SNAPMODE", ":set SNAPMODE x", ":switch dxfout-fails", ":switch nothing on"}) {
        ConsoleReply refused = RunConsoleMessage(host, MemoryFiles(store), bad, "simhost");
        EXPECT_FALSE(refused.ok) << bad;
    }
    EXPECT_TRUE(host.Switches().dxfoutWritesNothing);
}

// A driver compares what the palette sent with what it expected, so texts come back
// exactly, control characters included.
TEST(ConsoleMessage, TypedListsTheCommandChannelTextsEscaped) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    host.SendAnsi(std::string("\x03UNDO M \0ignored", 17));
    host.SendAnsi("LINE \\x\r");
    ConsoleReply reply = RunConsoleMessage(host, MemoryFiles(store), ":typed", "simhost");
    EXPECT_EQ(reply.text, "\\x03UNDO M \nLINE \\\\x\\r\n1 点目を指定: \n");
    EXPECT_EQ(UnescapeConsoleText("\\x03UNDO M "), "\x03UNDO M ");
}

TEST(ConsoleMessage, LoadStartsAFreshDrawingThatUndoCannotLeave) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ASSERT_TRUE(RunConsoleMessage(host, MemoryFiles(store), "LINE 0,0 5,5 \\r\n:dump one.dxf", "simhost").ok);
    ASSERT_TRUE(RunConsoleMessage(host, MemoryFiles(store), "ERASE L \\r\n:load one.dxf\nUNDO 5 ", "simhost").ok);
    EXPECT_EQ(host.GetDrawing().Entities().size(), 1u);
}

TEST(ConsoleMessage, EmptyMessageDoesNothing) {
    std::map<std::string, std::string> store;
    SimHost host(MemoryFiles(store));
    ConsoleReply reply = RunConsoleMessage(host, MemoryFiles(store), "", "simhost");
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text, "");
}

}  // namespace
}  // namespace kv::sim
