// The timer states of the text tab's tools, the wire numbers and their dialogs.
#pragma once

#include <array>

#include "operation/op_state.h"

namespace kv {

inline constexpr State kWireNumberPointState{1401};  // waits for the point of "ID"
inline constexpr State kWireNumberAtPointState{1402};
inline constexpr State kWireNumberLineState{1501};  // waits for one segment
inline constexpr State kWireNumberAlongLineState{1502};
inline constexpr State kTextStylePickState{1451};
inline constexpr State kWireNumberTextPickState{1461};  // picked while the dialog stays open
inline constexpr State kTextReferencePickState{1551};   // likewise
inline constexpr State kTextPlaceState{2102};
inline constexpr State kTextDragState{2103};
inline constexpr State kTwoLineTextState{5001};
inline constexpr State kTwoLineLabelState{5101};           // after a block inserted at its point
inline constexpr State kTwoLineLabelAfterDragState{5201};  // after a block dragged into place

inline constexpr std::array kTextStates{
    kWireNumberPointState, kWireNumberAtPointState,  kWireNumberLineState,    kWireNumberAlongLineState,
    kTextStylePickState,   kWireNumberTextPickState, kTextReferencePickState, kTextPlaceState,
    kTextDragState,        kTwoLineTextState,        kTwoLineLabelState,      kTwoLineLabelAfterDragState,
};

}  // namespace kv
