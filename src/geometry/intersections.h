// Line/line and line/circle intersections with the fixed tolerances the trim tools rely on.
#pragma once

#include <optional>

#include "base/point3.h"

namespace kv {

// Lines whose direction determinant is at most this are parallel.
constexpr double kParallelDeterminant = 1e-12;
// Segment parameters below this are rejected: a crossing exactly at a1 or b1 does not count,
// one exactly at a2 or b2 does.
constexpr double kSegmentParameterMin = 1e-12;

// Where a1-a2 meets b1-b2 (z of a1); with segmentsOnly both must be crossed within their ends.
std::optional<Point3> IntersectLines(const Point3& a1, const Point3& a2, const Point3& b1, const Point3& b2,
                                     bool segmentsOnly);

// Tangency, miss and on-segment tolerance of the line/circle test.
constexpr double kLineCircleTolerance = 1e-5;

struct LineCircleHits {
    int count = 0;  // 0, 1 or 2; a single hit is always in first
    Point3 first;
    Point3 second;
};

// Hits of the line a1-a2 (or, with segmentsOnly, the segment) with the circle (c, r).
// A zero-length line has no direction and meets nothing.
LineCircleHits IntersectLineCircle(const Point3& a1, const Point3& a2, const Point3& c, double r, bool segmentsOnly);

}  // namespace kv
