// The host's own geometry and entity edits, checked by properties (points lie on
// both shapes, arcs are tangent) and by hand-computed cases.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "simhost/entity_edit.h"
#include "simhost/entity_shape.h"
#include "simhost/geometry.h"
#include "test_entities.h"

namespace kv::sim {
namespace {

constexpr double kTol = 1e-9;
using Shapes = std::vector<std::string>;

double DistanceToLine(Point3 p, Point3 a, Point3 b) {
    return std::fabs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / Distance(a, b);
}

TEST(Geometry, BulgeArcRunsFromFirstToSecondPointEitherWay) {
    for (double bulge : {1.0, -1.0, 0.25, -3.0}) {
        std::optional<Arc> arc = BulgeArc({0, 0, 0}, {10, 0, 0}, bulge);
        ASSERT_TRUE(arc);
        Point3 from = bulge > 0 ? ArcStartPoint(*arc) : ArcEndPoint(*arc);
        Point3 to = bulge > 0 ? ArcEndPoint(*arc) : ArcStartPoint(*arc);
        EXPECT_NEAR(Distance(from, {0, 0, 0}), 0, kTol) << bulge;
        EXPECT_NEAR(Distance(to, {10, 0, 0}), 0, kTol) << bulge;
        EXPECT_NEAR(ArcSweep(*arc), 4 * std::atan(std::fabs(bulge)), kTol) << bulge;
    }
    EXPECT_FALSE(BulgeArc({0, 0, 0}, {10, 0, 0}, 0));
    EXPECT_FALSE(BulgeArc({1, 1, 0}, {1, 1, 0}, 1));
}

TEST(Geometry, SegmentTestsCountTouchingAsMeeting) {
    EXPECT_TRUE(SegmentsMeet({{0, 0, 0}, {10, 0, 0}}, {{10, 0, 0}, {10, 5, 0}}));
    EXPECT_TRUE(SegmentsMeet({{0, 0, 0}, {10, 0, 0}}, {{5, -1, 0}, {5, 1, 0}}));
    EXPECT_FALSE(SegmentsMeet({{0, 0, 0}, {10, 0, 0}}, {{11, -1, 0}, {11, 1, 0}}));
    Arc quarter{{0, 0, 0}, 10, 0, kPi / 2};
    EXPECT_TRUE(SegmentMeetsArc({{5, 5, 0}, {10, 10, 0}}, quarter));
    EXPECT_FALSE(SegmentMeetsArc({{-5, -5, 0}, {-10, -10, 0}}, quarter));
    Rect r = ArcExtents(Arc{{0, 0, 0}, 10, -kPi / 4, kPi / 4});
    EXPECT_NEAR(r.maxX, 10, kTol);
    EXPECT_NEAR(r.minX, 10 * std::cos(kPi / 4), kTol);
}

TEST(Geometry, FilletedLinesAreTangentToTheArc) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    for (int i = 0; i < 200; ++i) {
        LineGeom l1{{coordinate(random), coordinate(random), 0}, {coordinate(random), coordinate(random), 0}};
        LineGeom l2{{coordinate(random), coordinate(random), 0}, {coordinate(random), coordinate(random), 0}};
        // Picked at l1's start and l2's end, with the corner inside both lines.
        std::optional<Point3> corner = LineIntersection({l1.start, l1.end}, {l2.start, l2.end});
        if (!corner || !SegmentsMeet({l1.start, l1.end}, {l2.start, l2.end})) continue;
        auto result = FilletLines(l1, l1.start, l2, l2.end, 3);
        if (!std::holds_alternative<LineFillet>(result)) continue;
        const LineFillet& f = std::get<LineFillet>(result);
        ASSERT_TRUE(f.arc);
        Arc arc{f.arc->center, f.arc->radius, Radians(f.arc->startAngle), Radians(f.arc->endAngle)};
        EXPECT_NEAR(DistanceToLine(arc.center, l1.start, l1.end), 3, 1e-6);
        EXPECT_NEAR(DistanceToLine(arc.center, l2.start, l2.end), 3, 1e-6);
        EXPECT_EQ(f.first.start, l1.start);  // the picked side is kept
        EXPECT_EQ(f.second.end, l2.end);
        double toArc = std::min(Distance(f.first.end, ArcStartPoint(arc)), Distance(f.first.end, ArcEndPoint(arc)));
        EXPECT_NEAR(toArc, 0, 1e-6);
    }
    EXPECT_TRUE(std::holds_alternative<FilletError>(
        FilletLines({{0, 0, 0}, {10, 0, 0}}, {1, 0, 0}, {{0, 5, 0}, {10, 5, 0}}, {1, 5, 0}, 1)));
}

TEST(Geometry, ZeroRadiusFilletExtendsBothLinesToTheCorner) {
    auto result = FilletLines({{0, 0, 0}, {8, 0, 0}}, {1, 0, 0}, {{10, 2, 0}, {10, 9, 0}}, {10, 8, 0}, 0);
    const LineFillet& f = std::get<LineFillet>(result);
    EXPECT_FALSE(f.arc);
    EXPECT_EQ(f.first.end, (Point3{10, 0, 0}));
    EXPECT_EQ(f.second.start, (Point3{10, 0, 0}));
}

// The pieces a break leaves as shape texts, or "none" when the break is refused.
std::vector<std::string> Pieces(const Geometry& geom, Point3 p1, Point3 p2) {
    auto pieces = BreakGeometry(geom, p1, p2);
    if (!pieces) return {"none"};
    std::vector<std::string> texts;
    for (const Geometry& g : *pieces) texts.push_back(testing::ShapeText(testing::MakeEntity(g)));
    return texts;
}

TEST(Geometry, BreakKeepsTheOuterPiecesOfEachKind) {
    LineGeom line{{0, 0, 0}, {10, 0, 0}};
    CircleGeom circle{{0, 0, 0}, 5};
    LwPolylineGeom square{{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, true, 0, 0};
    EXPECT_EQ(Pieces(line, {7, 1, 0}, {3, -1, 0}), (Shapes{"LINE 0,0 3,0", "LINE 7,0 10,0"}));
    EXPECT_EQ(Pieces(line, {-5, 0, 0}, {15, 0, 0}), Shapes{});
    EXPECT_EQ(Pieces(circle, {5, 0, 0}, {0, 5, 0}), (Shapes{"ARC 0,0 5 90 0"}));
    EXPECT_EQ(Pieces(circle, {5, 0, 0}, {6, 0, 0}), (Shapes{"none"}));
    EXPECT_EQ(Pieces(TextGeom{}, {0, 0, 0}, {1, 0, 0}), (Shapes{"none"}));
    // A closed polyline opens at the gap.
    EXPECT_EQ(Pieces(square, {4, 0, 0}, {6, 0, 0}), (Shapes{"PLINE 6,0 10,0 10,10 0,10 0,0 4,0"}));
}

TEST(Geometry, PolylineFilletAddsTangentArcsAndFitsOnlyWhereRoomIs) {
    LwPolylineGeom pl{{{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {95, 100, 0}}, false, 0, 0};
    EXPECT_EQ(FilletPolyline(pl, 10), 1);  // the last leg is too short for the second corner
    EXPECT_EQ(testing::ShapeText(testing::MakeEntity(pl)), "PLINE 0,0 90,0/0.414214 100,10 100,100 95,100");
}

TEST(Geometry, MirroredBlockKeepsArcsCounterClockwise) {
    Drawing d;
    d.blocks.push_back(BlockDef{"B", {0, 0, 0}, {testing::MakeEntity(ArcGeom{{10, 0, 0}, 5, 0, 90})}});
    std::vector<Entity> placed = PlacedBlockEntities(d, InsertGeom{"B", {0, 0, 0}, -1, 1, 1, 0});
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(testing::ShapeText(placed[0]), "ARC -10,0 5 90 180");
}

TEST(Geometry, JoinAppendsAndPrependsInEitherDirection) {
    LwPolylineGeom pl{{{0, 0, 0}, {10, 0, 0}}, false, 0, 0};
    EXPECT_TRUE(JoinToPolyline(pl, LineGeom{{20, 0, 0}, {10, 0, 0}}));
    EXPECT_TRUE(JoinToPolyline(pl, ArcGeom{{0, 5, 0}, 5, 90, 270}));  // ends at the start point
    EXPECT_FALSE(JoinToPolyline(pl, LineGeom{{50, 0, 0}, {60, 0, 0}}));
    EXPECT_EQ(testing::ShapeText(testing::MakeEntity(pl)), "PLINE 0,10/1 0,0 10,0 20,0");
}

}  // namespace
}  // namespace kv::sim
