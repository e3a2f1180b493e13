// Whatever arrives on the command line, the host answers with a prompt and never
// crashes or hangs; cancelling any command at any point leaves it idle.
#include <gtest/gtest.h>

#include <random>

#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

TEST(Robustness, RandomTokensNeverBreakTheHost) {
    const std::vector<std::string> tokens = {
        "LINE",    "PLINE",  "SELECT", "ERASE",    "OOPS",   "UNDO",   "MOVE",    "COPY",   "STRETCH", "BREAK",
        "ID",      "FILLET", "PEDIT",  "EXPLODE",  "-LAYER", "-PURGE", "-INSERT", "DXFOUT", "SCRIPT",  "SNAPMODE",
        "'LUPREC", "CLAYER", "0,0",    "10,0",     "10,10",  "@",      "NEA",     "P",      "L",       "LAST",
        "SINGLE",  "F",      "W",      "C",        "U",      "M",      "B",       "J",      "ALL",     "YES",
        "N",       "*",      "?",      "'FILEDIA", "abc",    "-1",     "1e308",   "",       "\"",      "S",
        "R",       "X",      "Y",      "O",        "V",      "2000"};
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> ending(0, 9);
    SimHost host([] {
        HostFiles files;  // no file ever exists or can be written
        files.read = [](const std::string&) { return std::optional<std::string>(); };
        files.write = [](const std::string&, const std::string&) { return false; };
        files.exists = [](const std::string&) { return false; };
        return files;
    }());
    host.SetupDrawing().vars.fileDia = 0;
    for (int round = 0; round < 3000; ++round) {
        int e = ending(random);
        std::string text = tokens[pick(random)] + (e < 6 ? " " : e < 9 ? "\r" : "\x03");
        host.SendCommand(text);
        if (round % 7 == 0) host.Pick({static_cast<double>(round % 50), static_cast<double>(round % 13), 0});
        ASSERT_FALSE(host.PromptLine().empty()) << round;
    }
    host.SendCommand("\x03");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(Robustness, EscAtEveryStepOfEveryCommandReturnsToIdle) {
    const std::vector<std::string> texts = {"LINE 0,0 5,5 ",   "PLINE 0,0 5,0 ",
                                            "SELECT F 0,0 ",   "MOVE ALL \r0,0 ",
                                            "COPY ALL \r0,0 ", "BREAK 1,0 ",
                                            "FILLET P ",       "PEDIT 1,0 ",
                                            "-INSERT ",        "-LAYER M ",
                                            "-PURGE B ",       "UNDO ",
                                            "DXFOUT x\rO ",    "ID ",
                                            "STRETCH C\r0,0 "};
    for (const std::string& text : texts) {
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            SimHost host;
            Entity line;
            line.geom = LineGeom{{0, 0, 0}, {10, 0, 0}};
            host.SetupDrawing().Add(line);
            host.SetupDrawing().vars.fileDia = 0;
            host.SendCommand(text.substr(0, cut));
            host.PressEscape();
            EXPECT_EQ(host.PromptLine(), "コマンド: ") << text << " cut at " << cut;
        }
    }
}

TEST(Robustness, ScriptThatRunsItselfIsStopped) {
    HostFiles files = RealFiles();
    files.read = [](const std::string&) { return std::optional<std::string>("SCRIPT loop\r\n"); };
    SimHost host(files);
    host.SetupDrawing().vars.fileDia = 0;
    host.SendCommand("SCRIPT loop\r");
    EXPECT_EQ(host.LastHistoryLine(), "スクリプトの呼び出しが多すぎます。");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

}  // namespace
}  // namespace kv::sim
