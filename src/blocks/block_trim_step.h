// Block trim: the user picks a symbol, every wire crossing it is cut back to the
// symbol's geometry, and the next pick is asked for until the user picks nothing.
#pragma once

#include "operation/op_context.h"
#include "wires/cut_engine.h"

namespace kv {

// One pass at the command prompt. Originals are erased only once their replacement is in the
// drawing; a pass whose pieces went in without the edited export is undone to its mark, which
// leaves Undo nothing of its own to take back.
// A value in an export that should be a number and is not raises ConversionError.
void BlockTrimStep(OpContext& op, const CutOptions& options);

}  // namespace kv
