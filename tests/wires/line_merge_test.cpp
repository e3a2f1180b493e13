#include <gtest/gtest.h>

#include "support/dxf_text.h"
#include "dxf/read_entities.h"
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

}  // namespace
}  // namespace kv
