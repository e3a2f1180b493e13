#include "palette_control_checks.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwchar>

#include "host_windows.h"
#include "palette_controls.h"
#include "polling.h"
#include "snapshot_request.h"

namespace kv::e2e {

namespace {

constexpr wchar_t kTitle[] = L"Korvane2K Ver.1.75";
constexpr int kCollapsedHeight = 76;
constexpr int kExpandedHeight = 320;
constexpr int kTabCount = 4;
constexpr unsigned kReactTimeoutMs = 5000;
constexpr int kFontHeight = 12;
// What a control needs beside its caption: a push button's border and margin, a check
// box's box and gap, a group box's frame corner.
constexpr int kButtonMargin = 4;
constexpr int kCheckBoxSpace = 18;
constexpr int kGroupFrameSpace = 16;

const CheckResult kNoWindow = "the palette window was not found";

struct Captioned {
    const wchar_t* caption;
    const wchar_t* hint;
};

constexpr std::array<Captioned, 16> kMainButtons{{
    {L"Undo", L"元に戻す"},
    {L"[ESC]", L"ｷｬﾝｾﾙ発行"},
    {L"線分", L"線分の始点-終点を指示"},
    {L"線分.", L"始点、終点のみ交点作成"},
    {L"Lﾄﾘﾑ", L"ﾄﾘﾑする線分を１本選択"},
    {L"Lｶｯﾄ", L"ｶｯﾄする線分を選択"},
    {L"B削除", L"削除するﾌﾞﾛｯｸを選択"},
    {L"B移動", L"移動するﾌﾞﾛｯｸを選択"},
    {L"Bｺﾋﾟｰ", L"ｺﾋﾟｰするﾌﾞﾛｯｸを選択"},
    {L"Bﾄﾘﾑ", L"ﾄﾘﾑするﾌﾞﾛｯｸを選択"},
    {L"交点", L"交点ﾌﾞﾛｯｸ削除/挿入"},
    {L"ｽﾄﾚｯﾁ", L"矩形範囲をｽﾄﾚｯﾁ"},
    {L"結合", L"複数線分を一気に結合"},
    {L"ﾂｲｽﾄ", L"２点指示で、２線をﾂｲｽﾄに"},
    {L"ｼｰﾙﾄﾞ", L"２点指示でｼｰﾙﾄﾞ線を描く"},
    {L"属性", L"属性一括編集"},
}};

constexpr std::array<const wchar_t*, 4> kTabNames{L"Main", L"文字", L"ﾌﾞﾛｯｸ", L"15PL"};
constexpr std::array<const wchar_t*, 4> kTabFileNames{L"main", L"text", L"block", L"15pl"};

// Kept on the form but below the client area at either height.
constexpr std::array<const wchar_t*, 6> kHiddenCaptions{
    L"BMP", L"作成線分", L"以下の線分は作成しない", L"ｺﾏﾝﾄﾞ終了後", L"本ｱﾌﾟﾘをｱｸﾃｨﾌﾞにする", L"ﾏｳｽをﾎﾞﾀﾝ上に戻す"};

// Built by appending: GCC 12 warns (-Wrestrict) on a literal + a temporary string.
std::string Quoted(const std::wstring& text) {
    std::string quoted(1, '"');
    quoted += WideToUtf8(text);
    quoted += '"';
    return quoted;
}

std::string Joined(std::string head, const std::string& tail) { return head += tail; }

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The caption as drawn: "&&" shows one "&".
std::wstring Shown(const std::wstring& text) {
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size() && text[i + 1] == L'&') ++i;
        shown += text[i];
    }
    return shown;
}

// Measures captions in the palette's own font.
class CaptionMeter {
public:
    CaptionMeter()
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック")),
          old_(SelectObject(dc_, font_)) {}
    CaptionMeter(const CaptionMeter&) = delete;
    CaptionMeter& operator=(const CaptionMeter&) = delete;
    ~CaptionMeter() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    int Width(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

int SpaceFor(const ChildControl& c) {
    if (c.groupBox) return kGroupFrameSpace;
    if (_wcsicmp(c.className.c_str(), L"Button") != 0) return 0;
    const LONG_PTR type = GetWindowLongPtrW(c.window, GWL_STYLE) & BS_TYPEMASK;
    const bool box =
        type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    return box ? kCheckBoxSpace : kButtonMargin;
}

// A picture of the block tab: its window text is its hint, never drawn.
bool IsPicture(const ChildControl& c) {
    return _wcsicmp(c.className.c_str(), L"Static") == 0 && (GetWindowLongPtrW(c.window, GWL_STYLE) & SS_NOTIFY) != 0;
}

bool IsControl(const ChildControl& c) {
    return _wcsicmp(c.className.c_str(), L"Button") == 0 || _wcsicmp(c.className.c_str(), L"Static") == 0 ||
           _wcsicmp(c.className.c_str(), L"Edit") == 0;
}

CheckResult CheckTabNames(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    HWND tabs = TabControl(palette.window);
    if (!tabs) return "no tab control";
    const std::vector<std::wstring> names = TabNames(tabs);
    std::wstring expected;
    std::wstring found;
    for (const wchar_t* n : kTabNames) expected += std::wstring(L"\"") + n + L"\" ";
    for (const std::wstring& n : names) found += L"\"" + n + L"\" ";
    if (names.size() != kTabNames.size() || !std::equal(names.begin(), names.end(), kTabNames.begin()))
        return Joined(Joined("tabs are ", WideToUtf8(found)), Joined("instead of ", WideToUtf8(expected)));
    if (SelectedTab(tabs) != 0) return "the first tab is not the active one";
    return {};
}

CheckResult CheckMainButtons(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    const RECT client = ClientRectOnScreen(palette.window);
    for (const Captioned& b : kMainButtons) {
        const std::optional<ChildControl> c = VisibleControl(palette.window, b.caption);
        if (!c) return Joined("no single visible button ", Quoted(b.caption));
        if (!Inside(c->rect, client)) return Quoted(b.caption) + " lies outside the collapsed window";
    }
    if (!VisibleControl(palette.window, L"↓")) return "no visible \"↓\" button";
    return {};
}

CheckResult CheckMainHints(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    const auto hints = HintsByCaption(palette.window);
    if (hints.empty()) return "no hints could be read from the palette's tooltip control";
    for (const Captioned& b : kMainButtons) {
        const auto hint = hints.find(b.caption);
        if (hint == hints.end()) return Quoted(b.caption) + " has no hint";
        if (hint->second != b.hint)
            return Joined(Joined(Quoted(b.caption), " hints "), Joined(Quoted(hint->second), ", expected ")) +
                   Quoted(b.hint);
    }
    const auto height = hints.find(L"↓");
    if (height == hints.end() || height->second != L"設定表示/非表示")
        return "\"↓\" lacks the hint \"設定表示/非表示\"";
    return {};
}

CheckResult CheckHiddenControls(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    const RECT client = ClientRectOnScreen(palette.window);
    const std::vector<ChildControl> children = ChildControls(palette.window);
    for (const wchar_t* caption : kHiddenCaptions) {
        const auto c = std::find_if(children.begin(), children.end(),
                                    [&](const ChildControl& child) { return child.text == caption; });
        if (c == children.end()) return Joined("no control ", Quoted(caption));
        if (c->rect.top < client.top + kExpandedHeight) return Quoted(caption) + " would show in the expanded window";
    }
    return {};
}

// On the page shown now: every caption fits its control, no two controls overlap (group
// boxes hold others and are left out), every control is seen whole.
CheckResult CheckShownLayout(HWND palette) {
    const RECT client = ClientRectOnScreen(palette);
    std::vector<ChildControl> shown;
    std::vector<RECT> areas;  // where each shown control can be seen: its parent within the window
    for (ChildControl& c : ChildControls(palette)) {
        RECT area = client;
        if (HWND parent = GetParent(c.window); parent != palette) {
            RECT page{};
            GetWindowRect(parent, &page);
            IntersectRect(&area, &client, &page);
        }
        if (!c.visible || !IsControl(c) || !Overlap(c.rect, area)) continue;
        shown.push_back(std::move(c));
        areas.push_back(area);
    }
    const CaptionMeter meter;
    for (size_t i = 0; i < shown.size(); ++i) {
        const ChildControl& c = shown[i];
        const std::string name = Quoted(c.text);
        if (!Inside(c.rect, areas[i])) return name + " is cut off by the edge of its page or the window";
        if (_wcsicmp(c.className.c_str(), L"Edit") == 0 || IsPicture(c)) continue;
        const int needed = meter.Width(Shown(c.text)) + SpaceFor(c);
        const int width = c.rect.right - c.rect.left;
        if (needed > width)
            return Joined(name + " needs ", std::to_string(needed)) + " px, its control is " + std::to_string(width);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i].groupBox || shown[j].groupBox || !Overlap(shown[i].rect, shown[j].rect)) continue;
            return Joined(Quoted(shown[i].text) + " overlaps ", Quoted(shown[j].text));
        }
    }
    return {};
}

// Clicks the visible "↓"/"↑" and waits for the height; all four buttons must follow.
CheckResult ToggleHeight(HWND palette, const wchar_t* from, const wchar_t* to, int height) {
    const std::optional<ChildControl> button = VisibleControl(palette, from);
    if (!button) return Joined("no single visible button ", Quoted(from));
    ClickButton(button->window);
    if (!WaitUntil([&] { return ClientHeight(palette) == height; }, kReactTimeoutMs))
        return Joined("client height is ", std::to_string(ClientHeight(palette))) + ", expected " +
               std::to_string(height);
    if (CountControls(palette, to) != kTabCount || CountControls(palette, from) != 0)
        return Joined("not all four buttons show ", Quoted(to));
    return {};
}

CheckResult SelectTab(HWND palette, int index) {
    HWND tabs = TabControl(palette);
    if (!tabs) return "no tab control";
    if (!ClickTab(tabs, index)) return "the tab's rectangle could not be read";
    if (!WaitUntil([&] { return SelectedTab(tabs) == index; }, kReactTimeoutMs)) return "the tab was not selected";
    // Only the selected page shows its "↓"/"↑" button.
    auto onePageShown = [&] {
        return VisibleControl(palette, L"↓").has_value() != VisibleControl(palette, L"↑").has_value();
    };
    if (!WaitUntil(onePageShown, kReactTimeoutMs)) return "the page of the tab is not shown alone";
    // The block tab names its library, when there is one.
    const std::wstring caption = TextOf(palette);
    const bool library = index == 2 && caption.rfind(L"1:", 0) == 0;
    if (caption != kTitle && !library) return Joined("the caption became ", Quoted(caption));
    return {};
}

CheckResult Snapshot(HWND palette, const std::wstring& folder, int tab, const wchar_t* state) {
    if (folder.empty()) return {};
    return RequestWindowSnapshot(
        folder, std::wstring(L"palette-") + kTabFileNames[static_cast<size_t>(tab)] + L"-" + state, palette);
}

CheckResult CheckTab(const PaletteUnderTest& palette, const std::wstring& folder, int tab) {
    if (!palette.window) return kNoWindow;
    HWND w = palette.window;
    if (CheckResult r = SelectTab(w, tab); !r.empty()) return r;
    if (CheckResult r = CheckShownLayout(w); !r.empty()) return "collapsed: " + r;
    if (CheckResult r = Snapshot(w, folder, tab, L"collapsed"); !r.empty()) return r;
    if (CheckResult r = ToggleHeight(w, L"↓", L"↑", kExpandedHeight); !r.empty()) return "expanding: " + r;
    if (CheckResult r = CheckShownLayout(w); !r.empty()) return "expanded: " + r;
    if (CheckResult r = Snapshot(w, folder, tab, L"expanded"); !r.empty()) return r;
    if (CheckResult r = ToggleHeight(w, L"↑", L"↓", kCollapsedHeight); !r.empty()) return "collapsing: " + r;
    return {};
}

}  // namespace

std::vector<Check> PaletteControlChecks(PaletteUnderTest& palette, const std::wstring& snapshotFolder) {
    std::vector<Check> checks{
        {"tabs are Main, 文字, ﾌﾞﾛｯｸ, 15PL with the first active", [&] { return CheckTabNames(palette); }},
        {"main tab shows its 16 command buttons and \"↓\" when collapsed", [&] { return CheckMainButtons(palette); }},
        {"main tab buttons carry their hints", [&] { return CheckMainHints(palette); }},
        {"options kept below the client area exist and stay hidden", [&] { return CheckHiddenControls(palette); }},
    };
    for (int tab = 0; tab < kTabCount; ++tab) {
        checks.push_back({Joined("tab ", WideToUtf8(kTabNames[static_cast<size_t>(tab)])) +
                              ": selectable, fits, expands to 320 and collapses to 76",
                          [&palette, snapshotFolder, tab] { return CheckTab(palette, snapshotFolder, tab); }});
    }
    return checks;
}

}  // namespace kv::e2e
