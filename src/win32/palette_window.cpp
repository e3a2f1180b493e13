#include "win32/palette_window.h"

#include <commctrl.h>

#include <exception>

#include "base/encoding.h"
#include "win32/win32_canvas.h"

namespace kv {

namespace {

constexpr wchar_t kClassName[] = L"TFormKvaneMain";
constexpr wchar_t kPageClassName[] = L"KvPalettePage";
constexpr int kFontHeight = 12;
constexpr UINT_PTR kTimer1Id = 1;
constexpr UINT_PTR kTimer2Id = 2;

// A tool window has a small caption and no taskbar button; the palette never resizes by
// dragging, only by its "↓"/"↑" buttons.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

PaletteWindow* FromWindow(HWND window) {
    return reinterpret_cast<PaletteWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

SIZE FrameSize() {
    RECT r{0, 0, kClientWidth, kClientHeightCollapsed};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    return {(r.right - r.left) - kClientWidth, (r.bottom - r.top) - kClientHeightCollapsed};
}

}  // namespace

PaletteWindow::PaletteWindow(TFormKvaneMain& form, Win32Ui& ui, SettingsFile& settings)
    : form_(form),
      ui_(ui),
      settings_(settings),
      controls_(BindPalette(form), [this](const std::function<void()>& handler) { Run(handler); }) {
    form_.ProcessMessages = [this] { ProcessMessages(); };
}

PaletteWindow::~PaletteWindow() {
    form_.ProcessMessages = nullptr;
    if (window_) DestroyWindow(window_);
}

bool PaletteWindow::Create(HINSTANCE instance) {
    if (!CreateFrame(instance)) return false;
    ui_.SetOwner(window_);
    CreateControls(instance);
    form_.PageControl1.activePageIndex = 0;
    PlaceFromSettings();
    form_.ShowLibraries();
    Refresh();
    return true;
}

bool PaletteWindow::CreateFrame(HINSTANCE instance) {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = WindowProc;
    frame.hInstance = instance;
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    frame.lpszClassName = kClassName;
    WNDCLASSEXW page = frame;
    page.lpfnWndProc = PageProc;
    page.lpszClassName = kPageClassName;
    if (!RegisterClassExW(&frame) || !RegisterClassExW(&page)) return false;

    font_.Reset(CreatePaletteFont(kFontHeight, 0));
    const SIZE border = FrameSize();
    const std::wstring title = Utf8ToWide(form_.Caption);
    window_ =
        CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        kClientWidth + border.cx, form_.ClientHeight + border.cy, nullptr, nullptr, instance, this);
    return window_ != nullptr;
}

void PaletteWindow::CreateControls(HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(font_.get());
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                            kClientWidth, form_.PageControl1.height, window_, nullptr, instance, nullptr);
    SendMessageW(tabs_, WM_SETFONT, font, FALSE);
    for (int i = 0; i < kPaletteTabCount; ++i) {
        std::wstring name = Utf8ToWide(kPaletteTabNames[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        // Above the tab control, which draws only its strip and border around them.
        pages_[static_cast<size_t>(i)] =
            CreateWindowExW(WS_EX_CONTROLPARENT, kPageClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, window_,
                            nullptr, instance, nullptr);
        SetWindowPos(pages_[static_cast<size_t>(i)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    const auto layout = PaletteLayout();
    controls_.Create(instance, font_.get(), window_, [&](size_t i) {
        return layout[i].row->info.offPage ? window_ : pages_[static_cast<size_t>(layout[i].page)];
    });
}

void PaletteWindow::PlaceFromSettings() {
    const SIZE border = FrameSize();
    ScreenMetrics screen;
    screen.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screen.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    screen.frameWidth = border.cx;
    screen.frameHeight = border.cy;
    form_.LoadSettings(settings_, screen);
    form_.Settings = {[this] { return settings_.ForReading(); },
                      [this](const std::function<bool(IniFile&)>& write) { return settings_.Write(write); }};
    SetWindowPos(window_, HWND_TOPMOST, form_.Left, form_.Top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaletteWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

LRESULT CALLBACK PaletteWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PaletteWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    PaletteWindow* self = FromWindow(window);
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

// Pages only hold controls: what the controls tell them goes to the palette.
LRESULT CALLBACK PaletteWindow::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC: return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT PaletteWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: controls_.OnCommand(wParam); return 0;
    case WM_VSCROLL: controls_.OnScroll(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) OnTabChange();
        return 0;
    }
    case kOwnerModelChanged: Refresh(); return 0;
    case WM_TIMER:
        if (wParam == kTimer1Id) Run([this] { form_.Timer1Timer(); });
        if (wParam == kTimer2Id) Run([this] { form_.Timer2Timer(); });
        return 0;
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = DefWindowProcW(window_, message, wParam, lParam);
        if (controls_.IsGrey(reinterpret_cast<HWND>(lParam)))
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_GRAYTEXT));
        return brush;
    }
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void PaletteWindow::OnTabChange() {
    const auto selected = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    if (selected < 0) return;
    Run([&] {
        form_.PageControl1.activePageIndex = selected;
        form_.PageControl1Change();
    });
}

void PaletteWindow::OnDestroy() {
    KillTimer(window_, kTimer1Id);
    KillTimer(window_, kTimer2Id);
    RECT r{};
    if (GetWindowRect(window_, &r)) {
        form_.Left = r.left;
        form_.Top = r.top;
    }
    window_ = nullptr;
    // The window is going: the message, if any, stands on its own.
    ui_.SetOwner(nullptr);
    if (!form_.SaveSettings(settings_))
        ui_.ShowMessage(std::string(kSettingsNotSaved) + settings_.BesidePath(), MessageButtons::Ok);
    PostQuitMessage(0);
}

void PaletteWindow::Run(const std::function<void()>& handler) {
    // The model's handlers show their own failures and leave the palette idle.
    handler();
    Refresh();
}

void PaletteWindow::Refresh() {
    if (!window_ || refreshing_) return;
    refreshing_ = true;
    if (form_.Caption != caption_) {
        caption_ = form_.Caption;
        SetWindowTextW(window_, Utf8ToWide(caption_).c_str());
    }
    controls_.Refresh();
    RefreshHeight();
    RefreshPage();
    RefreshTimer(kTimer1Id, form_.Timer1, timer1_);
    RefreshTimer(kTimer2Id, form_.Timer2, timer2_);
    refreshing_ = false;
    // A tick may fill an open dialog's fields.
    ui_.RefreshDialogs();
}

void PaletteWindow::RefreshHeight() {
    if (form_.ClientHeight == clientHeight_) return;
    clientHeight_ = form_.ClientHeight;
    const SIZE border = FrameSize();
    SetWindowPos(window_, nullptr, 0, 0, form_.ClientWidth + border.cx, clientHeight_ + border.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(tabs_, nullptr, 0, 0, form_.ClientWidth, form_.PageControl1.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutPages();
}

// Pages fill the tab control's display area; at the collapsed height the options below the
// first rows of buttons are cut off by the page itself.
void PaletteWindow::LayoutPages() {
    RECT area{0, 0, form_.ClientWidth, form_.PageControl1.height};
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (HWND page : pages_) {
        SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
    }
}

void PaletteWindow::RefreshPage() {
    const int active = form_.PageControl1.activePageIndex;
    if (active == activePage_ || active < 0 || active >= kPaletteTabCount) return;
    activePage_ = active;
    if (SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) != active) SendMessageW(tabs_, TCM_SETCURSEL, active, 0);
    for (int i = 0; i < kPaletteTabCount; ++i)
        ShowWindow(pages_[static_cast<size_t>(i)], i == active ? SW_SHOWNA : SW_HIDE);
}

void PaletteWindow::RefreshTimer(UINT_PTR id, const TimerControl& timer, LiveTimer& live) {
    const bool run = timer.enabled && timer.interval > 0;
    if (run == live.running && (!run || timer.interval == live.interval)) return;
    live.running = run;
    live.interval = timer.interval;
    if (run) {
        SetTimer(window_, id, static_cast<UINT>(timer.interval), nullptr);
    } else {
        KillTimer(window_, id);
    }
}

// Lets everything pending through, as a tick does before its step. A WM_QUIT met here is
// left for the main loop.
void PaletteWindow::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (window_ && IsDialogMessageW(window_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace kv
