#include "geometry/intersections.h"

#include <cmath>

#include "geometry/geometry.h"

namespace kv {

std::optional<Point3> IntersectLines(const Point3& a1, const Point3& a2, const Point3& b1, const Point3& b2,
                                     bool segmentsOnly) {
    const double d1x = a2.x - a1.x;
    const double d1y = a2.y - a1.y;
    const double d2x = b2.x - b1.x;
    const double d2y = b2.y - b1.y;
    const double det = d2x * d1y - d1x * d2y;
    if (std::fabs(det) <= kParallelDeterminant) return std::nullopt;
    const double ox = b1.x - a1.x;
    const double oy = b1.y - a1.y;
    const double t = (oy * d2x - ox * d2y) / det;
    const double u = (oy * d1x - ox * d1y) / det;
    if (segmentsOnly && (u < kSegmentParameterMin || u > 1 || t < kSegmentParameterMin || t > 1)) return std::nullopt;
    return Point3{a1.x + t * d1x, a1.y + t * d1y, a1.z};
}

namespace {

bool OnSegment(const Point3& p, const Point3& a1, const Point3& a2, double length) {
    return Distance2D(p, a1) + Distance2D(p, a2) - length <= kLineCircleTolerance;
}

// Length of the perpendicular used to find the foot of the centre on the line; any
// non-zero length gives the same foot.
constexpr double kPerpendicularLength = 100;

}  // namespace

LineCircleHits IntersectLineCircle(const Point3& a1, const Point3& a2, const Point3& c, double r, bool segmentsOnly) {
    const double direction = AngleOf(a1, a2);
    const double length = Distance2D(a1, a2);
    const std::optional<Point3> foot =
        IntersectLines(a1, a2, c, PolarPoint(c, kPerpendicularLength, direction + kPi / 2), false);
    if (!foot) return {};
    const double d = Distance2D(c, *foot);
    if (d > r + kLineCircleTolerance) return {};

    LineCircleHits hits;
    if (std::fabs(d - r) <= kLineCircleTolerance) {
        if (segmentsOnly && !OnSegment(*foot, a1, a2, length)) return {};
        hits.count = 1;
        hits.first = *foot;
        return hits;
    }
    const double h = std::sqrt(r * r - d * d);
    const Point3 ahead = PolarPoint(*foot, h, direction);
    const Point3 behind = PolarPoint(*foot, -h, direction);
    for (const Point3& p : {ahead, behind}) {
        if (segmentsOnly && !OnSegment(p, a1, a2, length)) continue;
        (hits.count == 0 ? hits.first : hits.second) = p;
        ++hits.count;
    }
    return hits;
}

}  // namespace kv
