// The angled polylines: the polyline the user just drew is replaced by one whose segments run
// at multiples of the step angle, optionally filleted and exploded into LINEs.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "polyline/polyline_memory.h"

namespace kv {

struct AngledPolylineOptions {
    bool fillet = false;
    std::string radiusFactor;  // × DIMSCALE
    bool explode = false;
};

// "\x03" and "PLINE ", waiting in the angled-polyline state.
void StartAngledPolyline(OpContext& op);
// At the command prompt after PLINE; the tool runs once.
void AngledPolylineStep(OpContext& op, const PolylineMemory& memory, const AngledPolylineOptions& options);

}  // namespace kv
