// Line joint: the collinear pieces among the selected wires become one wire each; the next
// selection is asked for until the user selects nothing or cancels.
#pragma once

#include "operation/op_context.h"
#include "operation/round_trip_pass.h"

namespace kv {

// Exports the previous selection, joins its collinear wires of one look and inserts the
// export so edited; once it is in, the selection as it was is erased. Nothing is written when
// no two wires join.
RoundTripResult JoinSelectedLines(OpContext& op);

// One pass at the command prompt.
void LineJointStep(OpContext& op);

}  // namespace kv
