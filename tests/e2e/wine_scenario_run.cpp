#include "wine_scenario_run.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/number_text.h"
#include "base/strings.h"
#include "host_windows.h"
#include "palette_checks.h"
#include "palette_controls.h"
#include "polling.h"
#include "snapshot_request.h"
#include "simhost/console.h"
#include "simhost/dxf_in.h"
#include "simhost/dxf_out.h"
#include "simhost/input_text.h"
#include "app/dialog_layouts.h"

namespace kv::e2e {

namespace {

using scenario::ScenarioError;

constexpr wchar_t kMessageCaption[] = L"Korvane2000";
constexpr wchar_t kSettingsFile[] = L"kvane2k.ini";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kDumpDecimals = 16;

// Wine starts a program in a few seconds; a palette that is not up by then will not be.
constexpr unsigned kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr unsigned kBoxCloseTimeoutMs = 5000;
constexpr DWORD kIdleTimeoutMs = 2000;
constexpr DWORD kReplyTimeoutMs = 5000;
// A click is sent, not posted, so that the step ends when the palette's handler has run; a
// handler that opens a message box returns only when the box closes, so the send gives up
// after this long and the box is answered like any other.
constexpr UINT kClickTimeoutMs = 2000;
// Real time is slower and less even than simulated time: the palette is at rest when
// nothing it or the host shows has changed for this long.
constexpr ULONGLONG kQuietMs = 1500;
constexpr ULONGLONG kSettleLimitMs = 60000;

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

DWORD ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

// A shown top-level window of the process with this caption and, when given, class.
HWND FindTopLevel(DWORD processId, const std::wstring& caption, const std::wstring& className = {}) {
    for (HWND w : TopLevelWindows()) {
        if (ProcessOf(w) == processId && IsWindowVisible(w) && TextOf(w) == caption &&
            (className.empty() || ClassOf(w) == className))
            return w;
    }
    return nullptr;
}

// The palette's open message box, if any: a dialog of its process with the palette's caption.
HWND FindMessageBox(DWORD processId) { return FindTopLevel(processId, kMessageCaption, L"#32770"); }

// One of the palette's dialogs, if one shows: its window class is the dialog's name.
// A dialog of the process other than those whose scripts play now.
HWND FindOpenDialog(DWORD processId, const std::vector<HWND>& playing) {
    for (HWND w : TopLevelWindows()) {
        if (std::find(playing.begin(), playing.end(), w) != playing.end()) continue;
        if (ProcessOf(w) == processId && IsWindowVisible(w) && FindDialogLayout(WideToUtf8(ClassOf(w)))) return w;
    }
    return nullptr;
}

HWND FindDescendantById(HWND parent, int id) {
    for (HWND w : Descendants(parent))
        if (GetDlgCtrlID(w) == id) return w;
    return nullptr;
}

bool IsChecked(HWND w) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(w, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &state);
    return state == BST_CHECKED;
}

std::string PointText(Point3 p) { return FormatReal(p.x) + "," + FormatReal(p.y); }

}  // namespace

WineScenarioRun::WineScenarioRun(std::string scenarioFolder, HostUnderTest& host, std::wstring paletteExe)
    : ScenarioRun(std::move(scenarioFolder)), host_(host), paletteExe_(std::move(paletteExe)) {}

WineScenarioRun::~WineScenarioRun() {
    ClosePalette();
    if (!scratch_.empty()) DeleteFileW(scratch_.c_str());
}

sim::Drawing& WineScenarioRun::StartingDrawing() {
    if (begun_) throw ScenarioError(line, "under Wine the starting drawing is set up before the first action");
    return starting_;
}

void WineScenarioRun::SwitchHost(const std::string& what) {
    if (what != "half-width-prompt" && what != "dxfout-fails" && what != "insert-fails" && what != "slow")
        throw ScenarioError(line, "under Wine the host cannot be made " + what);
    if (begun_) Host(":switch " + what + " on");
    else switches_.push_back(what);
}

void WineScenarioRun::RestartPalette() {
    Acting();
    ClosePalette(true);
    StartPalette(true);
}

void WineScenarioRun::LockSettingsFile() {
    throw ScenarioError(line, "under Wine the settings file cannot be made read-only");
}

void WineScenarioRun::Screenshot(const std::string& name, scenario::ShotOf what) {
    using scenario::ShotOf;
    Acting();
    if (snapshotFolder.empty()) return;
    const std::wstring file = L"scenario-" + Utf8ToWide(name);
    if (what == ShotOf::Screen) {
        if (dialog_) RequestWindowSnapshot(snapshotFolder, file, dialog_);
        else RequestSnapshot(snapshotFolder, file);
        return;
    }
    if (what == ShotOf::Palette) {
        RequestWindowSnapshot(snapshotFolder, file, palette_);
        return;
    }
    MovePaletteBesideHost();
    // Whichever window the story left in front, the host's title bar shows active in every picture.
    SetForegroundWindow(host_.windows.frame);
    if (what == ShotOf::Host) RequestWindowSnapshot(snapshotFolder, file, host_.windows.frame);
    else RequestWindowsSnapshot(snapshotFolder, file, {palette_, host_.windows.frame});
}

// The palette stays on top: over the host's frame it would hide part of the drawing.
void WineScenarioRun::MovePaletteBesideHost() {
    RECT palette{};
    RECT frame{};
    RECT both{};
    if (!GetWindowRect(palette_, &palette) || !GetWindowRect(host_.windows.frame, &frame)) return;
    if (!IntersectRect(&both, &palette, &frame)) return;
    const int left = std::max(0L, frame.left - (palette.right - palette.left));
    SetWindowPos(palette_, nullptr, left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WineScenarioRun::Begin() {
    if (begun_) return;
    begun_ = true;
    if (!host_.windows.frame || !IsWindow(host_.windows.frame)) throw ScenarioError(line, "simhost.exe is not running");
    LoadStartingDrawing();
    StartPalette();
}

void WineScenarioRun::Acting() {
    Begin();
    seen_.reset();
}

// The drawing as a DXF file through ":load", the switches and the system variables the
// story set; then the story's names are moved to the handles the host gave.
void WineScenarioRun::LoadStartingDrawing() {
    Host(":esc\n:esc");
    std::vector<sim::Handle> handles;
    for (const sim::Entity& e : starting_.Entities()) handles.push_back(e.handle);
    scratch_ = TempFile(L"kve2e-scenario-start.dxf");
    {
        std::ofstream out(std::filesystem::path(scratch_), std::ios::binary | std::ios::trunc);
        out << sim::WriteDxfOut(starting_, handles, sim::DxfVersion::R2000, kDumpDecimals);
        if (!out.flush()) throw ScenarioError(line, "cannot write " + WideToUtf8(scratch_));
    }
    std::string lines = ":load " + WideToUtf8(scratch_) + "\n:zoom extents\n";
    for (const char* name : {"half-width-prompt", "dxfout-fails", "insert-fails", "slow"})
        lines += std::string(":switch ") + name + " off\n";
    for (const std::string& name : switches_) lines += ":switch " + name + " on\n";
    const sim::Drawing fresh;
    const sim::DrawingVars& view = starting_.vars;
    if (!(view.viewCtr == fresh.vars.viewCtr))
        lines += ":zoom " + PointText(view.viewCtr) + " " + FormatReal(view.viewSize) + "\n";
    for (const sim::VariableInfo& variable : sim::AllVariables()) {
        if (variable.readOnly) continue;
        const std::string value = sim::VariableText(starting_, variable);
        if (value != sim::VariableText(fresh, variable))
            lines += ":set " + std::string(variable.name) + " " + sim::Unquote(value) + "\n";
    }
    Host(lines);

    std::vector<sim::Handle> loaded;
    for (const std::string& entity : Host(":entities"))
        loaded.push_back(sim::ParseHandle(entity.substr(0, entity.find(' '))).value_or(0));
    if (loaded.size() != handles.size())
        throw ScenarioError(line, "the host holds " + std::to_string(loaded.size()) + " entities after :load, not " +
                                      std::to_string(handles.size()));
    for (auto& [name, handle] : names) {
        for (std::size_t i = 0; i < handles.size(); ++i)
            if (handles[i] == handle) handle = loaded[i];
    }
    typedBefore_ = Host(":typed").size();
}

// A fresh palette with no settings file, as a first start gives.
void WineScenarioRun::StartPalette(bool keepSettings) {
    const std::filesystem::path exe(paletteExe_);
    if (!keepSettings) DeleteFileW((exe.parent_path() / kSettingsFile).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + paletteExe_ + L"\"";
    if (!CreateProcessW(paletteExe_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        exe.parent_path().c_str(), &startup, &started))
        throw ScenarioError(
            line, "cannot start " + WideToUtf8(paletteExe_) + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
    if (!WaitUntil([&] { return (palette_ = FindTopLevel(processId_, kPaletteTitle)) != nullptr; }, kStartTimeoutMs))
        throw ScenarioError(line, "the palette's window did not appear within 30 s");
    WaitForInputIdle(process_, kIdleTimeoutMs);
}

void WineScenarioRun::ClosePalette(bool keepSettings) {
    if (!process_) return;
    // A box left open by a failed story would keep the window from closing.
    for (int i = 0; i < 5 && FindMessageBox(processId_); ++i) AnswerMessageBox();
    if (palette_ && IsWindow(palette_)) PostMessageW(palette_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, kExitTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
    palette_ = nullptr;
    if (keepSettings) return;
    DeleteFileW((std::filesystem::path(paletteExe_).parent_path() / kSettingsFile).c_str());
    std::error_code ignored;
    for (const std::filesystem::path& folder : addedLibraries_) std::filesystem::remove_all(folder, ignored);
    addedLibraries_.clear();
}

std::vector<std::string> WineScenarioRun::Host(const std::string& lines) {
    const AutomationReply reply = host_.automation.Run(host_.windows.frame, lines);
    if (!reply.delivered) throw ScenarioError(line, "simhost.exe did not take the automation message");
    if (!reply.ok) throw ScenarioError(line, "simhost.exe refused \"" + lines + "\": " + reply.text);
    // Every line ends with LF, and the last one is the prompt line.
    std::vector<std::string> printed = Split(reply.text, '\n');
    printed.resize(printed.size() >= 2 ? printed.size() - 2 : 0);
    return printed;
}

HWND WineScenarioRun::ControlWindow(const scenario::NamedControl& c) {
    HWND parent = palette_;
    if (!c.dialog.empty()) {
        if (!dialog_) throw ScenarioError(line, "the dialog " + std::string(c.dialog) + " is not open");
        parent = dialog_;
    }
    HWND w = FindDescendantById(parent, kFirstControlId + static_cast<int>(c.index));
    if (!w) throw ScenarioError(line, "the palette shows no window for " + std::string(c.name()));
    return w;
}

void WineScenarioRun::SendToPalette(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(w, message, wp, lp, SMTO_NORMAL, kClickTimeoutMs, &ignored);
    AnswerMessageBox();
    PlayOpenDialog();
}

scenario::ControlState WineScenarioRun::Control(const scenario::NamedControl& c) {
    Begin();
    HWND w = ControlWindow(c);
    scenario::ControlState state;
    state.enabled = IsWindowEnabled(w) != FALSE;
    state.visible = (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0;
    state.checked = c.info->kind == ControlKind::Check && IsChecked(w);
    state.text = WideToUtf8(TextOf(w));
    const ControlKind kind = c.info->kind;
    if (kind == ControlKind::UpDown) state.text = std::to_string(SendMessageW(w, UDM_GETPOS32, 0, 0));
    if (kind == ControlKind::Combo || kind == ControlKind::List || kind == ControlKind::EditList) {
        const bool combo = kind != ControlKind::List;
        const auto count = SendMessageW(w, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const auto length = SendMessageW(w, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
            std::wstring item(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
            SendMessageW(w, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item.data()));
            item.resize(static_cast<size_t>(length > 0 ? length : 0));
            state.items.push_back(WideToUtf8(item));
        }
        const auto selected = SendMessageW(w, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
        // An edit list shows its text, which need not be an entry.
        if (kind != ControlKind::EditList)
            state.text = selected >= 0 && selected < count ? state.items[static_cast<size_t>(selected)] : "";
    }
    return state;
}

void WineScenarioRun::Click(const scenario::NamedControl& c) {
    Acting();
    SendToPalette(ControlWindow(c), BM_CLICK, 0, 0);
}

void WineScenarioRun::RightClick(const scenario::NamedControl& c) {
    Acting();
    HWND w = ControlWindow(c);
    const LPARAM at = MAKELPARAM(3, 3);
    SendToPalette(w, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendToPalette(w, WM_RBUTTONUP, 0, at);
}

void WineScenarioRun::SetChecked(const scenario::NamedControl& c, bool checked) {
    Acting();
    if (IsChecked(ControlWindow(c)) != checked) Click(c);
}

void WineScenarioRun::SetText(const scenario::NamedControl& c, const std::string& text) {
    Acting();
    const std::wstring wide = Utf8ToWide(text);
    HWND w = ControlWindow(c);
    SendToPalette(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    // An edit list set from outside tells its parent nothing; typing would.
    if (c.info->kind == ControlKind::EditList)
        SendToPalette(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), CBN_EDITCHANGE),
                      reinterpret_cast<LPARAM>(w));
}

void WineScenarioRun::SelectItem(const scenario::NamedControl& c, int index) {
    Acting();
    HWND w = ControlWindow(c);
    const bool combo = c.info->kind == ControlKind::Combo;
    SendToPalette(w, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Set from outside, the list tells its parent nothing; a user's click would.
    SendToPalette(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                  reinterpret_cast<LPARAM>(w));
}

void WineScenarioRun::DoubleClick(const scenario::NamedControl& c) {
    Acting();
    HWND w = ControlWindow(c);
    if (c.info->kind == ControlKind::Image) {
        SendToPalette(w, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
        return;
    }
    SendToPalette(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), LBN_DBLCLK), reinterpret_cast<LPARAM>(w));
}

// As the arrow's click does: the control moves within its range and tells its parent.
void WineScenarioRun::StepUpDown(const scenario::NamedControl& c, int delta) {
    Acting();
    HWND w = ControlWindow(c);
    const auto position = static_cast<int>(SendMessageW(w, UDM_GETPOS32, 0, 0));
    SendToPalette(w, UDM_SETPOS32, 0, position + delta);
    const auto now = static_cast<int>(SendMessageW(w, UDM_GETPOS32, 0, 0));
    SendToPalette(GetParent(w), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, now), reinterpret_cast<LPARAM>(w));
}

void WineScenarioRun::PointAt(const scenario::NamedControl& c, int x, int y) {
    Acting();
    SendToPalette(ControlWindow(c), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void WineScenarioRun::ClickAt(const scenario::NamedControl& c, int x, int y) {
    Acting();
    HWND w = ControlWindow(c);
    SendToPalette(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendToPalette(w, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The library goes beside the palette's executable before the palette starts, and is removed
// when the story ends; the starter library is installed there already.
void WineScenarioRun::AddLibrary(const std::string& name, const std::string& source,
                                 const std::vector<std::string>& symbols, bool flat) {
    if (begun_) throw ScenarioError(line, "under Wine the libraries are set up before the first action");
    const std::filesystem::path folder = std::filesystem::path(paletteExe_).parent_path() / Utf8ToWide(name);
    std::error_code error;
    if (source == scenario::StarterLibraryPath() && std::filesystem::exists(folder)) return;
    if (std::filesystem::exists(folder))
        throw ScenarioError(line, "the folder " + name + " is beside the palette already");
    addedLibraries_.push_back(folder);
    const std::filesystem::path from = Utf8ToWide(ScenarioPath(source));
    // The copy makes the folder itself: the cross build's copy refuses a folder that exists.
    if (!source.empty() && !flat) std::filesystem::copy(from, folder, std::filesystem::copy_options::recursive, error);
    else std::filesystem::create_directories(folder, error);
    if (!error && !source.empty() && flat) scenario::CopyDxfTreeFlat(from, folder, error);
    if (error) throw ScenarioError(line, "cannot copy " + source + ": " + error.message());
    for (const std::string& symbol : symbols) {
        std::ofstream out(folder / Utf8ToWide(symbol + ".dxf"), std::ios::binary);
        out << scenario::kBoxSymbol;
        if (!out) throw ScenarioError(line, "cannot write the symbol " + symbol);
    }
}

void WineScenarioRun::CancelDialog() {
    if (!dialog_) throw ScenarioError(line, "no dialog is open");
    PostMessageW(dialog_, WM_CLOSE, 0, 0);
}

void WineScenarioRun::ShowPage(int page) {
    Acting();
    HWND tabs = TabControl(palette_);
    if (!ClickTab(tabs, page)) throw ScenarioError(line, "the palette's tabs cannot be clicked");
    // The click was posted: the step ends when the tab shows the page.
    WaitUntil([&] { return SelectedTab(tabs) == page; }, kReplyTimeoutMs);
}

std::string WineScenarioRun::Caption() {
    Begin();
    wchar_t caption[256] = {};
    GetWindowTextW(palette_, caption, 256);
    return WideToUtf8(caption);
}

void WineScenarioRun::Type(const std::string& text) {
    Acting();
    const std::string escaped = sim::EscapeConsoleText(text);
    Host(escaped.starts_with(':') ? ":" + escaped : escaped);
}

void WineScenarioRun::Pick(Point3 p) {
    Acting();
    Host(":pick " + PointText(p));
}

void WineScenarioRun::Corners(Point3 first, Point3 second) {
    Acting();
    Host(":corners " + PointText(first) + " " + PointText(second));
}

void WineScenarioRun::PressEscape() {
    Acting();
    Host(":esc");
}

bool WineScenarioRun::AnswerMessageBox() {
    HWND box = FindMessageBox(processId_);
    if (!box) return false;
    const std::string text = WideToUtf8(TextOf(GetDlgItem(box, kMessageTextId)));
    const bool yesNo = GetDlgItem(box, IDYES) != nullptr;
    const MessageAnswer answer = ui.ShowMessage(text, yesNo ? MessageButtons::YesNo : MessageButtons::Ok);
    const int id = answer == MessageAnswer::Yes ? IDYES : answer == MessageAnswer::No ? IDNO : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    if (!WaitUntil([&] { return !IsWindow(box); }, kBoxCloseTimeoutMs))
        throw ScenarioError(line, "the message box \"" + text + "\" did not close");
    return true;
}

// The script runs while the dialog shows; its last step closes it. A dialog opened from within
// another one's script plays the next script, then the outer one goes on.
void WineScenarioRun::PlayOpenDialog() {
    HWND open = FindOpenDialog(processId_, playingDialogs_);
    if (!open) return;
    const std::string name = WideToUtf8(ClassOf(open));
    if (dialogs.empty() || dialogs.front().name != name) {
        ui.problems.push_back(dialogs.empty()
                                  ? "the dialog " + name + " opened and no script was given for it"
                                  : "the dialog " + name + " opened; the next script (line " +
                                        std::to_string(dialogs.front().line) + ") is for " + dialogs.front().name);
        PostMessageW(open, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindowVisible(open); }, kBoxCloseTimeoutMs);
        return;
    }
    const scenario::DialogScript script = std::move(dialogs.front());
    dialogs.pop_front();
    HWND outerDialog = dialog_;
    dialog_ = open;
    if (!snapshotFolder.empty()) RequestWindowSnapshot(snapshotFolder, L"dialog-" + ClassOf(open), open);
    playingDialogs_.push_back(open);
    const int outer = line;
    for (const scenario::Step& step : script.steps) {
        line = step.line;
        step.action(*this);
    }
    line = outer;
    playingDialogs_.pop_back();
    dialog_ = outerDialog;
    if (!WaitUntil([&] { return !IsWindowVisible(open); }, kBoxCloseTimeoutMs))
        throw ScenarioError(line, "the dialog " + name + " did not close");
}

std::string WineScenarioRun::Snapshot() {
    const AutomationReply reply = host_.automation.Run(host_.windows.frame, ":entities\n:typed");
    return Caption() + "\n" + host_.Prompt() + "\n" + std::to_string(ui.messages.size()) + " messages\n" + reply.text;
}

void WineScenarioRun::Watch(unsigned milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        AnswerMessageBox();
        PlayOpenDialog();
        Sleep(kPollIntervalMs);
    } while (GetTickCount64() < end);
}

void WineScenarioRun::Settle() {
    Acting();
    const ULONGLONG start = GetTickCount64();
    ULONGLONG quietSince = start;
    std::string last = Snapshot();
    while (GetTickCount64() - start < kSettleLimitMs) {
        Watch(kPollIntervalMs * 2);
        std::string now = Snapshot();
        if (now != last) {
            last = std::move(now);
            quietSince = GetTickCount64();
        } else if (GetTickCount64() - quietSince >= kQuietMs) {
            return;
        }
    }
    throw ScenarioError(line, "the palette did not come to rest within 60 s (caption \"" + Caption() + "\", prompt \"" +
                                  PromptLine() + "\")");
}

void WineScenarioRun::Advance(int milliseconds) {
    Acting();
    Watch(static_cast<unsigned>(milliseconds));
}

const sim::Drawing& WineScenarioRun::Drawing() {
    if (seen_) return *seen_;
    Begin();
    const std::wstring path = TempFile(L"kve2e-scenario-dump.dxf");
    std::vector<std::string> listed = Host(":entities");
    Host(":dump " + WideToUtf8(path));
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    DeleteFileW(path.c_str());
    sim::DxfImportResult dump = sim::ReadDxfFile(bytes);
    if (!dump.error.empty()) throw ScenarioError(line, "the host's dump does not read: " + dump.error);
    if (dump.entities.size() != listed.size())
        throw ScenarioError(line, "the host's dump holds " + std::to_string(dump.entities.size()) +
                                      " entities, its list " + std::to_string(listed.size()));
    sim::Drawing drawing;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        dump.entities[i].handle = sim::ParseHandle(listed[i].substr(0, listed[i].find(' '))).value_or(0);
        drawing.AddCopy(std::move(dump.entities[i]));
    }
    seen_ = std::move(drawing);
    return *seen_;
}

std::string WineScenarioRun::PromptLine() {
    Begin();
    return host_.Prompt();
}

std::string WineScenarioRun::LastHistoryLine() {
    Begin();
    return host_.LastHistoryLine();
}

std::string WineScenarioRun::Variable(const sim::VariableInfo& variable) {
    Begin();
    const std::string prefix = std::string(variable.name) + " = ";
    for (const std::string& printed : Host(":var " + std::string(variable.name)))
        if (printed.starts_with(prefix)) return printed.substr(prefix.size());
    throw ScenarioError(line, "simhost.exe does not show " + std::string(variable.name));
}

std::vector<std::string> WineScenarioRun::TypedTexts() {
    Begin();
    const std::vector<std::string> all = Host(":typed");
    std::vector<std::string> typed;
    for (std::size_t i = typedBefore_; i < all.size(); ++i) typed.push_back(sim::UnescapeConsoleText(all[i]));
    return typed;
}

std::vector<scenario::ScriptedUi::Launch> WineScenarioRun::Launched() {
    throw ScenarioError(line, "under Wine the programs the palette starts are not seen");
}

void WineScenarioRun::ExpectDialog(scenario::DialogScript script) { dialogs.push_back(std::move(script)); }

}  // namespace kv::e2e
