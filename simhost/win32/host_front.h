// simhost.exe's windows around one SimHost: the frame with its MDI client, drawing
// window and view, the docked command line, and the text window. Every way in (the
// palette's WM_COPYDATA, the automation channel, the keyboard, clicks in the view)
// ends in the SimHost; afterwards the windows show what it then holds.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "simhost/console.h"
#include "simhost/sim_host.h"
#include "simhost/view_mapping.h"

namespace kv::sim::win {

struct FrontOptions {
    bool showTextWindow = false;
    std::string loadFile;  // a DXF file that becomes the drawing at start
};

class HostFront {
public:
    HostFront(HINSTANCE instance, HostFiles files);
    HostFront(const HostFront&) = delete;
    HostFront& operator=(const HostFront&) = delete;
    ~HostFront() = default;

    // Creates and shows the windows; the error text when that fails.
    std::optional<std::string> Open(const FrontOptions& options, int showCommand);
    HWND Frame() const { return frame_; }
    HWND MdiClient() const { return mdiClient_; }
    HWND CommandBar() const { return commandBar_; }

    // --- ways in ---
    LRESULT CopyData(HWND sender, const COPYDATASTRUCT& data);
    // A character typed on the keyboard in any of the host's windows.
    void KeyChar(wchar_t c);
    // True when the key was one of the host's (Esc, F2).
    bool KeyDown(WPARAM key);
    void PickAt(PixelPoint pixel);
    void WindowBetween(PixelPoint first, PixelPoint second);
    void Enter();
    void CopyHistoryToClipboard();
    // The slow host's wait is over: its windows show the prompt line as it now is.
    void PromptLagOver();

    // --- the view ---
    const ViewMapping& View() const { return view_; }
    void ChangeView(const ViewMapping& view);
    void ZoomExtents();
    void ResizeView(int widthPx, int heightPx);
    void LayoutFrame();
    void LayoutTextWindow();
    void ToggleTextWindow();

    const SimHost& Host() const { return host_; }
    HostSwitches& Switches() { return host_.Switches(); }
    void SetWorkingFolder(std::string folder) { host_.SetWorkingFolder(std::move(folder)); }

private:
    bool RegisterClasses();
    void CreateDrawingWindows();
    void CreateCommandBar();
    void CreateTextWindow();
    // Brings every window up to date with the host after any input.
    void Refresh();
    void ShowPrompt(const std::string& prompt);
    // Automation lines: the console's, and ":zoom extents" or ":zoom x,y height" of the view.
    ConsoleReply RunAutomation(std::string_view message);
    ConsoleReply Zoom(std::string_view argument);
    void SendReply(HWND to, const std::string& text);

    HINSTANCE instance_;
    HostFiles files_;
    SimHost host_;
    ViewMapping view_;
    HWND frame_ = nullptr;
    HWND mdiClient_ = nullptr;
    HWND drawingWindow_ = nullptr;
    HWND viewWindow_ = nullptr;
    HWND commandBar_ = nullptr;
    HWND prompt_ = nullptr;
    HWND historyPane_ = nullptr;
    HWND textWindow_ = nullptr;
    HWND textPrompt_ = nullptr;
    HWND textHistory_ = nullptr;
    std::string shownPrompt_;
    bool promptLagging_ = false;
};

}  // namespace kv::sim::win
