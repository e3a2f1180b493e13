// Draw Line: the user draws one segment with the host's LINE command, the palette
// ends LINE after it, works on the segment (wires/line_draw_step.h) and starts LINE again.
#pragma once

#include "operation/op_context.h"

namespace kv {

// The first state of every line-drawing operation: waits until one segment is
// drawn, ends LINE and moves to `segmentState`; the command prompt (the user ended
// or cancelled LINE) ends the operation.
void WaitForSegmentStep(OpContext& op, State segmentState);

}  // namespace kv
