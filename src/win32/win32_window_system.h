// The window manager as the palette sees it, over user32. The host's windows are read and
// written with the A functions; texts cross into the ANSI code page here and nowhere else.
#pragma once

#include "platform/window_system.h"

namespace kv {

class Win32WindowSystem : public WindowSystem {
public:
    std::vector<WindowHandle> TopLevelWindows() override;
    std::vector<WindowHandle> Descendants(WindowHandle parent) override;
    std::string Caption(WindowHandle w) override;
    std::string ClassName(WindowHandle w) override;
    bool IsWindow(WindowHandle w) override;
    std::uint32_t WindowThread(WindowHandle w) override;

    bool SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) override;
    std::string ControlText(WindowHandle w) override;
    void PostNull(WindowHandle w) override;
    void SendCommandMessage(WindowHandle w, std::uint32_t commandId) override;
    WindowHandle MdiActiveChild(WindowHandle mdiClient) override;

    std::string ClipboardText() override;
    WindowHandle ForegroundWindow() override;
    bool SetForegroundWindow(WindowHandle w) override;
    bool BringWindowToTop(WindowHandle w) override;
    bool AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) override;
    ScreenRect WindowRect(WindowHandle w) override;
    ScreenPoint CursorPos() override;
    bool SetCursorPos(ScreenPoint p) override;
};

}  // namespace kv
