// A scriptable desktop: a tree of windows with captions, classes, threads and control texts,
// a clipboard and a foreground window. Handlers play the host's part (answering typed text
// before the send returns, putting the history on the clipboard).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/window_system.h"

namespace kv::test {

class FakeWindowSystem : public WindowSystem {
public:
    struct Window {
        std::string caption, className, text;
        std::uint32_t thread = 0;
        bool alive = true;
        bool hung = false;  // takes no typed text
        std::vector<WindowHandle> children;
        WindowHandle mdiActive = kNoWindow;
    };
    struct CopyData {
        WindowHandle target;
        std::uint32_t tag;
        std::string text;
    };

    // Handles are never reused, as a restarted program gets new ones.
    WindowHandle AddTopLevel(std::string caption, std::string className, std::uint32_t thread) {
        topLevel_.push_back(New(std::move(caption), std::move(className), thread));
        return topLevel_.back();
    }
    WindowHandle AddChild(WindowHandle parent, std::string caption, std::string className, std::string text = {}) {
        const WindowHandle w = New(std::move(caption), std::move(className), At(parent).thread);
        At(w).text = std::move(text);
        At(parent).children.push_back(w);
        return w;
    }
    void Destroy(WindowHandle w) {
        At(w).alive = false;
        for (WindowHandle c : At(w).children) Destroy(c);
    }
    Window& At(WindowHandle w) { return windows_.at(w); }
    void SetText(WindowHandle w, std::string text) { At(w).text = std::move(text); }

    std::function<void(WindowHandle target, std::string_view text)> onCopyData;
    std::function<void(WindowHandle target, std::uint32_t commandId)> onCommand;
    std::vector<CopyData> copyData;
    std::vector<WindowHandle> nullsPosted;
    std::vector<std::pair<std::uint32_t, bool>> attachments;  // (to thread, attach)
    std::vector<WindowHandle> broughtToTop;
    std::string clipboard;
    WindowHandle foreground = kNoWindow;

    std::vector<std::string> TypedTexts() const {
        std::vector<std::string> out;
        for (const CopyData& c : copyData) out.push_back(c.text);
        return out;
    }

    std::vector<WindowHandle> TopLevelWindows() override {
        std::vector<WindowHandle> out;
        for (WindowHandle w : topLevel_)
            if (IsWindow(w)) out.push_back(w);
        return out;
    }
    std::vector<WindowHandle> Descendants(WindowHandle parent) override {
        std::vector<WindowHandle> out;
        if (IsWindow(parent)) Collect(parent, out);
        return out;
    }
    std::string Caption(WindowHandle w) override { return IsWindow(w) ? At(w).caption : ""; }
    std::string ClassName(WindowHandle w) override { return IsWindow(w) ? At(w).className : ""; }
    bool IsWindow(WindowHandle w) override { return windows_.count(w) && At(w).alive; }
    std::uint32_t WindowThread(WindowHandle w) override { return IsWindow(w) ? At(w).thread : 0; }
    bool SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) override {
        if (!IsWindow(target) || At(target).hung) return false;
        copyData.push_back({target, tag, std::string(text)});
        if (onCopyData) onCopyData(target, text);
        return true;
    }
    std::string ControlText(WindowHandle w) override { return IsWindow(w) ? At(w).text : ""; }
    void PostNull(WindowHandle w) override { nullsPosted.push_back(w); }
    void SendCommandMessage(WindowHandle w, std::uint32_t commandId) override {
        if (IsWindow(w) && onCommand) onCommand(w, commandId);
    }
    WindowHandle MdiActiveChild(WindowHandle c) override { return IsWindow(c) ? At(c).mdiActive : kNoWindow; }
    std::string ClipboardText() override { return clipboard; }
    WindowHandle ForegroundWindow() override { return foreground; }
    bool SetForegroundWindow(WindowHandle w) override { return IsWindow(w) && (foreground = w); }
    bool BringWindowToTop(WindowHandle w) override { return IsWindow(w) && (broughtToTop.push_back(w), true); }
    bool AttachThreadInput(std::uint32_t, std::uint32_t toThread, bool attach) override {
        attachments.emplace_back(toThread, attach);
        return true;
    }
    ScreenRect WindowRect(WindowHandle) override { return {}; }
    ScreenPoint CursorPos() override { return {}; }

private:
    WindowHandle New(std::string caption, std::string className, std::uint32_t thread) {
        nextHandle_ += 4;
        Window& w = windows_[nextHandle_];
        w.caption = std::move(caption);
        w.className = std::move(className);
        w.thread = thread;
        return nextHandle_;
    }
    void Collect(WindowHandle parent, std::vector<WindowHandle>& out) {
        for (WindowHandle c : At(parent).children) {
            if (!At(c).alive) continue;
            out.push_back(c);
            Collect(c, out);
        }
    }

    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;
    WindowHandle nextHandle_ = 0x1000;
};

// The windows a host shows: the main frame with a docked command line, an MDI client with
// one drawing and its view, and the text window.
struct FakeHost {
    WindowHandle frame, prompt, second, mdiClient, drawing, view, textWindow, textPrompt, history;
};

inline FakeHost AddFakeHost(FakeWindowSystem& ws, std::uint32_t thread) {
    FakeHost h{};
    h.frame = ws.AddTopLevel("AutoCAD 2000 - [Drawing1.dwg]", "Afx:400000:8:10011:0:1a0b", thread);
    const WindowHandle bar = ws.AddChild(h.frame, "", "AfxControlBar42");
    h.prompt = ws.AddChild(bar, "Headlands", "Edit", "コマンド: ");
    h.second = ws.AddChild(bar, "MountTam", "Edit");
    h.mdiClient = ws.AddChild(h.frame, "", "MDIClient");
    h.drawing = ws.AddChild(h.mdiClient, "Drawing1.dwg", "Afx:400000:b:10011:6:0");
    h.view = ws.AddChild(h.drawing, "", "Afx:400000:28:10011:0:0");
    ws.At(h.mdiClient).mdiActive = h.drawing;
    h.textWindow = ws.AddTopLevel("AutoCAD テキスト ウィンドウ - Drawing1.dwg", "Afx:400000:b:10011:6:0", thread);
    h.textPrompt = ws.AddChild(h.textWindow, "Headlands", "Edit", "コマンド: ");
    h.history = ws.AddChild(h.textWindow, "MountTam", "Edit");
    return h;
}

}  // namespace kv::test
