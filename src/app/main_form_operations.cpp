#include "app/main_form.h"

#include "base/strings.h"

namespace kv {

namespace {

constexpr std::string_view kNoBlockFigure = "検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  ";
constexpr std::string_view kNoJunctionBlock = "交点用ﾌﾞﾛｯｸ名が登録されていません.  ";
constexpr std::string_view kSelectSingle = "SELECT SINGLE ";
constexpr std::string_view kSelectMany = "SELECT ";

}  // namespace

// What a main-tab button reads from the host before its first command, when idle.
// SnapOff also switches snapping off for the selection that follows.
enum class IdleReads { SnapMode, SnapOff, DimScaleAndLayer, Nothing };

struct TFormKvaneMain::Start {
    std::string_view label;
    int queueCode;
    int firstState;
    IdleReads reads;
    std::string_view firstCommand;
};

void TFormKvaneMain::StartOperation(const Start& start) {
    Caption = start.label;
    const bool hostFound = host.BringHostToFront();
    // Cancels whatever the host does, so a running operation sees the command prompt and ends.
    host.SendCommand("\x03");
    if (OpState != 0) {
        if (hostFound) {
            LastOp = start.queueCode;
            return;
        }
        // Nothing is left to end the running operation: this button takes over.
        AbandonOperation();
        LastOp = 0;
    }
    switch (start.reads) {
    case IdleReads::SnapMode:
        SaveSnapMode();
        break;
    case IdleReads::SnapOff:
        SaveSnapMode();
        SwitchSnapOff();
        break;
    case IdleReads::DimScaleAndLayer:
        SaveDimScale();
        SavedLayer = host.GetSysVar("CLAYER");
        break;
    case IdleReads::Nothing:
        break;
    }
    host.SendCommand(start.firstCommand);
    OpState = start.firstState;
    Timer1.enabled = true;
}

bool TFormKvaneMain::BlockFigureChecked() const {
    return main.CheckLine.checked || main.CheckArc.checked || main.CheckCircle.checked || main.CheckLWP.checked;
}

void TFormKvaneMain::ButtonDrawClick() {
    if (!BlockFigureChecked()) return;
    Guarded([this] { StartOperation({"Draw Line", 101, 101, IdleReads::SnapMode, "LINE "}); });
}

void TFormKvaneMain::ButtonLdrawNClick() {
    if (!BlockFigureChecked()) return;
    Guarded([this] { StartOperation({"Draw Line", 151, 151, IdleReads::SnapMode, "LINE "}); });
}

void TFormKvaneMain::ButtonSelectClick() {
    if (!BlockFigureChecked()) {
        ui.ShowMessage(kNoBlockFigure, MessageButtons::Ok);
        return;
    }
    Guarded([this] { StartOperation({"Trim Line", 201, 301, IdleReads::SnapOff, kSelectSingle}); });
}

void TFormKvaneMain::ButtonLpickClick() {
    Guarded([this] { StartOperation({"Erase Line", 701, 201, IdleReads::SnapOff, kSelectSingle}); });
}

void TFormKvaneMain::ButtonBEraseClick() {
    const std::string_view select = main.CheckSelect.checked ? kSelectMany : kSelectSingle;
    Guarded([&] { StartOperation({"Erase Block", 601, 601, IdleReads::SnapOff, select}); });
}

void TFormKvaneMain::ButtonBMoveClick() {
    const std::string_view select = main.CheckSelect.checked ? kSelectMany : kSelectSingle;
    Guarded([&] { StartOperation({"Move Block", 401, 701, IdleReads::SnapOff, select}); });
}

void TFormKvaneMain::ButtonBCopyClick() {
    const std::string_view select = main.CheckSelect.checked ? kSelectMany : kSelectSingle;
    Guarded([&] { StartOperation({"Copy Block", 501, 801, IdleReads::SnapOff, select}); });
}

void TFormKvaneMain::ButtonBCutClick() {
    Guarded([this] { StartOperation({"Trim Block", 301, 901, IdleReads::SnapOff, kSelectSingle}); });
}

void TFormKvaneMain::ButtonKpMarkClick() {
    host.BringHostToFront();
    if (Trim(main.EditKpMark.text).empty()) {
        ui.ShowMessage(kNoJunctionBlock, MessageButtons::Ok);
        return;
    }
    SpeedButtonUndo.enabled = false;
    Guarded([this] { StartOperation({"IMark", 801, 11, IdleReads::DimScaleAndLayer, "\x03ID "}); });
}

void TFormKvaneMain::ButtonCStretchClick() {
    SpeedButtonUndo.enabled = false;
    Guarded([this] { StartOperation({"Stretch C", 901, 51, IdleReads::Nothing, "STRETCH C\r"}); });
}

void TFormKvaneMain::ButtonLJointClick() {
    Guarded([this] { StartOperation({"Joint Line", 1001, 1001, IdleReads::SnapOff, kSelectMany}); });
}

void TFormKvaneMain::ButtonTWClick() {
    Guarded([this] { StartOperation({"to TwistWire", 1201, 1201, IdleReads::Nothing, "LINE "}); });
}

void TFormKvaneMain::ButtonSealedClick() {
    Guarded([this] { StartOperation({"Draw SealedWire", 1301, 1301, IdleReads::Nothing, "LINE "}); });
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
// it. The snap mode that operation saved is the one typed back when the pick ends.
void TFormKvaneMain::StartPicker(int state, bool alwaysSaveSnap) {
    LastOp = 0;
    Guarded([&] {
        host.BringHostToFront();
        host.SendCommand("\x03");
        if (OpState == 0 || alwaysSaveSnap) SaveSnapMode();
        SwitchSnapOff();
        host.SendCommand(kSelectSingle);
        OpState = state;
        Timer1.enabled = true;
    });
}

void TFormKvaneMain::SpeedButtonGetLayClick() { StartPicker(401, false); }
void TFormKvaneMain::SpeedButton1Click() { StartPicker(501, false); }
void TFormKvaneMain::SpeedButtonKpMarkClick() { StartPicker(551, false); }
void TFormKvaneMain::SpeedButton3Click() { StartPicker(451, true); }

void TFormKvaneMain::RunQueued(int code) {
    switch (code) {
    case 101: ButtonDrawClick(); return;
    case 151: ButtonLdrawNClick(); return;
    case 201: ButtonSelectClick(); return;
    case 301: ButtonBCutClick(); return;
    case 401: ButtonBMoveClick(); return;
    case 501: ButtonBCopyClick(); return;
    case 601: ButtonBEraseClick(); return;
    case 701: ButtonLpickClick(); return;
    case 801: ButtonKpMarkClick(); return;
    case 901: ButtonCStretchClick(); return;
    case 1001: ButtonLJointClick(); return;
    case 1201: ButtonTWClick(); return;
    case 1301: ButtonSealedClick(); return;
    case 1401:
    case 1501:
        // The wire-number operation again, without its dialog.
        Guarded([&] {
            SaveDimScale();
            host.SendCommand(code == 1401 ? "\x03ID " : "\x03LINE ");
            OpState = code;
            Timer1.enabled = true;
        });
        return;
    default:
        return;
    }
}

}  // namespace kv
