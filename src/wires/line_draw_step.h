// The segment the user just drew with Draw Line: merged with the wires on its line, trimmed
// at the symbols it crosses, and its junctions marked.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "wires/cut_engine.h"
#include "wires/junction_marks.h"

namespace kv {

// The main-tab options the line tools read.
struct LineDrawOptions {
    CutOptions cut;
    bool CheckMin = false;  // pieces shorter than EditMin x DIMSCALE are not written
    std::string EditMin;
    bool CheckKpMark = false;  // junction marks after each segment
    JunctionOptions junction;
};

// States 102 (every junction along the wire is marked) and 152 (only its end points): once the
// host is back at the command prompt, processes the segment and starts LINE again (one state
// back), or ends when a button is queued or the segment could not be exported.
// ConversionError when EditMin (with CheckMin) or EditKpRad (with CheckKpMark) is no number;
// the drawing is untouched then.
void LineDrawSegmentStep(OpContext& op, const LineDrawOptions& options);

}  // namespace kv
