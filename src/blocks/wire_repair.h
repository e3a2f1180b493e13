// The wire repair of the block erase, move and copy: the outline of a picked symbol, the next
// pick, and the wire pieces at a symbol's old place joined again.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "geometry/block_placement.h"
#include "operation/op_context.h"
#include "wires/cut_engine.h"

namespace kv {

struct BlockToolOptions {
    bool CheckSelect = false;  // several objects per pick instead of one
    CutOptions cut;            // what cuts the wires at a copy's or a moved block's new place
};

inline constexpr std::string_view kPickBlockAgainMessage = "ﾌﾞﾛｯｸを選択してください.  ";

// The enlarged outline of `insert` from the block definitions of `exported`; nothing when its
// block has no line, circle or arc.
std::optional<FenceCorners> BlockOutline(const DxfBuffer& exported, const TInsertEnt& insert);

// "\x03SNAPMODE 0 " and the selection CheckSelect asks for, waited for in `state`.
void AskForNextBlock(OpContext& op, State state, const BlockToolOptions& options);

// Selects what crosses the outline and replaces it by its copy with the collinear wire pieces
// joined. The originals go only once the copy is in the drawing; when nothing is joined the
// drawing is left alone.
void RejoinWiresAcross(OpContext& op, const FenceCorners& outline);

}  // namespace kv
