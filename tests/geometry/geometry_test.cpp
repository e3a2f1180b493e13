#include "geometry/geometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(AngleOf, QuadrantsAxesAndTheAxisTolerance) {
    const std::pair<Point3, double> cases[] = {
        {{1, 1}, kPi / 4},
        {{-1, 1}, 3 * kPi / 4},
        {{-1, -1}, 5 * kPi / 4},
        {{1, -1}, 7 * kPi / 4},
        {{1, 0}, 0},
        {{-1, 0}, kPi},
        {{0, 1}, kPi / 2},
        {{0, -1}, 3 * kPi / 2},
        {{0, 0, 9}, 3 * kPi / 2},  // coincident points point down
        {{0.000009, 5}, kPi / 2},
        {{-5, -0.000009}, kPi},
        {{5, -0.000009}, 0},  // snapped to the axis
        {{0.000011, 5}, std::atan2(5, 0.000011)},
        {{-5, -0.000011}, kPi + std::atan(0.000011 / 5)},
    };
    for (const auto& [to, angle] : cases) EXPECT_NEAR(AngleOf({}, to), angle, 1e-12) << to.x << "," << to.y;
}

TEST(BulgeToArc, HalfCirclesBothWaysAndAQuarterArc) {
    struct Case {
        Point3 p1, p2;
        double bulge;
        Point3 center;
        double start, end;
    };
    const Case cases[] = {{{0, 0}, {2, 0}, 1, {1, 0}, kPi, 0},  // +1: the lower half
                          {{0, 0}, {2, 0}, -1, {1, 0}, 0, kPi},
                          {{1, 0}, {0, 1}, std::tan(kPi / 8), {0, 0}, 0, kPi / 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bulge);
        const ArcGeometry arc = BulgeToArc(c.p1, c.p2, c.bulge);
        EXPECT_NEAR(arc.center.x, c.center.x, 1e-9);
        EXPECT_NEAR(arc.center.y, c.center.y, 1e-9);
        EXPECT_NEAR(arc.radius, 1, 1e-9);
        EXPECT_NEAR(arc.startAngle, c.start, 1e-9);
        EXPECT_NEAR(arc.endAngle, c.end, 1e-9);
    }
}

TEST(AngleInArc, InclusiveBoundsSweepsThroughZeroAndReducedEnds) {
    struct Case {
        double angle, start, end;
        bool in;
    };
    const Case cases[] = {{0.1, 6.0, 0.5, true},
                          {6.1, 6.0, 0.5, true},
                          {kTwoPi, 6.0, 0.5, true},
                          {3.0, 6.0, 0.5, false},
                          {3.0, 0.5, 2.0, false},
                          {2.0, 0.5, 2.0, true},
                          {1.0, kTwoPi + 0.5, kTwoPi + 2.0, true},
                          {kTwoPi + 1.0, 0.5, 2.0, false}};
    for (const Case& c : cases) EXPECT_EQ(AngleInArc(c.angle, c.start, c.end), c.in) << c.angle << " " << c.start;
}

TEST(BisectAngle, TakesTheSideOfTheSmallerGap) {
    EXPECT_NEAR(BisectAngle({std::cos(0.5), std::sin(0.5)}, {}, {0, 1}), (0.5 + kPi / 2) / 2, 1e-12);
    // 10 and 350 degrees: the mean 180 lies on the far side, the bisector is 0.
    const double a = DegreesToRadians(10);
    EXPECT_NEAR(BisectAngle({std::cos(a), std::sin(a)}, {}, {std::cos(a), -std::sin(a)}), 0, 1e-9);
}

TEST(IsCollinear, AcceptsPointsUpToOneHundredthOffTheLine) {
    EXPECT_TRUE(IsCollinear({0, 0}, {10, 0}, {20, 0.009}, {-5, -0.009}));
    EXPECT_FALSE(IsCollinear({0, 0}, {10, 0}, {20, 0.011}, {30, 0}));
    EXPECT_FALSE(IsCollinear({0, 0}, {10, 0}, {30, 0}, {20, -0.011}));
}

TEST(FarthestPair, KeepsTheFirstOfEqualPairsAndNothingWhenAllCoincide) {
    using Pair = std::pair<Point3, Point3>;
    EXPECT_EQ(FarthestPair({0, 0}, {1, 0}, {5, 0}, {-2, 0}), (Pair{{5, 0}, {-2, 0}}));
    EXPECT_EQ(FarthestPair({0, 0}, {1, 1}, {1, 0}, {0, 1}), (Pair{{0, 0}, {1, 1}}));
    EXPECT_FALSE(FarthestPair({2, 3}, {2, 3}, {2, 3}, {2, 3, 9}));
}

}  // namespace
}  // namespace kv
