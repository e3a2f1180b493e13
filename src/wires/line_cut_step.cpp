#include "wires/line_cut_step.h"

#include <vector>

#include "base/strings.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"
#include "wires/break_points.h"
#include "wires/junction_check.h"
#include "wires/junction_marks.h"
#include "operation/step_round_trip.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

constexpr std::string_view kPickLineMessage = "線分を選択してください. ";

// The symbols on the wire, or nothing when the fenced objects could not be exported.
std::optional<std::vector<TInsertEnt>> SymbolsAlong(OpContext& op, const TLineEnt& wire) {
    op.host.SendCommand(FenceAlongCommand(wire.P1, wire.P2));
    if (op.host.SelectionCount() <= 0) return std::nullopt;
    DxfBuffer buffer;
    if (!ExportSelection(op, buffer)) return std::nullopt;
    std::vector<TInsertEnt> inserts;
    ReadInserts(buffer, inserts);
    return inserts;
}

void CutBetween(OpContext& op, const TLineEnt& wire, const Point3& pick, const std::vector<TInsertEnt>& inserts,
                const LineCutOptions& options, const HeaderVars& header) {
    const bool tidyMarks = !Trim(options.editKpMark).empty();
    // Read before the break, so that a bad factor stops the pass before it changes anything.
    const double range = tidyMarks ? KpRange(header.DimScale, options.editKpRad) : 0;
    const BreakPoints breaks = FindBreakPoints(wire, pick, inserts);
    op.host.SendCommand(BreakCommand(pick, breaks.P1, breaks.P2));
    if (!tidyMarks) return;
    EraseStaleMarkAt(op, breaks.P1, range, options.editKpMark);
    EraseStaleMarkAt(op, breaks.P2, range, options.editKpMark);
}

}  // namespace

void LineCutStep(OpContext& op, const LineCutOptions& options) {
    if (!TakeFinishedPick(op)) return;
    DxfBuffer buffer;
    if (!ExportSelection(op, buffer)) return;

    HeaderVars header;
    ReadHeaderVars(buffer, header);
    std::vector<TLineEnt> lines;
    Point3 pick;
    if (ReadLines(buffer, lines) < 1) {
        op.ui.ShowMessage(kPickLineMessage, MessageButtons::Ok);
    } else if (ParsePoint(op.host.GetSysVar("LASTPOINT"), pick)) {
        const TLineEnt& wire = lines.front();
        if (const std::optional<std::vector<TInsertEnt>> inserts = SymbolsAlong(op, wire)) {
            if (inserts->empty()) op.host.SendCommand(EraseNearestCommand(pick));
            else CutBetween(op, wire, pick, *inserts, options, header);
        }
    }
    RestartSingleSelection(op, kLineCutState);
}

}  // namespace kv
