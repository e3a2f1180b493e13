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

// Which junctions of the drawn wire get a mark: ButtonDraw marks every one along it,
// ButtonLdrawN only those at its end points.
enum class MarkedJunctions { kAlongTheWire, kAtTheEnds };

// Once the host is back at the command prompt, processes the segment and starts LINE again
// (back to the variant's wait for a segment), or ends when a button is queued or the segment
// could not be exported.
// ConversionError when EditMin (with CheckMin) or EditKpRad (with CheckKpMark) is no number;
// the drawing is untouched then.
void LineDrawSegmentStep(OpContext& op, const LineDrawOptions& options, MarkedJunctions marked);

}  // namespace kv
