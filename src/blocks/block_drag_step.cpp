#include "blocks/block_drag_step.h"

#include <optional>
#include <string>

#include "base/paths.h"
#include "blocks/block_states.h"
#include "blocks/trim_around_insert.h"
#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {

constexpr std::string_view kFileDialogs = "FILEDIA";

State PickState(BlockDrag drag) { return drag == BlockDrag::kMove ? kBlockMoveState : kBlockCopyState; }

// LASTPOINT as the host prints it with all eight decimals, LUPREC typed back after.
std::optional<Point3> ReadLastPointPrecisely(OpContext& op) {
    const std::string precision = op.host.GetSysVar("LUPREC");
    if (!precision.empty()) op.host.SendCommand("'LUPREC 8 ");
    const std::string text = op.host.GetSysVar("LASTPOINT");
    if (!precision.empty()) op.host.SendCommand("'LUPREC " + precision + "\r");
    Point3 point;
    if (!ParsePoint(text, point)) return std::nullopt;
    return point;
}

// The references at their new place: the moved ones, or the copy. When the copy's export holds
// none, the references as picked with the first at the host's last point, the destination.
std::vector<TInsertEnt> PlacedInserts(OpContext& op, BlockDrag drag, const BlockDragMemory& memory) {
    DxfBuffer placed;
    const ExportForm form = drag == BlockDrag::kMove ? ExportForm::kMovedBlock : ExportForm::kCopiedBlock;
    if (!ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), placed, form)) return {};
    std::vector<TInsertEnt> inserts;
    if (ReadInserts(placed, inserts) > 0 || drag == BlockDrag::kMove || memory.SavedInserts.empty()) return inserts;
    const std::optional<Point3> destination = ReadLastPointPrecisely(op);
    if (!destination) return {};
    inserts = memory.SavedInserts;
    inserts.front().Point = *destination;
    return inserts;
}

// The script that runs COPY; false when it could not be written (an older one must not run).
bool StartCopy(OpContext& op, const Point3& base) {
    const std::string script = ScriptPath(op.executablePath);
    if (!op.files.WriteText(script, CopyPreviousScript(base))) return false;
    op.host.SendCommand(kFileDialogsOff);
    op.RememberRestore(kFileDialogs, std::string(kFileDialogsOn));
    op.host.SendCommand(ScriptCommand(script));
    return true;
}

}  // namespace

std::string ScriptPath(std::string_view executablePath) { return WithExtension(executablePath, ".scr"); }

void BlockDragPickStep(OpContext& op, BlockDrag drag, BlockDragMemory& memory, const BlockToolOptions& options) {
    std::optional<PickedBlocks> picked = ExportFinishedPick(op);
    if (!picked) return;
    if (picked->inserts.empty()) {
        op.ui.ShowMessage(kPickBlockAgainMessage, MessageButtons::Ok);
        AskForNextBlock(op, PickState(drag), options);
        return;
    }
    const std::optional<FenceCorners> outline = BlockOutline(picked->exported, picked->inserts.front());
    if (!outline) return;

    const Point3 base = picked->inserts.front().Point;
    memory = {std::move(picked->exported), std::move(picked->inserts), *outline};
    if (drag == BlockDrag::kMove) {
        op.host.SendCommand(MovePreviousCommand(base));
        op.OpState = kBlockMoveDragState;
    } else {
        if (!StartCopy(op, base)) return;
        op.OpState = kBlockCopyDragState;
    }
    op.Timer1.enabled = true;
}

void BlockDragDoneStep(OpContext& op, BlockDrag drag, BlockDragMemory& memory, const BlockToolOptions& options) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const bool cancelled = op.HistoryShowsCancel();
    op.host.SendCommand(kFileDialogsOn);
    op.ForgetRestore(kFileDialogs);
    if (cancelled) return;

    const std::vector<TInsertEnt> placed = PlacedInserts(op, drag, memory);
    if (!placed.empty()) {
        if (drag == BlockDrag::kMove) RejoinWiresAcross(op, memory.OldFenceCorners);
        RoundTripPorts ports = StepPorts(op);
        TrimAroundInsert(memory.pickedExport, placed, options.cut, ports, [&op] { return op.host.SelectionCount(); });
    }
    AskForNextBlock(op, PickState(drag), options);
}

}  // namespace kv
