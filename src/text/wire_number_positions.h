// Where the numbers of a wire-number pass go, and at what angle they stand.
#pragma once

#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// The angle of a wire (radians, 0 to 2π) turned so that its number never reads upside down:
// the result lies in [−0.01, π − 0.01), and nearly horizontal wires give exactly 0.
double UprightTextAngle(double angle);

struct NumberPosition {
    int wire = 0;  // index into the selected wires
    Point3 point;
};

// One position per point where the fence crosses a wire, in order along the fence from its
// start. Wires lying along the fence get none; crossings within 0.01 of one already taken
// are the same point.
std::vector<NumberPosition> FenceCrossings(const TLineEnt& fence, const std::vector<TLineEnt>& wires);

}  // namespace kv
