#include "operation/op_context.h"

#include <algorithm>

#include "base/number_text.h"
#include "base/strings.h"
#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {

constexpr std::string_view kSnapMode = "SNAPMODE";
constexpr std::string_view kDefaultDimScale = "1.0";

// A value typed back must be one the host accepts; an empty or garbled reading
// (host gone, unexpected answer) would leave the host asking for the value.
bool IsTypableInteger(std::string_view text) {
    int value = 0;
    return TryParseInt(text, value);
}

}  // namespace

bool IsCancelLine(std::string_view line) { return Contains(line, "ｷｬﾝｾﾙ") || Contains(line, "キャンセル"); }

OpContext::OpContext(TimerControl& timer1, ButtonControl& undoButton, WindowSystem& windows, Ui& ui, Clock& clock,
                     Files& files, std::string executablePath)
    : Timer1(timer1),
      SpeedButtonUndo(undoButton),
      host(windows, clock),
      windows(windows),
      ui(ui),
      clock(clock),
      files(files),
      executablePath(std::move(executablePath)) {}

bool OpContext::HostAtCommandPrompt() { return IsCommandPrompt(host.ReadCommandLine()) && host.AnsweredSinceSend(); }

bool OpContext::HistoryShowsCancel() { return IsCancelLine(host.CopyHistoryLastLine()); }

void OpContext::SetUndoMark() {
    SpeedButtonUndo.enabled = true;
    host.SendCommand(kUndoMark);
}

void OpContext::SaveSnapMode() { SavedSnapMode = host.GetSysVar(kSnapMode); }

void OpContext::SwitchSnapOff() {
    host.SendCommand("SNAPMODE 0 ");
    if (IsTypableInteger(SavedSnapMode)) RememberRestore(kSnapMode, "SNAPMODE " + SavedSnapMode + "\r");
}

void OpContext::RestoreSnapMode() {
    // Forgotten only once typed: when typing fails, the error boundary types it back.
    if (IsTypableInteger(SavedSnapMode)) host.SendCommand("SNAPMODE " + SavedSnapMode + "\r");
    ForgetRestore(kSnapMode);
}

void OpContext::SaveDimScale() {
    DimScaleText = host.GetSysVar("DIMSCALE");
    double value = 0;
    if (!TryParseReal(DimScaleText, value) || value == 0) DimScaleText = kDefaultDimScale;
}

void OpContext::RememberRestore(std::string_view name, std::string command) {
    ForgetRestore(name);
    restores_.push_back({std::string(name), std::move(command)});
}

void OpContext::ForgetRestore(std::string_view name) {
    std::erase_if(restores_, [name](const Restore& r) { return r.name == name; });
}

void OpContext::AbandonOperation() {
    EndOperation();
    TypeBackRestores();
}

void OpContext::EndOperation() {
    Timer1.enabled = false;
    OpState = kIdle;
}

void OpContext::TypeBackRestores() {
    if (restores_.empty()) return;
    // The step may have left the host inside a command.
    host.SendCommand("\x03");
    for (const Restore& r : restores_) host.SendCommand(r.command);
    restores_.clear();
}

}  // namespace kv
