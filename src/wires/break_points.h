// Where the line cut breaks a wire: between the symbols nearest to the picked point on
// either side, taken by their insertion points.
#pragma once

#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// Distance sums within this put a foot point between two others on the wire.
constexpr double kBreakPointTolerance = 0.01;

struct BreakPoints {
    Point3 P1;  // on the side of the wire's P1
    Point3 P2;
};

// The feet (on the wire's line) of the insertion points nearest to the foot of pickPoint,
// one on each side of it; a side without a symbol keeps the wire's own end, so the cut runs
// to that end. A wire of no length keeps both ends.
BreakPoints FindBreakPoints(const TLineEnt& wire, const Point3& pickPoint, const std::vector<TInsertEnt>& inserts);

}  // namespace kv
