// Stretch C: the host's STRETCH with a crossing window, typed again after every stretch until
// the user cancels.
#pragma once

#include "operation/op_context.h"

namespace kv {

// Every tick: ends the object selection once the window is in (the host would ask for more),
// and at the command prompt starts the next STRETCH unless the last one was cancelled.
void StretchStep(OpContext& op);

}  // namespace kv
