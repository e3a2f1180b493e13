// Cancelling any command at any point leaves the host idle; a script cannot run forever.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

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
