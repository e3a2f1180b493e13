#include "hostlink/host_link.h"

#include "base/strings.h"

namespace kv {

namespace {

// The host's window layout is known only by these caption and class fragments.
constexpr std::string_view kHostCaption = "AutoCAD ";
constexpr std::string_view kHostCaptionAlternative = "Autodesk )";
constexpr std::string_view kCommandLineCaption = "コマンド ライン";
constexpr std::string_view kFrameworkClass = "Afx:";
constexpr std::string_view kFrameClass = "400000:8:";
constexpr std::string_view kTextWindowClass = "400000:b:";
constexpr std::string_view kViewClass = "400000:28:";
constexpr std::string_view kMdiClientClass = "MDIClient";
constexpr std::string_view kPromptCaption = "Headlands";
constexpr std::string_view kSecondControlCaption = "MountTam";

// The first occurrence must not be at the very start.
bool ContainsAfterStart(std::string_view text, std::string_view fragment) {
    const size_t p = text.find(fragment);
    return p != std::string_view::npos && p > 0;
}

bool IsHostClass(std::string_view className, std::string_view fragment) {
    return StartsWith(className, kFrameworkClass) && ContainsAfterStart(className, fragment);
}

bool IsHostCaption(std::string_view caption) {
    return StartsWith(caption, kHostCaption) || StartsWith(caption, kHostCaptionAlternative);
}

}  // namespace

WindowHandle HostLink::FindHostWindows() {
    found_.mainWindow = kNoWindow;
    found_.mainThread = 0;
    for (WindowHandle w : ws_.TopLevelWindows()) {
        const std::string caption = ws_.Caption(w);
        if (caption.empty() || !IsHostCaption(caption)) continue;
        if (!IsHostClass(ws_.ClassName(w), kFrameClass)) continue;
        found_.mainWindow = w;
        found_.mainThread = ws_.WindowThread(w);
        break;
    }
    return found_.mainWindow;
}

// With several hosts running, a floating command line of the host found by
// FindHostWindows is preferred over one of another instance.
WindowHandle HostLink::FindCommandLineWindow() {
    found_.commandLineWindow = kNoWindow;
    WindowHandle first = kNoWindow;
    for (WindowHandle w : ws_.TopLevelWindows()) {
        const std::string caption = ws_.Caption(w);
        if (caption.empty() || !StartsWith(caption, kCommandLineCaption)) continue;
        if (!IsHostClass(ws_.ClassName(w), kFrameClass)) continue;
        if (found_.mainThread != 0 && ws_.WindowThread(w) == found_.mainThread) {
            found_.commandLineWindow = w;
            return w;
        }
        if (first == kNoWindow) first = w;
    }
    found_.commandLineWindow = first;
    return first;
}

WindowHandle HostLink::FindTextWindow() {
    found_.textWindow = kNoWindow;
    if (!IsLive(FindHostWindows())) return kNoWindow;
    for (WindowHandle w : ws_.TopLevelWindows()) {
        const std::string caption = ws_.Caption(w);
        if (caption.empty() || !IsHostCaption(caption)) continue;
        if (!IsHostClass(ws_.ClassName(w), kTextWindowClass)) continue;
        if (ws_.WindowThread(w) != found_.mainThread) continue;
        found_.textWindow = w;
        break;
    }
    return IsLive(found_.textWindow) ? found_.textWindow : kNoWindow;
}

WindowHandle HostLink::FindDrawingView() {
    found_.mdiClient = found_.activeDrawing = found_.drawingView = kNoWindow;
    const WindowHandle main = FindHostWindows();
    if (!IsLive(main)) return kNoWindow;
    for (WindowHandle w : ws_.Descendants(main)) {
        if (ws_.ClassName(w) != kMdiClientClass) continue;
        found_.mdiClient = w;
        break;
    }
    if (!IsLive(found_.mdiClient)) return kNoWindow;
    found_.activeDrawing = ws_.MdiActiveChild(found_.mdiClient);
    if (!IsLive(found_.activeDrawing)) return kNoWindow;
    for (WindowHandle w : ws_.Descendants(found_.activeDrawing)) {
        if (!IsHostClass(ws_.ClassName(w), kViewClass)) continue;
        found_.drawingView = w;
        break;
    }
    return found_.drawingView;
}

bool HostLink::BringHostToFront() {
    const WindowHandle main = FindHostWindows();
    if (main == kNoWindow) return false;
    ws_.SetForegroundWindow(main);
    return IsLive(main);
}

bool HostLink::RaiseDialog(WindowHandle dialog) {
    if (!IsLive(dialog)) return false;
    const std::uint32_t thread = ws_.WindowThread(dialog);
    const WindowHandle foreground = ws_.ForegroundWindow();
    const std::uint32_t foregroundThread = foreground == kNoWindow ? 0 : ws_.WindowThread(foreground);
    if (foregroundThread == 0 || foregroundThread == thread) return ws_.BringWindowToTop(dialog);
    // Windows lets only the foreground thread reorder the top; sharing its input
    // state for the moment of the call lifts that restriction.
    const bool attached = ws_.AttachThreadInput(thread, foregroundThread, true);
    const bool raised = ws_.BringWindowToTop(dialog);
    if (attached) ws_.AttachThreadInput(thread, foregroundThread, false);
    return raised;
}

void HostLink::FindControlPair(WindowHandle parent, WindowHandle& prompt, WindowHandle& second) {
    prompt = second = kNoWindow;
    for (WindowHandle w : ws_.Descendants(parent)) {
        const std::string caption = ws_.Caption(w);
        if (StartsWith(caption, kPromptCaption)) prompt = w;
        else if (StartsWith(caption, kSecondControlCaption)) second = w;
        if (prompt != kNoWindow && second != kNoWindow) return;
    }
}

}  // namespace kv
