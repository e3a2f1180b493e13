#include "win32/dialog_window.h"

#include <exception>
#include <string>

#include "win32/modal_loop.h"
#include "base/encoding.h"
#include "win32/win32_canvas.h"

namespace kv {

namespace {

constexpr int kFontHeight = 12;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

DialogWindow* FromWindow(HWND window) {
    return reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

DialogWindow::DialogWindow(Dialog& dialog, Ui& ui)
    : dialog_(dialog),
      ui_(ui),
      controls_(dialog.Controls(), [this](const std::function<void()>& handler) { Run(handler); }) {}

DialogWindow::~DialogWindow() {
    if (window_) DestroyWindow(window_);
}

bool DialogWindow::Create(HINSTANCE instance, HWND owner) {
    const DialogFrame& frame = dialog_.Frame();
    const std::wstring className = Utf8ToWide(frame.name);
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = WindowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    type.lpszClassName = className.c_str();
    if (!RegisterClassExW(&type) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    RECT size{0, 0, frame.clientWidth, frame.clientHeight};
    AdjustWindowRectEx(&size, kStyle, FALSE, kExStyle);
    CreateWindowExW(kExStyle, className.c_str(), Utf8ToWide(frame.caption).c_str(), kStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, size.right - size.left, size.bottom - size.top, owner, nullptr, instance, this);
    if (!window_) return false;
    font_.Reset(CreatePaletteFont(kFontHeight, 0));
    controls_.Create(instance, font_.get(), window_, [this](size_t) { return window_; });
    Refresh();
    return true;
}

LRESULT CALLBACK DialogWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DialogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    DialogWindow* self = FromWindow(window);
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_VSCROLL: controls_.OnScroll(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_CLOSE:
        // Hidden, not destroyed: the model stays and is shown again.
        Close(DialogResult::Cancel);
        return 0;
    case WM_NCDESTROY: window_ = nullptr; return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void DialogWindow::OnCommand(WPARAM wParam) {
    // Esc, as the modal loop's dialog navigation reports it.
    if (LOWORD(wParam) == IDCANCEL) return Close(DialogResult::Cancel);
    // Enter, likewise: it goes to the focused control's key handler.
    if (LOWORD(wParam) == IDOK) return PressEnter();
    const BoundControl* clicked = controls_.OnCommand(wParam);
    if (clicked && clicked->info->closes) Close(*clicked->info->closes);
}

void DialogWindow::PressEnter() {
    const BoundControl* focused = controls_.ControlOf(GetFocus());
    if (!focused || !focused->keyPress) return;
    Run([focused] {
        char key = '\r';
        focused->keyPress(key);
    });
}

void DialogWindow::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ui_.ShowMessage(e.what(), MessageButtons::Ok);
    }
    Refresh();
    if (HWND owner = window_ ? GetWindow(window_, GW_OWNER) : nullptr) SendMessageW(owner, kOwnerModelChanged, 0, 0);
    if (!dialog_.focusRequest.empty()) {
        if (HWND target = controls_.WindowNamed(dialog_.focusRequest)) SetFocus(target);
        dialog_.focusRequest = {};
    }
    if (dialog_.closeRequest) {
        Close(*dialog_.closeRequest);
        dialog_.closeRequest.reset();
    }
}

void DialogWindow::Refresh() {
    if (window_) controls_.Refresh();
}

void DialogWindow::Close(DialogResult result) {
    closedWith_ = result;
    closed_ = true;
}

DialogResult DialogWindow::RunModal(HWND owner) {
    closedWith_.reset();
    closed_ = false;
    dialog_.Opening();
    Refresh();
    RunModalLoop(window_, owner, closed_);
    // The owner is enabled again first, so that the activation goes back to it.
    if (window_) ShowWindow(window_, SW_HIDE);
    return closedWith_.value_or(DialogResult::Cancel);
}

}  // namespace kv
