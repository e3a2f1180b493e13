#include "geometry/intersections.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace kv {
namespace {

TEST(IntersectLines, SegmentModeRejectsTheFirstEndsAndCrossingsBeyondTheEnds) {
    struct Case {
        Point3 b1, b2;
        bool hit;
    };
    const Case cases[] = {{{0, -5}, {0, 5}, false},   // at a1 (t = 0)
                          {{10, -5}, {10, 5}, true},  // at a2 (t = 1)
                          {{5, 0}, {5, 5}, false},    // b1 on the first line (u = 0)
                          {{5, 5}, {5, 0}, true},     // b2 on it (u = 1)
                          {{10.001, -5}, {10.001, 5}, false},
                          {{5, 1}, {5, 6}, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IntersectLines({0, 0}, {10, 0}, c.b1, c.b2, true).has_value(), c.hit) << c.b1.x << "," << c.b1.y;

    const auto p = IntersectLines({0, 0, 3}, {1, 1, 9}, {10, 0}, {9, 1}, false);  // both extended
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 5, 1e-12);
    EXPECT_NEAR(p->y, 5, 1e-12);
    EXPECT_EQ(p->z, 3);
    EXPECT_FALSE(IntersectLines({0, 0}, {10, 0}, {0, 1}, {10, 1}, false));
    EXPECT_FALSE(IntersectLines({0, 0}, {10, 0}, {0, 0}, {10, 0}, false));
    EXPECT_FALSE(IntersectLines({0, 0}, {0, 0}, {0, -1}, {0, 1}, false));
}

TEST(IntersectLineCircle, HitsInLineOrderWithinTheSegmentOrOnTheInfiniteLine) {
    struct Case {
        Point3 a1, a2;
        bool segmentsOnly;
        int count;
        double firstX, secondX;
    };
    const Case cases[] = {{{-10, 0}, {10, 0}, true, 2, 5, -5},  // forward point first
                          {{0, 0}, {10, 0}, true, 1, 5, 0},     // from the centre
                          {{10, 0}, {0, 0}, true, 1, 5, 0},     // only the second on the segment
                          {{10, 0}, {20, 0}, false, 2, 5, -5}, {{10, 0}, {20, 0}, true, 0, 0, 0},
                          {{1, 5}, {10, 5}, true, 0, 0, 0},  // tangent point off the segment
                          {{1, 5}, {10, 5}, false, 1, 0, 0},   {{5, 0}, {5, 0}, false, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a1.x << "," << c.a1.y << " " << c.segmentsOnly);
        const LineCircleHits hits = IntersectLineCircle(c.a1, c.a2, {}, 5, c.segmentsOnly);
        ASSERT_EQ(hits.count, c.count);
        if (hits.count > 0) {
            EXPECT_NEAR(hits.first.x, c.firstX, 1e-12);
        }
        if (hits.count > 1) {
            EXPECT_NEAR(hits.second.x, c.secondX, 1e-12);
        }
    }
    // Tangent within the tolerance: the foot of the centre.
    for (double y : {5.0, 5.000009, 4.999991}) {
        const LineCircleHits hits = IntersectLineCircle({-10, y}, {10, y}, {}, 5, true);
        ASSERT_EQ(hits.count, 1) << y;
        EXPECT_EQ(hits.first.y, y);
    }
    EXPECT_EQ(IntersectLineCircle({-10, 5.00002}, {10, 5.00002}, {}, 5, true).count, 0);
}

// Distance of p from the infinite line through a and b.
double OffLine(const Point3& p, const Point3& a, const Point3& b) {
    return std::fabs((p.x - a.x) * (b.y - a.y) - (p.y - a.y) * (b.x - a.x)) / Distance2D(a, b);
}

double PastSegment(const Point3& p, const Point3& a, const Point3& b) {
    return Distance2D(p, a) + Distance2D(p, b) - Distance2D(a, b);
}

TEST(IntersectionProperties, EveryHitLiesOnBothShapes) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-100, 100), radius(0.1, 80);
    int segmentHits = 0;
    for (int i = 0; i < 20000; ++i) {
        const Point3 a1{coord(rng), coord(rng)}, a2{coord(rng), coord(rng)};
        const Point3 b1{coord(rng), coord(rng)}, b2{coord(rng), coord(rng)};
        if (const auto p = IntersectLines(a1, a2, b1, b2, true)) {
            ++segmentHits;
            EXPECT_LT(OffLine(*p, a1, a2) + OffLine(*p, b1, b2), 1e-7);
            EXPECT_LE(PastSegment(*p, a1, a2) + PastSegment(*p, b1, b2), 1e-7);
        }
        const Point3 c{coord(rng), coord(rng)};
        const double r = radius(rng);
        const bool segmentsOnly = i % 2 == 0;
        const LineCircleHits hits = IntersectLineCircle(a1, a2, c, r, segmentsOnly);
        for (int k = 0; k < hits.count; ++k) {
            const Point3& p = k == 0 ? hits.first : hits.second;
            EXPECT_NEAR(Distance2D(p, c), r, 1e-5 + 1e-9 * r);
            EXPECT_LT(OffLine(p, a1, a2), 1e-6);
            if (segmentsOnly) {
                EXPECT_LE(PastSegment(p, a1, a2), 1e-5);
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
