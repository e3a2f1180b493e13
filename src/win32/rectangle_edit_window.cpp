#include "win32/rectangle_edit_window.h"

#include "win32/win32_canvas.h"

namespace kv {

namespace {

constexpr wchar_t kClassName[] = L"TFormRecEd";
constexpr wchar_t kCaption[] = L"RECTANG修正";
constexpr int kFontHeight = 12;
constexpr int kClientWidth = 176;
constexpr int kClientHeight = 120;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

struct ControlLayout {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    DWORD style;
    RECT rect;  // left, top, right, bottom in client pixels
};

// Edit1..3 with their labels W, H and ｒ; Button1 (基準点を指示) is the dialog's OK, Button2 (取消) its cancel.
constexpr ControlLayout kControls[] = {
    {L"STATIC", L"W", -1, SS_RIGHT, {8, 12, 28, 28}},
    {L"EDIT", L"", 101, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {34, 9, 168, 29}},
    {L"STATIC", L"H", -1, SS_RIGHT, {8, 38, 28, 54}},
    {L"EDIT", L"", 102, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {34, 35, 168, 55}},
    {L"STATIC", L"ｒ", -1, SS_RIGHT, {8, 64, 28, 80}},
    {L"EDIT", L"", 103, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {34, 61, 168, 81}},
    {L"BUTTON", L"基準点を指示", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {8, 90, 100, 114}},
    {L"BUTTON", L"取消", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {106, 90, 168, 114}},
};

}  // namespace

RectangleEditWindow::~RectangleEditWindow() {
    // Gone already when the palette, its owner, was destroyed first.
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

bool RectangleEditWindow::Create(HINSTANCE instance, HWND owner) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    type.lpszClassName = kClassName;
    if (!RegisterClassExW(&type)) return false;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    window_ = CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance, nullptr);
    if (!window_) return false;
    font_.Reset(CreatePaletteFont(kFontHeight, 0));
    for (const ControlLayout& c : kControls) {
        const RECT& r = c.rect;
        HWND control = CreateWindowExW(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!control) return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return true;
}

}  // namespace kv
