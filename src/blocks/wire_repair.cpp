#include "blocks/wire_repair.h"

#include "dxf/read_blocks.h"
#include "geometry/block_extents.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"
#include "wires/line_joint_step.h"

namespace kv {

std::optional<FenceCorners> BlockOutline(const DxfBuffer& exported, const TInsertEnt& insert) {
    BlockGeometry geometry;
    ReadBlocks(exported, geometry);
    std::vector<BlockExtent> extents;
    if (ComputeBlockExtents(geometry, extents) < 1) return std::nullopt;
    return ComputeFence(insert, extents, geometry.blocks, kTrimFenceFactor);
}

void AskForNextBlock(OpContext& op, State state, const BlockToolOptions& options) {
    RestartSelection(op, state, options.CheckSelect ? kSelectMany : kSelectSingle);
}

void RejoinWiresAcross(OpContext& op, const FenceCorners& outline) {
    op.host.SendCommand(ClosedFenceCommand(outline));
    if (op.host.SelectionCount() <= 0) return;
    JoinSelectedLines(op);
}

}  // namespace kv
