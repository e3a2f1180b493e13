#include "wires/line_trim_step.h"

#include <vector>

#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"
#include "geometry/symbol_shapes.h"
#include "wires/trim_writers.h"

namespace kv {

namespace {

constexpr std::string_view kPickLineMessage = "線分を選択してください. ";

// The fence along the wire; the wire itself has left the drawing, so only what crosses it is found.
bool WireReplaced(OpContext& op, const TLineEnt& wire, const LineTrimOptions& options, const PieceMinimum& rule) {
    RoundTripPorts ports = StepPorts(op);
    DxfBuffer buffer;
    if (!ExportPrevious(op.host, op.files, ports.scratchPath, buffer)) return false;
    std::vector<TInsertEnt> inserts;
    ReadInserts(buffer, inserts);
    BlockGeometry geometry;
    ReadBlocks(buffer, geometry);
    const SymbolShapes shapes(geometry);
    return ComputeCutsAndWrite(wire, inserts, shapes, options.cut, rule, buffer, ports);
}

}  // namespace

void LineTrimStep(OpContext& op, const LineTrimOptions& options) {
    if (!TakeFinishedPick(op)) return;
    DxfBuffer buffer;
    if (!ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer)) return;

    HeaderVars header;
    ReadHeaderVars(buffer, header);
    std::vector<TLineEnt> lines;
    if (ReadLines(buffer, lines) < 1) {
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
        replaced = op.host.SelectionCount() >= 1 && WireReplaced(op, wire, options, rule);
    } catch (...) {
        op.host.SendCommand(kRestoreErased);
        throw;
    }
    if (!replaced) op.host.SendCommand(kRestoreErased);
    RestartSingleSelection(op, kLineTrimState);
}

}  // namespace kv
