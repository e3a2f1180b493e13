#include "command_text_control.h"

#include <algorithm>
#include <string>

#include "base/encoding.h"
#include "fonts.h"
#include "win32/scoped_gdi.h"

namespace kv::sim::win {

namespace {

constexpr char kClassName[] = "SimhostCommandText";
constexpr int kTextMargin = 4;
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kForeground = RGB(0, 0, 0);

struct ControlState {
    CommandTextStyle style = CommandTextStyle::PromptLine;
    std::string ansi;  // what WM_GETTEXT answers
    std::wstring shown;
};

ControlState* StateOf(HWND w) { return reinterpret_cast<ControlState*>(GetWindowLongPtrA(w, GWLP_USERDATA)); }

// At most `room` bytes of `ansi` without cutting a double-byte character in two.
std::size_t WholeCharacters(const std::string& ansi, std::size_t room) {
    std::size_t i = 0;
    while (i < ansi.size()) {
        std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(ansi[i])) && i + 1 < ansi.size() ? 2 : 1;
        if (i + width > room) break;
        i += width;
    }
    return i;
}

LRESULT CopyText(const ControlState& state, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0) return 0;
    std::size_t n = WholeCharacters(state.ansi, static_cast<std::size_t>(size) - 1);
    char* out = reinterpret_cast<char*>(buffer);
    state.ansi.copy(out, n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

void PaintPromptLine(HDC dc, const RECT& client, const ControlState& state) {
    RECT text = client;
    text.left += kTextMargin;
    DrawTextW(dc, state.shown.c_str(), static_cast<int>(state.shown.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
    // The caret: where typed characters appear.
    SIZE extent{};
    GetTextExtentPoint32W(dc, state.shown.c_str(), static_cast<int>(state.shown.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int x = text.left + extent.cx + 1;
    int top = (client.top + client.bottom - metrics.tmHeight) / 2;
    RECT caret{x, top, x + 2, top + metrics.tmHeight};
    FillRect(dc, &caret, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The last lines, the newest at the bottom.
void PaintHistoryPane(HDC dc, const RECT& client, const ControlState& state) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int lineHeight = std::max<int>(metrics.tmHeight, 1);
    int y = client.bottom;
    std::wstring_view rest = state.shown;
    if (!rest.empty() && rest.back() == L'\n') rest.remove_suffix(1);
    // Whole lines only: a line cut at the top would look like a fault.
    while (!rest.empty() && y - lineHeight >= client.top) {
        std::size_t start = rest.rfind(L'\n');
        std::wstring_view line = start == std::wstring_view::npos ? rest : rest.substr(start + 1);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        y -= lineHeight;
        RECT row{client.left + kTextMargin, y, client.right, y + lineHeight};
        DrawTextW(dc, line.data(), static_cast<int>(line.size()), &row, DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
        rest = start == std::wstring_view::npos ? std::wstring_view() : rest.substr(0, start);
    }
}

void Paint(HWND w, const ControlState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT client;
    GetClientRect(w, &client);
    {
        const ScopedBrush background(CreateSolidBrush(kBackground));
        FillRect(dc, &client, background.get());
        const ScopedSelect font(dc, CommandLineFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kForeground);
        if (state.style == CommandTextStyle::PromptLine) {
            PaintPromptLine(dc, client, state);
        } else {
            PaintHistoryPane(dc, client, state);
        }
    }
    EndPaint(w, &ps);
}

LRESULT CALLBACK CommandTextProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    ControlState* state = StateOf(w);
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* fresh = new ControlState;
        fresh->style = static_cast<CommandTextStyle>(reinterpret_cast<INT_PTR>(create->lpCreateParams));
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
        break;
    }
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        break;
    case WM_GETTEXTLENGTH: return state ? static_cast<LRESULT>(state->ansi.size()) : 0;
    case WM_GETTEXT: return state ? CopyText(*state, wp, lp) : 0;
    case WM_SETTEXT: return FALSE;  // the name stays what the palette searches for
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (state) {
            Paint(w, *state);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        // Typing goes to the window that holds the command line.
        SetFocus(GetParent(w));
        return 0;
    default: break;
    }
    return DefWindowProcA(w, message, wp, lp);
}

}  // namespace

bool RegisterCommandTextClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = CommandTextProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateCommandText(HWND parent, std::string_view name, CommandTextStyle style, HINSTANCE instance) {
    return CreateWindowExA(0, kClassName, std::string(name).c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                           instance, reinterpret_cast<LPVOID>(static_cast<INT_PTR>(style)));
}

void SetCommandText(HWND control, std::string_view utf8) {
    ControlState* state = StateOf(control);
    if (!state) return;
    std::string ansi = Utf8ToAnsi(utf8);
    if (ansi == state->ansi) return;
    state->ansi = std::move(ansi);
    state->shown = Utf8ToWide(utf8);
    InvalidateRect(control, nullptr, FALSE);
}

}  // namespace kv::sim::win
