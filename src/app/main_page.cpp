#include <array>

#include "app/main_page.h"
#include "app/page_rows.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::main, member>;

ButtonControl& Undo(F& f) { return f.SpeedButtonUndo; }

using M = MainPage;

constexpr int kButtonWidth = 38;
constexpr int kSecondRowY = 24;

constexpr PixelRect Cell(int column, int y) { return {1 + column * kButtonWidth, y, kButtonWidth, kRowHeight}; }

constexpr auto kControls = std::to_array<Row>({
    // two rows of command buttons, always visible
    Button("SpeedButtonUndo", Cell(0, 1), Undo, &F::SpeedButtonUndoClick),
    Button("SpeedButton2", Cell(1, 1), On<&M::SpeedButton2>, &F::SpeedButton2Click),
    Button("ButtonDraw", Cell(2, 1), On<&M::ButtonDraw>, &F::ButtonDrawClick, &F::ButtonDrawMouseDown),
    Button("ButtonLdrawN", Cell(3, 1), On<&M::ButtonLdrawN>, &F::ButtonLdrawNClick),
    Button("ButtonSelect", Cell(4, 1), On<&M::ButtonSelect>, &F::ButtonSelectClick, &F::ButtonSelectMouseDown),
    Button("ButtonLpick", Cell(5, 1), On<&M::ButtonLpick>, &F::ButtonLpickClick),
    Button("ButtonBErase", Cell(6, 1), On<&M::ButtonBErase>, &F::ButtonBEraseClick, &F::ButtonBEraseMouseDown),
    Button("ButtonBMove", Cell(7, 1), On<&M::ButtonBMove>, &F::ButtonBMoveClick, &F::ButtonBMoveMouseDown),
    Button("SpeedButtonHeight", kHeightButton, On<&M::SpeedButtonHeight>, &F::SpeedButtonHeightClick),
    Button("ButtonBCopy", Cell(0, kSecondRowY), On<&M::ButtonBCopy>, &F::ButtonBCopyClick, &F::ButtonBCopyMouseDown),
    Button("ButtonBCut", Cell(1, kSecondRowY), On<&M::ButtonBCut>, &F::ButtonBCutClick, &F::ButtonBCutMouseDown),
    Button("ButtonKpMark", Cell(2, kSecondRowY), On<&M::ButtonKpMark>, &F::ButtonKpMarkClick),
    Button("ButtonCStretch", Cell(3, kSecondRowY), On<&M::ButtonCStretch>, &F::ButtonCStretchClick),
    Button("ButtonLJoint", Cell(4, kSecondRowY), On<&M::ButtonLJoint>, &F::ButtonLJointClick),
    Button("ButtonTW", Cell(5, kSecondRowY), On<&M::ButtonTW>, &F::ButtonTWClick),
    Button("ButtonSealed", Cell(6, kSecondRowY), On<&M::ButtonSealed>, &F::ButtonSealedClick),
    Button("ButtonText", Cell(7, kSecondRowY), On<&M::ButtonText>, &F::ButtonTextClick),

    // expanded: left column
    Group({0, 50, 164, 100}, "ﾄﾘﾑ対象の画層,ﾌﾞﾛｯｸ名"),
    Kept(Check("CheckLayer", {6, 66, 154, 16}, On<&M::CheckLayer>), CheckKey("Check", "Layer", 11, false)),
    Kept(Edit("EditLayer", {6, 84, 124, 20}, On<&M::EditLayer>), TextKey("Edit", "Layer", 1)),
    Button("SpeedButtonGetLay", {134, 84, 24, 20}, On<&M::SpeedButtonGetLay>, &F::SpeedButtonGetLayClick),
    Kept(Check("CheckBlock", {6, 106, 154, 16}, On<&M::CheckBlock>), CheckKey("Check", "Block", 12, false)),
    Kept(Edit("EditBlock", {6, 124, 124, 20}, On<&M::EditBlock>), TextKey("Edit", "Block", 2)),
    Button("SpeedButton1", {134, 124, 24, 20}, On<&M::SpeedButton1>, &F::SpeedButton1Click),
    Group({0, 152, 164, 56}, "検出するﾌﾞﾛｯｸ内の図形"),
    Kept(Check("CheckLine", {6, 168, 72, 16}, On<&M::CheckLine>), CheckKey("Check", "Line", 13, true)),
    Kept(Check("CheckCircle", {82, 168, 76, 16}, On<&M::CheckCircle>), CheckKey("Check", "Circle", 14, true)),
    Kept(Check("CheckArc", {6, 186, 72, 16}, On<&M::CheckArc>), CheckKey("Check", "Arc", 15, true)),
    Kept(Check("CheckLWP", {82, 186, 76, 16}, On<&M::CheckLWP>), CheckKey("Check", "LWPLine", 16, false)),
    Group({0, 210, 164, 38}, "LDraw 時の交点処理"),
    Kept(Check("CheckKpMark", {6, 226, 154, 16}, On<&M::CheckKpMark>, &F::CheckKpMarkClick),
         CheckKey("Check", "KpMark", 21, false)),
    Group({0, 250, 164, 38}, "BCopy,BMove,BErase 時"),
    Kept(Check("CheckSelect", {6, 266, 154, 16}, On<&M::CheckSelect>), CheckKey("Check", "Select", 23, false)),

    // expanded: right column
    Group({166, 50, 162, 140}, "交点ﾌﾞﾛｯｸ"),
    Text({172, 69, 48, 14}, "ﾌﾞﾛｯｸ名"),
    Kept(Edit("EditKpMark", {222, 66, 74, 20}, On<&M::EditKpMark>), TextKey("Edit", "KpMark", 5)),
    Button("SpeedButtonKpMark", {298, 66, 24, 20}, On<&M::SpeedButtonKpMark>, &F::SpeedButtonKpMarkClick),
    Button("SpeedButton5", {222, 90, 100, 20}, On<&M::SpeedButton5>, &F::SpeedButton5Click),
    Kept(Check("CheckKpLayer", {172, 116, 150, 16}, On<&M::CheckKpLayer>), CheckKey("Check", "KpLayer", 20, false)),
    Text({172, 137, 48, 14}, "画層"),
    Kept(Edit("EditKpLayer", {222, 134, 100, 20}, On<&M::EditKpLayer>), TextKey("Edit", "KpLayer", 4)),
    Text({172, 163, 24, 14}, "検出"),
    Text({196, 163, 24, 14}, "範囲"),
    Kept(Edit("EditKpRad", {222, 160, 34, 20}, On<&M::EditKpRad>, &F::EditKpRadKeyPress),
         TextKey("Edit", "KpRad", 6, "1.0")),
    Text({258, 163, 66, 14}, "xDIMSCALE"),
    Group({166, 194, 162, 60}, "ｺﾏﾝﾄﾞﾗｲﾝ"),
    Kept(Check("CheckCmdLine", {172, 210, 150, 16}, On<&M::CheckCmdLine>), CheckKey("Check", "CmdLine", 22, true)),
    Text({172, 233, 84, 14}, "最後の判断文字"),
    Kept(Edit("EditLastChar", {258, 230, 30, 20}, On<&M::EditLastChar>), TextKey("Edit", "CmdChar", 7, ".")),
    Status("Label2", {172, 264, 40, 14}, On<&M::Label2>, true),
    Status("Label4", {216, 264, 40, 14}, On<&M::Label4>, true),

    // on the form below the client area: "作成線分" and "ｺﾏﾝﾄﾞ終了後"
    OffPage(Group({4, 358, 164, 62}, "作成線分")),
    OffPage(Kept(Check("CheckMin", {10, 374, 154, 16}, On<&M::CheckMin>),
                 WrittenOnly(CheckKey("Check", "Min", 17, false)))),
    OffPage(Kept(Edit("EditMin", {10, 394, 60, 20}, On<&M::EditMin>), TextKey("Edit", "Min", 3, "5.0"))),
    OffPage(Text({72, 397, 72, 14}, "×DIMSCALE")),
    OffPage(Group({170, 358, 162, 62}, "ｺﾏﾝﾄﾞ終了後")),
    OffPage(Kept(Check("CheckActive", {176, 374, 150, 16}, On<&M::CheckActive>),
                 WrittenOnly(CheckKey("Check", "Active", 18, false)))),
    OffPage(Kept(Check("CheckMouse", {176, 394, 150, 16}, On<&M::CheckMouse>),
                 WrittenOnly(CheckKey("Check", "Mouse", 19, false)))),
});

}  // namespace

std::span<const PaletteRow> MainPageControls() { return kControls; }

}  // namespace kv
