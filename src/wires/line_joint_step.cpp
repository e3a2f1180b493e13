#include "wires/line_joint_step.h"

#include <vector>

#include "dxf/dxf_writer.h"
#include "dxf/line_edits.h"
#include "dxf/read_entities.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"
#include "wires/collinear_join.h"
#include "wires/wire_states.h"

namespace kv {

RoundTripResult JoinSelectedLines(OpContext& op) {
    std::vector<TLineEnt> lines;
    // With nothing joined, inserting the export would only replace the selection by copies.
    const RoundTripResult trip = RunRoundTrip(op, [&lines](DxfBuffer& exported) -> std::vector<RoundTripFile> {
        if (ReadLines(exported, lines) < 1 || JoinCollinearLines(lines) < 1) return {};
        return {{[&lines, &exported](Files& files, std::string_view path) {
            ApplyLineEdits(lines, exported);
            return SaveDxfBuffer(files, path, exported);
        }}};
    });
    if (trip == RoundTripResult::kInserted) op.host.SendCommand(kCancelErasePrevious);
    return trip;
}

void LineJointStep(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const bool selected = !op.HistoryShowsCancel() && op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!selected) return;
    op.SetUndoMark();
    if (JoinSelectedLines(op) == RoundTripResult::kNoExport) return;
    RestartSelection(op, kLineJointState, kSelectMany);
}

}  // namespace kv
