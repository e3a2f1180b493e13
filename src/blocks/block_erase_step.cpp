#include "blocks/block_erase_step.h"

#include <vector>

#include "blocks/block_states.h"
#include "dxf/read_entities.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"

namespace kv {

void BlockEraseStep(OpContext& op, const BlockToolOptions& options) {
    const std::optional<PickedBlocks> picked = ExportFinishedPick(op);
    if (!picked) return;
    if (picked->inserts.empty()) {
        op.ui.ShowMessage(kPickBlockAgainMessage, MessageButtons::Ok);
    } else {
        op.host.SendCommand(kCancelErasePrevious);
        if (const std::optional<FenceCorners> outline = BlockOutline(picked->exported, picked->inserts.front()))
            RejoinWiresAcross(op, *outline);
    }
    // No second undo mark here: it would leave the first Undo after a pass nothing to take back.
    AskForNextBlock(op, kBlockEraseState, options);
}

}  // namespace kv
