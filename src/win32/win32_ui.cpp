#include "win32/win32_ui.h"

#include <shellapi.h>

#include "base/encoding.h"

namespace kv {

namespace {

constexpr wchar_t kMessageCaption[] = L"Korvane2000";

}  // namespace

MessageAnswer Win32Ui::ShowMessage(std::string_view text, MessageButtons buttons) {
    const UINT type = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    const int answer = MessageBoxW(owner_, Utf8ToWide(text).c_str(), kMessageCaption, type);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
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
