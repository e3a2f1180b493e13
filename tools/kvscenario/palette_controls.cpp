#include "palette_controls.h"

#include <vector>

#include "app/palette_layout.h"

namespace kv::scenario {

namespace {

using F = TFormKvaneMain;

// Kept in step with the form: a control missing here cannot be named by a scenario.
// Click and mouse-down handlers are taken from the layout table below.

const PaletteControl kControls[] = {
    {.name = "SpeedButtonUndo", .button = &F::SpeedButtonUndo},
    {.name = "SpeedButton2", .button = &F::SpeedButton2},
    {.name = "ButtonDraw", .button = &F::ButtonDraw},
    {.name = "ButtonLdrawN", .button = &F::ButtonLdrawN},
    {.name = "ButtonSelect", .button = &F::ButtonSelect},
    {.name = "ButtonLpick", .button = &F::ButtonLpick},
    {.name = "ButtonBErase", .button = &F::ButtonBErase},
    {.name = "ButtonBMove", .button = &F::ButtonBMove},
    {.name = "ButtonBCopy", .button = &F::ButtonBCopy},
    {.name = "ButtonBCut", .button = &F::ButtonBCut},
    {.name = "ButtonKpMark", .button = &F::ButtonKpMark},
    {.name = "ButtonCStretch", .button = &F::ButtonCStretch},
    {.name = "ButtonLJoint", .button = &F::ButtonLJoint},
    {.name = "ButtonTW", .button = &F::ButtonTW},
    {.name = "ButtonSealed", .button = &F::ButtonSealed},
    {.name = "ButtonText", .button = &F::ButtonText},
    {.name = "SpeedButtonGetLay", .button = &F::SpeedButtonGetLay},
    {.name = "SpeedButton1", .button = &F::SpeedButton1},
    {.name = "SpeedButtonKpMark", .button = &F::SpeedButtonKpMark},
    {.name = "SpeedButton3", .button = &F::SpeedButton3},
    {.name = "SpeedButton5", .button = &F::SpeedButton5},
    {.name = "SpeedButtonHeight", .button = &F::SpeedButtonHeight},
    {.name = "SpeedButton4", .button = &F::SpeedButton4},
    {.name = "SpeedButton6", .button = &F::SpeedButton6},
    {.name = "SpeedButton17", .button = &F::SpeedButton17},
    {.name = "CheckLayer", .check = &F::CheckLayer},
    {.name = "CheckBlock", .check = &F::CheckBlock},
    {.name = "CheckLine", .check = &F::CheckLine},
    {.name = "CheckCircle", .check = &F::CheckCircle},
    {.name = "CheckArc", .check = &F::CheckArc},
    {.name = "CheckLWP", .check = &F::CheckLWP},
    {.name = "CheckKpLayer", .check = &F::CheckKpLayer},
    {.name = "CheckKpMark", .check = &F::CheckKpMark},
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

// Handlers as the palette's window wires them, so that a story presses what a user can.
std::vector<PaletteControl> WithLayout() {
    std::vector<PaletteControl> controls(std::begin(kControls), std::end(kControls));
    const auto layout = PaletteControls();
    for (PaletteControl& c : controls) {
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const kv::PaletteControl& l = layout[i];
            if ((c.button && l.button == c.button) || (c.check && l.check == c.check) ||
                (c.edit && l.edit == c.edit) || (c.label && l.label == c.label)) {
                c.layoutIndex = static_cast<int>(i);
                c.click = l.click;
                c.mouseDown = l.mouseDown;
                break;
            }
        }
    }
    return controls;
}

}  // namespace

const PaletteControl* FindPaletteControl(std::string_view name) {
    static const std::vector<PaletteControl> controls = WithLayout();
    for (const PaletteControl& control : controls)
        if (control.name == name) return &control;
    return nullptr;
}

}  // namespace kv::scenario
