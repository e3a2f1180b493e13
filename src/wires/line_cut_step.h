// Line cut: the user picks a wire at a point; the stretch of it between the nearest
// symbols on either side of that point is removed (the whole wire when no symbol lies on it),
// and junction marks left at the break points without a junction are erased.
#pragma once

#include <string>

#include "operation/op_context.h"

namespace kv {

struct LineCutOptions {
    std::string editKpMark;  // the junction block; empty: marks are left alone
    std::string editKpRad;   // detection range factor x DIMSCALE; empty counts as 1.0
};

// One pass at the command prompt; ConversionError from a bad range factor or export value.
void LineCutStep(OpContext& op, const LineCutOptions& options);

}  // namespace kv
