#include "wires/twist_mark.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/geometry.h"
#include "support/cut_fixtures.h"

namespace kv {
namespace {

constexpr double kTol = 1e-9;

// p turned by `turn` about the origin, then moved by `shift`.
Point3 Placed(Point3 p, double turn, Point3 shift) {
    return {p.x * std::cos(turn) - p.y * std::sin(turn) + shift.x,
            p.x * std::sin(turn) + p.y * std::cos(turn) + shift.y, 0};
}

double DistanceToLine(const Point3& p, const TLineEnt& line) {
    const double a = AngleOf(line.P1, line.P2);
    return std::fabs(-(p.x - line.P1.x) * std::sin(a) + (p.y - line.P1.y) * std::cos(a));
}

double AngleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), kPi);
    return std::min(d, kPi - d);
}

TEST(TwistFrameTest, ApexOnWireTwoIsThePerpendicularFootNotTheGuideCrossing) {
    struct Case {
        Point3 guideFrom, guideTo;
        Point3 P, M;
        double s;
    };
    const Case cases[] = {
        {{50, -5}, {50, 15}, {50, 0}, {50, 10}, 1.0},
        {{40, -5}, {60, 15}, {45, 0}, {45, 10}, 1.0},
        {{10, 30}, {30, -10}, {25, 0}, {25, 10}, 1.0},
    };
    for (const Case& c : cases) {
        const auto frame =
            TwistFrameOf(WireOf(c.guideFrom, c.guideTo), WireOf({0, 0}, {100, 0}), WireOf({100, 10}, {0, 10}));
        ASSERT_TRUE(frame);
        EXPECT_NEAR(frame->P.x, c.P.x, kTol);
        EXPECT_NEAR(frame->P.y, c.P.y, kTol);
        EXPECT_NEAR(frame->M.x, c.M.x, kTol);
        EXPECT_NEAR(frame->M.y, c.M.y, kTol);
        EXPECT_NEAR(frame->s, c.s, kTol);
    }
}

TEST(TwistFrameTest, NoTwistWhereTheGuideRunsAlongAWireOrTheWiresMeet) {
    const TLineEnt w1 = WireOf({0, 0}, {100, 0});
    EXPECT_FALSE(TwistFrameOf(WireOf({0, 5}, {100, 5}), w1, WireOf({0, 10}, {100, 10})));
    EXPECT_FALSE(TwistFrameOf(WireOf({40, -5}, {60, 15}), w1, WireOf({70, 0}, {70, 50})));
    EXPECT_FALSE(TwistFrameOf(WireOf({50, -5}, {50, 15}), w1, WireOf({0, -50}, {100, 50})));
    EXPECT_TRUE(TwistFrameOf(WireOf({50, -5}, {50, 15}), w1, WireOf({0, 10}, {100, 10})));
}

// The detour of a wire 10 above the apex, in any position: the apex arc touches the apex,
// the fillets touch the wire at I and K, and the legs lean 15 degrees off the crossing.
TEST(TwistDetourTest, ArcsTouchApexAndWireAndLegsLeanFifteenDegrees) {
    for (const double turn : {0.0, 0.5, kPi / 2, 3.5}) {
        for (const bool reversed : {false, true}) {
            const Point3 shift{20, -7, 0};
            const Point3 apex = Placed({50, 0, 0}, turn, shift);
            Point3 from = Placed({0, 10, 0}, turn, shift);
            Point3 to = Placed({100, 10, 0}, turn, shift);
            if (reversed) std::swap(from, to);
            const TLineEnt wire = WireOf(from, to);
            const double a = turn + kPi / 2;
            const auto d = DetourAround(apex, wire, a, 1.0);
            ASSERT_TRUE(d);
            EXPECT_NEAR(Distance2D(d->A, apex), 1.0, kTol);
            EXPECT_NEAR(Distance2D(d->A, d->B), 1.0, kTol);
            EXPECT_NEAR(Distance2D(d->A, d->C), 1.0, kTol);
            EXPECT_NEAR(DistanceToLine(d->I, wire), 0, kTol);
            EXPECT_NEAR(DistanceToLine(d->K, wire), 0, kTol);
            EXPECT_NEAR(DistanceToLine(d->H, wire), 1.0, kTol);
            EXPECT_NEAR(DistanceToLine(d->J, wire), 1.0, kTol);
            EXPECT_NEAR(Distance2D(d->H, d->F), 1.0, kTol);
            EXPECT_NEAR(Distance2D(d->J, d->G), 1.0, kTol);
            EXPECT_NEAR(AngleBetween(AngleOf(d->B, d->F), a), 15 * kPi / 180, 1e-9);
            EXPECT_NEAR(AngleBetween(AngleOf(d->C, d->G), a), 15 * kPi / 180, 1e-9);
            // The wire is cut between its own ends, the start's side first.
            EXPECT_LT(Distance2D(from, d->Near), Distance2D(from, d->Far));
            EXPECT_NEAR(Distance2D(d->Near, d->Far), 8.4282, 1e-4);
        }
    }
}

}  // namespace
}  // namespace kv
