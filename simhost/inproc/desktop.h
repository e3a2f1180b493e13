// The stand-in host's windows as the palette's WindowSystem port sees them, in
// process. Every running host instance shows the frame, the command line (docked or
// floating), the text window and the drawing view with the captions and classes of
// the real host, and answers what the palette sends from its Session before the call
// returns. Text crosses the port the way it crosses the real one: through the ANSI
// code page, so that what CP932 cannot hold arrives as the host would see it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_system.h"

namespace kv::sim {

class Session;

enum class CommandLinePlace { Docked, Floating };

// The windows of one host instance; the command-line holder is the frame's docked
// bar or the floating top-level window, whichever is shown.
struct HostWindowSet {
    std::uint32_t thread = 0;
    WindowHandle frame = kNoWindow;
    WindowHandle commandLine = kNoWindow;
    WindowHandle prompt = kNoWindow;       // "Headlands"
    WindowHandle historyPane = kNoWindow;  // "MountTam"
    WindowHandle textWindow = kNoWindow;
    WindowHandle textPrompt = kNoWindow;
    WindowHandle textHistory = kNoWindow;
    WindowHandle mdiClient = kNoWindow;
    WindowHandle drawingWindow = kNoWindow;
    WindowHandle view = kNoWindow;
};

class Desktop final : public WindowSystem {
public:
    // A started host comes to the front (its frame becomes the foreground window).
    // Returns the instance's number.
    int StartHost(Session& session, CommandLinePlace place = CommandLinePlace::Docked);
    // The host quits: its windows are gone; the session is left to the caller.
    void CloseHost(int instance);
    // Quits and starts again on the same session: new windows, new thread.
    int RestartHost(int instance);
    void MoveCommandLine(int instance, CommandLinePlace place);

    bool Running(int instance) const;
    const HostWindowSet& HostWindows(int instance) const;
    Session& HostSession(int instance) const;

    // A window of the palette's own thread (its main form, a dialog).
    WindowHandle AddPaletteWindow(std::string caption, std::string className);

    // Every text the host received as typed input, in order, as the host read it.
    const std::vector<std::string>& TypedTexts() const { return typed_; }

    // The next this many texts typed fail with "host link lost", as a link broken mid-operation.
    int failingSends = 0;
    // A slow host: a changed prompt line shows only from this many reads of its window on.
    int promptLagReads = 0;

    // --- WindowSystem
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

private:
    static constexpr std::uint32_t kPaletteThread = 0x0A10;

    ScreenPoint cursor_;

    // What a window does with the messages the palette sends.
    enum class Role { Plain, Frame, Prompt, HistoryPane };

    struct Window {
        WindowHandle parent = kNoWindow;
        std::string caption;
        std::string className;
        std::uint32_t thread = 0;
        int instance = -1;  // -1: the palette's
        Role role = Role::Plain;
        ScreenRect rect;
        bool alive = true;
        std::vector<WindowHandle> children;
    };

    struct Instance {
        Session* session = nullptr;
        bool running = false;
        CommandLinePlace place = CommandLinePlace::Docked;
        HostWindowSet windows;
        std::string shownPrompt;
        int staleReads = 0;
    };

    std::string ShownPrompt(Instance& host);

    WindowHandle Create(WindowHandle parent, int instance, std::string caption, std::string className, ScreenRect rect,
                        Role role = Role::Plain);
    void Destroy(WindowHandle w);
    void CreateCommandLine(Instance& host, int instance);
    void CreateTextWindow(Instance& host, int instance);
    void CreateDrawingWindows(Instance& host, int instance);
    void ToFront(WindowHandle topLevel);
    const Window* Live(WindowHandle w) const;
    Instance& Host(int instance);
    const Instance& Host(int instance) const;
    std::string HistoryText(const Session& session) const;

    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> zOrder_;  // top-level windows, front first
    std::vector<Instance> instances_;
    WindowHandle nextHandle_ = 0x10010;
    std::uint32_t nextThread_ = 0x1100;
    WindowHandle foreground_ = kNoWindow;
    std::vector<std::string> typed_;
    std::string clipboard_;
};

}  // namespace kv::sim
