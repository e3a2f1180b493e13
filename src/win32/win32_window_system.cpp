#include "win32/win32_window_system.h"

#include <windows.h>

#include "base/encoding.h"

namespace kv {

namespace {

// GetWindowTextA / GetClassNameA into 255 bytes: at most 254 characters take part in the
// host window tests.
constexpr int kNameBufferSize = 255;
// The host answers every message synchronously, and a long command (a large export) keeps it
// busy for as long as it takes. Waits go in short slices so that a host that quits or hangs
// meanwhile is noticed.
constexpr UINT kReplySliceMs = 500;
// A host that does not look for messages while it works is reported hung by the system after
// a few seconds; only one reported hung this long is given up.
constexpr DWORD kHungLimitMs = 5 * 60 * 1000;
// The host briefly holds the clipboard while it puts its history there.
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardRetryMs = 20;
constexpr WPARAM kHistoryCopyParam = 0;

HWND Hwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
WindowHandle Handle(HWND w) { return reinterpret_cast<WindowHandle>(w); }

BOOL CALLBACK Collect(HWND window, LPARAM into) {
    reinterpret_cast<std::vector<WindowHandle>*>(into)->push_back(Handle(window));
    return TRUE;
}

// Sends until the host answers, in slices, while its window exists and the system does not
// report it hung; a host reported hung is waited for only up to `hungLimitMs`. False when the
// window is gone or the host hung. A send that timed out is still delivered: `message` must
// be one the host may get twice.
bool SendUntilAnswered(HWND target, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result, DWORD hungLimitMs) {
    DWORD hungSince = 0;
    for (;;) {
        result = 0;
        if (SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kReplySliceMs,
                                &result) != 0)
            return true;
        if (!::IsWindow(target)) return false;
        if (!IsHungAppWindow(target)) {
            hungSince = 0;
            continue;
        }
        const DWORD now = GetTickCount();
        if (hungSince == 0) hungSince = now;
        if (now - hungSince >= hungLimitMs) return false;
        // SMTO_ABORTIFHUNG returns at once for a hung window.
        Sleep(kReplySliceMs);
    }
}

// A read: a hung host gives nothing at once, and the next tick asks again.
bool AskHost(HWND target, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendUntilAnswered(target, message, wParam, lParam, result, 0);
}

// A message the host must get exactly once: sent once; then a WM_NULL, which the host's thread
// answers only after it has finished with the message, tells when the host is done with it.
// A host already hung is not given the message.
bool DeliverToHost(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsHungAppWindow(target)) return false;
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, kReplySliceMs, &ignored) != 0) return true;
    return SendUntilAnswered(target, WM_NULL, 0, 0, ignored, kHungLimitMs);
}

bool OpenClipboardPatiently() {
    for (int i = 0; i < kClipboardTries; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(kClipboardRetryMs);
    }
    return false;
}

}  // namespace

std::vector<WindowHandle> Win32WindowSystem::TopLevelWindows() {
    std::vector<WindowHandle> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<WindowHandle> Win32WindowSystem::Descendants(WindowHandle parent) {
    std::vector<WindowHandle> windows;
    // EnumChildWindows walks all descendants, not only the direct children.
    EnumChildWindows(Hwnd(parent), Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32WindowSystem::Caption(WindowHandle w) {
    char buffer[kNameBufferSize] = {};
    const int n = GetWindowTextA(Hwnd(w), buffer, kNameBufferSize);
    return AnsiToUtf8(std::string_view(buffer, static_cast<size_t>(n > 0 ? n : 0)));
}

std::string Win32WindowSystem::ClassName(WindowHandle w) {
    char buffer[kNameBufferSize] = {};
    const int n = GetClassNameA(Hwnd(w), buffer, kNameBufferSize);
    return AnsiToUtf8(std::string_view(buffer, static_cast<size_t>(n > 0 ? n : 0)));
}

bool Win32WindowSystem::IsWindow(WindowHandle w) { return w != kNoWindow && ::IsWindow(Hwnd(w)); }

std::uint32_t Win32WindowSystem::WindowThread(WindowHandle w) { return GetWindowThreadProcessId(Hwnd(w), nullptr); }

bool Win32WindowSystem::SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) {
    if (!IsWindow(target)) return false;
    // Sized to the converted text plus its NUL: a long command is never cut.
    std::string bytes = Utf8ToAnsi(text);
    bytes.push_back('\0');
    COPYDATASTRUCT data{};
    data.dwData = tag;
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = bytes.data();
    return DeliverToHost(Hwnd(target), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

std::string Win32WindowSystem::ControlText(WindowHandle w) {
    if (!IsWindow(w)) return {};
    DWORD_PTR length = 0;
    if (!AskHost(Hwnd(w), WM_GETTEXTLENGTH, 0, 0, length) || length == 0) return {};
    std::string buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!AskHost(Hwnd(w), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), copied)) return {};
    // The text may have shrunk between the two messages.
    buffer.resize(copied < buffer.size() ? copied : buffer.size() - 1);
    return AnsiToUtf8(buffer);
}

void Win32WindowSystem::PostNull(WindowHandle w) { PostMessageA(Hwnd(w), WM_NULL, 0, 0); }

void Win32WindowSystem::SendCommandMessage(WindowHandle w, std::uint32_t commandId) {
    DWORD_PTR result = 0;
    AskHost(Hwnd(w), WM_COMMAND, commandId, kHistoryCopyParam, result);
}

WindowHandle Win32WindowSystem::MdiActiveChild(WindowHandle mdiClient) {
    DWORD_PTR active = 0;
    if (!IsWindow(mdiClient) || !AskHost(Hwnd(mdiClient), WM_MDIGETACTIVE, 0, 0, active)) return kNoWindow;
    return static_cast<WindowHandle>(active);
}

std::string Win32WindowSystem::ClipboardText() {
    if (!OpenClipboardPatiently()) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            // Bounded by the block's size: a text put there without its NUL is not overrun.
            const SIZE_T size = GlobalSize(data);
            SIZE_T n = 0;
            while (n < size && locked[n] != '\0') ++n;
            text = AnsiToUtf8(std::string_view(locked, n));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

WindowHandle Win32WindowSystem::ForegroundWindow() { return Handle(GetForegroundWindow()); }

bool Win32WindowSystem::SetForegroundWindow(WindowHandle w) { return ::SetForegroundWindow(Hwnd(w)) != 0; }

bool Win32WindowSystem::BringWindowToTop(WindowHandle w) { return ::BringWindowToTop(Hwnd(w)) != 0; }

bool Win32WindowSystem::AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) {
    return ::AttachThreadInput(thread, toThread, attach ? TRUE : FALSE) != 0;
}

ScreenRect Win32WindowSystem::WindowRect(WindowHandle w) {
    RECT r{};
    if (!GetWindowRect(Hwnd(w), &r)) return {};
    return {r.left, r.top, r.right, r.bottom};
}

ScreenPoint Win32WindowSystem::CursorPos() {
    POINT p{};
    if (!GetCursorPos(&p)) return {};
    return {p.x, p.y};
}

bool Win32WindowSystem::SetCursorPos(ScreenPoint p) { return ::SetCursorPos(p.x, p.y) != FALSE; }

}  // namespace kv
