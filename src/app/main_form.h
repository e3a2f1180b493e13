// The palette's main window as a portable model: its controls, one handler per
// control event, and the two timer ticks that drive the operations.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/block_page.h"
#include "app/keyword_watcher.h"
#include "app/main_page.h"
#include "app/polyline_page.h"
#include "app/settings_file.h"
#include "app/text_page.h"
#include "blocks/block_drag_step.h"
#include "operation/op_context.h"
#include "platform/form_controls.h"
#include "platform/settings_access.h"
#include "polyline/element_move_form.h"
#include "polyline/polyline_memory.h"
#include "polyline/rectangle_edit_form.h"
#include "text/two_line_form.h"
#include "text/two_line_settings.h"
#include "text/wire_number_form.h"
#include "text/wire_number_settings.h"
#include "text/text_form.h"
#include "text/text_placement.h"

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
    // The pages, each with its one table of controls (app/palette_layout.h).
    MainPage main;
    TextPage text;
    BlockPage block;
    PolylinePage polyline;

    // Made with the form and kept for the tool that opens it.
    TFormRecEd FormRecEd;
    // Shown by element move; its values are kept in the settings file.
    TFormEMove FormEMove;
    TimerControl Timer1{false, kTimer1Interval};  // drives the operation steps
    TimerControl Timer2{true, kTimer2Interval};   // watches the host's command line
    // A main-tab button that the steps enable; the main page's table reaches it here.
    ButtonControl SpeedButtonUndo{"Undo", "元に戻す", false};

    // The view sets this to let pending window messages through at the start of a tick.
    std::function<void()> ProcessMessages;

    // The running operation; the steps of the timer states work on it.
    OpContext op;
    // The block move or copy between its pick and its destination.
    BlockDragMemory blockDrag;
    // The polyline tools' values from one state, or one use, to the next.
    PolylineMemory polylineMemory;
    // The text being placed, and the text dialog while it is open (its reference pick fills it).
    TextPlacement textPlacement;
    TFormText* OpenTextForm = nullptr;
    uint32_t ReferenceMask = 0;
    // Set by a step whose text dialog opens again once the tick is over, so that the dialog's
    // own picks tick meanwhile.
    int TextButtonToReopen = 0;

    // The settings file while the palette runs (a stored text preset, the dialogs' kept
    // values); set by the view.
    SettingsAccess Settings;

    // The text tools' dialogs and what they keep for the whole run.
    TFormSenban FormSenban;
    WireNumberSettings wireNumbers;
    TFormText2 FormText2;
    TwoLineSettings twoLine;

    // The view calls LoadSettings once right after creating the form, before showing it,
    // and SaveSettings once when the window is destroyed, after copying its position into
    // Left and Top. SaveSettings is false when the options could be written nowhere.
    void LoadSettings(const SettingsFile& settings, const ScreenMetrics& screen);
    bool SaveSettings(SettingsFile& settings);

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
    void ButtonSenbanClick();
    void ButtonMainClick();
    // Discards every key but digits, ".", Enter and Backspace (sets it to 0).
    void EditKpRadKeyPress(char& key);
    // The 15PL tab. Its buttons take over from a running operation instead of queueing.
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button9Click();
    void Button10Click();
    void Button8Click();
    void Button4Click();
    void CheckExplodeClick();
    void EditFradKeyPress(char& key);
    void EditFrad2Change();
    void EditFrad2KeyPress(char& key);

    // Shared by the four "↓"/"↑" buttons.
    void SpeedButtonHeightClick();
    void PageControl1Change();

    // The text tab.
    template <int n>
    void ButtonTxtClick() {
        textPlacement.PrefixIndex = 0;
        StartTextButton(n);
    }
    // The right button selects the button's preset for editing.
    template <int n>
    void ButtonTxtMouseDown(MouseButton button) {
        if (button == MouseButton::Right) SelectTextPreset(n);
    }
    void UpDown1Click();
    void EditBtnNoChange();
    void Button1Click();
    // Shared by the four number fields of the preset editor: digits, ".", "-", Enter, Backspace.
    void EditBtnTxtHKeyPress(char& key);
    void SpeedTxtStyClick();
    void ButtonTxt15Click();

    void Timer1Timer();
    void Timer2Timer();

    // --- the block tab: libraries, previews and insertion
    // Lists the libraries and shows the first; the view calls it once after LoadSettings.
    void ShowLibraries();
    void ComboBox1Change();
    void SpeedButton8Click();
    void ListBox1Click();
    void ListBox1DblClick();
    void SpeedButton7Click();
    void ButtonIniClick();
    void Button2Click();
    void Button3Click();
    void CheckAttreqClick();
    // CheckXrev, CheckYrev, CheckKiten and a change of EditKakudo: the previews follow.
    void PreviewOptionClick();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton13Click();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    // Digits, ".", "-", Enter and Backspace only.
    void EditSyakudoKeyPress(char& key);
    void EditKakudoKeyPress(char& key);
    template <int slot>
    void ImageClick() {
        InsertFromSlot(slot);
    }
    template <int slot>
    void ImageMouseDown(int x, int y) {
        ChooseSlotBase(slot, x, y);
    }
    template <int slot>
    void ImageMouseMove(int, int) {
        ShowSlotCaption(slot);
    }
    // The options the insertion steps read.
    InsertOptions InsertOptionsNow();
    // The library's caption on the block tab, else the title.
    void ShowLibraryCaption();
    // The executable's folder, which holds the libraries, and the selected library.
    std::string LibraryRoot() const;
    std::string SelectedFolder() const;

    // Runs the button a queue code names (the wire-number codes restart without a dialog).
    void RunQueued(QueueCode code);
    // The two-line label's dialog again, after a label was placed with repeat on.
    void TwoLineTextAgain();
    // The two-line label's dialog, and the label hung on the cursor in `state` once confirmed.
    void TwoLineLabel(State state, bool repeatAllowed);
    // Picks a text whose number and look the wire-number dialog takes over.
    void StartWireNumberTextPick();

private:
    void SwitchLibrary();
    void ShowPreviews();
    void InsertEntry(int entry);
    void InsertFromSlot(int slot);
    void ChooseSlotBase(int slot, int x, int y);
    void ShowSlotCaption(int slot);
    void TurnRotation(double degrees);

    // Timer1's tick without the text dialog it may open again afterwards.
    void StepTick();
    void StartTextButton(int n);
    // False when a number field or the counter is no number (the message is shown).
    bool TakeConfirmedText(const TFormText& dialog, int n, const TTextBtn& preset);
    void SelectTextPreset(int n);
    void StartTextReference();
    // A sibling program in the palette's folder, started with "/E".
    void LaunchBeside(std::string_view program);
    // The prologue of the operation's button: the caption, the host to the front and its
    // command cancelled; from idle the row's first command, else the button is queued.
    void StartOperation(QueueCode code);
    void StartFromIdle(const Operation& operation);
    void StartPicker(State state);
    // A 15PL button: a running operation is ended with its host values typed back first.
    void StartPolylineTool(double stepAngle, const std::function<void(OpContext&)>& start);
    bool BlockFigureChecked() const;
    void RestoreTitleUnlessBlockTab();
    void Guarded(const std::function<void()>& body);
    void EndAfterError(const std::string& message);

    // The settings file the form was loaded from, for the tools that read and write it while
    // running; empty when none was loaded.
    bool ticking_ = false;
    bool watching_ = false;
    // The command line at which a keyword's button refused to start; not pressed again
    // until the line changes.
    std::string refusedPrompt_;
};

}  // namespace kv
