#include "wires/geometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kv {
namespace {

constexpr double kEps = 1e-12;

TEST(AngleOf, GivesEachQuadrantAndAxis) {
    const Point3 o{};
    EXPECT_NEAR(AngleOf(o, {1, 1, 0}), kPi / 4, kEps);
    EXPECT_NEAR(AngleOf(o, {-1, 1, 0}), 3 * kPi / 4, kEps);
    EXPECT_NEAR(AngleOf(o, {-1, -1, 0}), 5 * kPi / 4, kEps);
    EXPECT_NEAR(AngleOf(o, {1, -1, 0}), 7 * kPi / 4, kEps);
    EXPECT_EQ(AngleOf(o, {1, 0, 0}), 0);
    EXPECT_EQ(AngleOf(o, {-1, 0, 0}), kPi);
    EXPECT_EQ(AngleOf(o, {0, 1, 0}), kPi / 2);
    EXPECT_EQ(AngleOf(o, {0, -1, 0}), 3 * kPi / 2);
}

TEST(AngleOf, CoincidentPointsPointDown) {
    EXPECT_EQ(AngleOf({3, 4, 0}, {3, 4, 9}), 3 * kPi / 2);
}

TEST(AngleOf, SnapsToAxisOnlyBelowTheTolerance) {
    const Point3 o{};
    EXPECT_EQ(AngleOf(o, {0.000009, 5, 0}), kPi / 2);
    EXPECT_NE(AngleOf(o, {0.000011, 5, 0}), kPi / 2);
    EXPECT_EQ(AngleOf(o, {-5, -0.000009, 0}), kPi);
    EXPECT_NE(AngleOf(o, {-5, -0.000011, 0}), kPi);
    EXPECT_EQ(AngleOf(o, {5, -0.000009, 0}), 0);
}



TEST(BulgeToArc, PlusOneIsTheLowerHalfCircle) {
    const ArcGeometry arc = BulgeToArc({0, 0, 0}, {2, 0, 0}, 1);
    EXPECT_NEAR(arc.center.x, 1, kEps);
    EXPECT_NEAR(arc.center.y, 0, kEps);
    EXPECT_NEAR(arc.radius, 1, kEps);
    EXPECT_EQ(arc.startAngle, kPi);
    EXPECT_EQ(arc.endAngle, 0);
}

TEST(BulgeToArc, MinusOneIsTheUpperHalfCircle) {
    const ArcGeometry arc = BulgeToArc({0, 0, 0}, {2, 0, 0}, -1);
    EXPECT_NEAR(arc.center.x, 1, kEps);
    EXPECT_NEAR(arc.center.y, 0, kEps);
    EXPECT_NEAR(arc.radius, 1, kEps);
    EXPECT_EQ(arc.startAngle, 0);
    EXPECT_EQ(arc.endAngle, kPi);
}

TEST(BulgeToArc, QuarterArcAroundTheOrigin) {
    const ArcGeometry arc = BulgeToArc({1, 0, 0}, {0, 1, 0}, std::tan(kPi / 8));
    EXPECT_NEAR(arc.center.x, 0, 1e-9);
    EXPECT_NEAR(arc.center.y, 0, 1e-9);
    EXPECT_NEAR(arc.radius, 1, 1e-9);
    EXPECT_NEAR(arc.startAngle, 0, 1e-9);
    EXPECT_NEAR(arc.endAngle, kPi / 2, 1e-9);
}

TEST(AngleInArc, HandlesSweepsThroughZero) {
    EXPECT_TRUE(AngleInArc(0.1, 6.0, 0.5));
    EXPECT_TRUE(AngleInArc(6.1, 6.0, 0.5));
    EXPECT_FALSE(AngleInArc(3.0, 6.0, 0.5));
    EXPECT_FALSE(AngleInArc(3.0, 0.5, 2.0));
    EXPECT_TRUE(AngleInArc(1.0, 0.5, 2.0));
    EXPECT_TRUE(AngleInArc(2.0, 0.5, 2.0));  // bounds are inclusive
    EXPECT_TRUE(AngleInArc(kTwoPi, 6.0, 0.5));
}


TEST(AngleInArc, ReducesStartAndEndButNotTheAngle) {
    EXPECT_TRUE(AngleInArc(1.0, kTwoPi + 0.5, kTwoPi + 2.0));
    EXPECT_FALSE(AngleInArc(kTwoPi + 1.0, 0.5, 2.0));
}

TEST(BisectAngle, TakesTheSideOfTheSmallerGap) {
    const Point3 c{};
    EXPECT_NEAR(BisectAngle({std::cos(0.5), std::sin(0.5), 0}, c, {0, 1, 0}), (0.5 + kPi / 2) / 2, kEps);
    // 10 and 350 degrees: the mean 180 lies on the far side, the bisector is 0.
    const double a = DegreesToRadians(10);
    EXPECT_NEAR(BisectAngle({std::cos(a), std::sin(a), 0}, c, {std::cos(a), -std::sin(a), 0}), 0, 1e-9);
}

TEST(IsCollinear, AcceptsPointsUpToOneHundredthOffTheLine) {
    const Point3 a1{0, 0, 0}, a2{10, 0, 0};
    EXPECT_TRUE(IsCollinear(a1, a2, {20, 0.009, 0}, {-5, -0.009, 0}));
    EXPECT_FALSE(IsCollinear(a1, a2, {20, 0.011, 0}, {30, 0, 0}));
    EXPECT_FALSE(IsCollinear(a1, a2, {30, 0, 0}, {20, -0.011, 0}));
}


TEST(FarthestPair, PicksTheLongestPairAndKeepsTheFirstOfEqualOnes) {
    const auto pair = FarthestPair({0, 0, 0}, {1, 0, 0}, {5, 0, 0}, {-2, 0, 0});
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->first, (Point3{5, 0, 0}));
    EXPECT_EQ(pair->second, (Point3{-2, 0, 0}));

    const auto square = FarthestPair({0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0});
    ASSERT_TRUE(square);
    EXPECT_EQ(square->first, (Point3{0, 0, 0}));
    EXPECT_EQ(square->second, (Point3{1, 1, 0}));
}

TEST(FarthestPair, GivesNothingWhenAllPointsCoincide) {
    const Point3 p{2, 3, 0};
    EXPECT_FALSE(FarthestPair(p, p, p, {2, 3, 9}));
}

}  // namespace
}  // namespace kv
