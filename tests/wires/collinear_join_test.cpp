// The wire re-join over the records of an export, in file order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wires/collinear_join.h"

namespace kv {
namespace {

TLineEnt Wire(std::string handle, Point3 a, Point3 b, std::string layer = "WIRE") {
    TLineEnt line;
    line.Handle = std::move(handle);
    line.Layer = std::move(layer);
    line.P1 = a;
    line.P2 = b;
    return line;
}

struct JoinCase {
    const char* name;
    std::vector<TLineEnt> lines;
    int absorbed;
    std::vector<std::string> handles;  // after the join, in file order
    Point3 firstP1;
    Point3 firstP2;
};

// Layers, linetypes and colours that keep pieces apart are told by the erase stories.
TEST(JoinCollinearLines, JoinsPiecesOnOneLineFromTheirFarthestEnds) {
    const std::vector<JoinCase> cases = {
        {"three pieces of a wire through two symbols, the grown first one taking the third",
         {Wire("A", {20, 0, 0}, {0, 0, 0}), Wire("B", {30, 0, 0}, {60, 0, 0}), Wire("C", {100, 0, 0}, {70, 0, 0})},
         2,
         {"+A", "-B", "-C"},
         {0, 0, 0},
         {100, 0, 0}},
        {"slanted pieces, the second reversed",
         {Wire("A", {0, 0, 0}, {10, 10, 0}), Wire("B", {30, 30, 0}, {20, 20, 0})},
         1,
         {"+A", "-B"},
         {0, 0, 0},
         {30, 30, 0}},
        {"parallel, off by more than the tolerance",
         {Wire("A", {0, 0, 0}, {45, 0, 0}), Wire("B", {55, 0.02, 0}, {100, 0.02, 0})},
         0,
         {"A", "B"},
         {0, 0, 0},
         {45, 0, 0}},
    };
    for (JoinCase c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(JoinCollinearLines(c.lines), c.absorbed);
        std::vector<std::string> handles;
        for (const TLineEnt& line : c.lines) handles.push_back(line.Handle);
        EXPECT_EQ(handles, c.handles);
        EXPECT_EQ(c.lines.front().P1, c.firstP1);
        EXPECT_EQ(c.lines.front().P2, c.firstP2);
    }
}

TEST(JoinCollinearLines, AnAbsorbedPieceAbsorbsNothingItself) {
    // B lies within the tolerance of A's line and C within that of B's, but not of A's: C stays.
    std::vector<TLineEnt> lines = {Wire("A", {0, 0, 0}, {10, 0, 0}), Wire("B", {20, 0.005, 0}, {30, 0.009, 0}),
                                   Wire("C", {1000, 0.397, 0}, {1010, 0.401, 0})};
    EXPECT_EQ(JoinCollinearLines(lines), 1);
    EXPECT_EQ(lines[1].Handle, "-B");
    EXPECT_EQ(lines[2].Handle, "C");
}

}  // namespace
}  // namespace kv
