// Points the host reports back in text: the answer of its ID command.
#pragma once

#include "base/point3.h"
#include "operation/op_context.h"

namespace kv {

// The step of a state entered after "\x03ID ": at the command prompt it reads the
// coordinates of the history's last line into PickedPoint and moves to `next`;
// a cancel or a line without all three coordinates ends the operation.
// A coordinate that is not a number raises ConversionError.
void ReadPickedPointStep(OpContext& op, State next);

// "X = 1.0000     Y = 2.0000     Z = 0.0000" -> the point; ConversionError when a
// coordinate is not a number. False when a label is missing.
bool ParseIdAnswer(std::string_view line, Point3& point);

}  // namespace kv
