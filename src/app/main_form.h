// The palette's main window as a portable model: its controls, one handler per
// control event, and the two timer ticks that drive the operations.
#pragma once

#include <functional>
#include <string>

#include "app/settings_file.h"
#include "operation/op_context.h"
#include "platform/canvas.h"
#include "platform/form_controls.h"

namespace kv {

inline constexpr std::string_view kAppTitle = "Korvane2K Ver.1.75";

inline constexpr int kClientWidth = 336;
inline constexpr int kClientHeightCollapsed = 76;
inline constexpr int kClientHeightExpanded = 320;
inline constexpr int kBlockTabIndex = 2;
inline constexpr int kTimer1Interval = 50;
inline constexpr int kTimer2Interval = 200;

// What the view knows of the screen and of the window's border when the form is created.
struct ScreenMetrics {
    int screenWidth = 0;
    int screenHeight = 0;
    int frameWidth = 0;   // window width minus client width
    int frameHeight = 0;  // window height minus client height
};

struct Operation;

struct PageControlState {
    int activePageIndex = 0;  // 0 Main, 1 text, 2 block, 3 15PL
    int height = kClientHeightCollapsed - 2;
};

class TFormKvaneMain {
public:
    TFormKvaneMain(WindowSystem& windows, Ui& ui, Clock& clock, Files& files, std::string executablePath);

    // --- the window
    std::string Caption{kAppTitle};
    int Left = 0;  // window position on the screen; the view keeps it current
    int Top = 0;
    int ClientWidth = kClientWidth;
    int ClientHeight = kClientHeightCollapsed;
    PageControlState PageControl1;
    ButtonControl SpeedButtonHeight{"↓", "設定表示/非表示"};
    ButtonControl SpeedButton4{"↓", "設定表示/非表示"};
    ButtonControl SpeedButton6{"↓", "設定表示/非表示"};
    ButtonControl SpeedButton17{"↓", "設定表示/非表示"};
    LabelControl Label2;  // OpState at the start of a tick
    LabelControl Label4;  // OpState at its end
    TimerControl Timer1{false, kTimer1Interval};  // drives the operation steps
    TimerControl Timer2{true, kTimer2Interval};   // watches the host's command line

    // --- main tab: command buttons
    ButtonControl SpeedButtonUndo{"Undo", "元に戻す", false};
    ButtonControl SpeedButton2{"[ESC]", "ｷｬﾝｾﾙ発行"};
    ButtonControl ButtonDraw{"線分", "線分の始点-終点を指示"};
    ButtonControl ButtonLdrawN{"線分.", "始点、終点のみ交点作成", false};
    ButtonControl ButtonSelect{"Lﾄﾘﾑ", "ﾄﾘﾑする線分を１本選択"};
    ButtonControl ButtonLpick{"Lｶｯﾄ", "ｶｯﾄする線分を選択"};
    ButtonControl ButtonBErase{"B削除", "削除するﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBMove{"B移動", "移動するﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBCopy{"Bｺﾋﾟｰ", "ｺﾋﾟｰするﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBCut{"Bﾄﾘﾑ", "ﾄﾘﾑするﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonKpMark{"交点", "交点ﾌﾞﾛｯｸ削除/挿入"};
    ButtonControl ButtonCStretch{"ｽﾄﾚｯﾁ", "矩形範囲をｽﾄﾚｯﾁ"};
    ButtonControl ButtonLJoint{"結合", "複数線分を一気に結合"};
    ButtonControl ButtonTW{"ﾂｲｽﾄ", "２点指示で、２線をﾂｲｽﾄに"};
    ButtonControl ButtonSealed{"ｼｰﾙﾄﾞ", "２点指示でｼｰﾙﾄﾞ線を描く"};
    ButtonControl ButtonText{"属性", "属性一括編集"};

    // --- main tab: options ("ﾄﾘﾑ対象の画層,ﾌﾞﾛｯｸ名")
    CheckControl CheckLayer{"対象ﾌﾞﾛｯｸの画層を固定"};
    EditControl EditLayer;
    ButtonControl SpeedButtonGetLay{"...", "ﾌﾞﾛｯｸを１つ選択"};
    CheckControl CheckBlock{"特定ﾌﾞﾛｯｸを対象から除く"};
    EditControl EditBlock;
    ButtonControl SpeedButton1{"...", "除外するﾌﾞﾛｯｸを１つ選択"};
    // "検出するﾌﾞﾛｯｸ内の図形"
    CheckControl CheckLine{"LINE", true};
    CheckControl CheckCircle{"CIRCLE", true};
    CheckControl CheckArc{"ARC", true};
    CheckControl CheckLWP{"PLINE", false};
    // "交点ﾌﾞﾛｯｸ"
    EditControl EditKpMark;
    EditControl EditKpLayer;
    CheckControl CheckKpLayer{"挿入画層を固定"};
    EditControl EditKpRad{"1.0"};
    ButtonControl SpeedButtonKpMark{"...", "交点に使用するﾌﾞﾛｯｸを１つ選択"};
    ButtonControl SpeedButton5{"I_KOUTEN ﾛｰﾄﾞ", ""};
    // "LDraw 時の交点処理"
    CheckControl CheckKpMark{"自動交点処理をする"};
    // "ｺﾏﾝﾄﾞﾗｲﾝ"
    CheckControl CheckCmdLine{"ｺﾏﾝﾄﾞﾗｲﾝを監視", true};
    EditControl EditLastChar{"."};
    // "BCopy,BMove,BErase 時"
    CheckControl CheckSelect{"複数図形を選択する"};

    // --- below the visible area
    ButtonControl SpeedButton3{"BMP", ""};
    LabelControl Label8;
    // The block tab's first preview picture, which the picture capture fills; the view supplies
    // its surface. Without one the capture still finds and names the block, and grabs nothing.
    Canvas* Image1 = nullptr;
    CheckControl CheckMin{"以下の線分は作成しない"};
    EditControl EditMin{"5.0"};
    CheckControl CheckActive{"本ｱﾌﾟﾘをｱｸﾃｨﾌﾞにする"};
    CheckControl CheckMouse{"ﾏｳｽをﾎﾞﾀﾝ上に戻す"};

    // --- 15PL tab: the options the settings file keeps
    EditControl EditFrad{"10"};
    CheckControl CheckExplode{"分解 (LINE化)する", true};
    CheckControl CheckFillet{"ﾌｨﾚｯﾄする", true};
    EditControl EditFrad2{"10"};
    CheckControl CheckFilletAll{"繋がる線分を一括で"};

    // The view sets this to let pending window messages through at the start of a tick.
    std::function<void()> ProcessMessages;

    // The running operation; the steps of the timer states work on it.
    OpContext op;

    // The view calls LoadSettings once right after creating the form, before showing it,
    // and SaveSettings once when the window is destroyed, after copying its position into
    // Left and Top. SaveSettings is false when the options could be written nowhere.
    void LoadSettings(const SettingsFile& settings, const ScreenMetrics& screen);
    bool SaveSettings(SettingsFile& settings) const;

    // --- handlers. Every one that reaches the host, a file or a dialog, and both ticks, is an
    // error boundary: whatever fails in it is shown, and the palette is left idle with the host
    // values the operation had changed typed back. The view need not catch anything.
    void ButtonDrawClick();
    void ButtonDrawMouseDown(MouseButton button);
    void ButtonLdrawNClick();
    void ButtonSelectClick();
    void ButtonSelectMouseDown(MouseButton button);
    void ButtonLpickClick();
    void ButtonBEraseClick();
    void ButtonBEraseMouseDown(MouseButton button);
    void ButtonBMoveClick();
    void ButtonBMoveMouseDown(MouseButton button);
    void ButtonBCopyClick();
    void ButtonBCopyMouseDown(MouseButton button);
    void ButtonBCutClick();
    void ButtonBCutMouseDown(MouseButton button);
    void ButtonKpMarkClick();
    void ButtonCStretchClick();
    void ButtonLJointClick();
    void ButtonTWClick();
    void ButtonSealedClick();
    void ButtonTextClick();
    void SpeedButtonUndoClick();
    void SpeedButton2Click();
    void SpeedButtonGetLayClick();
    void SpeedButton1Click();
    void SpeedButtonKpMarkClick();
    void SpeedButton3Click();
    // Defines the built-in junction block in the drawing and makes it the junction mark.
    void SpeedButton5Click();
    void CheckKpMarkClick();
    // Discards every key but digits, ".", Enter and Backspace (sets it to 0).
    void EditKpRadKeyPress(char& key);
    // Shared by the four "↓"/"↑" buttons.
    void SpeedButtonHeightClick();
    void PageControl1Change();

    void Timer1Timer();
    void Timer2Timer();

    // Runs the button a queue code names (the wire-number codes restart without a dialog).
    void RunQueued(QueueCode code);

private:
    // The prologue of the operation's button: the caption, the host to the front and its
    // command cancelled; from idle the row's first command, else the button is queued.
    void StartOperation(QueueCode code);
    void StartFromIdle(const Operation& operation);
    void StartPicker(State state, bool alwaysSaveSnap);
    bool BlockFigureChecked() const;
    void RestoreTitleUnlessBlockTab();
    void Guarded(const std::function<void()>& body);
    void EndAfterError(const std::string& message);

    bool ticking_ = false;
    bool watching_ = false;
    // The command line at which a keyword's button refused to start; not pressed again
    // until the line changes.
    std::string refusedPrompt_;
};

}  // namespace kv
