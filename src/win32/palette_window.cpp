#include "win32/palette_window.h"

namespace kv {

namespace {

constexpr wchar_t kClassName[] = L"TFormKvaneMain";

// A tool window has a small caption and no taskbar button; the palette never resizes by
// dragging, only by its collapse button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

LRESULT CALLBACK PaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPaletteClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PaletteProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

HWND CreatePaletteWindow(HINSTANCE instance) {
    if (!RegisterPaletteClass(instance)) return nullptr;
    RECT frame{0, 0, kPaletteClientWidth, kPaletteCollapsedHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return CreateWindowExW(kExStyle, kClassName, kPaletteTitle, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                           nullptr);
}

}  // namespace kv
