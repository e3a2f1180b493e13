// The fillet tools: a picked polyline filleted at every vertex, or two LINEs picked one after
// the other filleted together (an arc that already joins them goes first), or with
// "all connected" the whole chain of lines joined, filleted and exploded again.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "polyline/polyline_memory.h"

namespace kv {

// "\x03" and "SELECT SINGLE ", waiting in the first pick.
void StartFillet(OpContext& op);
// The fillet radius of the button with the radius setting: the factor × DIMSCALE.
std::string FilletRadiusOf(OpContext& op, std::string_view radiusFactor);

void FilletFirstPickStep(OpContext& op, PolylineMemory& memory, bool filletAll);
void FilletSecondPickStep(OpContext& op, PolylineMemory& memory);

}  // namespace kv
