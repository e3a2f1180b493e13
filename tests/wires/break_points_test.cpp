#include <gtest/gtest.h>

#include "support/cut_fixtures.h"
#include "wires/break_points.h"

namespace kv {
namespace {

TEST(FindBreakPoints, NearestSymbolFootOnEachSideOfThePickOrTheWireEnd) {
    struct Case {
        const char* what;
        TLineEnt wire;
        Point3 pick;
        std::vector<Point3> symbols;
        Point3 p1, p2;
    };
    const TLineEnt wire = WireOf({0, 0, 0}, {100, 0, 0});
    const Case cases[] = {
        {"nearest each side", wire, {50, 3}, {{10, 0}, {70, 0}, {30, 0}, {90, 0}}, {30, 0}, {70, 0}},
        {"one side empty", wire, {50, 0}, {{30, 0}}, {30, 0}, {100, 0}},
        {"no symbols", wire, {50, 0}, {}, {0, 0}, {100, 0}},
        {"beyond the ends", wire, {50, 0}, {{-20, 0}, {130, 5}}, {0, 0}, {100, 0}},
        // Along y = x: (20,40) has its foot at (30,30), (80,60) at (70,70).
        {"slanted wire", WireOf({100, 100, 0}, {0, 0, 0}), {50, 50}, {{20, 40}, {80, 60}}, {70, 70}, {30, 30}},
        {"symbol at the pick foot", wire, {50, 4}, {{50, -2}}, {50, 0}, {50, 0}},
        {"wire of no length", WireOf({5, 5, 0}, {5, 5, 0}), {5, 5}, {{5, 5}}, {5, 5}, {5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<TInsertEnt> inserts;
        for (const Point3& at : c.symbols) inserts.push_back(InsertOf("A", at));
        const BreakPoints breaks = FindBreakPoints(c.wire, c.pick, inserts);
        EXPECT_NEAR(breaks.P1.x, c.p1.x, 1e-9);
        EXPECT_NEAR(breaks.P1.y, c.p1.y, 1e-9);
        EXPECT_NEAR(breaks.P2.x, c.p2.x, 1e-9);
        EXPECT_NEAR(breaks.P2.y, c.p2.y, 1e-9);
    }
}

}  // namespace
}  // namespace kv
