// A junction mark left at a point where the wires no longer form a junction is erased: the
// tidy-up the line cut runs at its two break points.
#pragma once

#include <string_view>

#include "base/point3.h"
#include "engine/op_context.h"

namespace kv {

// Fences the square of half-side `range` round p and exports the wires crossing it; unless two
// of them still meet there (other than end to end), what lies wholly inside the square is
// erased, provided it is nothing but references of block `markName` (a short wire or a label in
// the square keeps everything). An empty name leaves the drawing alone.
void EraseStaleMarkAt(OpContext& op, const Point3& p, double range, std::string_view markName);

}  // namespace kv
