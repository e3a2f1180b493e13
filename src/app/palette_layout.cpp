#include "app/palette_layout.h"

#include <array>

namespace kv {

namespace {

using P = PalettePage;
using K = ControlKind;

constexpr int kRowHeight = 22;
constexpr int kButtonWidth = 38;
constexpr int kSecondRowY = 24;
// The "↓"/"↑" button sits at the same place on every tab.
constexpr PixelRect kHeightButton{307, 1, 20, kRowHeight};

constexpr PixelRect Cell(int column, int y) { return {1 + column * kButtonWidth, y, kButtonWidth, kRowHeight}; }

constexpr PaletteControl Command(PixelRect r, ButtonControl Form::*b, void (Form::*click)(),
                                 void (Form::*down)(MouseButton) = nullptr) {
    return {.page = P::Main, .kind = K::Button, .rect = r, .button = b, .click = click, .mouseDown = down};
}

constexpr PaletteControl Button(P page, PixelRect r, ButtonControl Form::*b, void (Form::*click)()) {
    return {.page = page, .kind = K::Button, .rect = r, .button = b, .click = click};
}

constexpr PaletteControl Check(P page, PixelRect r, CheckControl Form::*c, void (Form::*click)() = nullptr) {
    return {.page = page, .kind = K::Check, .rect = r, .check = c, .click = click};
}

constexpr PaletteControl Edit(P page, PixelRect r, EditControl Form::*e, void (Form::*key)(char&) = nullptr) {
    return {.page = page, .kind = K::Edit, .rect = r, .edit = e, .keyPress = key};
}

constexpr PaletteControl Group(P page, PixelRect r, std::string_view text) {
    return {.page = page, .kind = K::Group, .rect = r, .text = text};
}

constexpr PaletteControl Text(P page, PixelRect r, std::string_view text) {
    return {.page = page, .kind = K::Text, .rect = r, .text = text};
}

constexpr PaletteControl Status(P page, PixelRect r, LabelControl Form::*l, bool grey) {
    return {.page = page, .kind = K::Label, .rect = r, .label = l, .grey = grey};
}

// Groups come before the controls inside them: they are created first and so lie below.
constexpr auto kControls = std::to_array<PaletteControl>({
    // --- Main: two rows of command buttons, always visible
    Command(Cell(0, 1), &Form::SpeedButtonUndo, &Form::SpeedButtonUndoClick),
    Command(Cell(1, 1), &Form::SpeedButton2, &Form::SpeedButton2Click),
    Command(Cell(2, 1), &Form::ButtonDraw, &Form::ButtonDrawClick, &Form::ButtonDrawMouseDown),
    Command(Cell(3, 1), &Form::ButtonLdrawN, &Form::ButtonLdrawNClick),
    Command(Cell(4, 1), &Form::ButtonSelect, &Form::ButtonSelectClick, &Form::ButtonSelectMouseDown),
    Command(Cell(5, 1), &Form::ButtonLpick, &Form::ButtonLpickClick),
    Command(Cell(6, 1), &Form::ButtonBErase, &Form::ButtonBEraseClick, &Form::ButtonBEraseMouseDown),
    Command(Cell(7, 1), &Form::ButtonBMove, &Form::ButtonBMoveClick, &Form::ButtonBMoveMouseDown),
    Button(P::Main, kHeightButton, &Form::SpeedButtonHeight, &Form::SpeedButtonHeightClick),
    Command(Cell(0, kSecondRowY), &Form::ButtonBCopy, &Form::ButtonBCopyClick, &Form::ButtonBCopyMouseDown),
    Command(Cell(1, kSecondRowY), &Form::ButtonBCut, &Form::ButtonBCutClick, &Form::ButtonBCutMouseDown),
    Command(Cell(2, kSecondRowY), &Form::ButtonKpMark, &Form::ButtonKpMarkClick),
    Command(Cell(3, kSecondRowY), &Form::ButtonCStretch, &Form::ButtonCStretchClick),
    Command(Cell(4, kSecondRowY), &Form::ButtonLJoint, &Form::ButtonLJointClick),
    Command(Cell(5, kSecondRowY), &Form::ButtonTW, &Form::ButtonTWClick),
    Command(Cell(6, kSecondRowY), &Form::ButtonSealed, &Form::ButtonSealedClick),
    Command(Cell(7, kSecondRowY), &Form::ButtonText, &Form::ButtonTextClick),

    // --- Main, expanded: left column
    Group(P::Main, {0, 50, 164, 100}, "ﾄﾘﾑ対象の画層,ﾌﾞﾛｯｸ名"),
    Check(P::Main, {6, 66, 154, 16}, &Form::CheckLayer),
    Edit(P::Main, {6, 84, 124, 20}, &Form::EditLayer),
    Button(P::Main, {134, 84, 24, 20}, &Form::SpeedButtonGetLay, &Form::SpeedButtonGetLayClick),
    Check(P::Main, {6, 106, 154, 16}, &Form::CheckBlock),
    Edit(P::Main, {6, 124, 124, 20}, &Form::EditBlock),
    Button(P::Main, {134, 124, 24, 20}, &Form::SpeedButton1, &Form::SpeedButton1Click),
    Group(P::Main, {0, 152, 164, 56}, "検出するﾌﾞﾛｯｸ内の図形"),
    Check(P::Main, {6, 168, 72, 16}, &Form::CheckLine),
    Check(P::Main, {82, 168, 76, 16}, &Form::CheckCircle),
    Check(P::Main, {6, 186, 72, 16}, &Form::CheckArc),
    Check(P::Main, {82, 186, 76, 16}, &Form::CheckLWP),
    Group(P::Main, {0, 210, 164, 38}, "LDraw 時の交点処理"),
    Check(P::Main, {6, 226, 154, 16}, &Form::CheckKpMark, &Form::CheckKpMarkClick),
    Group(P::Main, {0, 250, 164, 38}, "BCopy,BMove,BErase 時"),
    Check(P::Main, {6, 266, 154, 16}, &Form::CheckSelect),

    // --- Main, expanded: right column
    Group(P::Main, {166, 50, 162, 140}, "交点ﾌﾞﾛｯｸ"),
    Text(P::Main, {172, 69, 48, 14}, "ﾌﾞﾛｯｸ名"),
    Edit(P::Main, {222, 66, 74, 20}, &Form::EditKpMark),
    Button(P::Main, {298, 66, 24, 20}, &Form::SpeedButtonKpMark, &Form::SpeedButtonKpMarkClick),
    Button(P::Main, {222, 90, 100, 20}, &Form::SpeedButton5, &Form::SpeedButton5Click),
    Check(P::Main, {172, 116, 150, 16}, &Form::CheckKpLayer),
    Text(P::Main, {172, 137, 48, 14}, "画層"),
    Edit(P::Main, {222, 134, 100, 20}, &Form::EditKpLayer),
    Text(P::Main, {172, 163, 24, 14}, "検出"),
    Text(P::Main, {196, 163, 24, 14}, "範囲"),
    Edit(P::Main, {222, 160, 34, 20}, &Form::EditKpRad, &Form::EditKpRadKeyPress),
    Text(P::Main, {258, 163, 66, 14}, "xDIMSCALE"),
    Group(P::Main, {166, 194, 162, 60}, "ｺﾏﾝﾄﾞﾗｲﾝ"),
    Check(P::Main, {172, 210, 150, 16}, &Form::CheckCmdLine),
    Text(P::Main, {172, 233, 84, 14}, "最後の判断文字"),
    Edit(P::Main, {258, 230, 30, 20}, &Form::EditLastChar),
    Status(P::Main, {172, 264, 40, 14}, &Form::Label2, true),
    Status(P::Main, {216, 264, 40, 14}, &Form::Label4, true),

    // --- the other tabs: for now their "↓"/"↑" buttons and the options the settings keep
    Button(P::Text, kHeightButton, &Form::SpeedButton4, &Form::SpeedButtonHeightClick),
    Button(P::Block, kHeightButton, &Form::SpeedButton6, &Form::SpeedButtonHeightClick),
    Button(P::Pl15, kHeightButton, &Form::SpeedButton17, &Form::SpeedButtonHeightClick),
    Group(P::Pl15, {0, 50, 164, 80}, "15/30/45PLINE"),
    Check(P::Pl15, {6, 66, 154, 16}, &Form::CheckExplode),
    Check(P::Pl15, {6, 86, 154, 16}, &Form::CheckFillet),
    Edit(P::Pl15, {6, 106, 44, 20}, &Form::EditFrad),
    Text(P::Pl15, {52, 109, 72, 14}, "×DIMSCALE"),
    Group(P::Pl15, {166, 50, 162, 80}, "ﾌｨﾚｯﾄ"),
    Text(P::Pl15, {172, 69, 28, 14}, "半径"),
    Edit(P::Pl15, {202, 66, 44, 20}, &Form::EditFrad2),
    Text(P::Pl15, {248, 69, 66, 14}, "xDIMSCALE"),
    Check(P::Pl15, {172, 92, 150, 16}, &Form::CheckFilletAll),

    // --- on the form below the client area at either height: never seen
    Button(P::Form, {4, 330, 40, 22}, &Form::SpeedButton3, &Form::SpeedButton3Click),
    Status(P::Form, {50, 334, 120, 14}, &Form::Label8, false),
    Group(P::Form, {4, 358, 164, 62}, "作成線分"),
    Check(P::Form, {10, 374, 154, 16}, &Form::CheckMin),
    Edit(P::Form, {10, 394, 60, 20}, &Form::EditMin),
    Text(P::Form, {72, 397, 72, 14}, "×DIMSCALE"),
    Group(P::Form, {170, 358, 162, 62}, "ｺﾏﾝﾄﾞ終了後"),
    Check(P::Form, {176, 374, 150, 16}, &Form::CheckActive),
    Check(P::Form, {176, 394, 150, 16}, &Form::CheckMouse),
});

}  // namespace

std::span<const PaletteControl> PaletteControls() { return kControls; }

}  // namespace kv
