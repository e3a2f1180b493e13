#include "win32/win32_ui.h"

#include "hostlink/host_link.h"
#include "win32/win32_files.h"
#include "win32/win32_window_system.h"

#include <shellapi.h>

#include "win32/modal_loop.h"
#include "base/encoding.h"

namespace kv {

namespace {

constexpr wchar_t kMessageCaption[] = L"Korvane2000";

}  // namespace

DialogWindow* Win32Ui::WindowOf(Dialog& dialog) {
    auto& window = dialogs_[&dialog];
    if (window) return window.get();
    auto made = std::make_unique<DialogWindow>(dialog, *this);
    if (!made->Create(GetModuleHandleW(nullptr), owner_)) {
        dialogs_.erase(&dialog);
        return nullptr;
    }
    window = std::move(made);
    return window.get();
}

bool Win32Ui::Prepare(Dialog& dialog) { return WindowOf(dialog) != nullptr; }

void Win32Ui::RefreshDialogs() {
    for (auto& [model, window] : dialogs_) {
        if (IsWindowVisible(window->Handle())) window->Refresh();
    }
}

MessageAnswer Win32Ui::ShowMessage(std::string_view text, MessageButtons buttons) {
    const UINT type = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    const int answer = MessageBoxW(owner_, Utf8ToWide(text).c_str(), kMessageCaption, type);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

DialogResult Win32Ui::RunModal(Dialog& dialog) {
    DialogWindow* window = WindowOf(dialog);
    return window ? window->RunModal(owner_) : DialogResult::Cancel;
}

void Win32Ui::RaiseDialog(Dialog& dialog) {
    const auto open = dialogs_.find(&dialog);
    if (open == dialogs_.end() || !IsWindowVisible(open->second->Handle())) return;
    // The host holds the foreground while a dialog waits on a pick; raising across threads is
    // the host link's job.
    Win32WindowSystem windows;
    Win32Clock clock;
    HostLink(windows, clock).RaiseDialog(reinterpret_cast<WindowHandle>(open->second->Handle()));
}

bool Win32Ui::LaunchProgram(std::string_view path, std::string_view parameters) {
    const std::wstring file = Utf8ToWide(path);
    const std::wstring arguments = Utf8ToWide(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != 0;
}

}  // namespace kv
