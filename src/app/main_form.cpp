#include "app/main_form.h"

#include "base/paths.h"
#include "base/strings.h"
#include "operation/step_round_trip.h"
#include "wires/junction_block.h"

namespace kv {

namespace {

constexpr std::string_view kUndoFailed = "UNDO 出来ませんでした.  ";
constexpr std::string_view kEverythingUndone = "すべての操作が取り消";
constexpr std::string_view kAttributeEditor = "mikosu.exe";
constexpr std::string_view kCollapsed = "↓";
constexpr std::string_view kExpanded = "↑";
constexpr std::string_view kBlockNotLoaded = "I_KOUTEN を定義できませんでした.  ";
constexpr std::string_view kNotRestored = "AutoCAD の設定値 (SNAPMODE など) が戻っていない可能性があります.  ";

}  // namespace

TFormKvaneMain::TFormKvaneMain(WindowSystem& windows, Ui& ui, Clock& clock, Files& files, std::string executablePath)
    : op(Timer1, SpeedButtonUndo, windows, ui, clock, files, std::move(executablePath)) {}

void TFormKvaneMain::Guarded(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        EndAfterError(e.what());
    }
}

void TFormKvaneMain::EndAfterError(const std::string& message) {
    op.LastOp = QueueCode::kNone;
    std::string shown = message;
    try {
        op.AbandonOperation();
    } catch (const std::exception&) {
        // The host failed again while its values were typed back; the palette still goes idle.
        op.EndOperation();
        op.ClearRestores();
        shown.append("\n").append(kNotRestored);
    }
    RestoreTitleUnlessBlockTab();
    op.ui.ShowMessage(shown, MessageButtons::Ok);
}

void TFormKvaneMain::RestoreTitleUnlessBlockTab() {
    if (PageControl1.activePageIndex != kBlockTabIndex) Caption = kAppTitle;
}

void TFormKvaneMain::SpeedButtonUndoClick() {
    SpeedButtonUndo.enabled = false;
    // The timer runs on: its next tick shows the title and starts a queued button.
    op.OpState = kIdle;
    Caption = "Undo B";
    Guarded([this] {
        op.host.SendCommand("\x03UNDO B ");
        const bool declined = Contains(op.host.ReadAnswer(), kEverythingUndone);
        if (declined) op.host.SendCommand("\x03");
        // After the step back, which would otherwise undo them again, and before the message,
        // during which a tick may already start the queued button.
        op.TypeBackRestores();
        if (declined) op.ui.ShowMessage(kUndoFailed, MessageButtons::Ok);
        op.host.BringHostToFront();
    });
}

void TFormKvaneMain::SpeedButton2Click() {
    Guarded([this] {
        op.host.BringHostToFront();
        op.host.SendCommand("\x03");
    });
}

void TFormKvaneMain::ButtonTextClick() { LaunchBeside(kAttributeEditor); }

void TFormKvaneMain::LaunchBeside(std::string_view program) {
    Guarded([&] { op.ui.LaunchProgram(FolderOf(op.executablePath) + std::string(program), "/E"); });
}

void TFormKvaneMain::SpeedButton5Click() {
    Guarded([this] {
        op.host.BringHostToFront();
        RoundTripPorts ports = StepPorts(op);
        if (!LoadBuiltInJunctionBlock(ports)) {
            op.ui.ShowMessage(kBlockNotLoaded, MessageButtons::Ok);
            return;
        }
        main.EditKpMark.text = kBuiltInJunctionBlock;
        main.EditKpRad.text = kBuiltInJunctionRange;
    });
}

void TFormKvaneMain::CheckKpMarkClick() { main.ButtonLdrawN.enabled = main.CheckKpMark.checked; }

void TFormKvaneMain::EditKpRadKeyPress(char& key) {
    const bool kept = (key >= '0' && key <= '9') || key == '.' || key == '\r' || key == '\b';
    if (!kept) key = 0;
}

void TFormKvaneMain::SpeedButtonHeightClick() {
    const bool expand = main.SpeedButtonHeight.caption == kCollapsed;
    const std::string_view caption = expand ? kExpanded : kCollapsed;
    for (ButtonControl* b : {&main.SpeedButtonHeight, &text.SpeedButton4, &block.SpeedButton6, &polyline.SpeedButton17})
        b->caption = caption;
    ClientHeight = expand ? kClientHeightExpanded : kClientHeightCollapsed;
    PageControl1.height = ClientHeight - 2;
}

void TFormKvaneMain::PageControl1Change() { ShowLibraryCaption(); }

}  // namespace kv
