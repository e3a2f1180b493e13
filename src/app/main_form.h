// The palette's main window as a portable model: its controls, one handler per
// control event, and the two timer ticks that drive the operations.
#pragma once

#include <functional>
#include <string>

#include "app/block_page.h"
#include "app/keyword_watcher.h"
#include "app/main_page.h"
#include "app/polyline_page.h"
#include "app/settings_file.h"
#include "app/text_page.h"
#include "operation/op_context.h"
#include "polyline/rectangle_edit_form.h"
#include "wires/cut_engine.h"

namespace kv {

inline constexpr std::string_view kAppTitle = "Korvane2K Ver.1.75";

inline constexpr int kClientWidth = 336;
inline constexpr int kClientHeightCollapsed = 76;
inline constexpr int kClientHeightExpanded = 320;
inline constexpr int kBlockTabIndex = 2;

// What the view knows of the screen and of the window's border when the form is created.
struct ScreenMetrics {
    int screenWidth = 0;
    int screenHeight = 0;
    int frameWidth = 0;   // window width minus client width
    int frameHeight = 0;  // window height minus client height
};

struct PageControlState {
    int activePageIndex = 0;  // 0 Main, 1 text, 2 block, 3 15PL
    int height = kClientHeightCollapsed - 2;
};

class TFormKvaneMain : public OpContext {
public:
    TFormKvaneMain(WindowSystem& windows, Ui& ui, Clock& clock, Files& files, std::string executablePath);

    // --- the window
    std::string Caption{kAppTitle};
    int Left = 0;  // window position on the screen; the view keeps it current
    int Top = 0;
    int ClientWidth = kClientWidth;
    int ClientHeight = kClientHeightCollapsed;
    PageControlState PageControl1;
    // The pages, each with its one table of controls (app/palette_layout.h).
    MainPage main;
    TextPage text;
    BlockPage block;
    PolylinePage polyline;

    // Made with the form and kept for the tool that opens it.
    TFormRecEd FormRecEd;

    // The view sets this to let pending window messages through at the start of a tick.
    std::function<void()> ProcessMessages;

    // The view calls LoadSettings once right after creating the form, before showing it,
    // and SaveSettings once when the window is destroyed, after copying its position into
    // Left and Top. SaveSettings is false when the options could be written nowhere.
    void LoadSettings(const SettingsFile& settings, const ScreenMetrics& screen);
    bool SaveSettings(SettingsFile& settings);

    // --- handlers
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
    void RunQueued(int code);

private:
    struct Start;
    void StartOperation(const Start& start);
    void StartPicker(int state, bool alwaysSaveSnap);
    bool BlockFigureChecked() const;
    // The main tab's trim options as the cut engine takes them.
    CutOptions TrimOptions() const;
    // The steps of the trim tools and their pick buttons; false when the state is none of theirs.
    bool RunTrimStep();
    // The steps of line drawing (102, 152), the junction tool (11, 12) and its block pick (551).
    void LineDrawStep();
    void JunctionToolStep();
    void JunctionBlockPick();
    // False when the state has no step.
    bool RunStep();
    void RestoreTitleUnlessBlockTab();
    // The event and tick boundary: a conversion error is shown and ends the operation.
    void Guarded(const std::function<void()>& body);

    void PressKeywordButton(Keyword keyword);

    bool ticking_ = false;
    bool watching_ = false;
    // The command line at which a keyword's button refused to start; not pressed again
    // until the line changes.
    std::string refusedPrompt_;
};

}  // namespace kv
