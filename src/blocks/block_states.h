// The timer states of the block tools and of the pick buttons that take one block reference.
#pragma once

#include <array>

#include "operation/op_state.h"

namespace kv {

inline constexpr State kLayerPickState{401};      // the layer filter of the trim tools
inline constexpr State kBlockNamePickState{501};  // the block left out of the trim tools
inline constexpr State kBlockEraseState{601};
inline constexpr State kBlockMoveState{701};      // waits for the pick
inline constexpr State kBlockMoveDragState{702};  // waits for the destination
inline constexpr State kBlockCopyState{801};
inline constexpr State kBlockCopyDragState{802};
inline constexpr State kBlockTrimState{901};

inline constexpr std::array kBlockStates{
    kLayerPickState,     kBlockNamePickState, kBlockEraseState,    kBlockMoveState,
    kBlockMoveDragState, kBlockCopyState,     kBlockCopyDragState, kBlockTrimState,
};

}  // namespace kv
