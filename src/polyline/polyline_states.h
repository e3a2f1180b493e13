// The timer states of the 15PL tab's tools.
#pragma once

#include <array>

#include "operation/op_state.h"

namespace kv {

inline constexpr State kAngledPolylineState{4001};
inline constexpr State kElementPickState{4101};
inline constexpr State kPolylineElementMoveState{4102};  // waits for the point to move to
inline constexpr State kLineElementMoveState{4201};
inline constexpr State kFilletFirstPickState{4401};
inline constexpr State kFilletSecondPickState{4402};
inline constexpr State kRectanglePickState{5501};
inline constexpr State kRectanglePointState{5502};

inline constexpr std::array kPolylineStates{
    kAngledPolylineState,  kElementPickState,      kPolylineElementMoveState, kLineElementMoveState,
    kFilletFirstPickState, kFilletSecondPickState, kRectanglePickState,       kRectanglePointState,
};

}  // namespace kv
