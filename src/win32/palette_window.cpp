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
constexpr std::string_view kSaveFailed = "設定ファイルを保存できませんでした.  ";

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

struct CreateParams {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Check boxes are not automatic: a click asks the model, and the refresh shows its answer.
CreateParams ParamsOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Check: return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Group: return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
    case ControlKind::Text: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"STATIC", 0, 0};
}

// The texts a control shows, as the model holds them now.
std::string TextOf(const TFormKvaneMain& form, const PaletteControl& c) {
    if (c.button) return (form.*c.button).caption;
    if (c.check) return (form.*c.check).caption;
    if (c.edit) return (form.*c.edit).text;
    if (c.label) return (form.*c.label).caption;
    return std::string(c.text);
}

// Button captions such as "線分." and "[ESC]" hold no mnemonic: "&" is shown as it is.
std::wstring ButtonText(const PaletteControl& c, std::string_view text) {
    std::wstring wide = Utf8ToWide(text);
    if (c.kind != ControlKind::Button && c.kind != ControlKind::Check && c.kind != ControlKind::Group) return wide;
    std::wstring escaped;
    for (wchar_t ch : wide) {
        if (ch == L'&') escaped += L'&';
        escaped += ch;
    }
    return escaped;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

PaletteWindow::PaletteWindow(TFormKvaneMain& form, Win32Ui& ui, SettingsFile& settings)
    : form_(form), ui_(ui), settings_(settings) {
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
    window_ = CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              kClientWidth + border.cx, form_.ClientHeight + border.cy, nullptr, nullptr,
                              instance, this);
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
            CreateWindowExW(WS_EX_CONTROLPARENT, kPageClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                            window_, nullptr, instance, nullptr);
        SetWindowPos(pages_[static_cast<size_t>(i)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    // The palette is topmost: its hints must be too, or they would open behind it.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               instance, nullptr);
    SendMessageW(tooltip_, WM_SETFONT, font, FALSE);

    const auto layout = PaletteControls();
    controls_.resize(layout.size());
    for (size_t i = 0; i < layout.size(); ++i) {
        const PaletteControl& c = layout[i];
        const CreateParams params = ParamsOf(c.kind);
        HWND parent = c.page == PalettePage::Form ? window_ : pages_[static_cast<size_t>(c.page)];
        const std::wstring text = ButtonText(c, TextOf(form_, c));
        HWND control = CreateWindowExW(params.exStyle, params.className, text.c_str(),
                                       WS_CHILD | WS_VISIBLE | params.style, c.rect.x, c.rect.y, c.rect.width,
                                       c.rect.height, parent, reinterpret_cast<HMENU>(kFirstPaletteControlId + i),
                                       instance, nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, font, FALSE);
        controls_[i].window = control;
        controls_[i].text = TextOf(form_, c);
        if (c.mouseDown || c.keyPress) SetWindowSubclass(control, ControlProc, i, reinterpret_cast<DWORD_PTR>(this));
        if (c.button) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = parent;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void PaletteWindow::PlaceFromSettings() {
    const SIZE border = FrameSize();
    ScreenMetrics screen;
    screen.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screen.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    screen.frameWidth = border.cx;
    screen.frameHeight = border.cy;
    form_.LoadSettings(settings_, screen);
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
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK PaletteWindow::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR index, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ControlProc, index);
    return reinterpret_cast<PaletteWindow*>(self)->OnControlMessage(index, window, message, wParam, lParam);
}

LRESULT PaletteWindow::OnControlMessage(size_t index, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const PaletteControl& c = PaletteControls()[index];
    if (c.mouseDown && (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)) {
        const MouseButton button = message == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Left;
        Run([&] { (form_.*c.mouseDown)(button); });
    }
    if (c.keyPress && message == WM_CHAR) {
        // The model's filters keep ASCII only; other characters are never wanted there.
        if (wParam >= 0x80) return 0;
        char key = static_cast<char>(wParam);
        (form_.*c.keyPress)(key);
        if (key == 0) return 0;
        wParam = static_cast<unsigned char>(key);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT PaletteWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) OnTabChange();
        return 0;
    }
    case WM_TIMER:
        if (wParam == kTimer1Id) Run([this] { form_.Timer1Timer(); });
        if (wParam == kTimer2Id) Run([this] { form_.Timer2Timer(); });
        return 0;
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = DefWindowProcW(window_, message, wParam, lParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - kFirstPaletteControlId;
        const auto layout = PaletteControls();
        if (id >= 0 && static_cast<size_t>(id) < layout.size() && layout[static_cast<size_t>(id)].grey)
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_GRAYTEXT));
        return brush;
    }
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void PaletteWindow::OnCommand(WPARAM wParam) {
    const int id = static_cast<int>(LOWORD(wParam)) - kFirstPaletteControlId;
    const auto layout = PaletteControls();
    if (id < 0 || static_cast<size_t>(id) >= layout.size()) return;
    const PaletteControl& c = layout[static_cast<size_t>(id)];
    const UINT code = HIWORD(wParam);
    if (c.edit && code == EN_CHANGE && !refreshing_) {
        std::string text = WideToUtf8(WindowText(controls_[static_cast<size_t>(id)].window));
        controls_[static_cast<size_t>(id)].text = text;
        (form_.*c.edit).text = std::move(text);
        return;
    }
    if (code != BN_CLICKED || refreshing_) return;
    if (c.check) {
        Run([&] {
            CheckControl& check = form_.*c.check;
            check.checked = !check.checked;
            if (c.click) (form_.*c.click)();
        });
    } else if (c.click) {
        Run([&] { (form_.*c.click)(); });
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
        ui_.ShowMessage(std::string(kSaveFailed) + settings_.BesidePath(), MessageButtons::Ok);
    PostQuitMessage(0);
}

void PaletteWindow::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // The model ends its operations on the errors it expects; anything else that reaches
        // here must still leave the palette usable.
        try {
            form_.LastOp = 0;
            form_.AbandonOperation();
        } catch (const std::exception&) {
        }
        ui_.ShowMessage(e.what(), MessageButtons::Ok);
    }
    Refresh();
}

void PaletteWindow::Refresh() {
    if (!window_ || refreshing_) return;
    refreshing_ = true;
    if (form_.Caption != caption_) {
        caption_ = form_.Caption;
        SetWindowTextW(window_, Utf8ToWide(caption_).c_str());
    }
    for (size_t i = 0; i < controls_.size(); ++i) RefreshControl(i);
    RefreshHeight();
    RefreshPage();
    RefreshTimer(kTimer1Id, form_.Timer1, timer1_);
    RefreshTimer(kTimer2Id, form_.Timer2, timer2_);
    refreshing_ = false;
}

void PaletteWindow::RefreshControl(size_t index) {
    const PaletteControl& c = PaletteControls()[index];
    LiveControl& live = controls_[index];
    if (!live.window) return;
    const std::string text = TextOf(form_, c);
    if (text != live.text) {
        live.text = text;
        SetWindowTextW(live.window, ButtonText(c, text).c_str());
    }
    bool enabled = true;
    bool visible = true;
    if (c.button) {
        const ButtonControl& b = form_.*c.button;
        enabled = b.enabled;
        visible = b.visible;
        if (b.hint != live.hint) {
            live.hint = b.hint;
            std::wstring hint = Utf8ToWide(b.hint);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = GetParent(live.window);
            tool.uId = reinterpret_cast<UINT_PTR>(live.window);
            tool.lpszText = hint.data();
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    if (c.check) {
        const CheckControl& check = form_.*c.check;
        enabled = check.enabled;
        if (check.checked != live.checked) {
            live.checked = check.checked;
            SendMessageW(live.window, BM_SETCHECK, check.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    if (c.edit) enabled = (form_.*c.edit).enabled;
    if (enabled != live.enabled) {
        live.enabled = enabled;
        EnableWindow(live.window, enabled);
    }
    if (visible != live.visible) {
        live.visible = visible;
        ShowWindow(live.window, visible ? SW_SHOWNA : SW_HIDE);
    }
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
