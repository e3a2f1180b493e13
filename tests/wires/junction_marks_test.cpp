#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/number_text.h"
#include "geometry/geometry.h"
#include "wires/junction_marks.h"

namespace kv {
namespace {

TLineEnt Wire(double x1, double y1, double x2, double y2) {
    TLineEnt line;
    line.P1 = {x1, y1, 0};
    line.P2 = {x2, y2, 0};
    return line;
}

TInsertEnt Mark(std::string name, double x, double y) {
    TInsertEnt insert;
    insert.Name = std::move(name);
    insert.Point = {x, y, 0};
    return insert;
}

void ExpectPoint(const Point3& p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(JunctionsAlongTest, TeeCrossingAndWireEndingOnTheDrawnWireAreJunctions) {
    const TLineEnt drawn = Wire(0, 50, 150, 50);
    const JunctionList junctions = JunctionsAlong(drawn, {
                                                             Wire(0, 0, 0, 100),  // the drawn wire starts on its middle
                                                             Wire(100, 0, 100, 100),  // crossed mid-way
                                                             Wire(120, 0, 120, 50),   // ends on the drawn wire
                                                         });
    ASSERT_EQ(junctions.size(), 3u);
    ExpectPoint(junctions[0], 0, 50);
    ExpectPoint(junctions[1], 100, 50);
    ExpectPoint(junctions[2], 120, 50);
}

TEST(JunctionsAlongTest, CornersCollinearAndParallelWiresAreNoJunctions) {
    const TLineEnt drawn = Wire(0, 0, 100, 0);
    EXPECT_TRUE(JunctionsAlong(drawn,
                               {
                                   Wire(100, 0, 100, 80),   // end to end
                                   Wire(0.005, 0, 0, -50),  // end to end within the tolerance
                                   Wire(50, 0, 200, 0),     // collinear
                                   Wire(0, 10, 100, 10),    // parallel
                               })
                    .empty());
}

TEST(WiresMeetNearTest, WiresMeetingAtThePointButNotEndToEnd) {
    const Point3 p{0, 50, 0};
    EXPECT_TRUE(WiresMeetNear({Wire(0, 0, 0, 100), Wire(0, 50, 150, 50)}, p, 0.625));  // tee
    EXPECT_FALSE(WiresMeetNear({Wire(0, 0, 0, 50), Wire(0, 50, 150, 50)}, p, 0.625));  // corner
    EXPECT_FALSE(WiresMeetNear({Wire(0, 50, 150, 50)}, p, 0.625));
}

TEST(WiresMeetNearTest, LinesMeetingOnlyWhenProlongedOrFarAwayDoNotCount) {
    const Point3 p{0, 50, 0};
    // The drawn wire stops 0.3 short of a vertical wire: its prolongation meets it near p.
    EXPECT_FALSE(WiresMeetNear({Wire(0.3, 50, 150, 50), Wire(0, 0, 0, 100)}, {0.3, 50, 0}, 0.625));
    // Both wires pass the square, but they cross far from it.
    EXPECT_FALSE(WiresMeetNear({Wire(-10, 49.9, 10, 49.9), Wire(500, 0, 500, 100)}, p, 0.625));
}

TEST(PlanMarksTest, MarkedJunctionsKeepTheirMarkOthersGetOneAndStrayMarksAreStale) {
    const JunctionList junctions = {{0, 50, 0}, {100, 50, 0}};
    const MarkPlan plan =
        PlanMarks(junctions, {Mark("i_kouten", 100.004, 50), Mark("I_KOUTEN", 60, 50), Mark("RES", 0, 50)}, "I_KOUTEN");
    ASSERT_EQ(plan.insertAt.size(), 1u);
    ExpectPoint(plan.insertAt[0], 0, 50);
    ASSERT_EQ(plan.staleMarks.size(), 1u);
    ExpectPoint(plan.staleMarks[0].Point, 60, 50);
}

TEST(PlanMarksTest, AnEmptyBlockNamePlansNothing) {
    const MarkPlan plan = PlanMarks({{0, 0, 0}}, {Mark("I_KOUTEN", 5, 5)}, " ");
    EXPECT_TRUE(plan.insertAt.empty());
    EXPECT_TRUE(plan.staleMarks.empty());
}

// Wires on a unit grid in a small field: along the axes, slanted, nearly level, without
// length; ends moved off the grid by about the tolerance.
struct GridWires {
    std::mt19937 rng{17};
    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    double Nudge() {
        const double nudges[] = {0, 0, 0, 0.005, -0.0099, 0.012, 1e-9};
        return nudges[Pick(7)];
    }
    Point3 Point() { return {double(Pick(7)) + Nudge(), double(Pick(7)) + Nudge(), 0}; }
    TLineEnt Next() {
        const Point3 a = Point();
        const double length = Pick(5) * (Pick(2) ? 1 : -1);
        switch (Pick(5)) {
        case 0:
        case 1: return Wire(a.x, a.y, a.x + length, a.y);
        case 2: return Wire(a.x, a.y, a.x, a.y + length);
        case 3: return Wire(a.x, a.y, a.x + length, a.y + Nudge());
        default: return Wire(a.x, a.y, a.x + length, a.y + Pick(3) - 1);
        }
    }
    std::vector<TLineEnt> Many(int most) {
        std::vector<TLineEnt> wires;
        for (int n = Pick(most + 1); n > 0; --n) wires.push_back(Next());
        return wires;
    }
};

TEST(WiresMeetNearTest, SameAnswerAsTestingEveryPairOnGeneratedGrids) {
    GridWires grid;
    int meetings = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::vector<TLineEnt> wires = grid.Many(10);
        const Point3 p = grid.Point();
        const double range = grid.Pick(2) ? 0.625 : 2.5;
        bool expected = false;
        for (size_t i = 0; i < wires.size() && !expected; ++i)
            for (size_t j = i + 1; j < wires.size() && !expected; ++j)
                expected = WiresMeetAt(wires[i], wires[j], p, range);
        ASSERT_EQ(WiresMeetNear(wires, p, range), expected) << "round " << round;
        meetings += expected;
    }
    EXPECT_GT(meetings, 1000);
    EXPECT_LT(meetings, 18000);
}

// Junctions kept in order, each dropped when within the tolerance of one before it; a junction
// takes the first mark within the tolerance.
TEST(JunctionsAlongTest, JunctionsAndMarkPlansMatchTheListSearchOnGeneratedGrids) {
    GridWires grid;
    auto near = [](const Point3& a, const Point3& b) { return Distance2D(a, b) < kJunctionTolerance; };
    for (int round = 0; round < 3000; ++round) {
        const TLineEnt drawn = grid.Next();
        const std::vector<TLineEnt> wires = grid.Many(30);
        JunctionList expected;
        for (const TLineEnt& wire : wires) {
            for (const Point3& x : JunctionsAlong(drawn, {wire}))
                if (std::none_of(expected.begin(), expected.end(), [&](const Point3& held) { return near(held, x); }))
                    expected.push_back(x);
        }
        const JunctionList junctions = JunctionsAlong(drawn, wires);
        ASSERT_EQ(junctions, expected) << "round " << round;

        std::vector<TInsertEnt> marks;
        for (int m = grid.Pick(12); m > 0; --m) marks.push_back(Mark(grid.Pick(2) ? "kp" : "KP", 0, 0));
        for (size_t m = 0; m < marks.size(); ++m) {
            const Point3 at =
                expected.empty() || grid.Pick(3) == 0 ? grid.Point() : expected[grid.Pick(int(expected.size()))];
            marks[m].Point = {at.x + grid.Nudge(), at.y + grid.Nudge(), 0};
            marks[m].Handle = std::to_string(m);
        }
        MarkPlan plan;
        std::vector<bool> kept(marks.size());
        for (const Point3& junction : junctions) {
            auto mark =
                std::find_if(marks.begin(), marks.end(), [&](const TInsertEnt& m) { return near(m.Point, junction); });
            if (mark == marks.end()) plan.insertAt.push_back(junction);
            else kept[size_t(mark - marks.begin())] = true;
        }
        const MarkPlan fast = PlanMarks(junctions, marks, "KP");
        ASSERT_EQ(fast.insertAt, plan.insertAt) << "round " << round;
        ASSERT_EQ(fast.staleMarks.size(), size_t(std::count(kept.begin(), kept.end(), false))) << "round " << round;
        for (size_t m = 0, stale = 0; m < marks.size(); ++m) {
            if (!kept[m]) {
                ASSERT_EQ(fast.staleMarks[stale++].Handle, marks[m].Handle) << "round " << round;
            }
        }
    }
}

TEST(KpRangeTest, DimScaleTimesFactorWithDefaults) {
    EXPECT_DOUBLE_EQ(KpRange("2.0", "0.625"), 1.25);
    EXPECT_DOUBLE_EQ(KpRange("4", ""), 4.0);
    EXPECT_DOUBLE_EQ(KpRange("0", "0.5"), 0.5);
    EXPECT_DOUBLE_EQ(KpRange("abc", "2"), 2.0);
    EXPECT_THROW(KpRange("1", "1,5"), ConversionError);
}

}  // namespace
}  // namespace kv
