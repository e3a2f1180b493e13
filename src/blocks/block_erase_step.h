// Block erase: the picked symbols go and the wire pieces at the first one's place are joined
// again; the next pick is asked for until the user picks nothing.
#pragma once

#include "blocks/wire_repair.h"
#include "operation/op_context.h"

namespace kv {

// One pass at the command prompt. A value in an export that should be a number and is not
// raises ConversionError.
void BlockEraseStep(OpContext& op, const BlockToolOptions& options);

}  // namespace kv
