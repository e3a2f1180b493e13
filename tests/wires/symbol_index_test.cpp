#include <gtest/gtest.h>

#include <random>

#include "support/cut_fixtures.h"
#include "geometry/block_placement.h"
#include "geometry/geometry.h"
#include "wires/cut_engine.h"
#include "wires/symbol_index.h"

namespace kv {
namespace {

// Lines, a circle and an arc round a base point off the origin; a second block with nothing
// that cuts.
BlockGeometry Blocks() {
    BlockGeometry g;
    g.blocks = {{"SYM", "0", {1, 1, 0}}, {"EMPTY", "0", {}}};
    g.lines = {{"SYM", "0", {-4, -2, 0}, {6, -2, 0}}, {"SYM", "0", {6, -2, 0}, {6, 4, 0}}};
    g.circles = {{"SYM", "0", {1, 1, 0}, 1.5}};
    g.arcs = {{"SYM", "0", {1, 1, 0}, 5, 200, 340}};
    return g;
}

// A wire beside one of the reference's lines, within the touch tolerance of its ends.
template <typename Pick>
TLineEnt AlongAnOutline(const TInsertEnt& insert, Pick& pick) {
    const BlockGeometry blocks = Blocks();
    const TLineBlk& line = blocks.lines[size_t(pick(2))];
    const Point3 s = PlaceBlockPoint(insert, blocks.blocks[0], line.P1);
    const Point3 t = PlaceBlockPoint(insert, blocks.blocks[0], line.P2);
    const double angle = AngleOf(s, t), beside = pick(2) ? 0.009 : -0.006;
    const Point3 from = PolarPoint(PolarPoint(s, beside, angle + kPi / 2), -pick(3), angle);
    return WireOf(from, PolarPoint(from, Distance2D(s, t) + 2 * pick(3), angle));
}

// Symbols on a grid in every placement, wires along the grid, slanted, or passing just
// clear of a symbol's edge: the gaps are those of a cut against every reference.
TEST(SymbolIndex, CutsAtTheNearSymbolsAreTheCutsAtAll) {
    std::mt19937 rng(23);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const SymbolShapes shapes(Blocks());
    int cut = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<TInsertEnt> inserts;
        for (int i = pick(40); i > 0; --i) {
            const double s = 0.5 + pick(3) * 0.75;
            const char* names[] = {"SYM", "SYM", "SYM", "EMPTY", "NONE"};
            inserts.push_back(InsertOf(names[pick(5)], {10.0 * pick(10), 10.0 * pick(10), 0},
                                       90.0 * pick(4) + pick(2) * 30, {pick(2) ? -s : s, pick(2) ? -s : s, 1}));
        }
        const SymbolIndex index(inserts, shapes);
        for (int w = 0; w < 40; ++w) {
            const double edge[] = {0, 0, 3.99, 4.01, 2.005, 7.5};
            const Point3 a{10.0 * pick(10) + edge[pick(6)], 10.0 * pick(10) + edge[pick(6)], 0};
            const double length = 5.0 * (1 + pick(12));
            const double angle = pick(3) ? 90.0 * pick(4) : pick(360);
            TLineEnt wire = WireOf(a, PolarPoint(a, length, DegreesToRadians(angle)));
            if (!inserts.empty() && pick(3) == 0)
                wire = AlongAnOutline(inserts[size_t(pick(int(inserts.size())))], pick);
            const GapList all = ComputeCuts(wire, inserts, shapes, {});
            const GapList near = ComputeCuts(wire, index.Near(wire), shapes, {});
            ASSERT_EQ(near.size(), all.size()) << "round " << round << " wire " << w;
            for (size_t g = 0; g < all.size(); ++g) {
                ASSERT_EQ(near[g].A, all[g].A);
                ASSERT_EQ(near[g].B, all[g].B);
            }
            cut += !all.empty();
        }
    }
    EXPECT_GT(cut, 1000);
}

}  // namespace
}  // namespace kv
