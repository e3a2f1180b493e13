// What the window front draws: arcs and bulges flattened the right way round, block
// references through their definitions with layer "0" and BYBLOCK passed on, hidden
// layers left out, texts at their alignment point, solids in outline order.
#include <gtest/gtest.h>

#include <cmath>

#include "simhost/entity_shape.h"
#include "simhost/geometry.h"
#include "simhost/scene.h"
#include "test_entities.h"

namespace kv::sim {
namespace {

using testing::MakeEntity;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kWhite{255, 255, 255};

void ExpectAt(Point3 p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-6);
    EXPECT_NEAR(p.y, y, 1e-6);
}

Scene SceneOf(std::vector<Entity> entities, Drawing d = {}) {
    for (Entity& e : entities) d.Add(std::move(e));
    return BuildScene(d);
}

TEST(Scene, ArcRunsCounterClockwiseAcrossZeroInSmallSteps) {
    Scene s = SceneOf({MakeEntity(ArcGeom{{0, 0, 0}, 10, 350, 100})});
    ASSERT_EQ(s.paths.size(), 1u);
    const auto& pts = s.paths[0].points;
    ExpectAt(pts.front(), 10 * std::cos(Radians(350)), 10 * std::sin(Radians(350)));
    ExpectAt(pts.back(), 10 * std::cos(Radians(100)), 10 * std::sin(Radians(100)));
    for (std::size_t i = 0; i < pts.size(); ++i) {
        EXPECT_NEAR(std::hypot(pts[i].x, pts[i].y), 10, 1e-9);
        if (i == 0) continue;
        double step = Degrees(NormalizeAngle(AngleOf({}, pts[i]) - AngleOf({}, pts[i - 1])));
        EXPECT_LE(step, kArcStepDegrees + 1e-9) << i;
    }
    EXPECT_FALSE(s.paths[0].closed);
}

TEST(Scene, CircleAndClosedPolylineAreClosedPathsWithoutDoubledPoints) {
    PolylineGeom pl{{{{0, 0, 0}, 0}, {{10, 0, 0}, 0}, {{10, 10, 0}, 0}}, true, false};
    Scene s = SceneOf({MakeEntity(CircleGeom{{5, 5, 0}, 1}), MakeEntity(pl)});
    ASSERT_EQ(s.paths.size(), 2u);
    EXPECT_TRUE(s.paths[0].closed);
    EXPECT_GE(s.paths[0].points.size(), 360 / kArcStepDegrees);
    ExpectAt(s.paths[0].points.front(), 6, 5);
    EXPECT_GT(Distance(s.paths[0].points.back(), s.paths[0].points.front()), 1e-3);
    ASSERT_EQ(s.paths[1].points.size(), 4u);
    ExpectAt(s.paths[1].points.back(), 0, 0);
}

TEST(Scene, BulgesBendToTheirSideAndPathsStayConnected) {
    LwPolylineGeom pl;
    pl.vertices = {{0, 0, 1}, {10, 0, -1}, {20, 0, 0}};  // half circle below, then above
    Scene s = SceneOf({MakeEntity(pl)});
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

TEST(Scene, BlockContentsTakeTheReferencesLayerAndColourWhereTheyDefer) {
    Drawing d;
    d.EnsureLayer("X").color = 3;
    d.EnsureLayer("W").color = 1;
    d.blocks.push_back(
        BlockDef{"SYM",
                 {},
                 {MakeEntity(LineGeom{{0, 0, 0}, {1, 0, 0}}, "0", kColorByBlock),
                  MakeEntity(LineGeom{{0, 0, 0}, {0, 1, 0}}, "W"), MakeEntity(LineGeom{{0, 0, 0}, {1, 1, 0}}, "0")}});
    Scene s = SceneOf({MakeEntity(InsertGeom{"SYM", {100, 0, 0}, 2, 2, 1, 90}, "X", 5)}, d);
    ASSERT_EQ(s.paths.size(), 3u);
    ExpectAt(s.paths[0].points[1], 100, 2);  // rotated a quarter turn, doubled
    EXPECT_EQ(s.paths[0].color, IndexColor(5));
    EXPECT_EQ(s.paths[1].color, kRed);
    EXPECT_EQ(s.paths[2].color, kGreen);  // BYLAYER on "0": the reference's layer
}

TEST(Scene, HiddenLayersAreNotDrawnNorTheirBlockContents) {
    Drawing d;
    d.EnsureLayer("OFF").off = true;
    d.EnsureLayer("ICE").frozen = true;
    d.blocks.push_back(
        BlockDef{"B", {}, {MakeEntity(CircleGeom{{0, 0, 0}, 1}), MakeEntity(LineGeom{{0, 0, 0}, {1, 0, 0}}, "ICE")}});
    Scene s = SceneOf({MakeEntity(LineGeom{{0, 0, 0}, {1, 0, 0}}, "OFF"), MakeEntity(InsertGeom{"B", {0, 0, 0}}, "OFF"),
                       MakeEntity(InsertGeom{"B", {5, 0, 0}})},
                      d);
    ASSERT_EQ(s.paths.size(), 1u);  // the circle of the visible reference only
    EXPECT_TRUE(s.paths[0].closed);
    EXPECT_EQ(s.paths[0].color, kWhite);
}

TEST(Scene, BlockThatInsertsItselfThriceIsDrawnAndPickedWithinBounds) {
    Drawing d;
    BlockDef loop{"LOOP", {}, {MakeEntity(LineGeom{{0, 0, 0}, {1, 0, 0}})}};
    for (double x : {1.0, 2.0, 3.0}) loop.entities.push_back(MakeEntity(InsertGeom{"LOOP", {x, 0, 0}}));
    d.blocks.push_back(loop);
    const Entity reference = MakeEntity(InsertGeom{"LOOP", {0, 0, 0}});
    Scene s = SceneOf({reference}, d);
    EXPECT_GT(s.paths.size(), 1u);
    EXPECT_LE(s.paths.size(), BlockExpansion::kMaxEntities);
    EXPECT_LE(EntityShape(d, reference).segments.size(), BlockExpansion::kMaxEntities);
}

TEST(Scene, TextsSitAtTheirAlignmentPointAndSolidsInOutlineOrder) {
    TextGeom left;
    left.text = "L1";
    left.first = {1, 2, 0};
    left.second = {9, 9, 0};
    TextGeom centred = left;
    centred.hAlign = 1;
    SolidGeom solid{{Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{1, 1, 0}}};
    Scene s = SceneOf({MakeEntity(left, "0", 2), MakeEntity(centred), MakeEntity(solid)});
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
    const std::pair<int, Rgb> colours[] = {{1, kRed},    {7, kWhite},         {10, kRed},   {11, {255, 128, 128}},
                                           {90, kGreen}, {250, {51, 51, 51}}, {999, kWhite}};
    for (auto [index, rgb] : colours) EXPECT_EQ(IndexColor(index), rgb) << index;
}

}  // namespace
}  // namespace kv::sim
