#include "desktop.h"

#include <algorithm>
#include <stdexcept>

#include "base/encoding.h"
#include "simhost/session.h"
#include "simhost/window_names.h"

namespace kv::sim {

namespace {

// The two controls have a class of their own that answers WM_GETTEXT with the
// contents and never changes the window name.
constexpr std::string_view kControlClass = "SimhostCommandText";
constexpr std::string_view kMdiClientClass = "MDIClient";

// GetWindowTextA and GetClassNameA fill a buffer of 255 bytes.
constexpr std::size_t kNameBytes = 254;

constexpr ScreenRect kFrameRect{0, 0, 1024, 768};
constexpr ScreenRect kDockedLineRect{0, 660, 1024, 740};
constexpr ScreenRect kFloatingLineRect{100, 600, 900, 680};
constexpr ScreenRect kTextWindowRect{120, 120, 760, 600};
constexpr ScreenRect kMdiRect{0, 60, 1024, 660};
constexpr ScreenRect kViewRect{4, 64, 1020, 656};
constexpr ScreenRect kPaletteRect{1024, 0, 1280, 640};

// What a reader on the other side of the A API gets back.
std::string ThroughCodePage(std::string_view utf8) { return AnsiToUtf8(Utf8ToAnsi(utf8)); }

std::string NameThroughCodePage(std::string_view utf8) {
    std::string ansi = Utf8ToAnsi(utf8);
    if (ansi.size() > kNameBytes) ansi.resize(kNameBytes);
    return AnsiToUtf8(ansi);
}

}  // namespace

int Desktop::StartHost(Session& session, CommandLinePlace place) {
    const int instance = static_cast<int>(instances_.size());
    instances_.push_back(Instance{&session, true, place, {}, {}, 0});
    Instance& host = instances_.back();
    host.windows.thread = nextThread_;
    nextThread_ += 0x10;
    // Created back to front: the frame ends up at the top.
    CreateTextWindow(host, instance);
    host.windows.frame =
        Create(kNoWindow, instance, std::string(kFrameCaption), std::string(kFrameClass), kFrameRect, Role::Frame);
    CreateCommandLine(host, instance);
    CreateDrawingWindows(host, instance);
    foreground_ = host.windows.frame;
    return instance;
}

void Desktop::CloseHost(int instance) {
    Instance& host = Host(instance);
    if (!host.running) return;
    host.running = false;
    for (auto& [handle, window] : windows_) {
        if (window.instance == instance && window.parent == kNoWindow) Destroy(handle);
    }
    if (!Live(foreground_)) foreground_ = kNoWindow;
}

int Desktop::RestartHost(int instance) {
    Instance& host = Host(instance);
    Session& session = *host.session;
    const CommandLinePlace place = host.place;
    CloseHost(instance);
    return StartHost(session, place);
}

void Desktop::MoveCommandLine(int instance, CommandLinePlace place) {
    Instance& host = Host(instance);
    if (!host.running || host.place == place) return;
    Destroy(host.windows.commandLine);
    host.place = place;
    CreateCommandLine(host, instance);
}

bool Desktop::Running(int instance) const { return Host(instance).running; }

const HostWindowSet& Desktop::HostWindows(int instance) const { return Host(instance).windows; }

Session& Desktop::HostSession(int instance) const { return *Host(instance).session; }

WindowHandle Desktop::AddPaletteWindow(std::string caption, std::string className) {
    return Create(kNoWindow, -1, std::move(caption), std::move(className), kPaletteRect);
}

Desktop::Instance& Desktop::Host(int instance) {
    if (instance < 0 || instance >= static_cast<int>(instances_.size()))
        throw std::out_of_range("no host instance " + std::to_string(instance));
    return instances_[static_cast<std::size_t>(instance)];
}

const Desktop::Instance& Desktop::Host(int instance) const { return const_cast<Desktop*>(this)->Host(instance); }

WindowHandle Desktop::Create(WindowHandle parent, int instance, std::string caption, std::string className,
                             ScreenRect rect, Role role) {
    const WindowHandle w = nextHandle_;
    nextHandle_ += 4;
    Window window;
    window.parent = parent;
    window.caption = std::move(caption);
    window.className = std::move(className);
    window.thread = instance < 0 ? kPaletteThread : Host(instance).windows.thread;
    window.instance = instance;
    window.role = role;
    window.rect = rect;
    windows_.emplace(w, std::move(window));
    if (parent == kNoWindow) zOrder_.insert(zOrder_.begin(), w);
    else windows_.at(parent).children.push_back(w);
    return w;
}

void Desktop::Destroy(WindowHandle w) {
    Window& window = windows_.at(w);
    if (!window.alive) return;
    window.alive = false;
    // Each child takes itself out of this list as it goes.
    const std::vector<WindowHandle> children = window.children;
    for (WindowHandle child : children) Destroy(child);
    if (window.parent == kNoWindow) {
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), w), zOrder_.end());
    } else {
        std::vector<WindowHandle>& siblings = windows_.at(window.parent).children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
    }
}

void Desktop::CreateCommandLine(Instance& host, int instance) {
    HostWindowSet& set = host.windows;
    const bool docked = host.place == CommandLinePlace::Docked;
    set.commandLine = Create(docked ? set.frame : kNoWindow, instance, std::string(kCommandLineCaption),
                             std::string(kCommandLineClass), docked ? kDockedLineRect : kFloatingLineRect);
    if (docked) {
        // The docked bar comes before the MDI client, as the frame lays out its bars first.
        std::vector<WindowHandle>& children = windows_.at(set.frame).children;
        std::rotate(children.begin(), children.end() - 1, children.end());
    }
    set.historyPane = Create(set.commandLine, instance, std::string(kHistoryCaption), std::string(kControlClass),
                             docked ? kDockedLineRect : kFloatingLineRect, Role::HistoryPane);
    set.prompt = Create(set.commandLine, instance, std::string(kPromptCaption), std::string(kControlClass),
                        docked ? kDockedLineRect : kFloatingLineRect, Role::Prompt);
}

void Desktop::CreateTextWindow(Instance& host, int instance) {
    HostWindowSet& set = host.windows;
    set.textWindow =
        Create(kNoWindow, instance, std::string(kTextWindowCaption), std::string(kTextWindowClass), kTextWindowRect);
    set.textHistory = Create(set.textWindow, instance, std::string(kHistoryCaption), std::string(kControlClass),
                             kTextWindowRect, Role::HistoryPane);
    set.textPrompt = Create(set.textWindow, instance, std::string(kPromptCaption), std::string(kControlClass),
                            kTextWindowRect, Role::Prompt);
}

void Desktop::CreateDrawingWindows(Instance& host, int instance) {
    HostWindowSet& set = host.windows;
    set.mdiClient = Create(set.frame, instance, "", std::string(kMdiClientClass), kMdiRect);
    set.drawingWindow =
        Create(set.mdiClient, instance, std::string(kDrawingWindowCaption), std::string(kDrawingWindowClass), kMdiRect);
    set.view = Create(set.drawingWindow, instance, "", std::string(kViewClass), kViewRect);
}

void Desktop::ToFront(WindowHandle w) {
    while (windows_.at(w).parent != kNoWindow) w = windows_.at(w).parent;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), w), zOrder_.end());
    zOrder_.insert(zOrder_.begin(), w);
}

const Desktop::Window* Desktop::Live(WindowHandle w) const {
    const auto it = windows_.find(w);
    return it != windows_.end() && it->second.alive ? &it->second : nullptr;
}

std::string Desktop::HistoryText(const Session& session) const {
    std::string text;
    for (const std::string& line : session.History()) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

std::vector<WindowHandle> Desktop::TopLevelWindows() { return zOrder_; }

std::vector<WindowHandle> Desktop::Descendants(WindowHandle parent) {
    std::vector<WindowHandle> out;
    const Window* window = Live(parent);
    if (!window) return out;
    for (WindowHandle child : window->children) {
        out.push_back(child);
        const std::vector<WindowHandle> below = Descendants(child);
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

std::string Desktop::Caption(WindowHandle w) {
    const Window* window = Live(w);
    return window ? NameThroughCodePage(window->caption) : std::string();
}

std::string Desktop::ClassName(WindowHandle w) {
    const Window* window = Live(w);
    return window ? NameThroughCodePage(window->className) : std::string();
}

bool Desktop::IsWindow(WindowHandle w) { return Live(w) != nullptr; }

std::uint32_t Desktop::WindowThread(WindowHandle w) {
    const Window* window = Live(w);
    return window ? window->thread : 0;
}

bool Desktop::SendCopyData(WindowHandle target, std::uint32_t tag, std::string_view text) {
    if (failingSends > 0) {
        --failingSends;
        throw std::runtime_error("host link lost");
    }
    const Window* window = Live(target);
    if (!window) return false;
    if (window->role != Role::Frame || tag != kTypedInputTag) return true;
    // The host reads ANSI bytes up to the terminating NUL.
    std::string ansi = Utf8ToAnsi(text);
    ansi.resize(std::min(ansi.size(), ansi.find('\0')));
    typed_.push_back(AnsiToUtf8(ansi));
    Host(window->instance).session->Type(typed_.back());
    return true;
}

std::string Desktop::ShownPrompt(Instance& host) {
    const std::string now = host.session->PromptLine();
    if (host.shownPrompt.empty() || now == host.shownPrompt || ++host.staleReads > promptLagReads) {
        host.staleReads = 0;
        host.shownPrompt = now;
    }
    return host.shownPrompt;
}

std::string Desktop::ControlText(WindowHandle w) {
    const Window* window = Live(w);
    if (!window) return {};
    switch (window->role) {
    case Role::Prompt: return ThroughCodePage(ShownPrompt(Host(window->instance)));
    case Role::HistoryPane: return ThroughCodePage(HistoryText(*Host(window->instance).session));
    case Role::Frame:
    case Role::Plain: break;
    }
    return ThroughCodePage(window->caption);
}

// The in-process host handles every message as it is sent; there is no loop to wake.
void Desktop::PostNull(WindowHandle) {}

void Desktop::SendCommandMessage(WindowHandle w, std::uint32_t commandId) {
    const Window* window = Live(w);
    if (!window || commandId != kCopyHistoryCommand) return;
    if (window->instance < 0 || w != Host(window->instance).windows.textWindow) return;
    std::string text;
    for (const std::string& line : Host(window->instance).session->History()) text += line + "\r\n";
    clipboard_ = ThroughCodePage(text);
}

WindowHandle Desktop::MdiActiveChild(WindowHandle mdiClient) {
    const Window* window = Live(mdiClient);
    if (!window || window->instance < 0) return kNoWindow;
    const HostWindowSet& set = Host(window->instance).windows;
    return mdiClient == set.mdiClient ? set.drawingWindow : kNoWindow;
}

std::string Desktop::ClipboardText() { return clipboard_; }

WindowHandle Desktop::ForegroundWindow() { return Live(foreground_) ? foreground_ : kNoWindow; }

bool Desktop::SetForegroundWindow(WindowHandle w) {
    if (!Live(w)) return false;
    foreground_ = w;
    ToFront(w);
    return true;
}

bool Desktop::BringWindowToTop(WindowHandle w) {
    if (!Live(w)) return false;
    ToFront(w);
    return true;
}

bool Desktop::AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool) {
    if (thread == toThread) return false;
    auto known = [this](std::uint32_t t) {
        return std::any_of(windows_.begin(), windows_.end(),
                           [t](const auto& entry) { return entry.second.alive && entry.second.thread == t; });
    };
    return known(thread) && known(toThread);
}

ScreenRect Desktop::WindowRect(WindowHandle w) {
    const Window* window = Live(w);
    return window ? window->rect : ScreenRect{};
}

// The pointer starts at the screen's corner; only the palette moves it in process.
ScreenPoint Desktop::CursorPos() { return cursor_; }

bool Desktop::SetCursorPos(ScreenPoint p) {
    cursor_ = p;
    return true;
}

}  // namespace kv::sim
