#include "wires/break_points.h"

#include <cmath>
#include <optional>

#include "geometry/geometry.h"
#include "geometry/intersections.h"

namespace kv {

namespace {

// Length of the perpendicular drawn through a point to find its foot on the wire.
constexpr double kFootReach = 1000;

std::optional<Point3> FootOnWire(const Point3& a, const Point3& b, double angle, const Point3& p) {
    return IntersectLines(a, b, p, PolarPoint(p, kFootReach, angle + kPi / 2), false);
}

// x lies between `end` and m when going through x does not lengthen the way from the end to m.
bool LiesBetween(double endToM, const Point3& end, const Point3& x, double xToM) {
    return std::fabs(endToM - (Distance2D(x, end) + xToM)) < kBreakPointTolerance;
}

}  // namespace

BreakPoints FindBreakPoints(const TLineEnt& wire, const Point3& pickPoint, const std::vector<TInsertEnt>& inserts) {
    const Point3& a = wire.P1;
    const Point3& b = wire.P2;
    BreakPoints breaks{a, b};
    if (Distance2D(a, b) <= 0) return breaks;
    const double angle = AngleOf(a, b);
    const std::optional<Point3> m = FootOnWire(a, b, angle, pickPoint);
    if (!m) return breaks;

    const double dA = Distance2D(a, *m);
    const double dB = Distance2D(b, *m);
    double bestA = dA;
    double bestB = dB;
    for (const TInsertEnt& insert : inserts) {
        const std::optional<Point3> x = FootOnWire(a, b, angle, insert.Point);
        if (!x) continue;
        const double d = Distance2D(*x, *m);
        if (LiesBetween(dA, a, *x, d) && d < bestA) {
            breaks.P1 = *x;
            bestA = d;
        }
        if (LiesBetween(dB, b, *x, d) && d < bestB) {
            breaks.P2 = *x;
            bestB = d;
        }
    }
    return breaks;
}

}  // namespace kv
