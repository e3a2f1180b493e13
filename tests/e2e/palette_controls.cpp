#include "palette_controls.h"

#include <commctrl.h>

#include "remote_memory.h"

namespace kv::e2e {

namespace {

constexpr UINT kReplyTimeoutMs = 5000;
constexpr size_t kRemoteTextChars = 256;

BOOL CALLBACK CollectChild(HWND window, LPARAM into) {
    auto& children = *reinterpret_cast<std::vector<ChildControl>*>(into);
    ChildControl c;
    c.window = window;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    c.className = className;
    c.text = TextOf(window);
    GetWindowRect(window, &c.rect);
    c.visible = IsWindowVisible(window) != 0;
    c.groupBox =
        _wcsicmp(className, L"Button") == 0 && (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    children.push_back(std::move(c));
    return TRUE;
}

// The palette's own tooltip control: its dialogs have theirs.
BOOL CALLBACK FindTooltip(HWND window, LPARAM found) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (_wcsicmp(className, TOOLTIPS_CLASSW) != 0) return TRUE;
    auto& target = *reinterpret_cast<std::pair<HWND, HWND>*>(found);
    if (GetWindow(window, GW_OWNER) != target.first) return TRUE;
    target.second = window;
    return FALSE;
}

bool IsClickable(const ChildControl& c) { return _wcsicmp(c.className.c_str(), L"Button") == 0 && !c.groupBox; }

}  // namespace

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kReplyTimeoutMs, &copied))
        return {};
    text.resize(copied < text.size() ? copied : 0);
    return text;
}

std::vector<ChildControl> ChildControls(HWND palette) {
    std::vector<ChildControl> children;
    EnumChildWindows(palette, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::optional<ChildControl> VisibleControl(HWND palette, const std::wstring& text) {
    std::optional<ChildControl> found;
    for (const ChildControl& c : ChildControls(palette)) {
        if (!c.visible || !IsClickable(c) || c.text != text) continue;
        if (found) return std::nullopt;
        found = c;
    }
    return found;
}

int CountControls(HWND palette, const std::wstring& text) {
    int n = 0;
    for (const ChildControl& c : ChildControls(palette)) n += c.text == text ? 1 : 0;
    return n;
}

RECT ClientRectOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int ClientHeight(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r.bottom - r.top;
}

HWND TabControl(HWND palette) { return FindWindowExW(palette, nullptr, WC_TABCONTROLW, nullptr); }

std::vector<std::wstring> TabNames(HWND tabs) {
    std::vector<std::wstring> names;
    const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    RemoteBuffer remote(tabs, sizeof(TCITEMW) + kRemoteTextChars * sizeof(wchar_t));
    if (!remote.valid()) return names;
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = static_cast<wchar_t*>(remote.At(sizeof(TCITEMW)));
        item.cchTextMax = static_cast<int>(kRemoteTextChars);
        wchar_t text[kRemoteTextChars] = {};
        if (!remote.Write(0, &item, sizeof item) || !remote.Write(sizeof(TCITEMW), text, sizeof text)) break;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.At(0)));
        if (!remote.Read(sizeof(TCITEMW), text, sizeof text)) break;
        text[kRemoteTextChars - 1] = L'\0';
        names.emplace_back(text);
    }
    return names;
}

int SelectedTab(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }

bool ClickTab(HWND tabs, int index) {
    RemoteBuffer remote(tabs, sizeof(RECT));
    RECT item{};
    if (!remote.valid() ||
        !SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.At(0))) ||
        !remote.Read(0, &item, sizeof item))
        return false;
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
    return true;
}

void ClickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

std::map<std::wstring, std::wstring> HintsByCaption(HWND palette) {
    std::map<std::wstring, std::wstring> hints;
    std::pair<HWND, HWND> target{palette, nullptr};
    EnumWindows(FindTooltip, reinterpret_cast<LPARAM>(&target));
    if (!target.second) return hints;
    HWND tooltip = target.second;
    RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOW) + kRemoteTextChars * sizeof(wchar_t));
    if (!remote.valid()) return hints;
    const auto count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = static_cast<wchar_t*>(remote.At(sizeof(TTTOOLINFOW)));
        wchar_t text[kRemoteTextChars] = {};
        if (!remote.Write(0, &tool, sizeof tool) || !remote.Write(sizeof(TTTOOLINFOW), text, sizeof text)) break;
        if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.At(0))))
            continue;
        if (!remote.Read(0, &tool, sizeof tool) || !remote.Read(sizeof(TTTOOLINFOW), text, sizeof text)) break;
        text[kRemoteTextChars - 1] = L'\0';
        if (tool.uFlags & TTF_IDISHWND) hints[TextOf(reinterpret_cast<HWND>(tool.uId))] = text;
    }
    return hints;
}

}  // namespace kv::e2e
