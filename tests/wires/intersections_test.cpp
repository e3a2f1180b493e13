#include "wires/intersections.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "wires/geometry.h"

namespace kv {
namespace {

TEST(IntersectLines, SegmentModeRejectsACrossingAtTheFirstEndsOnly) {
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {0, -5, 0}, {0, 5, 0}, true));
    const auto atSecondEnd = IntersectLines({0, 0, 0}, {10, 0, 0}, {10, -5, 0}, {10, 5, 0}, true);
    ASSERT_TRUE(atSecondEnd);
    EXPECT_EQ(*atSecondEnd, (Point3{10, 0, 0}));
    // b1 on the first line: u = 0.
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {5, 0, 0}, {5, 5, 0}, true));
    // b2 on the first line: u = 1.
    EXPECT_TRUE(IntersectLines({0, 0, 0}, {10, 0, 0}, {5, 5, 0}, {5, 0, 0}, true));
}

TEST(IntersectLines, SegmentModeRejectsCrossingsBeyondTheEnds) {
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {10.001, -5, 0}, {10.001, 5, 0}, true));
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {5, 1, 0}, {5, 6, 0}, true));
}

TEST(IntersectLines, InfiniteModeExtendsBothLines) {
    const auto p = IntersectLines({0, 0, 3}, {1, 1, 9}, {10, 0, 0}, {9, 1, 0}, false);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 5, 1e-12);
    EXPECT_NEAR(p->y, 5, 1e-12);
    EXPECT_EQ(p->z, 3);
}

TEST(IntersectLines, ParallelAndDegenerateLinesNeverMeet) {
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {0, 1, 0}, {10, 1, 0}, false));
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {10, 0, 0}, {0, 0, 0}, {10, 0, 0}, false));
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {0, 0, 0}, {0, -1, 0}, {0, 1, 0}, false));
}

TEST(IntersectLineCircle, SecantGivesTheForwardPointFirst) {
    const LineCircleHits hits = IntersectLineCircle({-10, 0, 0}, {10, 0, 0}, {0, 0, 0}, 5, true);
    ASSERT_EQ(hits.count, 2);
    EXPECT_NEAR(hits.first.x, 5, 1e-12);
    EXPECT_NEAR(hits.second.x, -5, 1e-12);
}

TEST(IntersectLineCircle, SegmentFromTheCentreHitsOnce) {
    const LineCircleHits hits = IntersectLineCircle({0, 0, 0}, {10, 0, 0}, {0, 0, 0}, 5, true);
    ASSERT_EQ(hits.count, 1);
    EXPECT_NEAR(hits.first.x, 5, 1e-12);
    EXPECT_NEAR(hits.first.y, 0, 1e-12);
}

TEST(IntersectLineCircle, OnlyTheSecondPointOnTheSegmentMovesIntoFirstPlace) {
    const LineCircleHits hits = IntersectLineCircle({10, 0, 0}, {0, 0, 0}, {0, 0, 0}, 5, true);
    ASSERT_EQ(hits.count, 1);
    EXPECT_NEAR(hits.first.x, 5, 1e-12);
}

TEST(IntersectLineCircle, InfiniteLineCountsBothPointsOffTheSegment) {
    const LineCircleHits hits = IntersectLineCircle({10, 0, 0}, {20, 0, 0}, {0, 0, 0}, 5, false);
    ASSERT_EQ(hits.count, 2);
    EXPECT_NEAR(hits.first.x, 5, 1e-12);
    EXPECT_NEAR(hits.second.x, -5, 1e-12);
    EXPECT_EQ(IntersectLineCircle({10, 0, 0}, {20, 0, 0}, {0, 0, 0}, 5, true).count, 0);
}

TEST(IntersectLineCircle, TangentWithinTheToleranceGivesTheFoot) {
    for (double y : {5.0, 5.000009, 4.999991}) {
        const LineCircleHits hits = IntersectLineCircle({-10, y, 0}, {10, y, 0}, {0, 0, 0}, 5, true);
        ASSERT_EQ(hits.count, 1) << y;
        EXPECT_NEAR(hits.first.x, 0, 1e-12);
        EXPECT_EQ(hits.first.y, y);
    }
    EXPECT_EQ(IntersectLineCircle({-10, 5.00002, 0}, {10, 5.00002, 0}, {0, 0, 0}, 5, true).count, 0);
}

TEST(IntersectLineCircle, TangentPointOffTheSegmentCountsOnlyForTheInfiniteLine) {
    EXPECT_EQ(IntersectLineCircle({1, 5, 0}, {10, 5, 0}, {0, 0, 0}, 5, true).count, 0);
    EXPECT_EQ(IntersectLineCircle({1, 5, 0}, {10, 5, 0}, {0, 0, 0}, 5, false).count, 1);
}

TEST(IntersectLineCircle, ZeroLengthLineMeetsNothing) {
    EXPECT_EQ(IntersectLineCircle({5, 0, 0}, {5, 0, 0}, {0, 0, 0}, 5, false).count, 0);
}

// Distance of p from the infinite line through a and b.
double OffLine(const Point3& p, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}

TEST(IntersectionProperties, EveryHitLiesOnBothShapes) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-100, 100);
    std::uniform_real_distribution<double> radius(0.1, 80);
    int segmentHits = 0;
    for (int i = 0; i < 20000; ++i) {
        const Point3 a1{coord(rng), coord(rng), 0}, a2{coord(rng), coord(rng), 0};
        const Point3 b1{coord(rng), coord(rng), 0}, b2{coord(rng), coord(rng), 0};
        if (const auto p = IntersectLines(a1, a2, b1, b2, true)) {
            ++segmentHits;
            EXPECT_LT(OffLine(*p, a1, a2), 1e-7);
            EXPECT_LT(OffLine(*p, b1, b2), 1e-7);
            EXPECT_LE(Distance2D(*p, a1) + Distance2D(*p, a2) - Distance2D(a1, a2), 1e-7);
            EXPECT_LE(Distance2D(*p, b1) + Distance2D(*p, b2) - Distance2D(b1, b2), 1e-7);
        }

        const Point3 c{coord(rng), coord(rng), 0};
        const double r = radius(rng);
        const bool segmentsOnly = i % 2 == 0;
        const LineCircleHits hits = IntersectLineCircle(a1, a2, c, r, segmentsOnly);
        for (int k = 0; k < hits.count; ++k) {
            const Point3& p = k == 0 ? hits.first : hits.second;
            EXPECT_NEAR(Distance2D(p, c), r, 1e-5 + 1e-9 * r);
            EXPECT_LT(OffLine(p, a1, a2), 1e-6);
            if (segmentsOnly) {
                EXPECT_LE(Distance2D(p, a1) + Distance2D(p, a2) - Distance2D(a1, a2), 1e-5);
            }
        }
        // Away from tangency the infinite line meets the circle exactly when it passes within r.
        const double d = OffLine(c, a1, a2);
        if (!segmentsOnly && std::fabs(d - r) > 1e-4) {
            EXPECT_EQ(hits.count, d < r ? 2 : 0);
        }
    }
    EXPECT_GT(segmentHits, 1000);
}

}  // namespace
}  // namespace kv
