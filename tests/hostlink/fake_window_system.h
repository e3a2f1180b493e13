// A scriptable desktop for the host-link tests: a tree of windows with captions,
// classes, threads and control texts, a clipboard and a foreground window. Tests
// attach handlers that play the host's part (answering typed text before the send
// returns, putting the history on the clipboard).
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/encoding.h"
#include "platform/window_system.h"

namespace kv::test {

class FakeWindowSystem : public WindowSystem {
public:
    struct Window {
        WindowHandle parent = kNoWindow;
        std::string caption;
        std::string className;
        std::string text;  // a control's contents
        std::uint32_t thread = 0;
        bool alive = true;
        std::vector<WindowHandle> children;
        WindowHandle mdiActive = kNoWindow;
    };
    struct CopyData {
        WindowHandle target;
        std::uint32_t tag;
        std::string text;         // as the palette gave it (UTF-8)
        std::size_t ansiBytes;    // what the receiver's cbData counts, NUL included
    };

    // Handles are never reused, as a restarted program gets new ones.
    WindowHandle AddTopLevel(std::string caption, std::string className, std::uint32_t thread) {
        const WindowHandle w = NewWindow(kNoWindow, std::move(caption), std::move(className), thread);
        topLevel_.push_back(w);
        return w;
    }

    WindowHandle AddChild(WindowHandle parent, std::string caption, std::string className,
                          std::string text = {}) {
        const WindowHandle w =
            NewWindow(parent, std::move(caption), std::move(className), windows_.at(parent).thread);
        windows_.at(w).text = std::move(text);
        windows_.at(parent).children.push_back(w);
        return w;
    }

    void Destroy(WindowHandle w) {
        Window& win = windows_.at(w);
        win.alive = false;
        for (WindowHandle c : win.children) Destroy(c);
    }

    Window& At(WindowHandle w) { return windows_.at(w); }
    void SetText(WindowHandle w, std::string text) { windows_.at(w).text = std::move(text); }
    void SetMdiActive(WindowHandle mdiClient, WindowHandle child) { windows_.at(mdiClient).mdiActive = child; }

    // --- what the tests script and inspect
    std::function<void(WindowHandle target, std::string_view text)> onCopyData;
    std::function<void(WindowHandle target, std::uint32_t commandId)> onCommand;
    std::vector<CopyData> copyData;
    std::vector<WindowHandle> nullsPosted;
    std::vector<std::pair<WindowHandle, std::uint32_t>> commands;
    std::vector<std::pair<std::uint32_t, bool>> attachments;  // (to thread, attach)
    std::vector<WindowHandle> broughtToTop;
    std::string clipboard;
    WindowHandle foreground = kNoWindow;

    std::vector<std::string> TypedTexts() const {
        std::vector<std::string> out;
        for (const CopyData& c : copyData) out.push_back(c.text);
        return out;
    }

    // --- WindowSystem
    std::vector<WindowHandle> TopLevelWindows() override {
        std::vector<WindowHandle> out;
        std::copy_if(topLevel_.begin(), topLevel_.end(), std::back_inserter(out),
                     [this](WindowHandle w) { return windows_.at(w).alive; });
        return out;
    }

    std::vector<WindowHandle> Descendants(WindowHandle parent) override {
        std::vector<WindowHandle> out;
        if (IsWindow(parent)) CollectDescendants(parent, out);
        return out;
    }

    std::string Caption(WindowHandle w) override { return IsWindow(w) ? windows_.at(w).caption : ""; }
    std::string ClassName(WindowHandle w) override { return IsWindow(w) ? windows_.at(w).className : ""; }
    bool IsWindow(WindowHandle w) override {
        const auto it = windows_.find(w);
        return it != windows_.end() && it->second.alive;
    }
    std::uint32_t WindowThread(WindowHandle w) override { return IsWindow(w) ? windows_.at(w).thread : 0; }

    bool SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) override {
        if (!IsWindow(target)) return false;
        copyData.push_back({target, tag, std::string(text), Utf8ToAnsi(text).size() + 1});
        if (onCopyData) onCopyData(target, text);
        return true;
    }
    std::string ControlText(WindowHandle w) override { return IsWindow(w) ? windows_.at(w).text : ""; }
    void PostNull(WindowHandle w) override { nullsPosted.push_back(w); }
    void SendCommandMessage(WindowHandle w, std::uint32_t commandId) override {
        if (!IsWindow(w)) return;
        commands.emplace_back(w, commandId);
        if (onCommand) onCommand(w, commandId);
    }
    WindowHandle MdiActiveChild(WindowHandle mdiClient) override {
        return IsWindow(mdiClient) ? windows_.at(mdiClient).mdiActive : kNoWindow;
    }

    std::string ClipboardText() override { return clipboard; }
    WindowHandle ForegroundWindow() override { return foreground; }
    bool SetForegroundWindow(WindowHandle w) override {
        if (!IsWindow(w)) return false;
        foreground = w;
        return true;
    }
    bool BringWindowToTop(WindowHandle w) override {
        if (!IsWindow(w)) return false;
        broughtToTop.push_back(w);
        return true;
    }
    bool AttachThreadInput(std::uint32_t, std::uint32_t toThread, bool attach) override {
        attachments.emplace_back(toThread, attach);
        return true;
    }
    ScreenRect WindowRect(WindowHandle) override { return {}; }
    ScreenPoint CursorPos() override { return {}; }

private:
    WindowHandle NewWindow(WindowHandle parent, std::string caption, std::string className,
                           std::uint32_t thread) {
        const WindowHandle w = nextHandle_;
        nextHandle_ += 4;
        Window& win = windows_[w];
        win.parent = parent;
        win.caption = std::move(caption);
        win.className = std::move(className);
        win.thread = thread;
        return w;
    }

    void CollectDescendants(WindowHandle parent, std::vector<WindowHandle>& out) {
        for (WindowHandle c : windows_.at(parent).children) {
            if (!windows_.at(c).alive) continue;
            out.push_back(c);
            CollectDescendants(c, out);
        }
    }

    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;
    WindowHandle nextHandle_ = 0x1000;
};

// The windows a host shows: main frame with a docked (or floating) command line,
// an MDI client with one drawing and its view, and the text window.
struct FakeHost {
    WindowHandle frame = kNoWindow;
    WindowHandle commandLine = kNoWindow;  // the floating window, when floating
    WindowHandle prompt = kNoWindow;
    WindowHandle second = kNoWindow;
    WindowHandle mdiClient = kNoWindow;
    WindowHandle drawing = kNoWindow;
    WindowHandle view = kNoWindow;
    WindowHandle textWindow = kNoWindow;
    WindowHandle textPrompt = kNoWindow;
    WindowHandle history = kNoWindow;
};

enum class CommandLinePlace { Docked, Floating };

inline FakeHost AddFakeHost(FakeWindowSystem& ws, std::uint32_t thread,
                            CommandLinePlace place = CommandLinePlace::Docked) {
    FakeHost h;
    h.frame = ws.AddTopLevel("AutoCAD 2000 - [Drawing1.dwg]", "Afx:400000:8:10011:0:1a0b", thread);
    const WindowHandle bar = ws.AddChild(h.frame, "", "AfxControlBar42");
    if (place == CommandLinePlace::Floating) {
        h.commandLine = ws.AddTopLevel("コマンド ライン", "Afx:400000:8:10011:0:0", thread);
        h.prompt = ws.AddChild(h.commandLine, "Headlands", "Edit", "コマンド: ");
        h.second = ws.AddChild(h.commandLine, "MountTam", "Edit");
    } else {
        h.prompt = ws.AddChild(bar, "Headlands", "Edit", "コマンド: ");
        h.second = ws.AddChild(bar, "MountTam", "Edit");
    }
    h.mdiClient = ws.AddChild(h.frame, "", "MDIClient");
    h.drawing = ws.AddChild(h.mdiClient, "Drawing1.dwg", "Afx:400000:b:10011:6:0");
    h.view = ws.AddChild(h.drawing, "", "Afx:400000:28:10011:0:0");
    ws.SetMdiActive(h.mdiClient, h.drawing);
    h.textWindow = ws.AddTopLevel("AutoCAD テキスト ウィンドウ - Drawing1.dwg", "Afx:400000:b:10011:6:0", thread);
    h.textPrompt = ws.AddChild(h.textWindow, "Headlands", "Edit", "コマンド: ");
    h.history = ws.AddChild(h.textWindow, "MountTam", "Edit");
    return h;
}

}  // namespace kv::test
