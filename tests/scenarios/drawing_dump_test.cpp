// The final drawing is handed out however the story ended, and dumped whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "drawing_dump.h"
#include "scenario.h"

namespace kv::scenario {
namespace {

// Entity count of the drawing the story left behind; -1 when none was handed out.
int FinalEntityCount(std::string_view text) {
    int count = -1;
    RunScenario(CompileScenario(text), ".", [&](const sim::Drawing& d) { count = int(d.Entities().size()); });
    return count;
}

TEST(RunScenario, HandsOutTheFinalDrawingWhetherTheStoryHeldFailedOrStopped) {
    EXPECT_EQ(FinalEntityCount("title t\nline 0,0 1,1\nline 0,0 2,2\nexpect count line 2"), 2);
    EXPECT_EQ(FinalEntityCount("title t\nline 0,0 1,1\nexpect count line 5"), 1);
    EXPECT_EQ(FinalEntityCount("title t\nline 0,0 1,1\nexpect kept NOBODY\nline 0,0 2,2"), 1);
}

TEST(DumpDrawing, WritesEveryEntityAtFullPrecisionAndReportsAFileItCannotWrite) {
    sim::Drawing dumped;
    RunScenario(CompileScenario("title t\nline 0,0 0.1234567890123,1\ncircle 5,5 r=2"), ".",
                [&](const sim::Drawing& d) { dumped = d; });
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "kv_drawing_dump_test.dxf";
    EXPECT_EQ(DumpDrawing(dumped, file), 2u);
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(file);
    EXPECT_NE(text.find("AC1015"), std::string::npos);
    EXPECT_NE(text.find("\r\nLINE\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nCIRCLE\r\n"), std::string::npos);
    EXPECT_NE(text.find("0.1234567890123"), std::string::npos);
    EXPECT_THROW(DumpDrawing(dumped, "/nonexistent-folder/x.dxf"), std::runtime_error);
}

}  // namespace
}  // namespace kv::scenario
