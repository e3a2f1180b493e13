#include "blocks/trim_around_insert.h"

#include <optional>

#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "geometry/block_extents.h"
#include "geometry/symbol_shapes.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"

namespace kv {

TrimPassResult TrimAroundInsert(const DxfBuffer& buffer, const std::vector<TInsertEnt>& inserts,
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
    std::vector<TLineEnt> lines;
    const RoundTripResult trip = RunRoundTrip(
        ports,
        [&](DxfBuffer& fenced) -> std::vector<RoundTripFile> {
            if (ReadLines(fenced, lines) < 1) return {};
            return TrimmedLineFiles(lines, inserts, shapes, options, fenced, ports.clock);
        },
        // The pieces lie on the wires they were cut from.
        AfterPartialInsert::kUndoToMark);
    switch (trip) {
    case RoundTripResult::kNoExport:
    case RoundTripResult::kNothingToInsert: return TrimPassResult::kNoWires;
    case RoundTripResult::kNotInserted: return TrimPassResult::kNothingInserted;
    case RoundTripResult::kPartlyInserted: return TrimPassResult::kPiecesOnly;
    case RoundTripResult::kInserted: break;
    }
    ports.host.SendCommand(kCancelErasePrevious);
    return TrimPassResult::kTrimmed;
}

}  // namespace kv
