// The writers of the cut engine against files held in memory and a host that records what was
// typed: file contents read back with the palette's reader, command order, failures.
#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include "base/number_text.h"
#include "support/cut_fixtures.h"
#include "wires/trim_writers.h"

namespace kv {
namespace {

constexpr const char* kScratch = "/palette/kvane2k.dxf";
constexpr const char* kInsertCommand = "-INSERT */palette/kvane2k.dxf\r0,0 1 0\r";

BlockGeometry LampBlock() {
    BlockGeometry g;
    g.blocks.push_back({"LAMP", "0", {}});
    g.circles.push_back({"LAMP", "0", {}, 5});
    return g;
}

DxfBuffer WiresExport(const std::vector<TLineEnt>& wires) {
    ExportText text;
    text.Header("1").Tables({{"WIRE", 7}}).BeginEntities();
    for (const TLineEnt& wire : wires) text.Wire(wire);
    return text.EndSection().Buffer();
}

class TrimWriters : public testing::Test {
protected:
    MemoryFiles files;
    RecordingHost host;
    StillClock clock;
    RoundTripPorts ports{host, files, clock, kScratch};
    std::vector<std::string> inserted;  // the scratch file's text at each insert command
    DxfBuffer noWires = WiresExport({});

    TrimWriters() {
        host.onCommand = [this](const std::string& command) {
            if (command.find("-INSERT *") != std::string::npos) inserted.push_back(files.texts[kScratch]);
        };
    }
};

TEST_F(TrimWriters, SingleLineIsWrittenIn2DFormAndInserted) {
    TLineEnt line = WireOf({0, 0, 3}, {100, 0, 3});
    line.Color = 1;
    line.Linetype = "DOT_2";
    ASSERT_TRUE(WriteSingleLine(line, noWires, ports));
    ASSERT_EQ(inserted.size(), 1u);
    EXPECT_EQ(inserted[0].rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0), 0u);
    EXPECT_NE(inserted[0].find("  0\r\nLINE\r\n  8\r\nWIRE\r\n 62\r\n1\r\n  6\r\nDOT_2\r\n 48\r\n1\r\n"
                               " 10\r\n0\r\n 20\r\n0\r\n 11\r\n100\r\n 21\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n"),
              std::string::npos);
    EXPECT_EQ(host.sent, std::vector<std::string>{std::string("\x03") + kInsertCommand});
}

TEST_F(TrimWriters, SplitLineWritesPiecesPastTheMinimumAndTheWholeWireWhenNothingCuts) {
    const TLineEnt line = WireOf({0, 0}, {100, 0});
    const GapList gaps{{{3, 0, 0}, {10, 0, 0}}, {{50, 0, 0}, {99.995, 0, 0}}};
    ASSERT_TRUE(WriteSplitLine(line, gaps, PieceMinimumOf(false, "abc", {}), noWires, ports));
    EXPECT_EQ(Rounded(LinesOf(inserted.back())), (Segments{{0, 0, 3, 0}, {10, 0, 50, 0}}));  // not the 0.005
    EXPECT_EQ(inserted.back().find(" 30\r\n"), std::string::npos);
    HeaderVars header;
    header.DimScale = "10";
    ASSERT_TRUE(WriteSplitLine(line, gaps, PieceMinimumOf(true, "0.5", header), noWires, ports));
    EXPECT_EQ(Rounded(LinesOf(inserted.back())), (Segments{{10, 0, 50, 0}}));

    const SymbolShapes shapes(LampBlock());
    ASSERT_TRUE(ComputeCutsAndWrite(line, {InsertOf("LAMP", {50, 0})}, shapes, {}, {}, noWires, ports));
    EXPECT_EQ(Rounded(LinesOf(inserted.back())), (Segments{{0, 0, 45, 0}, {55, 0, 100, 0}}));
    ASSERT_TRUE(ComputeCutsAndWrite(line, {InsertOf("LAMP", {50, 30})}, shapes, {}, {}, noWires, ports));
    EXPECT_EQ(Rounded(LinesOf(inserted.back())), (Segments{{0, 0, 100, 0}}));
}

TEST(PieceMinimum, EditMinTimesDimScaleAndTheStandardErrorForText) {
    HeaderVars header;
    EXPECT_DOUBLE_EQ(PieceMinimumOf(true, "5.0", header).minimum, 5.0);
    header.DimScale = "10";
    EXPECT_FALSE(KeepsPiece(PieceMinimumOf(true, "1.0", header), 9.99));
    EXPECT_TRUE(KeepsPiece(PieceMinimumOf(true, "1.0", header), 10));
    EXPECT_FALSE(KeepsPiece(PieceMinimumOf(false, "", header), 0.01));
    EXPECT_TRUE(KeepsPiece(PieceMinimumOf(false, "", header), 0.0101));
    try {
        PieceMinimumOf(true, "abc", header);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
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
    const SymbolShapes shapes(LampBlock());
    ASSERT_EQ(WriteTrimmedLines(lines, {InsertOf("LAMP", {50, 0})}, shapes, {}, exported, ports), TrimWriteResult::kDone);
    EXPECT_EQ(host.sent, (std::vector<std::string>{std::string("\x03") + kInsertCommand, kInsertCommand}));
    EXPECT_EQ(clock.sleeps, (std::vector<int>{kTrimFileWaitMs, kTrimFileWaitMs}));
    ASSERT_EQ(inserted.size(), 2u);

    const std::vector<TLineEnt> pieces = LinesOf(inserted[0]);
    const double y = std::round(std::sqrt(21.0) * 1e6) / 1e6;
    EXPECT_EQ(Rounded(pieces), (Segments{{50, 5, 50, 30}, {52, y, 52, 40}, {55, 0, 100, 0}}));
    EXPECT_EQ(pieces[0].Linetype + pieces[0].Layer, "DOT_2WIRE");
    EXPECT_NE(inserted[0].find(" 31\r\n"), std::string::npos);  // 3D lines

    const std::vector<TLineEnt> kept = LinesOf(inserted[1]);
    EXPECT_EQ(Rounded(kept), (Segments{{0, 0, 45, 0}, {0, 20, 100, 20}, {50, -30, 50, -5}}));
    EXPECT_EQ(kept.front().Handle + kept.back().Handle, "A1A4");
}

}  // namespace
}  // namespace kv
