#include "host_automation.h"

#include "simhost/window_names.h"

namespace kv::e2e {

namespace {

constexpr wchar_t kReplyClass[] = L"kve2eAutomationReply";

}  // namespace

HostAutomation::~HostAutomation() {
    if (window_) DestroyWindow(window_);
}

bool HostAutomation::EnsureWindow() {
    if (window_) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kReplyClass;
    RegisterClassExW(&wc);  // already registered is fine
    window_ = CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    return window_ != nullptr;
}

LRESULT CALLBACK HostAutomation::ReplyProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostAutomation*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (data->dwData != sim::kAutomationReplyTag) return FALSE;
        self->reply_.assign(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0);
        self->replied_ = true;
        return TRUE;
    }
    return DefWindowProcW(w, message, wp, lp);
}

AutomationReply HostAutomation::Run(HWND frame, const std::string& lines) {
    AutomationReply result;
    if (!IsWindow(frame) || !EnsureWindow()) return result;
    reply_.clear();
    replied_ = false;
    COPYDATASTRUCT data{sim::kAutomationTag, static_cast<DWORD>(lines.size()), const_cast<char*>(lines.data())};
    LRESULT answer =
        SendMessageW(frame, WM_COPYDATA, reinterpret_cast<WPARAM>(window_), reinterpret_cast<LPARAM>(&data));
    result.delivered = answer != 0 && replied_;
    result.ok = answer == sim::kAutomationOk;
    result.text = reply_;
    return result;
}

}  // namespace kv::e2e
