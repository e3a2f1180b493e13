#include "polyline/polyline_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kv {
namespace {

constexpr double kTol = 1e-9;

double Deg(double d) { return DegreesToRadians(d); }

void ExpectPoint(const Point3& p, double x, double y) {
    EXPECT_NEAR(p.x, x, kTol);
    EXPECT_NEAR(p.y, y, kTol);
}

TEST(SnapAngleTest, RoundsToTheNearestStepAndHalfWayGoesUp) {
    struct Case {
        double step, angle, snapped;
    };
    const Case cases[] = {
        {45, 50, 45}, {45, 67.5, 90}, {30, 15, 30}, {30, 14.9, 0}, {15, 7.5, 15},
        {15, 0, 0},   {90, 359, 0},   {90, 360, 0}, {30, 345, 0},  {45, 200, 180},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SnapAngle(Deg(c.step), Deg(c.angle)), Deg(c.snapped), kTol) << c.step << " " << c.angle;
    }
    // An angle that a point's rounding puts a hair below half way still goes up.
    EXPECT_NEAR(SnapAngle(Deg(30), Deg(15) - 1e-13), Deg(30), kTol);
}

TEST(SnapRouteTest, KeepsTheEndsAndTurnsEverySegment) {
    std::vector<Point3> two{{0, 0, 0}, PolarPoint({0, 0, 0}, 100, Deg(50))};
    SnapRoute(two, Deg(45));
    ExpectPoint(two[1], 100 * std::cos(Deg(45)), 100 * std::sin(Deg(45)));

    std::vector<Point3> three{{0, 0, 0}, {50, 3, 0}, {100, 40, 0}};
    SnapRoute(three, Deg(15));
    ExpectPoint(three[0], 0, 0);
    ExpectPoint(three[2], 100, 40);
    for (std::size_t i = 0; i < 2; ++i) {
        const double a = RadiansToDegrees(AngleOf(three[i], three[i + 1]));
        EXPECT_NEAR(std::remainder(a, 15.0), 0, 1e-7) << a;
    }

    // Parallel snapped segments leave the corner where it was.
    std::vector<Point3> straight{{0, 0, 0}, {50, 1, 0}, {100, 0, 0}};
    SnapRoute(straight, Deg(90));
    ExpectPoint(straight[1], 50, 1);
}

TEST(PolylinePiecesTest, SplitsSegmentsAndArcsAndRejoinsMovedCorners) {
    // A filleted U: two arcs between three straight segments, closed flag off.
    const std::vector<TLwpEle> u{{"", {0, 100, 0}, 0},  {"", {0, 10, 0}, 0.41421356237309503},
                                 {"", {10, 0, 0}, 0},   {"", {90, 0, 0}, 0.41421356237309503},
                                 {"", {100, 10, 0}, 0}, {"", {100, 100, 0}, 0}};
    PolylinePieces pieces = SplitPolyline(u, false);
    ASSERT_EQ(pieces.segments.size(), 3u);
    ASSERT_EQ(pieces.arcs.size(), 2u);
    EXPECT_NEAR(LargestRadius(pieces.arcs), 10, 1e-9);
    EXPECT_EQ(NearestSegment(pieces.segments, {50, 7, 0}), 1u);

    pieces.segments[1] = {{10, -30, 0}, {90, -30, 0}};
    RejoinCorners(pieces.segments, false);
    const std::vector<Point3> route = RouteVertices(pieces.segments, false);
    ASSERT_EQ(route.size(), 4u);
    ExpectPoint(route[0], 0, 100);
    ExpectPoint(route[1], 0, -30);
    ExpectPoint(route[2], 100, -30);
    ExpectPoint(route[3], 100, 100);

    // Closed: the first vertex comes again and the last side meets the first.
    const std::vector<TLwpEle> square{
        {"", {0, 0, 0}, 0}, {"", {10, 0, 0}, 0}, {"", {10, 10, 0}, 0}, {"", {0, 10, 0}, 0}};
    PolylinePieces closed = SplitPolyline(square, true);
    ASSERT_EQ(closed.segments.size(), 4u);
    closed.segments[3] = {{-5, 10, 0}, {-5, 0, 0}};
    RejoinCorners(closed.segments, true);
    EXPECT_EQ(RouteVertices(closed.segments, true).size(), 4u);
    ExpectPoint(closed.segments[0].start, -5, 0);
    EXPECT_EQ(LargestRadius(closed.arcs), -1);
}

TEST(FitFilletTest, ArcTangentToBothLinesInsideTheCorner) {
    // A horizontal line ending at the corner (100,0) and a neighbour going up from it.
    auto fit = FitFillet({{0, 0, 0}, {100, 0, 0}}, {0, 0, 0}, {100, 80, 0}, {100, 0, 0}, 10);
    ASSERT_TRUE(fit);
    ExpectPoint(fit->center, 90, 10);
    ExpectPoint(fit->onLine, 90, 0);
    ExpectPoint(fit->onNeighbour, 100, 10);
    EXPECT_NEAR(fit->startAngle, Deg(270), kTol);
    EXPECT_NEAR(fit->endAngle, 0, kTol);
    // A radius larger than the line leaves no centre inside it.
    EXPECT_FALSE(FitFillet({{95, 0, 0}, {100, 0, 0}}, {95, 0, 0}, {100, 80, 0}, {100, 0, 0}, 10));
}

}  // namespace
}  // namespace kv
