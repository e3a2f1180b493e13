#include "geometry/block_extents.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TLwpEle Vertex(const std::string& owner, double x, double y, double bulge = 0) { return {owner, {x, y, 0}, bulge}; }

BlockGeometry Square(int flags) {
    BlockGeometry g;
    g.blocks = {{"SQ", "0", {}}};
    g.polylines.push_back({"SQ", "WIRE", "1A", flags});
    g.vertices = {Vertex("1A", 0, 0), Vertex("1A", 1, 0), Vertex("1A", 1, 1), Vertex("1A", 0, 1)};
    return g;
}

TEST(ExplodePolylines, ClosesOnlyWhenFlagsAreExactlyOneAndKeepsTheExtents) {
    BlockGeometry closed = Square(1);
    std::vector<BlockExtent> before, after;
    ComputeBlockExtents(closed, before);
    ExplodePolylines(closed);
    ASSERT_EQ(closed.lines.size(), 4u);
    EXPECT_EQ(closed.lines[3].P1, (Point3{0, 1, 0}));
    EXPECT_EQ(closed.lines[3].P2, (Point3{0, 0, 0}));
    EXPECT_EQ(closed.lines[3].BlockName + closed.lines[3].Layer, "SQWIRE");
    ComputeBlockExtents(closed, after);
    ASSERT_EQ(before.size(), 1u);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_TRUE(before[0].Min == after[0].Min && before[0].Max == after[0].Max);

    BlockGeometry flagged = Square(129);
    ExplodePolylines(flagged);
    EXPECT_EQ(flagged.lines.size(), 3u);
}

TEST(ExplodePolylines, BulgesBecomeArcsInDegreesAndVerticesFollowTheirOwner) {
    BlockGeometry g;
    g.lines.push_back({"OTHER", "0", {}, {1, 1, 0}});
    g.polylines = {{"B", "0", "2F", 0}, {"A", "0", "10", 0}};
    g.vertices = {Vertex("2F", 0, 0, 1), Vertex("10", 7, 7), Vertex("2F", 2, 0, 0), Vertex("2F", 2, 5),
                  Vertex("10", 8, 7)};
    ExplodePolylines(g);
    ASSERT_EQ(g.arcs.size(), 1u);
    EXPECT_NEAR(g.arcs[0].Center.x, 1, 1e-12);
    EXPECT_NEAR(g.arcs[0].Radius, 1, 1e-12);
    EXPECT_DOUBLE_EQ(g.arcs[0].StartAngle, 180);
    EXPECT_DOUBLE_EQ(g.arcs[0].EndAngle, 0);
    ASSERT_EQ(g.lines.size(), 3u);  // appended after what was there
    EXPECT_EQ(g.lines[1].P1, (Point3{2, 0, 0}));
    EXPECT_EQ(g.lines[1].P2, (Point3{2, 5, 0}));
    EXPECT_EQ(g.lines[2].BlockName, "A");
    EXPECT_EQ(g.lines[2].P2, (Point3{8, 7, 0}));
}

TEST(ComputeBlockExtents, MergesLinesCirclesArcsAndPolylinesPerBlock) {
    BlockGeometry g;
    g.blocks = {{"*U1", "0", {}}, {"R", "0", {}}, {"EMPTY", "0", {}}, {"P", "0", {}}};
    g.lines.push_back({"R", "0", {0, 0, 3}, {4, 1, 3}});
    g.circles.push_back({"R", "0", {5, 0, 0}, 2});
    g.arcs.push_back({"R", "0", {0, 0, 0}, 1, 90, 180});          // reaches x = -1, y = 1
    g.lines.push_back({"r", "0", {100, 100, 0}, {200, 200, 0}});  // names compare exactly
    g.polylines.push_back({"P", "0", "9", 0});
    g.vertices = {Vertex("9", 0, 0, -1), Vertex("9", 2, 0)};  // upper half circle about (1,0)

    std::vector<BlockExtent> extents{{"stale", {}, {}}};
    ASSERT_EQ(ComputeBlockExtents(g, extents), 2);
    EXPECT_EQ(extents[0].BlockName, "R");
    EXPECT_EQ(extents[0].Min, (Point3{-1, -2, 0}));
    EXPECT_EQ(extents[0].Max, (Point3{7, 2, 0}));
    EXPECT_EQ(extents[1].BlockName, "P");
    EXPECT_NEAR(extents[1].Min.x + extents[1].Min.y, 0, 1e-12);
    EXPECT_NEAR(extents[1].Max.x, 2, 1e-12);
    EXPECT_NEAR(extents[1].Max.y, 1, 1e-12);
    EXPECT_TRUE(g.lines.size() == 2u && g.arcs.size() == 1u);  // the input stays as it was
}

}  // namespace
}  // namespace kv
