#include <gtest/gtest.h>

#include "support/cut_fixtures.h"
#include "wires/break_points.h"

namespace kv {
namespace {

void ExpectNear(const Point3& expected, const Point3& actual) {
    EXPECT_NEAR(expected.x, actual.x, 1e-9);
    EXPECT_NEAR(expected.y, actual.y, 1e-9);
}

TEST(FindBreakPoints, NearestSymbolOnEachSideOfThePick) {
    const TLineEnt wire = WireOf({0, 0, 0}, {100, 0, 0});
    const std::vector<TInsertEnt> symbols{InsertOf("A", {10, 0, 0}), InsertOf("A", {70, 0, 0}),
                                          InsertOf("A", {30, 0, 0}), InsertOf("A", {90, 0, 0})};
    const BreakPoints breaks = FindBreakPoints(wire, {50, 3, 0}, symbols);
    ExpectNear({30, 0, 0}, breaks.P1);
    ExpectNear({70, 0, 0}, breaks.P2);
}

TEST(FindBreakPoints, SideWithoutSymbolRunsToTheWireEnd) {
    const TLineEnt wire = WireOf({0, 0, 0}, {100, 0, 0});
    BreakPoints breaks = FindBreakPoints(wire, {50, 0, 0}, {InsertOf("A", {30, 0, 0})});
    ExpectNear({30, 0, 0}, breaks.P1);
    ExpectNear({100, 0, 0}, breaks.P2);

    breaks = FindBreakPoints(wire, {50, 0, 0}, {});
    ExpectNear({0, 0, 0}, breaks.P1);
    ExpectNear({100, 0, 0}, breaks.P2);
}

TEST(FindBreakPoints, SymbolsBeyondTheWireEndsDoNotCount) {
    const TLineEnt wire = WireOf({0, 0, 0}, {100, 0, 0});
    const BreakPoints breaks =
        FindBreakPoints(wire, {50, 0, 0}, {InsertOf("A", {-20, 0, 0}), InsertOf("A", {130, 5, 0})});
    ExpectNear({0, 0, 0}, breaks.P1);
    ExpectNear({100, 0, 0}, breaks.P2);
}

TEST(FindBreakPoints, InsertionPointsBesideASlantedWireBreakAtTheirFeet) {
    // Wire along y = x; a symbol at (20,40) has its foot at (30,30), one at (80,60) at (70,70).
    const TLineEnt wire = WireOf({100, 100, 0}, {0, 0, 0});
    const BreakPoints breaks =
        FindBreakPoints(wire, {50, 50, 0}, {InsertOf("A", {20, 40, 0}), InsertOf("A", {80, 60, 0})});
    ExpectNear({70, 70, 0}, breaks.P1);
    ExpectNear({30, 30, 0}, breaks.P2);
}

TEST(FindBreakPoints, SymbolAtThePickFootBreaksNothing) {
    const TLineEnt wire = WireOf({0, 0, 0}, {100, 0, 0});
    const BreakPoints breaks = FindBreakPoints(wire, {50, 4, 0}, {InsertOf("A", {50, -2, 0})});
    ExpectNear({50, 0, 0}, breaks.P1);
    ExpectNear({50, 0, 0}, breaks.P2);
}

TEST(FindBreakPoints, WireOfNoLengthKeepsItsEnds) {
    const TLineEnt wire = WireOf({5, 5, 0}, {5, 5, 0});
    const BreakPoints breaks = FindBreakPoints(wire, {5, 5, 0}, {InsertOf("A", {5, 5, 0})});
    ExpectNear({5, 5, 0}, breaks.P1);
    ExpectNear({5, 5, 0}, breaks.P2);
}

}  // namespace
}  // namespace kv
