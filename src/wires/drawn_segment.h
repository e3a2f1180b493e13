// The segment the user just drew with LINE, taken out of the drawing for a wire tool to work on.
#pragma once

#include "dxf/dxf_buffer.h"
#include "operation/op_context.h"

namespace kv {

// Exports the last object (the drawn segment) into the scratch file and erases it, then sets
// the undo mark; loads the export into buffer. False when no readable export came back (the
// segment is erased all the same: OOPS brings it back).
bool ExportAndEraseLastDrawn(OpContext& op, DxfBuffer& buffer);

}  // namespace kv
