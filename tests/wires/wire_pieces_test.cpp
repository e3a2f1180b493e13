#include <gtest/gtest.h>

#include "cut_fixtures.h"
#include "wires/wire_pieces.h"

namespace kv {
namespace {

using Spans_ = std::vector<std::pair<double, double>>;

// The x extents of the pieces of a wire along the x axis.
Spans_ Spans(const std::vector<WirePiece>& pieces) {
    Spans_ spans;
    for (const WirePiece& piece : pieces) spans.emplace_back(piece.from.x, piece.to.x);
    return spans;
}



GapRec Gap(double a, double b) { return {{a, 0, 0}, {b, 0, 0}}; }

TEST(WirePieces, PiecesRunBetweenGapsAndKeepTheWireEndsExactly) {
    const TLineEnt wire = WireOf({0, 0, 7}, {100, 0, 7});
    const std::vector<WirePiece> pieces = WirePieces(wire, {Gap(20, 30), Gap(60, 70)});
    EXPECT_EQ(Spans(pieces), (Spans_{{0, 20}, {30, 60}, {70, 100}}));
    EXPECT_EQ(pieces.front().from, wire.P1);
    EXPECT_EQ(pieces.back().to, wire.P2);
    EXPECT_EQ(Spans(WirePieces(wire, {})), (Spans_{{0, 100}}));
}

TEST(WirePieces, OverlappingNestedAndReversedGapsActAsOne) {
    const TLineEnt wire = WireOf({0, 0}, {100, 0});
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(20, 50), Gap(30, 40)})), (Spans_{{0, 20}, {50, 100}}));
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(40, 60), Gap(20, 45)})), (Spans_{{0, 20}, {60, 100}}));
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(60, 40)})), (Spans_{{0, 40}, {60, 100}}));
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(20, 30), Gap(30, 40)})), (Spans_{{0, 20}, {40, 100}}));
}

TEST(WirePieces, GapsReachingPastTheEndsOnlyCutTheWire) {
    const TLineEnt wire = WireOf({0, 0}, {100, 0});
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(-10, 20), Gap(90, 130)})), (Spans_{{20, 90}}));
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(-30, -10), Gap(110, 130)})), (Spans_{{0, 100}}));
    EXPECT_TRUE(WirePieces(wire, {Gap(-1, 101)}).empty());
    EXPECT_TRUE(WirePieces(WireOf({5, 5}, {5, 5}), {}).empty());
}

TEST(WirePieces, ReversedWireRunsFromItsP1) {
    const TLineEnt wire = WireOf({100, 0}, {0, 0});
    EXPECT_EQ(Spans(WirePieces(wire, {Gap(20, 30)})), (Spans_{{100, 30}, {20, 0}}));
}

}  // namespace
}  // namespace kv
