// Twist and shield: the user draws a guide segment across parallel wires; the palette takes
// the segment away, draws the mark of the wires it crosses and asks for the next segment.
#pragma once

#include "operation/op_context.h"

namespace kv {

enum class CableMark { kTwist, kShield };

inline constexpr std::string_view kNotTwoWiresMessage = "選択線分が２本ではありません.  ";
inline constexpr std::string_view kNoWiresMessage = "選択線分がありません.  ";

// One guide segment, once the host is back at its command prompt. A DIMSCALE that is no
// number counts as 1.
void CableMarkStep(OpContext& op, CableMark mark);

}  // namespace kv
