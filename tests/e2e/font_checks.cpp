#include "font_checks.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>

namespace kv::e2e {

namespace {

// Kana in both widths and a kanji, all used by the palette's captions.
constexpr wchar_t kSample[] = L"ゴｼ線字";
constexpr int kSampleLength = static_cast<int>(std::size(kSample)) - 1;
constexpr int kPaletteFontHeight = 12;

// A font selected into a memory DC for the duration of a check.
class SelectedFont {
public:
    explicit SelectedFont(const wchar_t* face)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontW(-kPaletteFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face)),
          old_(SelectObject(dc_, font_)) {}
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

CheckResult CheckHasGlyphs(const SelectedFont& font) {
    WORD glyphs[kSampleLength] = {};
    DWORD converted = GetGlyphIndicesW(font.dc(), kSample, kSampleLength, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    if (converted != static_cast<DWORD>(kSampleLength)) return "GetGlyphIndicesW failed";
    for (int i = 0; i < kSampleLength; ++i) {
        if (glyphs[i] != 0xFFFF) continue;
        char code[8];
        std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(kSample[i]));
        return std::string("the font it resolves to has no glyph for U+") + code;
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(font.dc(), &metrics);
    if (metrics.tmCharSet != SHIFTJIS_CHARSET) {
        return "the font it resolves to has character set " + std::to_string(metrics.tmCharSet);
    }
    return {};
}

int TextWidth(const SelectedFont& font, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(font.dc(), text, static_cast<int>(std::wcslen(text)), &size);
    return size.cx;
}

// Captions are laid out for the proportional face; a fixed-pitch stand-in would overflow them.
CheckResult CheckJapaneseFace(const wchar_t* face, bool proportional) {
    SelectedFont font(face);
    if (CheckResult problem = CheckHasGlyphs(font); !problem.empty()) return problem;
    int narrow = TextWidth(font, L"iiii");
    int wide = TextWidth(font, L"WWWW");
    if (proportional && narrow == wide) return "resolves to a fixed-pitch font";
    if (!proportional && narrow != wide) return "resolves to a proportional font";
    return {};
}

}  // namespace

std::vector<Check> JapaneseFontChecks() {
    return {
        {"font \"MS P Gothic\" is proportional with Japanese glyphs",
         [] { return CheckJapaneseFace(L"ＭＳ Ｐゴシック", true); }},
        {"font \"MS Gothic\" is fixed-pitch with Japanese glyphs",
         [] { return CheckJapaneseFace(L"ＭＳ ゴシック", false); }},
        {"font \"MS UI Gothic\" is proportional with Japanese glyphs",
         [] { return CheckJapaneseFace(L"MS UI Gothic", true); }},
    };
}

}  // namespace kv::e2e
