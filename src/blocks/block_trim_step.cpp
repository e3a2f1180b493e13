#include "blocks/block_trim_step.h"

#include <vector>

#include "dxf/read_entities.h"
#include "operation/step_round_trip.h"
#include "blocks/block_states.h"
#include "blocks/trim_around_insert.h"

namespace kv {

namespace {
constexpr std::string_view kPickBlockMessage = "ﾌﾞﾛｯｸを選択してください. ";
}  // namespace

void BlockTrimStep(OpContext& op, const CutOptions& options) {
    std::optional<PickedBlocks> picked = ExportFinishedPick(op);
    if (!picked) return;
    if (picked->inserts.empty()) {
        op.ui.ShowMessage(kPickBlockMessage, MessageButtons::Ok);
    } else {
        RoundTripPorts ports = StepPorts(op);
        const TrimPassResult result = TrimAroundInsert(picked->exported, picked->inserts, options, ports,
                                                       [&op] { return op.host.SelectionCount(); });
        // Its step back used up this pass's mark: a later Undo would take back the pass before.
        if (result == TrimPassResult::kPiecesOnly) op.SpeedButtonUndo.enabled = false;
    }
    RestartSingleSelection(op, kBlockTrimState);
}

}  // namespace kv
