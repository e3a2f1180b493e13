#include "blocks/block_pick_step.h"

#include "dxf/read_entities.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {
constexpr std::string_view kPickBlockMessage = "ﾌﾞﾛｯｸを選択してください.  ";
}  // namespace

BlockPick PickBlockReference(OpContext& op, DxfBuffer& buffer, std::vector<TInsertEnt>& inserts) {
    if (!op.HostAtCommandPrompt()) return BlockPick::kWaiting;
    const State state = op.OpState;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return BlockPick::kEnded;
    if (!ExportSelection(op, buffer)) return BlockPick::kEnded;
    if (ReadInserts(buffer, inserts) < 1) {
        op.ui.ShowMessage(kPickBlockMessage, MessageButtons::Ok);
        RestartSingleSelection(op, state);
        return BlockPick::kAskedAgain;
    }
    return BlockPick::kPicked;
}

void BlockPickStep(OpContext& op, BlockPickField field, std::string& target) {
    DxfBuffer buffer;
    std::vector<TInsertEnt> inserts;
    if (PickBlockReference(op, buffer, inserts) != BlockPick::kPicked) return;
    target = field == BlockPickField::kLayer ? inserts.front().Layer : inserts.front().Name;
}

}  // namespace kv
