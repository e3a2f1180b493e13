// What the palette asks of the window manager. Texts are UTF-8 on this side of the
// port; the real port converts to and from the ANSI code page for the host's windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

using WindowHandle = std::uintptr_t;  // 0 = no window
constexpr WindowHandle kNoWindow = 0;

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
    int x = 0, y = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    // Every descendant, depth first, as a recursive child enumeration yields them.
    virtual std::vector<WindowHandle> Descendants(WindowHandle parent) = 0;
    // Caption and class as GetWindowText/GetClassName give them (at most 254 characters).
    virtual std::string Caption(WindowHandle w) = 0;
    virtual std::string ClassName(WindowHandle w) = 0;
    virtual bool IsWindow(WindowHandle w) = 0;
    virtual std::uint32_t WindowThread(WindowHandle w) = 0;

    // WM_COPYDATA with the given tag; the receiver sees the text in the ANSI code page
    // followed by a NUL, whatever its length (the buffer is sized to the converted
    // text, never truncated). Returns false when the window is gone or the receiver hung
    // before it had taken the text; a busy receiver is waited for.
    virtual bool SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) = 0;
    // A control's contents (WM_GETTEXTLENGTH / WM_GETTEXT), not its caption.
    virtual std::string ControlText(WindowHandle w) = 0;
    virtual void PostNull(WindowHandle w) = 0;
    virtual void SendCommandMessage(WindowHandle w, std::uint32_t commandId) = 0;
    virtual WindowHandle MdiActiveChild(WindowHandle mdiClient) = 0;

    virtual std::string ClipboardText() = 0;
    virtual WindowHandle ForegroundWindow() = 0;
    virtual bool SetForegroundWindow(WindowHandle w) = 0;
    virtual bool BringWindowToTop(WindowHandle w) = 0;
    // AttachThreadInput: lets a window of one thread come to the top while another
    // thread holds the foreground.
    virtual bool AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) = 0;
    virtual ScreenRect WindowRect(WindowHandle w) = 0;
    virtual ScreenPoint CursorPos() = 0;
    // Moves the mouse pointer; a window system that cannot leaves it where it is.
    virtual bool SetCursorPos(ScreenPoint) { return false; }
};

}  // namespace kv
