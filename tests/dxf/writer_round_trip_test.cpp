#include "dxf/round_trip.h"

#include <gtest/gtest.h>

#include "dxf_text.h"
#include "fake_ports.h"

namespace kv {
namespace {

constexpr const char* kPath = "C:\\kv\\kvane2k.dxf";

// A host that writes the export when it is asked for one, as the real host does.
struct ExportingHost : RecordingHost {
    MemoryFiles& files;
    bool fileWasGoneAtExport = false;
    explicit ExportingHost(MemoryFiles& f, bool answers = true) : files(f) {
        onCommand = [this, answers](const std::string& command) {
            if (command.rfind("DXFOUT ", 0) != 0) return;
            fileWasGoneAtExport = !files.Exists(kPath);
            if (answers) files.texts[kPath] = DxfText({"  0", "SECTION", "  0", "EOF"});
        };
    }
};

TEST(ExportPrevious, TypesTheExportSequenceAndLoadsTheNewFile) {
    MemoryFiles files;
    files.texts[kPath] = "stale";
    ExportingHost host(files);
    DxfBuffer buffer = DxfOf({"old", "content"});
    ASSERT_TRUE(ExportPrevious(host, files, kPath, buffer));
    EXPECT_EQ(host.sent, (std::vector<std::string>{
                             "FILEDIA 0 ", std::string("DXFOUT ") + kPath + "\rV 2000 O P\r\r16\r", "'FILEDIA 1 "}));
    EXPECT_TRUE(host.fileWasGoneAtExport);
    EXPECT_EQ(buffer.Text(), DxfText({"  0", "SECTION", "  0", "EOF"}));
}

TEST(ExportPrevious, JunctionCheckFormCancelsFirstAndAnswersWithBlanks) {
    MemoryFiles files;
    ExportingHost host(files);
    DxfBuffer buffer;
    ASSERT_TRUE(ExportPrevious(host, files, kPath, buffer, ExportForm::kJunctionCheck));
    EXPECT_EQ(host.sent, (std::vector<std::string>{"\x03" "FILEDIA 0 ",
                                                   std::string("DXFOUT ") + kPath + "\rV 2000 O P \r16 ",
                                                   "'FILEDIA 1 "}));
}

TEST(ExportPrevious, MissingFileLeavesTheBufferEmpty) {
    MemoryFiles files;
    files.texts[kPath] = "stale";
    ExportingHost host(files, false);
    DxfBuffer buffer = DxfOf({"old", "content"});
    EXPECT_FALSE(ExportPrevious(host, files, kPath, buffer));
    EXPECT_EQ(buffer.LineCount(), 0u);
    EXPECT_EQ(host.sent.size(), 3u);
}

TEST(InsertDxf, InsertsExplodedAtTheOriginOnlyWhenTheFileExists) {
    MemoryFiles files;
    RecordingHost host;
    EXPECT_FALSE(InsertDxf(host, files, kPath));
    EXPECT_TRUE(host.sent.empty());

    files.texts[kPath] = "x";
    EXPECT_TRUE(InsertDxf(host, files, kPath));
    EXPECT_TRUE(InsertDxf(host, files, kPath, InsertForm::kNoCancel));
    EXPECT_EQ(host.sent, (std::vector<std::string>{std::string("\x03-INSERT *") + kPath + "\r0,0 1 0\r",
                                                   std::string("-INSERT *") + kPath + "\r0,0 1 0\r"}));
}

}  // namespace
}  // namespace kv
