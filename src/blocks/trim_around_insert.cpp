#include "blocks/trim_around_insert.h"

#include <optional>

#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "geometry/block_extents.h"
#include "geometry/symbol_shapes.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"

namespace kv {

TrimPassResult TrimAroundInsert(DxfBuffer& buffer, const std::vector<TInsertEnt>& inserts,
                                const CutOptions& options, RoundTripPorts& ports,
                                const std::function<int()>& selectionCount) {
    if (inserts.empty()) return TrimPassResult::kNoFence;
    BlockGeometry geometry;
    ReadBlocks(buffer, geometry);
    std::vector<BlockExtent> extents;
    if (ComputeBlockExtents(geometry, extents) < 1) return TrimPassResult::kNoFence;
    const std::optional<FenceCorners> fence = ComputeFence(inserts.front(), extents, geometry.blocks, kTrimFenceFactor);
    if (!fence) return TrimPassResult::kNoFence;
    const SymbolShapes shapes(geometry);

    ports.host.SendCommand(ClosedFenceCommand(*fence));
    if (selectionCount() <= 0) return TrimPassResult::kNothingCrossed;
    if (!ExportPrevious(ports.host, ports.files, ports.scratchPath, buffer)) return TrimPassResult::kNoWires;
    std::vector<TLineEnt> lines;
    if (ReadLines(buffer, lines) < 1) return TrimPassResult::kNoWires;

    switch (WriteTrimmedLines(lines, inserts, shapes, options, buffer, ports)) {
        case TrimWriteResult::kNothingInserted: return TrimPassResult::kNothingInserted;
        case TrimWriteResult::kPiecesOnly: return TrimPassResult::kPiecesOnly;
        case TrimWriteResult::kDone: break;
    }
    ports.host.SendCommand(kCancelErasePrevious);
    return TrimPassResult::kTrimmed;
}

}  // namespace kv
