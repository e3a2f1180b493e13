#include "simhost/dxf_pairs.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kv::sim {
namespace {

TEST(DxfPairs, RealsKeepAtMostTheRequestedPlacesAndZeroLosesItsSign) {
    const std::tuple<double, int, const char*> cases[] = {
        {1.0 / 3, 4, "0.3333"}, {2.6, 0, "3"},     {-1.23456, 2, "-1.23"},
        {0.5, 3, "0.5"},        {10, 6, "10.0"},   {1e20, 2, "100000000000000000000.0"},
        {-0.00001, 4, "0.0"},   {-0.0, 16, "0.0"}, {1e-20, 16, "0.0"},
    };
    for (auto [value, places, text] : cases) {
        EXPECT_EQ(FormatDxfReal(value, places), text) << value << " " << places;
    }
}

TEST(DxfPairs, SixteenPlacesReadBackExactly) {
    for (double v : {0.1, 1.0 / 3, 12345.678901234567, -98.7654321e-3, 1e15 + 0.5}) {
        EXPECT_EQ(std::stod(FormatDxfReal(v, 16)), v) << FormatDxfReal(v, 16);
    }
}

TEST(DxfPairs, CodesRightAlignedAndIntegersPaddedByGroupWidth) {
    DxfPairWriter w(2);
    w.Str(0, "LINE");
    w.Int(70, 1);
    w.Int(90, 4);
    w.Str(100, "AcDbLine");
    w.Point(10, Point3{1, 2.345, 0}, false);
    EXPECT_EQ(w.Text(),
              "  0\r\nLINE\r\n 70\r\n     1\r\n 90\r\n        4\r\n100\r\nAcDbLine\r\n"
              " 10\r\n1.0\r\n 20\r\n2.35\r\n");
}

TEST(DxfPairs, ReadsBothLineEndsAndStopsAtEofOrAnOddLastLine) {
    DxfPairsResult r = ReadDxfPairs("  0\r\nSECTION\n  2\r\nENTITIES\r\n0\nEOF\n999\nafter\n");
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.pairs.size(), 3u);
    EXPECT_EQ(r.pairs[1].code, 2);
    EXPECT_EQ(r.pairs[1].value, "ENTITIES");
    EXPECT_EQ(r.pairs[1].line, 3);
    r = ReadDxfPairs("  0\r\nSECTION\r\n  2");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.pairs.size(), 1u);
}

}  // namespace
}  // namespace kv::sim
