#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/dxf_text.h"
#include "dxf/read_entities.h"
#include "geometry/geometry.h"
#include "wires/line_merge.h"

namespace kv {
namespace {

TLineEnt Wire(std::string handle, double x1, double y1, double x2, double y2) {
    TLineEnt line;
    line.Handle = std::move(handle);
    line.P1 = {x1, y1, 0};
    line.P2 = {x2, y2, 0};
    return line;
}

TEST(MergeCollinearTest, OverlappedWireGivesTheSpanAndItsAttributes) {
    TLineEnt current = Wire("", 60, 0, 150, 0);
    TLineEnt old = Wire("2A", 0, 0, 100, 0);
    old.Layer = "WIRE";
    old.Linetype = "DASHED";
    old.Color = 1;
    old.LtScale = 2;
    std::vector<TLineEnt> records = {Wire("2B", 50, -50, 50, 50), old};

    EXPECT_EQ(MergeCollinear(current, records), 1);
    EXPECT_EQ(current.P1, (Point3{0, 0, 0}));
    EXPECT_EQ(current.P2, (Point3{150, 0, 0}));
    EXPECT_EQ(current.Layer, "WIRE");
    EXPECT_EQ(current.Linetype, "DASHED");
    EXPECT_EQ(current.Color, 1);
    EXPECT_EQ(current.LtScale, 2);
    EXPECT_EQ(current.Handle, "2A");
    EXPECT_EQ(records[0].Handle, "");  // not merged: no handle left
    EXPECT_EQ(records[1].Handle, "2A");
}

TEST(MergeCollinearTest, NothingOnTheLineLeavesTheDrawnWireAlone) {
    TLineEnt current = Wire("", 0, 0, 10, 0);
    current.Layer = "0";
    std::vector<TLineEnt> records = {Wire("5", 5, 0.02, 20, 0.02), Wire("6", 5, -5, 5, 5)};
    EXPECT_EQ(MergeCollinear(current, records), 0);
    EXPECT_EQ(current.P2, (Point3{10, 0, 0}));
    EXPECT_EQ(current.Layer, "0");
    EXPECT_EQ(records[0].Handle, "");
}

TEST(RemoveMergedLinesTest, OnlyTheMergedLinesLeaveTheEntities) {
    DxfBuffer buffer =
        DxfOf({"0",  "SECTION", "2",  "ENTITIES", "0",  "LINE", "5",  "2A",   "8", "0",      "10", "0",
               "20", "0",       "11", "1",        "21", "0",    "0",  "LINE", "5", "2B",     "8",  "0",
               "10", "0",       "20", "0",        "11", "0",    "21", "1",    "0", "ENDSEC", "0",  "EOF"});
    RemoveMergedLines(buffer, {Wire("2A", 0, 0, 1, 0), Wire("", 0, 0, 0, 1)});
    std::vector<TLineEnt> lines;
    ASSERT_EQ(ReadLines(buffer, lines), 1);
    EXPECT_EQ(lines[0].Handle, "2B");
}

// The merge as an all-pairs search over the end points: the reference for generated runs.
TLineEnt MergedByAllPairs(const TLineEnt& current, const std::vector<TLineEnt>& records) {
    std::vector<Point3> points;
    TLineEnt merged = current;
    for (const TLineEnt& record : records) {
        if (!IsCollinear(current.P1, current.P2, record.P1, record.P2)) continue;
        points.insert(points.end(), {record.P1, record.P2});
        merged.Handle = record.Handle;
    }
    if (points.empty()) return current;
    points.insert(points.end(), {current.P1, current.P2});
    double best = -1;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            if (Distance2D(points[i], points[j]) <= best) continue;
            best = Distance2D(points[i], points[j]);
            merged.P1 = points[i];
            merged.P2 = points[j];
        }
    }
    return merged;
}

// Runs on a grid along an axis or a slant: shared and repeated ends, ends off the line by up to
// the tolerance, heights that differ, and wires beside the line.
TEST(MergeCollinearTest, SpanMatchesTheAllPairsSearchOnGeneratedRuns) {
    std::mt19937 rng(5);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const double angles[] = {0, 90, 180, 45, 30, 271};
    const double offsets[] = {0, 0, 0, 0.004, -0.009, 0.0099, 3};
    for (int round = 0; round < 2000; ++round) {
        const double angle = DegreesToRadians(angles[pick(6)]);
        const Point3 origin{5.0 * pick(20), 5.0 * pick(20), 0};
        auto at = [&](int step) {
            const double off = offsets[pick(7)];
            return Point3{origin.x + 5.0 * step * std::cos(angle) - off * std::sin(angle),
                          origin.y + 5.0 * step * std::sin(angle) + off * std::cos(angle), double(pick(2))};
        };
        TLineEnt current = Wire("", 0, 0, 0, 0);
        current.P1 = PolarPoint(origin, 5.0 * pick(8), angle);
        current.P2 = PolarPoint(origin, 5.0 * (pick(8) - 4), angle);
        std::vector<TLineEnt> records;
        for (int r = 1 + pick(12); r > 0; --r) {
            records.push_back(Wire(std::to_string(r), 0, 0, 0, 0));
            records.back().P1 = at(pick(12) - 4);
            records.back().P2 = pick(4) ? at(pick(12) - 4) : records.back().P1;
        }
        const TLineEnt expected = MergedByAllPairs(current, records);
        MergeCollinear(current, records);
        ASSERT_EQ(current.P1, expected.P1) << "round " << round;
        ASSERT_EQ(current.P2, expected.P2) << "round " << round;
        ASSERT_EQ(current.Handle, expected.Handle) << "round " << round;
    }
}

}  // namespace
}  // namespace kv
