// The steps that place wire numbers: at a clicked point on a wire, or at every wire a drawn
// line crosses.
#pragma once

#include "operation/op_context.h"
#include "text/wire_number_settings.h"

namespace kv {

// What a pass numbers with; the counter and the prefix index advance with every number.
struct WireNumbering {
    WireNumberSettings& settings;
    int& prefixIndex;
};

// After the point of "ID": the wire at the point is selected, the number written at the point
// along it (at angle 0 on empty space), and the next point asked for.
void WireNumberAtPointStep(OpContext& op, WireNumbering numbering);

// After one drawn segment: the segment leaves the drawing, the wires it crosses are numbered in
// order along it, and the next segment is asked for. A segment that crosses nothing, or an
// export that brings back no line, ends the operation.
void WireNumberAlongLineStep(OpContext& op, WireNumbering numbering);

}  // namespace kv
