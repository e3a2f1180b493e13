#include "dxf/round_trip.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"
#include "support/fake_ports.h"

namespace kv {
namespace {

constexpr const char* kPath = "C:\\kv\\kvane2k.dxf";
using Texts = std::vector<std::string>;

// Answers an export as the real host does, by writing the file, unless told not to; the old
// file must be gone by then.
struct ExportingHost : RecordingHost {
    bool fileWasGoneAtExport = false;
    ExportingHost(MemoryFiles& files, bool answers) {
        onCommand = [this, &files, answers](const std::string& command) {
            if (command.rfind("DXFOUT ", 0) != 0) return;
            fileWasGoneAtExport = !files.Exists(kPath);
            if (answers) files.texts[kPath] = DxfText({"  0", "SECTION", "  0", "EOF"});
        };
    }
};

TEST(ExportPrevious, TypesTheExportSequenceOfEachFormAndLoadsTheNewFile) {
    const std::string dxfout = std::string("DXFOUT ") + kPath;
    const std::pair<ExportForm, Texts> forms[] = {
        {ExportForm::kStandard, {"FILEDIA 0 ", dxfout + "\rV 2000 O P\r\r16\r", "'FILEDIA 1 "}},
        {ExportForm::kJunctionCheck, {"\x03" "FILEDIA 0 ", dxfout + "\rV 2000 O P \r16 ", "'FILEDIA 1 "}},
    };
    for (const auto& [form, sent] : forms) {
        MemoryFiles files;
        files.texts[kPath] = "stale";
        ExportingHost host(files, true);
        DxfBuffer buffer = DxfOf({"old", "content"});
        ASSERT_TRUE(ExportPrevious(host, files, kPath, buffer, form));
        EXPECT_EQ(host.sent, sent);
        EXPECT_TRUE(host.fileWasGoneAtExport);
        EXPECT_EQ(buffer.Text(), DxfText({"  0", "SECTION", "  0", "EOF"}));
    }
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
    EXPECT_EQ(host.sent, (Texts{std::string("\x03-INSERT *") + kPath + "\r0,0 1 0\r",
                                std::string("-INSERT *") + kPath + "\r0,0 1 0\r"}));
}

}  // namespace
}  // namespace kv
