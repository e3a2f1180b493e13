#include <gtest/gtest.h>

#include "support/cut_fixtures.h"
#include "wires/wire_pieces.h"

namespace kv {
namespace {

using Spans = std::vector<std::pair<double, double>>;

// The x extents of the pieces of a wire on the x axis.
Spans PiecesOf(const TLineEnt& wire, const Spans& gaps) {
    GapList list;
    for (const auto& [a, b] : gaps) list.push_back({{a, 0, 0}, {b, 0, 0}});
    Spans spans;
    for (const WirePiece& piece : WirePieces(wire, list)) spans.emplace_back(piece.from.x, piece.to.x);
    return spans;
}

TEST(WirePieces, RunBetweenGapsNeverInsideOneAndKeepTheWireEndsExactly) {
    const TLineEnt wire = WireOf({0, 0, 7}, {100, 0, 7});
    EXPECT_EQ(WirePieces(wire, {}).front().from, wire.P1);  // z included
    EXPECT_EQ(WirePieces(wire, {}).back().to, wire.P2);
    EXPECT_EQ(PiecesOf(WireOf({100, 0}, {0, 0}), {{20, 30}}), (Spans{{100, 30}, {20, 0}}));
    const std::pair<Spans, Spans> cases[] = {{{{20, 30}, {60, 70}}, {{0, 20}, {30, 60}, {70, 100}}},
                                             {{{20, 50}, {30, 40}}, {{0, 20}, {50, 100}}},
                                             {{{40, 60}, {20, 45}}, {{0, 20}, {60, 100}}},
                                             {{{20, 30}, {30, 40}}, {{0, 20}, {40, 100}}},
                                             {{{-10, 20}, {130, 90}}, {{20, 90}}},
                                             {{{-30, -10}, {110, 130}}, {{0, 100}}},
                                             {{{-1, 101}}, {}}};
    for (const auto& [gaps, pieces] : cases) EXPECT_EQ(PiecesOf(wire, gaps), pieces) << gaps[0].first;
    EXPECT_TRUE(WirePieces(WireOf({5, 5}, {5, 5}), {}).empty());
}

}  // namespace
}  // namespace kv
