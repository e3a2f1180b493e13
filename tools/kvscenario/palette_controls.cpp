#include "palette_controls.h"

namespace kv::scenario {

namespace {

using F = TFormKvaneMain;

// Kept in step with the form: a control missing here cannot be named by a scenario.

const PaletteControl kControls[] = {
    {.name = "SpeedButtonUndo", .button = &F::SpeedButtonUndo, .click = &F::SpeedButtonUndoClick},
    {.name = "SpeedButton2", .button = &F::SpeedButton2, .click = &F::SpeedButton2Click},
    {.name = "ButtonDraw", .button = &F::ButtonDraw, .click = &F::ButtonDrawClick,
     .mouseDown = &F::ButtonDrawMouseDown},
    {.name = "ButtonLdrawN", .button = &F::ButtonLdrawN, .click = &F::ButtonLdrawNClick},
    {.name = "ButtonSelect", .button = &F::ButtonSelect, .click = &F::ButtonSelectClick,
     .mouseDown = &F::ButtonSelectMouseDown},
    {.name = "ButtonLpick", .button = &F::ButtonLpick, .click = &F::ButtonLpickClick},
    {.name = "ButtonBErase", .button = &F::ButtonBErase, .click = &F::ButtonBEraseClick,
     .mouseDown = &F::ButtonBEraseMouseDown},
    {.name = "ButtonBMove", .button = &F::ButtonBMove, .click = &F::ButtonBMoveClick,
     .mouseDown = &F::ButtonBMoveMouseDown},
    {.name = "ButtonBCopy", .button = &F::ButtonBCopy, .click = &F::ButtonBCopyClick,
     .mouseDown = &F::ButtonBCopyMouseDown},
    {.name = "ButtonBCut", .button = &F::ButtonBCut, .click = &F::ButtonBCutClick,
     .mouseDown = &F::ButtonBCutMouseDown},
    {.name = "ButtonKpMark", .button = &F::ButtonKpMark, .click = &F::ButtonKpMarkClick},
    {.name = "ButtonCStretch", .button = &F::ButtonCStretch, .click = &F::ButtonCStretchClick},
    {.name = "ButtonLJoint", .button = &F::ButtonLJoint, .click = &F::ButtonLJointClick},
    {.name = "ButtonTW", .button = &F::ButtonTW, .click = &F::ButtonTWClick},
    {.name = "ButtonSealed", .button = &F::ButtonSealed, .click = &F::ButtonSealedClick},
    {.name = "ButtonText", .button = &F::ButtonText, .click = &F::ButtonTextClick},
    {.name = "SpeedButtonGetLay", .button = &F::SpeedButtonGetLay, .click = &F::SpeedButtonGetLayClick},
    {.name = "SpeedButton1", .button = &F::SpeedButton1, .click = &F::SpeedButton1Click},
    {.name = "SpeedButtonKpMark", .button = &F::SpeedButtonKpMark, .click = &F::SpeedButtonKpMarkClick},
    {.name = "SpeedButton3", .button = &F::SpeedButton3, .click = &F::SpeedButton3Click},
    {.name = "SpeedButton5", .button = &F::SpeedButton5, .click = &F::SpeedButton5Click},
    {.name = "SpeedButtonHeight", .button = &F::SpeedButtonHeight, .click = &F::SpeedButtonHeightClick},
    {.name = "SpeedButton4", .button = &F::SpeedButton4, .click = &F::SpeedButtonHeightClick},
    {.name = "SpeedButton6", .button = &F::SpeedButton6, .click = &F::SpeedButtonHeightClick},
    {.name = "SpeedButton17", .button = &F::SpeedButton17, .click = &F::SpeedButtonHeightClick},
    {.name = "CheckLayer", .check = &F::CheckLayer},
    {.name = "CheckBlock", .check = &F::CheckBlock},
    {.name = "CheckLine", .check = &F::CheckLine},
    {.name = "CheckCircle", .check = &F::CheckCircle},
    {.name = "CheckArc", .check = &F::CheckArc},
    {.name = "CheckLWP", .check = &F::CheckLWP},
    {.name = "CheckKpLayer", .check = &F::CheckKpLayer},
    {.name = "CheckKpMark", .check = &F::CheckKpMark, .click = &F::CheckKpMarkClick},
    {.name = "CheckCmdLine", .check = &F::CheckCmdLine},
    {.name = "CheckSelect", .check = &F::CheckSelect},
    {.name = "CheckMin", .check = &F::CheckMin},
    {.name = "CheckActive", .check = &F::CheckActive},
    {.name = "CheckMouse", .check = &F::CheckMouse},
    {.name = "CheckExplode", .check = &F::CheckExplode},
    {.name = "CheckFillet", .check = &F::CheckFillet},
    {.name = "CheckFilletAll", .check = &F::CheckFilletAll},
    {.name = "EditLayer", .edit = &F::EditLayer},
    {.name = "EditBlock", .edit = &F::EditBlock},
    {.name = "EditKpMark", .edit = &F::EditKpMark},
    {.name = "EditKpLayer", .edit = &F::EditKpLayer},
    {.name = "EditKpRad", .edit = &F::EditKpRad},
    {.name = "EditLastChar", .edit = &F::EditLastChar},
    {.name = "EditMin", .edit = &F::EditMin},
    {.name = "EditFrad", .edit = &F::EditFrad},
    {.name = "EditFrad2", .edit = &F::EditFrad2},
    {.name = "Label2", .label = &F::Label2},
    {.name = "Label4", .label = &F::Label4},
    {.name = "Label8", .label = &F::Label8},
};

}  // namespace

const PaletteControl* FindPaletteControl(std::string_view name) {
    for (const PaletteControl& control : kControls)
        if (control.name == name) return &control;
    return nullptr;
}

}  // namespace kv::scenario
