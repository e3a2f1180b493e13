#include "host_windows.h"

#include <vector>

namespace kv::e2e {

namespace {

constexpr int kNameBuffer = 255;
constexpr ULONG_PTR kTypedInputTag = 1;

}  // namespace

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> all;
    EnumWindows(
        [](HWND w, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    if (!parent) return all;
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::string CaptionA(HWND w) {
    char buffer[kNameBuffer] = {};
    GetWindowTextA(w, buffer, kNameBuffer);
    return AnsiToUtf8(buffer);
}

std::string ClassNameA(HWND w) {
    char buffer[kNameBuffer] = {};
    GetClassNameA(w, buffer, kNameBuffer);
    return AnsiToUtf8(buffer);
}

std::string ControlTextA(HWND w) {
    LRESULT n = SendMessageA(w, WM_GETTEXTLENGTH, 0, 0);
    if (n <= 0) return {};
    std::string buffer(static_cast<std::size_t>(n) + 1, '\0');
    LRESULT got = SendMessageA(w, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return AnsiToUtf8(buffer);
}

bool BeginsWith(const std::string& text, const std::string& part) { return text.rfind(part, 0) == 0; }

bool ContainsAfterStart(const std::string& text, const std::string& part) {
    std::size_t at = text.find(part);
    return at != std::string::npos && at >= 1;
}

HWND FindHostTopLevel(const std::string& kind, DWORD thread) {
    for (HWND w : TopLevelWindows()) {
        std::string caption = CaptionA(w);
        if (caption.empty() || !BeginsWith(caption, "AutoCAD ")) continue;
        std::string className = ClassNameA(w);
        if (!BeginsWith(className, "Afx:") || !ContainsAfterStart(className, "400000:" + kind + ":")) continue;
        if (thread && GetWindowThreadProcessId(w, nullptr) != thread) continue;
        return w;
    }
    return nullptr;
}

HWND FindDescendantByCaption(HWND parent, const std::string& text) {
    for (HWND w : Descendants(parent)) {
        if (BeginsWith(CaptionA(w), text)) return w;
    }
    return nullptr;
}

HWND FindDescendantByClass(HWND parent, const std::string& prefix) {
    for (HWND w : Descendants(parent)) {
        if (BeginsWith(ClassNameA(w), prefix)) return w;
    }
    return nullptr;
}

HostWindows FindHostWindows() {
    HostWindows found;
    found.frame = FindHostTopLevel("8", 0);
    if (!found.frame) return found;
    found.prompt = FindDescendantByCaption(found.frame, "Headlands");
    found.history = FindDescendantByCaption(found.frame, "MountTam");
    found.textWindow = FindHostTopLevel("b", GetWindowThreadProcessId(found.frame, nullptr));
    found.textPrompt = FindDescendantByCaption(found.textWindow, "Headlands");
    found.textHistory = FindDescendantByCaption(found.textWindow, "MountTam");
    for (HWND w : Descendants(found.frame)) {
        if (ClassNameA(w) == "MDIClient") {
            found.mdiClient = w;
            break;
        }
    }
    if (!found.mdiClient) return found;
    found.drawingWindow = reinterpret_cast<HWND>(SendMessageA(found.mdiClient, WM_MDIGETACTIVE, 0, 0));
    for (HWND w : Descendants(found.drawingWindow)) {
        std::string className = ClassNameA(w);
        if (BeginsWith(className, "Afx:") && ContainsAfterStart(className, "400000:28:")) {
            found.view = w;
            break;
        }
    }
    return found;
}

bool SendTyped(HWND frame, const std::string& utf8) {
    std::string ansi = Utf8ToAnsi(utf8);
    COPYDATASTRUCT data{kTypedInputTag, static_cast<DWORD>(ansi.size() + 1), ansi.data()};
    if (!IsWindow(frame)) return false;
    SendMessageA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    PostMessageA(frame, WM_NULL, 0, 0);
    return true;
}

}  // namespace kv::e2e
