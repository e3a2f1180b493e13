#include "text/wire_number_positions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/geometry.h"

namespace kv {
namespace {

constexpr double kDegree = kPi / 180;

TEST(UprightTextAngle, NumbersNeverReadUpsideDown) {
    struct Case {
        double degrees, want;
    };
    for (const Case& c : {Case{0, 0}, Case{90, 90}, Case{270, 90}, Case{180, 0}, Case{179.6, 0}, Case{359.7, 0},
                          Case{45, 45}, Case{225, 45}, Case{135, 135}, Case{315, 135}, Case{179.4, 179.4}}) {
        EXPECT_NEAR(UprightTextAngle(c.degrees * kDegree) / kDegree, c.want, 1e-9) << c.degrees;
    }
}

TLineEnt Line(double x1, double y1, double x2, double y2) {
    TLineEnt line;
    line.P1 = {x1, y1, 0};
    line.P2 = {x2, y2, 0};
    return line;
}

TEST(FenceCrossings, OnePerCrossingInOrderAlongTheFenceWithoutWiresAlongIt) {
    const std::vector<TLineEnt> wires{
        Line(0, 20, 100, 20),   Line(0, 0, 100, 0),   Line(50, -10, 50, 40),  // along the fence: no number
        Line(0, 10, 100, 10),   Line(40, 10, 60, 10),  // crosses where the wire before does: one number
        Line(0, 100, 100, 100),                        // beyond the fence's end
    };
    const std::vector<NumberPosition> at = FenceCrossings(Line(50, -5, 50, 30), wires);
    ASSERT_EQ(at.size(), 3u);
    EXPECT_EQ(at[0].wire, 1);
    EXPECT_EQ(at[1].wire, 3);
    EXPECT_EQ(at[2].wire, 0);
    EXPECT_NEAR(at[1].point.y, 10, 1e-12);
    EXPECT_NEAR(at[1].point.x, 50, 1e-12);
}

}  // namespace
}  // namespace kv
