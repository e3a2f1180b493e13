#include "app/main_form.h"

#include "app/operation_table.h"
#include "base/strings.h"
#include "blocks/block_states.h"
#include "library/library_states.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

constexpr std::string_view kNoBlockFigure = "検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  ";
constexpr std::string_view kNoJunctionBlock = "交点用ﾌﾞﾛｯｸ名が登録されていません.  ";
constexpr std::string_view kSelectSingle = "SELECT SINGLE ";

}  // namespace

void TFormKvaneMain::StartOperation(QueueCode code) {
    const Operation& operation = *QueuedOperation(code);
    Caption = operation.caption;
    const bool hostFound = op.host.BringHostToFront();
    // Cancels whatever the host does, so a running operation sees the command prompt and ends.
    op.host.SendCommand("\x03");
    if (op.OpState != kIdle) {
        if (hostFound) {
            op.LastOp = code;
            return;
        }
        // Nothing is left to end the running operation: this button takes over.
        op.AbandonOperation();
        op.LastOp = QueueCode::kNone;
    }
    StartFromIdle(operation);
}

void TFormKvaneMain::StartFromIdle(const Operation& operation) {
    switch (operation.saves) {
    case SavedValues::kNothing: break;
    case SavedValues::kSnapMode: op.SaveSnapMode(); break;
    case SavedValues::kSnapModeSwitchedOff:
        op.SaveSnapMode();
        op.SwitchSnapOff();
        break;
    case SavedValues::kDimScale: op.SaveDimScale(); break;
    case SavedValues::kDimScaleAndLayer:
        op.SaveDimScale();
        op.SavedLayer = op.host.GetSysVar("CLAYER");
        break;
    }
    const bool several = main.CheckSelect.checked && !operation.firstWithCheckSelect.empty();
    op.host.SendCommand(several ? operation.firstWithCheckSelect : operation.firstCommand);
    op.OpState = operation.firstState;
    Timer1.enabled = true;
}

bool TFormKvaneMain::BlockFigureChecked() const {
    return main.CheckLine.checked || main.CheckArc.checked || main.CheckCircle.checked || main.CheckLWP.checked;
}

void TFormKvaneMain::ButtonDrawClick() {
    if (!BlockFigureChecked()) return;
    Guarded([this] { StartOperation(QueueCode::kDrawLine); });
}

void TFormKvaneMain::ButtonLdrawNClick() {
    if (!BlockFigureChecked()) return;
    Guarded([this] { StartOperation(QueueCode::kDrawLineN); });
}

void TFormKvaneMain::ButtonSelectClick() {
    Guarded([this] {
        if (!BlockFigureChecked()) {
            op.ui.ShowMessage(kNoBlockFigure, MessageButtons::Ok);
            return;
        }
        StartOperation(QueueCode::kTrimLine);
    });
}

void TFormKvaneMain::ButtonLpickClick() {
    Guarded([this] { StartOperation(QueueCode::kEraseLine); });
}

void TFormKvaneMain::ButtonBEraseClick() {
    Guarded([this] { StartOperation(QueueCode::kEraseBlock); });
}

void TFormKvaneMain::ButtonBMoveClick() {
    Guarded([this] { StartOperation(QueueCode::kMoveBlock); });
}

void TFormKvaneMain::ButtonBCopyClick() {
    Guarded([this] { StartOperation(QueueCode::kCopyBlock); });
}

void TFormKvaneMain::ButtonBCutClick() {
    Guarded([this] { StartOperation(QueueCode::kTrimBlock); });
}

void TFormKvaneMain::ButtonKpMarkClick() {
    Guarded([this] {
        op.host.BringHostToFront();
        if (Trim(main.EditKpMark.text).empty()) {
            op.ui.ShowMessage(kNoJunctionBlock, MessageButtons::Ok);
            return;
        }
        SpeedButtonUndo.enabled = false;
        StartOperation(QueueCode::kJunctionMark);
    });
}

void TFormKvaneMain::ButtonCStretchClick() {
    SpeedButtonUndo.enabled = false;
    Guarded([this] { StartOperation(QueueCode::kStretch); });
}

void TFormKvaneMain::ButtonLJointClick() {
    Guarded([this] { StartOperation(QueueCode::kJointLine); });
}

void TFormKvaneMain::ButtonTWClick() {
    Guarded([this] { StartOperation(QueueCode::kTwist); });
}

void TFormKvaneMain::ButtonSealedClick() {
    Guarded([this] { StartOperation(QueueCode::kShield); });
}

// The right mouse button starts these operations as well.
void TFormKvaneMain::ButtonDrawMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonDrawClick();
}
void TFormKvaneMain::ButtonSelectMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonSelectClick();
}
void TFormKvaneMain::ButtonBEraseMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonBEraseClick();
}
void TFormKvaneMain::ButtonBMoveMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonBMoveClick();
}
void TFormKvaneMain::ButtonBCopyMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonBCopyClick();
}
void TFormKvaneMain::ButtonBCutMouseDown(MouseButton button) {
    if (button == MouseButton::Right) ButtonBCutClick();
}

// Pickers never queue: they replace a running operation, and a button queued behind
// it. The operation replaced types back what it changed first, so that the snap mode the
// pick saves, and types back when it ends, is the user's own.
void TFormKvaneMain::StartPicker(State state) {
    op.LastOp = QueueCode::kNone;
    Guarded([&] {
        op.host.BringHostToFront();
        op.host.SendCommand("\x03");
        if (op.OpState != kIdle) op.AbandonOperation();
        op.SaveSnapMode();
        op.SwitchSnapOff();
        op.host.SendCommand(kSelectSingle);
        op.OpState = state;
        Timer1.enabled = true;
    });
}

void TFormKvaneMain::SpeedButtonGetLayClick() { StartPicker(kLayerPickState); }
void TFormKvaneMain::SpeedButton1Click() { StartPicker(kBlockNamePickState); }
void TFormKvaneMain::SpeedButtonKpMarkClick() { StartPicker(kJunctionBlockPickState); }
void TFormKvaneMain::SpeedButton3Click() { StartPicker(kPictureCaptureState); }

void TFormKvaneMain::RunQueued(QueueCode code) {
    const Operation* operation = QueuedOperation(code);
    if (!operation) return;
    if (operation->button) return (this->*operation->button)();
    Guarded([&] { StartFromIdle(*operation); });
}

}  // namespace kv
