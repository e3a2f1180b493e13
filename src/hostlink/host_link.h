// The palette's link to the host: finds the host's windows by caption and class,
// types whole command lines into it and reads its prompt and history back.
// Every operation searches again, so a host restarted, or a command line docked
// or undocked, between two calls is simply found anew; while no host runs the
// searches give no window, sends do nothing and reads are empty.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/command_channel.h"
#include "platform/window_system.h"

namespace kv {

// What the last searches found; each search resets the handles it fills.
struct HostWindows {
    WindowHandle mainWindow = kNoWindow;
    std::uint32_t mainThread = 0;
    WindowHandle commandLineWindow = kNoWindow;  // floating command line only
    WindowHandle promptControl = kNoWindow;      // "Headlands": the current prompt line
    WindowHandle commandLineSecond = kNoWindow;  // "MountTam" beside it, not read
    WindowHandle textWindow = kNoWindow;
    WindowHandle textPromptControl = kNoWindow;
    WindowHandle textHistoryControl = kNoWindow;  // "MountTam": the whole history
    WindowHandle mdiClient = kNoWindow;
    WindowHandle activeDrawing = kNoWindow;
    WindowHandle drawingView = kNoWindow;
};

// The host is there but hung before it took a command: whatever the palette was doing
// cannot go on.
class HostNotAnswering : public std::runtime_error {
public:
    HostNotAnswering();
};

class HostLink : public CommandChannel {
public:
    HostLink(WindowSystem& windows, Clock& clock) : ws_(windows), clock_(clock) {}

    // Window searches; each gives 0 when nothing passes its tests.
    WindowHandle FindHostWindows();
    WindowHandle FindCommandLineWindow();
    WindowHandle FindTextWindow();
    WindowHandle FindDrawingView();
    // True when the host's main window exists.
    bool BringHostToFront();
    // Brings one of the palette's own windows to the top while another thread
    // (the host) holds the foreground.
    bool RaiseDialog(WindowHandle dialog);

    // The whole text in one message, whatever its length; nothing when no host runs.
    // HostNotAnswering when the host is there but hung.
    void SendCommand(std::string_view text) override;
    // A host may show its prompt line late, so the line read just after a send can be the
    // one from before it. True once a read has shown a prompt other than the one before
    // the last send, or the history has grown since, or that send is long past.
    bool AnsweredSinceSend();
    // The prompt line once the host has answered the last send, or after the wait for it.
    std::string ReadAnswer();
    std::string ReadCommandLine();
    std::string ReadTextWindow();
    // Replaces the user's clipboard with the host's history.
    std::string CopyHistoryLastLine();
    // The value as the host prints it ("0", "\"0\"", "1,2,0"); empty when none was found.
    std::string GetSysVar(std::string_view name);
    // Objects found by the selection that just ended: 0 while the host is not back at
    // the command prompt, -1 when no count could be read.
    int SelectionCount();

    const HostWindows& Windows() const { return found_; }

private:
    bool IsLive(WindowHandle w) { return w != kNoWindow && ws_.IsWindow(w); }
    // Walks `parent`'s descendants for the "Headlands"/"MountTam" pair.
    void FindControlPair(WindowHandle parent, WindowHandle& prompt, WindowHandle& second);
    std::string ReadControl(WindowHandle control);
    std::string ReadOnlyValueInHistory(std::string_view name);
    // Polls the prompt line until it differs from `shown`, for at most the answer wait.
    void WaitForPromptOtherThan(std::string_view shown);

    WindowSystem& ws_;
    Clock& clock_;
    HostWindows found_;
    // The last send as the host showed it: the prompt line before it, the history after it.
    std::string promptBeforeSend_;
    std::string historyAfterSend_;
    long long sentAt_ = 0;
    bool answered_ = true;
};

}  // namespace kv
