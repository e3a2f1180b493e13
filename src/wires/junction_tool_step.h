// The manual junction tool: at each point the user gives, the mark there is erased, or a
// mark is inserted where there is none.
#pragma once

#include "operation/op_context.h"
#include "wires/junction_marks.h"

namespace kv {

// Reads the point of the host's ID answer and moves on to the toggle; a cancel or an
// unreadable answer ends the tool (with the fixed layer, the saved layer is typed back).
void JunctionPointStep(OpContext& op, const JunctionOptions& options);

// Erases what lies wholly inside the square of the detection range round the point,
// or inserts a mark there when it is empty, then asks for the next point.
// ConversionError when EditKpRad is no number.
void JunctionToggleStep(OpContext& op, const JunctionOptions& options);

}  // namespace kv
