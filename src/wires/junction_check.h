// A junction mark left at a point where the wires no longer form a junction is erased: the
// tidy-up the line cut and the line tool run round the points they touch.
#pragma once

#include <string_view>

#include "base/point3.h"
#include "operation/op_context.h"

namespace kv {

// Fences the square of half-side `range` round p and exports the wires crossing it: true when
// two of them meet there (other than end to end).
bool WiresMeetInSquare(OpContext& op, const Point3& p, double range);

// What a window over that square holds, as far as marks of one block go.
struct SquareMarks {
    bool found = false;      // the window selected anything
    bool known = false;      // and its export came back
    bool hasMark = false;    // a reference of the mark block among it
    bool onlyMarks = false;  // nothing but such references
};

// Selects what lies wholly inside the square and, when there is anything, exports it to see
// whether it is marks of block `markName`: a window can hold a short wire or a label as well.
// The selection stays the host's previous one, so "ERASE P" removes it.
SquareMarks LookForMarksInSquare(OpContext& op, const Point3& p, double range, std::string_view markName);

// Unless the wires still meet in the square round p, erases what lies wholly inside it,
// provided it is nothing but references of block `markName` (a short wire or a label in the
// square keeps everything). An empty name leaves the drawing alone.
void EraseStaleMarkAt(OpContext& op, const Point3& p, double range, std::string_view markName);

}  // namespace kv
