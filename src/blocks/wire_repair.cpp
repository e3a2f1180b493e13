#include "blocks/wire_repair.h"

#include "wires/collinear_join.h"
#include "dxf/dxf_writer.h"
#include "dxf/line_edits.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "geometry/block_extents.h"
#include "hostlink/host_commands.h"
#include "operation/round_trip_pass.h"
#include "operation/step_round_trip.h"

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
    std::vector<TLineEnt> lines;
    const RoundTripResult trip = RunRoundTrip(op, [&lines](DxfBuffer& fenced) -> std::vector<RoundTripFile> {
        if (ReadLines(fenced, lines) < 1 || JoinCollinearLines(lines) < 1) return {};
        return {{[&lines, &fenced](Files& files, std::string_view path) {
            ApplyLineEdits(lines, fenced);
            return SaveDxfBuffer(files, path, fenced);
        }}};
    });
    if (trip == RoundTripResult::kInserted) op.host.SendCommand(kCancelErasePrevious);
}

}  // namespace kv
