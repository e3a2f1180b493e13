#include "win32/control_windows.h"

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <climits>

#include "base/encoding.h"

namespace kv {

namespace {

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
    case ControlKind::Combo: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::EditList: return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::UpDown: return {UPDOWN_CLASSW, UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0};
    case ControlKind::List:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    // Painted from its canvas; SS_NOTIFY lets the mouse reach it. Its text is the picture's hint.
    case ControlKind::Image: return {L"STATIC", SS_NOTIFY | SS_NOPREFIX, 0};
    }
    return {L"STATIC", 0, 0};
}

// A drop-down list opens below its edit part: its window is this many rows high.
constexpr int kDropDownRows = 12;

bool DropsDown(ControlKind kind) { return kind == ControlKind::Combo || kind == ControlKind::EditList; }

// Keys typed into an edit list go to the edit box inside it.
HWND KeyWindowOf(HWND control, ControlKind kind) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (kind == ControlKind::EditList && GetComboBoxInfo(control, &info) && info.hwndItem) return info.hwndItem;
    return control;
}

void OpenInputMethod(HWND window) {
    HIMC context = ImmGetContext(window);
    if (!context) return;
    ImmSetOpenStatus(context, TRUE);
    ImmReleaseContext(window, context);
}

std::wstring ListItemText(HWND combo, WPARAM index) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The text a control shows, as the model holds it now.
std::string TextOf(const BoundControl& c) {
    if (c.list || c.upDown) return {};
    if (c.button) return c.button->caption;
    if (c.check) return c.check->caption;
    if (c.edit) return c.edit->text;
    if (c.label) return c.label->caption;
    return std::string(c.info->text);
}

// Captions such as "線分." and "[ESC]" hold no mnemonic: "&" is shown as it is.
std::wstring ShownText(ControlKind kind, std::string_view text) {
    std::wstring wide = Utf8ToWide(text);
    if (kind != ControlKind::Button && kind != ControlKind::Check && kind != ControlKind::Group) return wide;
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

ControlWindows::ControlWindows(std::vector<BoundControl> controls, Runner run)
    : controls_(std::move(controls)), live_(controls_.size()), pictures_(controls_.size()), run_(std::move(run)) {}

void ControlWindows::Create(HINSTANCE instance, HFONT font, HWND owner, const std::function<HWND(size_t)>& parentOf) {
    const auto fontParam = reinterpret_cast<WPARAM>(font);
    // The palette is topmost: its hints must be too, or they would open behind it.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    SendMessageW(tooltip_, WM_SETFONT, fontParam, FALSE);
    for (size_t i = 0; i < controls_.size(); ++i) {
        const BoundControl& c = controls_[i];
        const PixelRect& r = c.info->rect;
        const CreateParams params = ParamsOf(c.info->kind);
        HWND parent = parentOf(i);
        const std::string text = TextOf(c);
        const int height = DropsDown(c.info->kind) ? r.height * kDropDownRows : r.height;
        HWND control =
            CreateWindowExW(params.exStyle, params.className, ShownText(c.info->kind, text).c_str(),
                            WS_CHILD | WS_VISIBLE | params.style, r.x, r.y, r.width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, fontParam, FALSE);
        live_[i].window = control;
        // A combo box ignores the text it is created with: the refresh shows it.
        if (!DropsDown(c.info->kind)) live_[i].text = text;
        if (c.image) {
            pictures_[i] = std::make_unique<Win32Canvas>(r.width, r.height);
            *c.image = pictures_[i].get();
        }
        if (c.upDown) SendMessageW(control, UDM_SETRANGE32, static_cast<WPARAM>(c.upDown->min), c.upDown->max);
        if (c.mouseDown || c.keyPress || c.image || c.pointerDown || c.edit)
            SetWindowSubclass(KeyWindowOf(control, c.info->kind), ControlProc, i, reinterpret_cast<DWORD_PTR>(this));
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

LRESULT CALLBACK ControlWindows::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                             DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ControlProc, index);
    return reinterpret_cast<ControlWindows*>(self)->OnControlMessage(index, window, message, wParam, lParam);
}

LRESULT ControlWindows::OnControlMessage(size_t index, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const BoundControl& c = controls_[index];
    if (c.image) {
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            pictures_[index]->CopyTo(dc);
            EndPaint(window, &paint);
            return 0;
        }
        // Any button chooses the base point; the left one's release inserts.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: run_([&] { c.pointerDown(x, y); }); break;
        case WM_LBUTTONUP: run_([&] { c.click(); }); break;
        case WM_MOUSEMOVE: run_([&] { c.pointerMove(x, y); }); break;
        case WM_LBUTTONDBLCLK:
            if (c.doubleClick) run_([&] { c.doubleClick(); });
            break;
        default: break;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_SETFOCUS && c.edit && c.edit->inputMethod) OpenInputMethod(window);
    if (c.mouseDown && (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)) {
        const MouseButton button = message == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Left;
        run_([&] { c.mouseDown(button); });
    }
    if (c.pointerDown && message == WM_LBUTTONDOWN) {
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        run_([&] { c.pointerDown(x, y); });
    }
    if (c.keyPress && message == WM_CHAR) {
        // The model's filters keep ASCII only; other characters are never wanted there.
        if (wParam >= 0x80) return 0;
        char key = static_cast<char>(wParam);
        c.keyPress(key);
        if (key == 0) return 0;
        wParam = static_cast<unsigned char>(key);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

const BoundControl* ControlWindows::OnCommand(WPARAM wParam) {
    const int id = static_cast<int>(LOWORD(wParam)) - kFirstControlId;
    if (id < 0 || static_cast<size_t>(id) >= controls_.size() || refreshing_) return nullptr;
    const auto index = static_cast<size_t>(id);
    const BoundControl& c = controls_[index];
    const UINT code = HIWORD(wParam);
    if (c.info->kind == ControlKind::EditList) return OnEditListCommand(index, code);
    if (c.edit && code == EN_CHANGE) {
        std::string text = WideToUtf8(WindowText(live_[index].window));
        live_[index].text = text;
        c.edit->text = std::move(text);
        if (!c.change) return nullptr;
        run_([&] { c.change(); });
        return &c;
    }
    if (c.list) return OnListCommand(index, code);
    if (code != BN_CLICKED || !(c.button || c.check)) return nullptr;
    run_([&] {
        if (c.check) c.check->checked = !c.check->checked;
        if (c.click) c.click();
    });
    return &c;
}

const BoundControl* ControlWindows::OnListCommand(size_t index, UINT code) {
    const BoundControl& c = controls_[index];
    const bool combo = c.info->kind == ControlKind::Combo;
    HWND window = live_[index].window;
    static_assert(CBN_SELCHANGE == LBN_SELCHANGE, "one code for both kinds of list");
    if (code == LBN_SELCHANGE) {
        const auto selected = static_cast<int>(SendMessageW(window, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
        live_[index].itemIndex = selected;
        run_([&] {
            c.list->itemIndex = selected;
            if (c.click) c.click();
        });
        return &c;
    }
    if (!combo && code == LBN_DBLCLK && c.doubleClick) {
        run_([&] { c.doubleClick(); });
        return &c;
    }
    return nullptr;
}

// Typed, or an entry chosen: the chosen entry is not yet the window's text when this comes.
const BoundControl* ControlWindows::OnEditListCommand(size_t index, UINT code) {
    const BoundControl& c = controls_[index];
    HWND window = live_[index].window;
    std::wstring text;
    if (code == CBN_EDITCHANGE) {
        text = WindowText(window);
    } else if (code == CBN_SELCHANGE) {
        const auto selected = SendMessageW(window, CB_GETCURSEL, 0, 0);
        if (selected < 0) return nullptr;
        text = ListItemText(window, static_cast<WPARAM>(selected));
    } else {
        return nullptr;
    }
    live_[index].text = WideToUtf8(text);
    c.edit->text = live_[index].text;
    if (!c.change) return nullptr;
    run_([&] { c.change(); });
    return &c;
}

const BoundControl* ControlWindows::OnScroll(HWND window) {
    const BoundControl* c = ControlOf(window);
    if (!c || !c->upDown || refreshing_) return nullptr;
    const auto position = static_cast<int>(SendMessageW(window, UDM_GETPOS32, 0, 0));
    if (position == c->upDown->position) return nullptr;
    run_([&] {
        c->upDown->position = position;
        if (c->click) c->click();
    });
    return c;
}

bool ControlWindows::IsGrey(HWND window) const {
    const int id = GetDlgCtrlID(window) - kFirstControlId;
    return id >= 0 && static_cast<size_t>(id) < controls_.size() && live_[static_cast<size_t>(id)].window == window &&
           controls_[static_cast<size_t>(id)].info->grey;
}

const BoundControl* ControlWindows::ControlOf(HWND window) const {
    for (size_t i = 0; i < controls_.size(); ++i) {
        HWND shown = live_[i].window;
        if (shown && (shown == window || (window && shown == GetParent(window)))) return &controls_[i];
    }
    return nullptr;
}

HWND ControlWindows::WindowNamed(std::string_view name) const {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].info->name == name) return live_[i].window;
    return nullptr;
}

void ControlWindows::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    for (size_t i = 0; i < controls_.size(); ++i) RefreshControl(i);
    refreshing_ = false;
}

void ControlWindows::RefreshControl(size_t index) {
    const BoundControl& c = controls_[index];
    Live& live = live_[index];
    if (!live.window) return;
    if (c.info->kind == ControlKind::EditList) RefreshProposals(c, live);
    const std::string text = TextOf(c);
    if (text != live.text) {
        live.text = text;
        SetWindowTextW(live.window, ShownText(c.info->kind, text).c_str());
    }
    bool enabled = true;
    bool visible = true;
    if (c.button) {
        enabled = c.button->enabled;
        visible = c.button->visible;
        if (c.button->hint != live.hint) {
            live.hint = c.button->hint;
            std::wstring hint = Utf8ToWide(live.hint);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = GetParent(live.window);
            tool.uId = reinterpret_cast<UINT_PTR>(live.window);
            tool.lpszText = hint.data();
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    if (c.check) {
        enabled = c.check->enabled;
        if (c.check->checked != live.checked) {
            live.checked = c.check->checked;
            SendMessageW(live.window, BM_SETCHECK, live.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    if (c.edit) {
        enabled = c.edit->enabled;
        visible = c.edit->visible;
    }
    if (c.label) {
        visible = c.label->visible;
        enabled = c.label->enabled;
    }
    if (c.upDown) {
        enabled = c.upDown->enabled;
        if (c.upDown->position != live.itemIndex) {
            live.itemIndex = c.upDown->position;
            SendMessageW(live.window, UDM_SETPOS32, 0, live.itemIndex);
        }
    }
    if (c.list) {
        enabled = c.list->enabled;
        RefreshList(c, live);
    }
    if (c.image) RefreshPicture(index, live);
    if (enabled != live.enabled) {
        live.enabled = enabled;
        EnableWindow(live.window, enabled);
    }
    if (visible != live.visible) {
        live.visible = visible;
        ShowWindow(live.window, visible ? SW_SHOWNA : SW_HIDE);
    }
}

void ControlWindows::RefreshList(const BoundControl& c, Live& live) {
    const bool combo = c.info->kind == ControlKind::Combo;
    if (c.list->items != live.items) {
        live.items = c.list->items;
        live.itemIndex = -1;
        SendMessageW(live.window, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (const std::string& item : live.items) {
            const std::wstring wide = Utf8ToWide(item);
            SendMessageW(live.window, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
    }
    if (c.list->itemIndex == live.itemIndex) return;
    live.itemIndex = c.list->itemIndex;
    SendMessageW(live.window, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(live.itemIndex), 0);
}

// Filling the list empties the edit box: its text is shown again.
void ControlWindows::RefreshProposals(const BoundControl& c, Live& live) {
    if (c.edit->items == live.items) return;
    live.items = c.edit->items;
    SendMessageW(live.window, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : live.items) {
        const std::wstring wide = Utf8ToWide(item);
        SendMessageW(live.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    live.text = c.edit->text;
    SetWindowTextW(live.window, Utf8ToWide(live.text).c_str());
}

// Repaints a picture the model drew on. Its window text, not shown, is its hint (the symbol
// it shows), so that a driver outside the process can read it.
void ControlWindows::RefreshPicture(size_t index, Live& live) {
    const Win32Canvas& canvas = *pictures_[index];
    if (canvas.Changes() == live.pictureChanges) return;
    live.pictureChanges = canvas.Changes();
    InvalidateRect(live.window, nullptr, FALSE);
}

}  // namespace kv
