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
    ConsoleReply drawn =
        RunConsoleMessage(host, MemoryFiles(store), "LINE 0,0 5,5 \\r\n:dump all.dxf", "simhost");
    ASSERT_TRUE(drawn.ok) << drawn.text;
    ASSERT_TRUE(store.count("all.dxf"));
    SimHost other(MemoryFiles(store));
    ConsoleReply loaded = RunConsoleMessage(other, MemoryFiles(store), ":load all.dxf\n:entities", "simhost");
    ASSERT_TRUE(loaded.ok) << loaded.text;
    EXPECT_NE(loaded.text.find("LINE 0 (0,0,0)-(5,5,0)"), std::string::npos) << loaded.text;
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
