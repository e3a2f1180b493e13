// The timer states of the wire tools. A tool with two states waits for the host in the first and
// works in the second, then goes back to the first for the next object.
#pragma once

#include <array>

#include "operation/op_state.h"

namespace kv {

inline constexpr State kJunctionPointState{11};   // the junction tool waits for the point of "ID"
inline constexpr State kJunctionToggleState{12};  // and toggles the mark there
inline constexpr State kStretchState{51};
inline constexpr State kDrawLineState{101};  // waits for one segment
inline constexpr State kDrawLineSegmentState{102};
inline constexpr State kDrawLineNState{151};  // the same, junctions marked at the ends only
inline constexpr State kDrawLineNSegmentState{152};
inline constexpr State kLineCutState{201};
inline constexpr State kLineTrimState{301};
inline constexpr State kJunctionBlockPickState{551};
inline constexpr State kLineJointState{1001};
inline constexpr State kTwistState{1201};
inline constexpr State kTwistSegmentState{1202};
inline constexpr State kShieldState{1301};
inline constexpr State kShieldSegmentState{1302};

inline constexpr std::array kWireStates{
    kJunctionPointState,     kJunctionToggleState,  kStretchState,
    kDrawLineState,          kDrawLineSegmentState, kDrawLineNState,
    kDrawLineNSegmentState,  kLineCutState,         kLineTrimState,
    kJunctionBlockPickState, kLineJointState,       kTwistState,
    kTwistSegmentState,      kShieldState,          kShieldSegmentState,
};

}  // namespace kv
