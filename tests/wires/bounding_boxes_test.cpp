#include "wires/bounding_boxes.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "wires/geometry.h"

namespace kv {
namespace {

constexpr double kEps = 1e-12;

void ExpectBox(const Box& box, double minX, double minY, double maxX, double maxY) {
    EXPECT_NEAR(box.min.x, minX, kEps);
    EXPECT_NEAR(box.min.y, minY, kEps);
    EXPECT_NEAR(box.max.x, maxX, kEps);
    EXPECT_NEAR(box.max.y, maxY, kEps);
}


TEST(ArcBox, QuarterArcSpansOnlyItsEnds) {
    ExpectBox(ArcBox({0, 0, 0}, 1, 0, kPi / 2), 0, 0, 1, 1);
    ExpectBox(ArcBox({0, 0, 0}, 1, kPi / 6, kPi / 3), std::cos(kPi / 3), 0.5, std::cos(kPi / 6),
              std::sin(kPi / 3));
}

TEST(ArcBox, SweepThroughZeroReachesPlusX) {
    const double s = std::sin(kPi / 3);
    ExpectBox(ArcBox({0, 0, 0}, 1, 5 * kPi / 3, kPi / 3), 0.5, -s, 1, s);
}

TEST(ArcBox, EqualAnglesGiveTheFullCircle) {
    ExpectBox(ArcBox({2, 3, 0}, 1, 1.0, 1.0), 1, 2, 3, 4);
    ExpectBox(ArcBox({2, 3, 0}, 1, 0, kTwoPi), 1, 2, 3, 4);
}

TEST(ArcBox, EndOfTwoPiContainsZeroButNotTheTop) {
    ExpectBox(ArcBox({0, 0, 0}, 2, kPi, kTwoPi), -2, -2, 2, 0);
}

TEST(ArcBox, NegativeStartIsTheSameSweep) {
    ExpectBox(ArcBox({0, 0, 0}, 1, -kPi / 2, 0), 0, -1, 1, 0);
}

TEST(ArcBox, ContainsSampledArcPointsAndIsTight) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> angle(0, kTwoPi);
    std::uniform_real_distribution<double> coord(-50, 50);
    for (int i = 0; i < 2000; ++i) {
        const Point3 c{coord(rng), coord(rng), 0};
        const double r = 1 + std::fabs(coord(rng));
        const double start = angle(rng), end = angle(rng);
        const Box box = ArcBox(c, r, start, end);
        double sweep = end - start;
        if (sweep <= 0) sweep += kTwoPi;
        Box seen{PolarPoint(c, r, start), PolarPoint(c, r, start)};
        constexpr int kSamples = 720;
        for (int k = 0; k <= kSamples; ++k) {
            const Point3 p = PolarPoint(c, r, start + sweep * k / kSamples);
            ASSERT_GE(p.x, box.min.x - 1e-9);
            ASSERT_GE(p.y, box.min.y - 1e-9);
            ASSERT_LE(p.x, box.max.x + 1e-9);
            ASSERT_LE(p.y, box.max.y + 1e-9);
            MergeBox(seen, {p, p});
        }
        // Samples every half degree come within r(1 - cos 0.25 deg) of each extreme.
        const double slack = r * 1e-5;
        EXPECT_NEAR(seen.min.x, box.min.x, slack);
        EXPECT_NEAR(seen.min.y, box.min.y, slack);
        EXPECT_NEAR(seen.max.x, box.max.x, slack);
        EXPECT_NEAR(seen.max.y, box.max.y, slack);
    }
}

}  // namespace
}  // namespace kv
