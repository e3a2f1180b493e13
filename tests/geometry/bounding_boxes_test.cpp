#include "geometry/bounding_boxes.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace kv {
namespace {

void ExpectBox(const Box& box, const Box& expected, double tolerance = 1e-12) {
    EXPECT_NEAR(box.min.x, expected.min.x, tolerance);
    EXPECT_NEAR(box.min.y, expected.min.y, tolerance);
    EXPECT_NEAR(box.max.x, expected.max.x, tolerance);
    EXPECT_NEAR(box.max.y, expected.max.y, tolerance);
}

TEST(ArcBox, SweepsThroughZeroFullCirclesAndAngleForms) {
    const double s = std::sin(kPi / 3);
    struct Case {
        Point3 c;
        double r, start, end;
        Box box;
    };
    const Case cases[] = {{{}, 1, 0, kPi / 2, {{0, 0}, {1, 1}}},
                          {{}, 1, kPi / 6, kPi / 3, {{0.5, 0.5}, {s, s}}},     // only its ends
                          {{}, 1, 5 * kPi / 3, kPi / 3, {{0.5, -s}, {1, s}}},  // through zero
                          {{2, 3}, 1, 1.0, 1.0, {{1, 2}, {3, 4}}},             // equal angles: the full circle
                          {{2, 3}, 1, 0, kTwoPi, {{1, 2}, {3, 4}}},
                          {{}, 2, kPi, kTwoPi, {{-2, -2}, {2, 0}}},  // 2 pi holds 0 but not the top
                          {{}, 1, -kPi / 2, 0, {{0, -1}, {1, 0}}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        ExpectBox(ArcBox(c.c, c.r, c.start, c.end), c.box);
    }
}

TEST(ArcBox, ContainsSampledArcPointsAndIsTight) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> angle(0, kTwoPi), coord(-50, 50);
    for (int i = 0; i < 2000; ++i) {
        const Point3 c{coord(rng), coord(rng)};
        const double r = 1 + std::fabs(coord(rng)), start = angle(rng), end = angle(rng);
        const double sweep = end > start ? end - start : end - start + kTwoPi;
        Box seen{PolarPoint(c, r, start), PolarPoint(c, r, start)};
        for (int k = 0; k <= 720; ++k) {
            const Point3 p = PolarPoint(c, r, start + sweep * k / 720);
            MergeBox(seen, {p, p});
        }
        // Samples every half degree come within r(1 - cos 0.25 deg) of each extreme.
        ExpectBox(ArcBox(c, r, start, end), seen, r * 1e-5);
        if (testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace kv
