// The writers of the cut engine against files held in memory and a host that records what was
// typed: file contents read back with the palette's reader, command order, failures.
#include <gtest/gtest.h>

#include "../dxf/fake_ports.h"
#include "base/number_text.h"
#include "cut_fixtures.h"
#include "dxf/read_entities.h"
#include "wires/trim_writers.h"

namespace kv {
namespace {

constexpr const char* kScratch = "/palette/kvane2k.dxf";

class TrimWriters : public testing::Test {
protected:
    MemoryFiles files;
    RecordingHost host;
    StillClock clock;
    RoundTripPorts ports{host, files, clock, kScratch};
    std::vector<std::string> inserted;  // the scratch file's text at each insert command

    TrimWriters() {
        host.onCommand = [this](const std::string& command) {
            if (command.find("-INSERT *") != std::string::npos) inserted.push_back(files.texts[kScratch]);
        };
    }

    DxfBuffer WiresExport(const std::vector<TLineEnt>& wires) {
        ExportText text;
        text.Header("1").Tables({{"WIRE", 7}}).BeginEntities();
        for (const TLineEnt& wire : wires) text.Wire(wire);
        return text.EndSection().Buffer();
    }
};

std::vector<TLineEnt> LinesOf(const std::string& text) {
    DxfBuffer buffer;
    buffer.Load(text);
    std::vector<TLineEnt> lines;
    ReadLines(buffer, lines);
    return lines;
}

void ExpectLine(const TLineEnt& line, double x1, double y1, double x2, double y2) {
    EXPECT_NEAR(line.P1.x, x1, 1e-9);
    EXPECT_NEAR(line.P1.y, y1, 1e-9);
    EXPECT_NEAR(line.P2.x, x2, 1e-9);
    EXPECT_NEAR(line.P2.y, y2, 1e-9);
}

BlockGeometry LampBlock() {
    BlockGeometry g;
    g.blocks.push_back({"LAMP", "0", {}});
    g.circles.push_back({"LAMP", "0", {}, 5});
    return g;
}

constexpr const char* kInsertCommand = "-INSERT */palette/kvane2k.dxf\r0,0 1 0\r";

TEST_F(TrimWriters, SingleLineIsWrittenIn2DFormAndInserted) {
    DxfBuffer source = WiresExport({});
    TLineEnt line = WireOf({0, 0, 3}, {100, 0, 3});
    line.Color = 1;
    line.Linetype = "DOT_2";
    ASSERT_TRUE(WriteSingleLine(line, source, ports));
    ASSERT_EQ(inserted.size(), 1u);
    const std::string& text = inserted[0];
    EXPECT_EQ(text.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0), 0u);
    EXPECT_NE(text.find("  0\r\nLINE\r\n  8\r\nWIRE\r\n 62\r\n1\r\n  6\r\nDOT_2\r\n 48\r\n1\r\n"
                        " 10\r\n0\r\n 20\r\n0\r\n 11\r\n100\r\n 21\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n"),
              std::string::npos);
    EXPECT_EQ(host.sent, std::vector<std::string>{std::string("\x03") + kInsertCommand});
}

TEST_F(TrimWriters, SplitLineWritesPiecesLongerThanTheMinimum) {
    DxfBuffer source = WiresExport({});
    const TLineEnt line = WireOf({0, 0}, {100, 0});
    const GapList gaps{{{3, 0, 0}, {10, 0, 0}}, {{50, 0, 0}, {99.995, 0, 0}}};

    ASSERT_TRUE(WriteSplitLine(line, gaps, PieceMinimumOf(false, "abc", {}), source, ports));
    std::vector<TLineEnt> pieces = LinesOf(inserted.back());
    ASSERT_EQ(pieces.size(), 2u);  // the 0.005 piece at the end is left out
    ExpectLine(pieces[0], 0, 0, 3, 0);
    ExpectLine(pieces[1], 10, 0, 50, 0);
    EXPECT_EQ(inserted.back().find(" 30\r\n"), std::string::npos);

    HeaderVars header;
    header.DimScale = "10";
    ASSERT_TRUE(WriteSplitLine(line, gaps, PieceMinimumOf(true, "0.5", header), source, ports));
    pieces = LinesOf(inserted.back());
    ASSERT_EQ(pieces.size(), 1u);
    ExpectLine(pieces[0], 10, 0, 50, 0);
}

TEST(PieceMinimum, EditMinTimesDimScaleAndTheStandardErrorForText) {
    HeaderVars header;
    EXPECT_DOUBLE_EQ(PieceMinimumOf(true, "5.0", header).minimum, 5.0);
    header.DimScale = "10";
    const PieceMinimum rule = PieceMinimumOf(true, "1.0", header);
    EXPECT_FALSE(KeepsPiece(rule, 9.99));
    EXPECT_TRUE(KeepsPiece(rule, 10));
    EXPECT_FALSE(KeepsPiece(PieceMinimumOf(false, "", header), 0.01));
    EXPECT_TRUE(KeepsPiece(PieceMinimumOf(false, "", header), 0.0101));
    try {
        PieceMinimumOf(true, "abc", header);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
}

TEST_F(TrimWriters, WritingModeGivesPiecesOrTheWholeWire) {
    DxfBuffer source = WiresExport({});
    const SymbolShapes shapes(LampBlock());
    const TLineEnt line = WireOf({0, 0}, {100, 0});
    ASSERT_TRUE(ComputeCutsAndWrite(line, {InsertOf("LAMP", {50, 0})}, shapes, {}, {}, source, ports));
    std::vector<TLineEnt> written = LinesOf(inserted.back());
    ASSERT_EQ(written.size(), 2u);
    ExpectLine(written[0], 0, 0, 45, 0);
    ExpectLine(written[1], 55, 0, 100, 0);

    ASSERT_TRUE(ComputeCutsAndWrite(line, {InsertOf("LAMP", {50, 30})}, shapes, {}, {}, source, ports));
    written = LinesOf(inserted.back());
    ASSERT_EQ(written.size(), 1u);
    ExpectLine(written[0], 0, 0, 100, 0);
}

// Four wires around a lamp at (50,0): through it, across it, starting inside it, clear of it.
std::vector<TLineEnt> LampWires() {
    TLineEnt through = WireOf({0, 0}, {100, 0}, "A1");
    through.Linetype = "DOT.2";
    return {through, WireOf({50, -30}, {50, 30}, "A2"), WireOf({52, 2}, {52, 40}, "A3"),
            WireOf({0, 20}, {100, 20}, "A4")};
}

TEST_F(TrimWriters, TrimmedLinesInsertNewPiecesThenTheEditedExport) {
    std::vector<TLineEnt> lines = LampWires();
    DxfBuffer exported = WiresExport(lines);
    const TrimWriteResult result =
        WriteTrimmedLines(lines, {InsertOf("LAMP", {50, 0})}, SymbolShapes(LampBlock()), {}, exported, ports);
    ASSERT_EQ(result, TrimWriteResult::kDone);
    EXPECT_EQ(host.sent, (std::vector<std::string>{std::string("\x03") + kInsertCommand, kInsertCommand}));
    EXPECT_EQ(clock.sleeps, (std::vector<int>{kTrimFileWaitMs, kTrimFileWaitMs}));
    ASSERT_EQ(inserted.size(), 2u);

    const std::vector<TLineEnt> pieces = LinesOf(inserted[0]);
    ASSERT_EQ(pieces.size(), 3u);
    ExpectLine(pieces[0], 55, 0, 100, 0);
    EXPECT_EQ(pieces[0].Linetype, "DOT_2");
    EXPECT_EQ(pieces[0].Layer, "WIRE");
    ExpectLine(pieces[1], 50, 5, 50, 30);
    ExpectLine(pieces[2], 52, std::sqrt(21.0), 52, 40);
    EXPECT_NE(inserted[0].find(" 31\r\n"), std::string::npos);

    const std::vector<TLineEnt> kept = LinesOf(inserted[1]);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].Handle, "A1");
    ExpectLine(kept[0], 0, 0, 45, 0);
    ExpectLine(kept[1], 50, -30, 50, -5);
    EXPECT_EQ(kept[2].Handle, "A4");
    ExpectLine(kept[2], 0, 20, 100, 20);
}

class FailingWrite : public MemoryFiles {
public:
    int failAt = 0;  // the write that fails, counting from 1
    bool WriteText(std::string_view path, std::string_view text) override {
        if (++writes_ == failAt) return false;
        return MemoryFiles::WriteText(path, text);
    }

private:
    int writes_ = 0;
};

TEST_F(TrimWriters, FailedWritesAreReportedForTheCallerNotToErase) {
    for (int failAt : {1, 2}) {
        FailingWrite failing;
        failing.failAt = failAt;
        RecordingHost quiet;
        RoundTripPorts failingPorts{quiet, failing, clock, kScratch};
        std::vector<TLineEnt> lines = LampWires();
        DxfBuffer exported = WiresExport(lines);
        const TrimWriteResult result = WriteTrimmedLines(lines, {InsertOf("LAMP", {50, 0})},
                                                         SymbolShapes(LampBlock()), {}, exported, failingPorts);
        EXPECT_EQ(result, failAt == 1 ? TrimWriteResult::kNothingInserted : TrimWriteResult::kPiecesOnly);
        EXPECT_EQ(quiet.sent.size(), failAt == 1 ? 0u : 1u);
        EXPECT_FALSE(failing.Exists(kScratch));
    }
}

}  // namespace
}  // namespace kv
