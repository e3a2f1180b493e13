// Line trim: the user picks one wire; it is cut back at every symbol crossing it
// and written again, whole when nothing cuts it. Repeats until the user picks nothing.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "wires/cut_engine.h"

namespace kv {

struct LineTrimOptions {
    CutOptions cut;
    bool checkMin = false;  // CheckMin: pieces shorter than EditMin x DIMSCALE are not written
    std::string editMin;
};

// One pass at the command prompt. The picked wire leaves the drawing while the symbols along
// it are fenced and exported; whenever its replacement cannot be brought in, "OOPS " returns
// it. A number field or export value that is not a number raises ConversionError (after the
// wire has been returned).
void LineTrimStep(OpContext& op, const LineTrimOptions& options);

}  // namespace kv
