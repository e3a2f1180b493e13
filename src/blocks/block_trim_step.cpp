#include "blocks/block_trim_step.h"

#include <vector>

#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "operation/step_round_trip.h"
#include "blocks/block_states.h"
#include "blocks/trim_around_insert.h"

namespace kv {

namespace {
constexpr std::string_view kPickBlockMessage = "ﾌﾞﾛｯｸを選択してください. ";
}  // namespace

void BlockTrimStep(OpContext& op, const CutOptions& options) {
    if (!TakeFinishedPick(op)) return;
    RoundTripPorts ports = StepPorts(op);
    DxfBuffer buffer;
    if (!ExportPrevious(op.host, op.files, ports.scratchPath, buffer)) return;

    std::vector<TInsertEnt> inserts;
    if (ReadInserts(buffer, inserts) < 1) {
        op.ui.ShowMessage(kPickBlockMessage, MessageButtons::Ok);
    } else {
        const TrimPassResult result =
            TrimAroundInsert(buffer, inserts, options, ports, [&op] { return op.host.SelectionCount(); });
        // The pieces lie on the wires they were cut from; back to the mark of this pass.
        if (result == TrimPassResult::kPiecesOnly) op.host.SendCommand("\x03UNDO B ");
    }
    RestartSingleSelection(op, kBlockTrimState);
}

}  // namespace kv
