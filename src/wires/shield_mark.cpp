#include "wires/shield_mark.h"

#include <algorithm>

#include "geometry/geometry.h"
#include "geometry/intersections.h"
#include "wires/mark_entities.h"

namespace kv {

namespace {

bool Near(const Point3& a, const Point3& b) { return Distance2D(a, b) <= kCollinearTolerance; }

void AppendVertex(const TLineEnt& look, const Point3& p, std::string_view bulge, std::vector<std::string>& items) {
    items.emplace_back("  0\r\nVERTEX");
    AppendAttributeBlock(look, items);
    AppendPoint(" 10", " 20", p, items);
    AppendGroup(" 42", bulge, items);
}

}  // namespace

std::vector<Point3> ShieldCrossings(const TLineEnt& guide, const std::vector<TLineEnt>& wires) {
    std::vector<Point3> points;
    for (const TLineEnt& wire : wires) {
        if (IsCollinear(guide.P1, guide.P2, wire.P1, wire.P2)) continue;
        const std::optional<Point3> p = IntersectLines(guide.P1, guide.P2, wire.P1, wire.P2, false);
        if (!p) continue;
        if (std::none_of(points.begin(), points.end(), [&](const Point3& q) { return Near(*p, q); }))
            points.push_back(*p);
    }
    std::stable_sort(points.begin(), points.end(), [&](const Point3& a, const Point3& b) {
        return Distance2D(guide.P1, a) < Distance2D(guide.P1, b);
    });
    return points;
}

bool GuideStartsOnWire(const TLineEnt& guide, const std::vector<Point3>& crossings) {
    return !crossings.empty() && Near(crossings.front(), guide.P1);
}

ShieldOutline ShieldOutlineOf(const TLineEnt& guide, const std::vector<Point3>& crossings, double w) {
    const double a = AngleOf(guide.P1, guide.P2);
    const Point3 e1 = PolarPoint(crossings.front(), -w, a);
    const Point3 e2 = PolarPoint(crossings.back(), w, a);
    const double left = a + kPi / 2;
    const double right = a + 3 * kPi / 2;
    return {PolarPoint(e1, w, left), PolarPoint(e1, w, right), PolarPoint(e2, w, right), PolarPoint(e2, w, left),
            PolarPoint(crossings.back(), 2 * w, a)};
}

std::vector<std::string> ShieldItems(const TLineEnt& guide, const std::vector<Point3>& crossings, double w,
                                     const TLineEnt& look) {
    const ShieldOutline o = ShieldOutlineOf(guide, crossings, w);
    std::vector<std::string> items{"  0\r\nPOLYLINE"};
    AppendAttributeBlock(look, items);
    AppendGroup(" 66", "1", items);
    AppendGroup(" 70", "1", items);
    AppendPoint(" 10", " 20", o.V1, items);
    AppendVertex(look, o.V1, "1.0", items);
    AppendVertex(look, o.V2, "0", items);
    AppendVertex(look, o.V3, "1.0", items);
    AppendVertex(look, o.V4, "0", items);
    items.emplace_back(" 0\r\nSEQEND");
    if (!Near(o.Q, guide.P2)) AppendMarkLine(look, o.Q, guide.P2, items);
    return items;
}

}  // namespace kv
