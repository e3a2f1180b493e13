// The timer states of the block tab's library tools.
#pragma once

#include <array>

#include "operation/op_state.h"

namespace kv {

inline constexpr State kPictureCaptureState{451};  // the picture of a picked symbol, from the main tab
inline constexpr State kAddBlockState{3001};
inline constexpr State kInsertBlockState{3101};     // waits for the insertion point
inline constexpr State kInsertAtCentreState{3201};  // the symbol stands at the view centre
inline constexpr State kInsertDragState{3202};      // waits for the drag
inline constexpr State kAngleFromLineState{3301};

inline constexpr std::array kLibraryStates{
    kPictureCaptureState, kAddBlockState,   kInsertBlockState,
    kInsertAtCentreState, kInsertDragState, kAngleFromLineState,
};

}  // namespace kv
