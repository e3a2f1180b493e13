// What the window front draws: arcs and bulges flattened the right way round, block
// references through their definitions with layer "0" and BYBLOCK passed on, hidden
// layers left out, texts at their alignment point, solids in outline order.
#include <gtest/gtest.h>

#include <cmath>

#include "simhost/geometry.h"
#include "simhost/scene.h"

namespace kv::sim {
namespace {

constexpr double kTol = 1e-9;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kWhite{255, 255, 255};

Entity Make(Geometry geom, std::string layer = "0", int color = kColorByLayer) {
    Entity e;
    e.layer = std::move(layer);
    e.color = color;
    e.geom = std::move(geom);
    return e;
}

void ExpectAt(Point3 p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-6);
    EXPECT_NEAR(p.y, y, 1e-6);
}

// The largest angle between neighbouring points seen from the centre, in degrees.
double LargestStep(const std::vector<Point3>& points, Point3 center) {
    double largest = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        double a = AngleOf(center, points[i - 1]);
        double b = AngleOf(center, points[i]);
        largest = std::max(largest, Degrees(NormalizeAngle(b - a)));
    }
    return largest;
}

TEST(Scene, ArcRunsCounterClockwiseAcrossZeroInSmallSteps) {
    Drawing d;
    d.Add(Make(ArcGeom{{0, 0, 0}, 10, 350, 100}));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 1u);
    const auto& pts = s.paths[0].points;
    ExpectAt(pts.front(), 10 * std::cos(Radians(350)), 10 * std::sin(Radians(350)));
    ExpectAt(pts.back(), 10 * std::cos(Radians(100)), 10 * std::sin(Radians(100)));
    for (const Point3& p : pts) EXPECT_NEAR(std::hypot(p.x, p.y), 10, kTol);
    EXPECT_LE(LargestStep(pts, {0, 0, 0}), kArcStepDegrees + kTol);
    EXPECT_FALSE(s.paths[0].closed);
}

TEST(Scene, CircleIsOneClosedPath) {
    Drawing d;
    d.Add(Make(CircleGeom{{5, 5, 0}, 1}));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 1u);
    EXPECT_TRUE(s.paths[0].closed);
    EXPECT_GE(s.paths[0].points.size(), 360 / kArcStepDegrees);
    ExpectAt(s.paths[0].points.front(), 6, 5);
    EXPECT_GT(Distance(s.paths[0].points.back(), s.paths[0].points.front()), 1e-3);  // no doubled point
}

TEST(Scene, BulgesBendToTheirSideAndPathsStayConnected) {
    Drawing d;
    LwPolylineGeom pl;
    pl.vertices = {{0, 0, 1}, {10, 0, -1}, {20, 0, 0}};  // half circle below, then above
    d.Add(Make(pl));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 1u);
    const auto& pts = s.paths[0].points;
    ExpectAt(pts.front(), 0, 0);
    ExpectAt(pts.back(), 20, 0);
    double lowest = 0, highest = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (pts[i].x < 10) lowest = std::min(lowest, pts[i].y);
        if (pts[i].x > 10) highest = std::max(highest, pts[i].y);
        if (i > 0) {
            EXPECT_LT(Distance(pts[i - 1], pts[i]), 1) << "jump at point " << i;
        }
    }
    EXPECT_NEAR(lowest, -5, 1e-6);
    EXPECT_NEAR(highest, 5, 1e-6);
}

TEST(Scene, ClosedPolylineReturnsToItsStart) {
    Drawing d;
    PolylineGeom pl;
    pl.vertices = {{{0, 0, 0}, 0}, {{10, 0, 0}, 0}, {{10, 10, 0}, 0}};
    pl.closed = true;
    d.Add(Make(pl));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 1u);
    ASSERT_EQ(s.paths[0].points.size(), 4u);
    ExpectAt(s.paths[0].points.back(), 0, 0);
}

TEST(Scene, BlockContentsTakeTheReferencesLayerAndColourWhereTheyDefer) {
    Drawing d;
    d.EnsureLayer("X").color = 3;
    d.EnsureLayer("W").color = 1;
    BlockDef block;
    block.name = "SYM";
    block.entities.push_back(Make(LineGeom{{0, 0, 0}, {1, 0, 0}}, "0", kColorByBlock));
    block.entities.push_back(Make(LineGeom{{0, 0, 0}, {0, 1, 0}}, "W"));
    block.entities.push_back(
        Make(LineGeom{{0, 0, 0}, {1, 1, 0}}, "0"));  // BYLAYER on "0": the reference's layer
    d.blocks.push_back(block);
    d.Add(Make(InsertGeom{"SYM", {100, 0, 0}, 2, 2, 1, 90}, "X", 5));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 3u);
    ExpectAt(s.paths[0].points[1], 100, 2);  // rotated a quarter turn, doubled
    EXPECT_EQ(s.paths[0].color, IndexColor(5));
    EXPECT_EQ(s.paths[1].color, kRed);
    EXPECT_EQ(s.paths[2].color, kGreen);
}

TEST(Scene, HiddenLayersAreNotDrawnNorTheirBlockContents) {
    Drawing d;
    d.EnsureLayer("OFF").off = true;
    d.EnsureLayer("ICE").frozen = true;
    BlockDef block;
    block.name = "B";
    block.entities.push_back(Make(CircleGeom{{0, 0, 0}, 1}));
    block.entities.push_back(Make(LineGeom{{0, 0, 0}, {1, 0, 0}}, "ICE"));
    d.blocks.push_back(block);
    d.Add(Make(LineGeom{{0, 0, 0}, {1, 0, 0}}, "OFF"));
    d.Add(Make(InsertGeom{"B", {0, 0, 0}}, "OFF"));
    d.Add(Make(InsertGeom{"B", {5, 0, 0}}));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.paths.size(), 1u);  // the circle of the visible reference only
    EXPECT_TRUE(s.paths[0].closed);
    EXPECT_EQ(s.paths[0].color, kWhite);
}

TEST(Scene, BlockThatContainsItselfEnds) {
    Drawing d;
    BlockDef block;
    block.name = "LOOP";
    block.entities.push_back(Make(LineGeom{{0, 0, 0}, {1, 0, 0}}));
    block.entities.push_back(Make(InsertGeom{"LOOP", {1, 0, 0}}));
    d.blocks.push_back(block);
    d.Add(Make(InsertGeom{"LOOP", {0, 0, 0}}));
    Scene s = BuildScene(d);
    EXPECT_GT(s.paths.size(), 1u);
    EXPECT_LT(s.paths.size(), 100u);
}

TEST(Scene, TextsSitAtTheirAlignmentPointAndSolidsInOutlineOrder) {
    Drawing d;
    TextGeom left;
    left.text = "L1";
    left.first = {1, 2, 0};
    left.second = {9, 9, 0};
    TextGeom centred = left;
    centred.hAlign = 1;
    d.Add(Make(left, "0", 2));
    d.Add(Make(centred));
    d.Add(Make(SolidGeom{{Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{1, 1, 0}}}));
    Scene s = BuildScene(d);
    ASSERT_EQ(s.texts.size(), 2u);
    ExpectAt(s.texts[0].anchor, 1, 2);
    EXPECT_EQ(s.texts[0].color, (Rgb{255, 255, 0}));
    ExpectAt(s.texts[1].anchor, 9, 9);
    EXPECT_EQ(s.texts[1].hAlign, 1);
    ASSERT_EQ(s.fills.size(), 1u);
    ExpectAt(s.fills[0].corners[2], 1, 1);
    ExpectAt(s.fills[0].corners[3], 0, 1);
}

TEST(Scene, IndexColoursOfTheBasicSetTheHueCircleAndTheGreys) {
    EXPECT_EQ(IndexColor(1), kRed);
    EXPECT_EQ(IndexColor(7), kWhite);
    EXPECT_EQ(IndexColor(10), kRed);
    EXPECT_EQ(IndexColor(11), (Rgb{255, 128, 128}));
    EXPECT_EQ(IndexColor(90), kGreen);
    EXPECT_EQ(IndexColor(250), (Rgb{51, 51, 51}));
    EXPECT_EQ(IndexColor(999), kWhite);
}

}  // namespace
}  // namespace kv::sim
