#include <gtest/gtest.h>

#include "base/number_text.h"
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

TEST(KpRangeTest, DimScaleTimesFactorWithDefaults) {
    EXPECT_DOUBLE_EQ(KpRange("2.0", "0.625"), 1.25);
    EXPECT_DOUBLE_EQ(KpRange("4", ""), 4.0);
    EXPECT_DOUBLE_EQ(KpRange("0", "0.5"), 0.5);
    EXPECT_DOUBLE_EQ(KpRange("abc", "2"), 2.0);
    EXPECT_THROW(KpRange("1", "1,5"), ConversionError);
}

}  // namespace
}  // namespace kv
