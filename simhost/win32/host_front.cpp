#include "host_front.h"

#include <algorithm>
#include <cstring>

#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "command_text_control.h"
#include "simhost/console.h"
#include "simhost/window_names.h"
#include "window_procs.h"

namespace kv::sim::win {

namespace {

constexpr char kProgramName[] = "simhost";
constexpr RECT kFrameRect{350, 0, 1270, 720};
constexpr RECT kTextWindowRect{350, 730, 1270, 1010};
// Pixel heights of the docked command line: the history pane shows three lines.
constexpr int kHistoryPaneHeight = 3 * 16 + 4;
constexpr int kPromptLineHeight = 20;
constexpr int kCommandBarGap = 2;
constexpr int kCommandBarHeight = kHistoryPaneHeight + kPromptLineHeight + 3 * kCommandBarGap;
constexpr UINT kFirstMdiChildId = 0xFF00;
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardRetryMs = 20;
constexpr UINT kReplyTimeoutMs = 5000;
// The slow host: a changed prompt line shows this late, six of the palette's 50 ms ticks.
constexpr UINT kPromptLagMs = 300;

bool Register(HINSTANCE instance, std::string_view name, WNDPROC proc, UINT style, HCURSOR cursor, HBRUSH background) {
    const std::wstring className = Utf8ToWide(name);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className.c_str();
    return RegisterClassExW(&wc) != 0;
}

std::string LastError(const char* what) {
    return std::string(what) + " failed (error " + std::to_string(GetLastError()) + ")";
}

// The clipboard may be held by another program for a moment.
bool OpenClipboardPatiently(HWND owner) {
    for (int i = 0; i < kClipboardTries; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(kClipboardRetryMs);
    }
    return false;
}

HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    return memory;
}

void PutOnClipboard(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalCopy(bytes, size);
    if (memory && !SetClipboardData(format, memory)) GlobalFree(memory);
}

}  // namespace

HostFront::HostFront(HINSTANCE instance, HostFiles files)
    : instance_(instance), files_(files), host_(std::move(files)) {
    const DrawingVars& vars = host_.GetDrawing().vars;
    view_.center = vars.viewCtr;
    view_.height = vars.viewSize;
}

std::optional<std::string> HostFront::Open(const FrontOptions& options, int showCommand) {
    if (!options.loadFile.empty()) {
        ConsoleReply loaded = RunConsoleMessage(host_, files_, ":load " + options.loadFile, kProgramName);
        if (!loaded.ok) return loaded.text;
    }
    if (!RegisterClasses()) return LastError("RegisterClassEx");
    frame_ = CreateWindowExW(0, Utf8ToWide(kFrameClass).c_str(), Utf8ToWide(kFrameCaption).c_str(),
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFrameRect.left, kFrameRect.top,
                             kFrameRect.right - kFrameRect.left, kFrameRect.bottom - kFrameRect.top, nullptr, nullptr,
                             instance_, this);
    if (!frame_) return LastError("creating the frame");
    CreateDrawingWindows();
    CreateCommandBar();
    CreateTextWindow();
    if (!mdiClient_ || !viewWindow_ || !prompt_ || !textWindow_) return LastError("creating the host's windows");
    LayoutFrame();
    if (!options.loadFile.empty()) ZoomExtents();
    Refresh();
    ShowWindow(frame_, showCommand);
    if (options.showTextWindow) ShowWindow(textWindow_, SW_SHOWNOACTIVATE);
    UpdateWindow(frame_);
    SetFocus(commandBar_);
    return std::nullopt;
}

bool HostFront::RegisterClasses() {
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return Register(instance_, kFrameClass, FrameProc, 0, arrow, face) &&
           Register(instance_, kDrawingWindowClass, DrawingWindowProc, 0, arrow, nullptr) &&
           Register(instance_, kViewClass, ViewProc, CS_DBLCLKS, LoadCursor(nullptr, IDC_CROSS), nullptr) &&
           Register(instance_, kCommandLineClass, CommandBarProc, 0, arrow, face) &&
           Register(instance_, kTextWindowClass, TextWindowProc, 0, arrow, face) && RegisterCommandTextClass(instance_);
}

void HostFront::CreateDrawingWindows() {
    CLIENTCREATESTRUCT client{nullptr, kFirstMdiChildId};
    mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame_, nullptr,
                                 instance_, &client);
    if (!mdiClient_) return;
    const std::wstring drawingClass = Utf8ToWide(kDrawingWindowClass);
    const std::wstring drawingCaption = Utf8ToWide(kDrawingWindowCaption);
    MDICREATESTRUCTW child{};
    child.szClass = drawingClass.c_str();
    child.szTitle = drawingCaption.c_str();
    child.hOwner = instance_;
    child.x = child.y = child.cx = child.cy = CW_USEDEFAULT;
    child.style = WS_MAXIMIZE | WS_CLIPCHILDREN;
    drawingWindow_ =
        reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    if (!drawingWindow_) return;
    RECT area;
    GetClientRect(drawingWindow_, &area);
    viewWindow_ = CreateWindowExW(0, Utf8ToWide(kViewClass).c_str(), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                                  area.bottom, drawingWindow_, nullptr, instance_, this);
}

void HostFront::CreateCommandBar() {
    commandBar_ =
        CreateWindowExW(0, Utf8ToWide(kCommandLineClass).c_str(), Utf8ToWide(kCommandLineCaption).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, frame_, nullptr, instance_, this);
    if (!commandBar_) return;
    historyPane_ = CreateCommandText(commandBar_, kHistoryCaption, CommandTextStyle::HistoryPane, instance_);
    prompt_ = CreateCommandText(commandBar_, kPromptCaption, CommandTextStyle::PromptLine, instance_);
}

void HostFront::CreateTextWindow() {
    // Owned by the frame: it stays in front of it, in the frame's thread.
    textWindow_ = CreateWindowExW(0, Utf8ToWide(kTextWindowClass).c_str(), Utf8ToWide(kTextWindowCaption).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kTextWindowRect.left, kTextWindowRect.top,
                                  kTextWindowRect.right - kTextWindowRect.left,
                                  kTextWindowRect.bottom - kTextWindowRect.top, frame_, nullptr, instance_, this);
    if (!textWindow_) return;
    textHistory_ = CreateCommandText(textWindow_, kHistoryCaption, CommandTextStyle::HistoryPane, instance_);
    textPrompt_ = CreateCommandText(textWindow_, kPromptCaption, CommandTextStyle::PromptLine, instance_);
    LayoutTextWindow();
}

void HostFront::LayoutFrame() {
    if (!frame_ || !mdiClient_ || !commandBar_) return;
    RECT client;
    GetClientRect(frame_, &client);
    int barTop = std::max<int>(0, client.bottom - kCommandBarHeight);
    MoveWindow(mdiClient_, 0, 0, client.right, barTop, TRUE);
    MoveWindow(commandBar_, 0, barTop, client.right, client.bottom - barTop, TRUE);
    int width = std::max<int>(0, client.right - 2 * kCommandBarGap);
    MoveWindow(historyPane_, kCommandBarGap, kCommandBarGap, width, kHistoryPaneHeight, TRUE);
    MoveWindow(prompt_, kCommandBarGap, 2 * kCommandBarGap + kHistoryPaneHeight, width, kPromptLineHeight, TRUE);
}

void HostFront::LayoutTextWindow() {
    if (!textWindow_ || !textHistory_ || !textPrompt_) return;
    RECT client;
    GetClientRect(textWindow_, &client);
    int promptTop = std::max<int>(0, client.bottom - kPromptLineHeight);
    MoveWindow(textHistory_, 0, 0, client.right, promptTop - 1, TRUE);
    MoveWindow(textPrompt_, 0, promptTop, client.right, client.bottom - promptTop, TRUE);
}

void HostFront::ToggleTextWindow() {
    if (!textWindow_) return;
    ShowWindow(textWindow_, IsWindowVisible(textWindow_) ? SW_HIDE : SW_SHOW);
}

LRESULT HostFront::CopyData(HWND sender, const COPYDATASTRUCT& data) {
    std::string_view bytes(static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0);
    if (data.dwData == kTypedInputTag) {
        host_.SendAnsi(bytes);
        Refresh();
        return TRUE;
    }
    if (data.dwData != kAutomationTag) return FALSE;
    std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    ConsoleReply reply = RunAutomation(bytes);
    Refresh();
    if (sender && IsWindow(sender)) SendReply(sender, reply.text);
    return reply.ok ? kAutomationOk : kAutomationFailed;
}

ConsoleReply HostFront::RunAutomation(std::string_view message) {
    ConsoleReply all;
    while (!message.empty()) {
        std::size_t end = message.find('\n');
        std::string_view line = message.substr(0, end);
        message = end == std::string_view::npos ? std::string_view() : message.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        bool zoom = line == ":zoom" || StartsWith(line, ":zoom ");
        ConsoleReply one = zoom ? Zoom(TrimView(line.substr(5))) : RunConsoleMessage(host_, files_, line, kProgramName);
        all.ok = one.ok && all.ok;
        all.text += one.text;
    }
    return all;
}

ConsoleReply HostFront::Zoom(std::string_view argument) {
    if (argument == "extents") {
        ZoomExtents();
    } else {
        std::size_t blank = argument.find(' ');
        std::optional<Point3> center = ParseConsolePoint(argument.substr(0, blank));
        double height = 0;
        if (!center || blank == std::string_view::npos || !TryParseReal(Trim(argument.substr(blank + 1)), height) ||
            !(height > 0)) {
            return ConsoleReply{false, std::string(kProgramName) + ": :zoom wants extents or x,y height\n"};
        }
        ViewMapping view = view_;
        view.center = *center;
        view.height = height;
        ChangeView(view);
    }
    return ConsoleReply{true, host_.PromptLine() + "\n"};
}

void HostFront::SendReply(HWND to, const std::string& text) {
    COPYDATASTRUCT reply{kAutomationReplyTag, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(frame_), reinterpret_cast<LPARAM>(&reply),
                        SMTO_ABORTIFHUNG, kReplyTimeoutMs, &ignored);
}

void HostFront::KeyChar(wchar_t c) {
    if (c == 0x1B) {
        host_.PressEscape();
    } else if (c == L'\r' || c == L'\b' || c == L'\t' || c >= 0x20) {
        if (c >= 0xD800 && c <= 0xDFFF) return;  // the host's code page has no characters beyond the BMP
        wchar_t one[2] = {c, 0};
        host_.Type(WideToUtf8(one));
    } else {
        return;
    }
    Refresh();
}

bool HostFront::KeyDown(WPARAM key) {
    if (key == VK_F2) {
        ToggleTextWindow();
        return true;
    }
    return false;
}

void HostFront::PickAt(PixelPoint pixel) {
    host_.Pick(view_.ToDrawing(pixel));
    Refresh();
}

void HostFront::WindowBetween(PixelPoint first, PixelPoint second) {
    host_.PickWindow(view_.ToDrawing(first), view_.ToDrawing(second));
    Refresh();
}

void HostFront::Enter() {
    host_.PressEnter();
    Refresh();
}

void HostFront::CopyHistoryToClipboard() {
    std::string utf8 = host_.HistoryText();
    std::wstring wide = Utf8ToWide(utf8);
    std::string ansi = Utf8ToAnsi(utf8);
    if (!OpenClipboardPatiently(textWindow_)) return;
    EmptyClipboard();
    // Both forms, so that an ANSI reader gets the host's own code page conversion.
    PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    PutOnClipboard(CF_TEXT, ansi.c_str(), ansi.size() + 1);
    CloseClipboard();
}

void HostFront::ChangeView(const ViewMapping& view) {
    view_ = view;
    host_.SetView(view_.center, view_.height, view_.widthPx, view_.heightPx);
    if (viewWindow_) InvalidateRect(viewWindow_, nullptr, FALSE);
}

void HostFront::ZoomExtents() {
    std::optional<Rect> extents = DrawingExtents(host_.GetDrawing());
    if (extents) ChangeView(ZoomToRect(view_, *extents));
}

void HostFront::ResizeView(int widthPx, int heightPx) { ChangeView(Resized(view_, widthPx, heightPx)); }

void HostFront::Refresh() {
    const std::string prompt = host_.PromptLine();
    if (!host_.Switches().slowPrompt || prompt == shownPrompt_) {
        ShowPrompt(prompt);
    } else if (!promptLagging_) {
        // Timed from the first change unseen, so that a host that keeps changing still shows.
        promptLagging_ = SetTimer(frame_, kPromptLagTimer, kPromptLagMs, nullptr) != 0;
        if (!promptLagging_) ShowPrompt(prompt);
    }
    std::string history = host_.HistoryText();
    if (historyPane_) SetCommandText(historyPane_, history);
    if (textHistory_) SetCommandText(textHistory_, history);
    if (viewWindow_) InvalidateRect(viewWindow_, nullptr, FALSE);
}

void HostFront::ShowPrompt(const std::string& prompt) {
    if (promptLagging_) KillTimer(frame_, kPromptLagTimer);
    promptLagging_ = false;
    shownPrompt_ = prompt;
    if (prompt_) SetCommandText(prompt_, prompt);
    if (textPrompt_) SetCommandText(textPrompt_, prompt);
}

void HostFront::PromptLagOver() { ShowPrompt(host_.PromptLine()); }

}  // namespace kv::sim::win
