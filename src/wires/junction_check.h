// Whether wires really meet at a point, with a stale junction mark there erased: the check the
// line tools run at the ends of a new wire and at the break points of a cut.
#pragma once

#include <vector>

#include "base/point3.h"
#include "dxf/records.h"
#include "engine/op_context.h"

namespace kv {

// Two points closer than this are one point.
constexpr double kJunctionTolerance = 0.01;

// True when two of the wires meet inside the square of half-side `range` around p other than
// end to end (a corner): the first pair of non-parallel wires, in order, whose crossing lies
// in the square and is not within kJunctionTolerance of an end of both.
bool WiresMeetAt(const std::vector<TLineEnt>& wires, const Point3& p, double range);

// Fences the square around p and exports what crosses it, then selects what lies wholly inside
// it (in use: a junction mark). Without a junction there, whatever lies inside is erased.
// True only when wires meet at p and nothing lies inside yet (a mark belongs there).
bool EndPointJunctionCheck(OpContext& op, const Point3& p, double range);

}  // namespace kv
