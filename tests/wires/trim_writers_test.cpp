// The files of the cut engine's round trips, written into memory and read back with the
// palette's reader.
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_writer.h"
#include "support/counting_clock.h"
#include "support/cut_fixtures.h"
#include "support/expect_throw_message.h"
#include "support/fake_ports.h"
#include "wires/trim_writers.h"

namespace kv {
namespace {

constexpr const char* kScratch = "/palette/kvane2k.dxf";

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
    test::CountingClock clock;
    DxfBuffer noWires = WiresExport({});

    std::string Written(const RoundTripFile& file) {
        EXPECT_TRUE(file.write(files, kScratch));
        return files.texts[kScratch];
    }
    std::string Written(const std::vector<std::string>& items) {
        EXPECT_TRUE(WriteDxfFile(files, kScratch, DxfFrame(noWires, items)));
        return files.texts[kScratch];
    }
};

TEST_F(TrimWriters, WireNothingCutsIsWrittenWholeIn2DForm) {
    TLineEnt line = WireOf({0, 0, 3}, {100, 0, 3});
    line.Color = 1;
    line.Linetype = "DOT_2";
    const std::string text = Written(CutWireFile(line, {}, SymbolShapes(LampBlock()), {}, {}, noWires));
    EXPECT_EQ(text.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0), 0u);
    EXPECT_NE(text.find("  0\r\nLINE\r\n  8\r\nWIRE\r\n 62\r\n1\r\n  6\r\nDOT_2\r\n 48\r\n1\r\n"
                        " 10\r\n0\r\n 20\r\n0\r\n 11\r\n100\r\n 21\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n"),
              std::string::npos);
}

TEST(PieceMinimum, EditMinTimesDimScaleAndTheStandardErrorForText) {
    HeaderVars header;
    EXPECT_DOUBLE_EQ(PieceMinimumOf(true, "5.0", header).minimum, 5.0);
    header.DimScale = "10";
    EXPECT_FALSE(KeepsPiece(PieceMinimumOf(true, "1.0", header), 9.99));
    EXPECT_TRUE(KeepsPiece(PieceMinimumOf(true, "1.0", header), 10));
    EXPECT_FALSE(KeepsPiece(PieceMinimumOf(false, "", header), 0.01));
    EXPECT_TRUE(KeepsPiece(PieceMinimumOf(false, "", header), 0.0101));
    EXPECT_THROW_MESSAGE(PieceMinimumOf(true, "abc", header), ConversionError,
                         "'abc' is not a valid floating point value");
}

// Four wires around a lamp at (50,0): through it, across it, starting inside it, clear of it.
std::vector<TLineEnt> LampWires() {
    TLineEnt through = WireOf({0, 0}, {100, 0}, "A1");
    through.Linetype = "DOT.2";
    return {through, WireOf({50, -30}, {50, 30}, "A2"), WireOf({52, 2}, {52, 40}, "A3"),
            WireOf({0, 20}, {100, 20}, "A4")};
}

TEST_F(TrimWriters, TrimmedLinesGiveTheNewPiecesThenTheEditedExport) {
    std::vector<TLineEnt> lines = LampWires();
    DxfBuffer exported = WiresExport(lines);
    const SymbolShapes shapes(LampBlock());
    const std::vector<RoundTripFile> written =
        TrimmedLineFiles(lines, {InsertOf("LAMP", {50, 0})}, shapes, {}, exported, clock);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].insert, InsertForm::kNoCancel);
    const std::vector<std::string> inserted{Written(written[0]), Written(written[1])};
    EXPECT_EQ(clock.sleptMilliseconds, 2 * kTrimFileWaitMs);

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
