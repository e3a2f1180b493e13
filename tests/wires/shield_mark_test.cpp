#include "wires/shield_mark.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/cut_fixtures.h"
#include "support/dxf_text.h"

namespace kv {
namespace {

// Points to a millionth, so that a table can state them.
std::vector<std::string> Rows(const std::vector<Point3>& points) {
    auto r = [](double v) { return std::round(v * 1e6) / 1e6 + 0.0; };
    std::vector<std::string> rows;
    for (const Point3& p : points) rows.push_back(Row(Point3{r(p.x), r(p.y), r(p.z)}));
    return rows;
}

TEST(ShieldCrossingsTest, NearestTheGuideStartFirstEachPlaceOnceWiresAlongTheGuideLeftOut) {
    const TLineEnt guide = WireOf({50, 30}, {50, -5});
    const std::vector<TLineEnt> wires = {
        WireOf({0, 0}, {100, 0}),     WireOf({0, 20}, {100, 20}),
        WireOf({0, 10}, {100, 10}),   WireOf({0, 10.005}, {100, 10.005}),  // within the tolerance of the one before
        WireOf({50, 40}, {50, 60}),                                        // on the guide's line
        WireOf({60, -5}, {60, 30}),                                        // parallel
        WireOf({0, -100}, {10, -90}),  // the lines meet beyond the wire's end: it counts
    };
    EXPECT_EQ(Rows(ShieldCrossings(guide, wires)), Rows({{50, 20, 0}, {50, 10, 0}, {50, 0, 0}, {50, -50, 0}}));
    EXPECT_TRUE(ShieldCrossings(guide, {WireOf({60, 0}, {60, 9})}).empty());
}

TEST(ShieldCrossingsTest, GuideStartingOnAWireWantsNoShield) {
    const std::vector<TLineEnt> wires = {WireOf({0, 0}, {100, 0})};
    EXPECT_TRUE(GuideStartsOnWire(WireOf({50, 0.01}, {50, 20}), ShieldCrossings(WireOf({50, 0.01}, {50, 20}), wires)));
    EXPECT_FALSE(GuideStartsOnWire(WireOf({50, 0.02}, {50, 20}), ShieldCrossings(WireOf({50, 0.02}, {50, 20}), wires)));
}

TEST(ShieldOutlineTest, OvalRoundTheOutermostCrossingsWithTheLeadBeyond) {
    struct Case {
        TLineEnt guide;
        std::vector<Point3> crossings;
        double w;
        std::vector<Point3> expected;  // V1 V2 V3 V4 Q
    };
    const Case cases[] = {
        {WireOf({50, -5}, {50, 30}),
         {{50, 0}, {50, 20}},
         1.25,
         {{48.75, -1.25}, {51.25, -1.25}, {51.25, 21.25}, {48.75, 21.25}, {50, 22.5}}},
        {WireOf({-5, 0}, {30, 0}), {{0, 0}}, 2, {{-2, 2}, {-2, -2}, {2, -2}, {2, 2}, {4, 0}}},
    };
    for (const Case& c : cases) {
        const ShieldOutline o = ShieldOutlineOf(c.guide, c.crossings, c.w);
        EXPECT_EQ(Rows({o.V1, o.V2, o.V3, o.V4, o.Q}), Rows(c.expected));
    }
}

TEST(ShieldItemsTest, ClosedPolylineWithBulgedEndsAndTheLeadInTheFirstWiresLook) {
    TLineEnt look = WireOf({0, 0}, {1, 0});
    look.Layer = "CABLE";
    look.Linetype = "DASHED";
    look.Color = 3;
    look.LtScale = 2.5;
    const std::string attributes = "  8\r\nCABLE|  6\r\nDASHED| 62\r\n3| 48\r\n2.5|";
    auto joined = [](const std::vector<std::string>& items) {
        std::string text;
        for (const std::string& item : items) text += item + "|";
        return text;
    };
    const TLineEnt guide = WireOf({-5, 0}, {30, 0});
    EXPECT_EQ(joined(ShieldItems(guide, {{0, 0}}, 2, look)),
              "  0\r\nPOLYLINE|" + attributes + " 66\r\n1| 70\r\n1| 10\r\n-2| 20\r\n2|" +  //
                  "  0\r\nVERTEX|" + attributes + " 10\r\n-2| 20\r\n2| 42\r\n1.0|" +       //
                  "  0\r\nVERTEX|" + attributes + " 10\r\n-2| 20\r\n-2| 42\r\n0|" +        //
                  "  0\r\nVERTEX|" + attributes + " 10\r\n2| 20\r\n-2| 42\r\n1.0|" +       //
                  "  0\r\nVERTEX|" + attributes + " 10\r\n2| 20\r\n2| 42\r\n0|" +          //
                  " 0\r\nSEQEND|" +                                                        //
                  "  0\r\nLINE|" + attributes + " 10\r\n4| 20\r\n0| 11\r\n30| 21\r\n0|");
    EXPECT_EQ(ShieldItems(WireOf({-5, 0}, {4.01, 0}), {{0, 0}}, 2, look).back(), " 0\r\nSEQEND");
}

}  // namespace
}  // namespace kv
