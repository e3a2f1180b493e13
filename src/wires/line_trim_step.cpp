#include "wires/line_trim_step.h"

#include <vector>

#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"
#include "geometry/symbol_shapes.h"
#include "operation/round_trip_pass.h"
#include "operation/step_round_trip.h"
#include "wires/trim_writers.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

constexpr std::string_view kPickLineMessage = "線分を選択してください. ";

// The wire cut at the symbols of what the fence along it found (the wire itself has left the
// drawing, so only what crosses it).
std::vector<RoundTripFile> TrimmedWire(const TLineEnt& wire, DxfBuffer& fenced, const CutOptions& options,
                                       const PieceMinimum& rule) {
    std::vector<TInsertEnt> inserts;
    ReadInserts(fenced, inserts);
    BlockGeometry geometry;
    ReadBlocks(fenced, geometry);
    const SymbolShapes shapes(geometry);
    return {CutWireFile(wire, inserts, shapes, options, rule, fenced)};
}

}  // namespace

void LineTrimStep(OpContext& op, const LineTrimOptions& options) {
    if (!TakeFinishedPick(op)) return;
    DxfBuffer picked;
    if (!ExportSelection(op, picked)) return;

    HeaderVars header;
    ReadHeaderVars(picked, header);
    std::vector<TLineEnt> lines;
    if (ReadLines(picked, lines) < 1) {
        op.ui.ShowMessage(kPickLineMessage, MessageButtons::Ok);
        RestartSingleSelection(op, kLineTrimState);
        return;
    }
    // Read before the wire is erased: a bad number must not leave it out of the drawing.
    const PieceMinimum rule = PieceMinimumOf(options.checkMin, options.editMin, header);
    const TLineEnt& wire = lines.front();
    op.host.SendCommand(kEraseSinglePrevious);
    op.host.SendCommand(FenceAlongCommand(wire.P1, wire.P2));
    bool replaced = false;
    try {
        replaced = op.host.SelectionCount() >= 1 && RunRoundTrip(op, [&](DxfBuffer& fenced) {
                                                        return TrimmedWire(wire, fenced, options.cut, rule);
                                                    }) == RoundTripResult::kInserted;
    } catch (...) {
        op.host.SendCommand(kRestoreErased);
        throw;
    }
    if (!replaced) op.host.SendCommand(kRestoreErased);
    RestartSingleSelection(op, kLineTrimState);
}

}  // namespace kv
