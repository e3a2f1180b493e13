#include "win32/win32_canvas.h"

#include <algorithm>

#include "base/encoding.h"

namespace kv {

namespace {

constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";

}  // namespace

HFONT CreatePaletteFont(int height, int escapement) {
    // A negative height asks for the character height rather than the cell height.
    return CreateFontW(-height, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       kFontFace);
}

Win32Canvas::Win32Canvas(int width, int height)
    : width_(width > 0 ? width : 1), height_(height > 0 ? height : 1), dc_(CreateCompatibleDC(nullptr)) {
    {
        ScopedWindowDc screen(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen.get(), width_, height_));
    }
    originalBitmap_ = SelectObject(dc_.get(), bitmap_.get());
    pen_.Reset(CreatePen(PS_SOLID, 1, penColor_));
    originalPen_ = SelectObject(dc_.get(), pen_.get());
    SelectObject(dc_.get(), GetStockObject(NULL_BRUSH));
    SetBkMode(dc_.get(), TRANSPARENT);
}

Win32Canvas::~Win32Canvas() {
    // Nothing of ours may still be selected when the DC and the objects are deleted.
    if (originalPen_) SelectObject(dc_.get(), originalPen_);
    if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
}

void Win32Canvas::CopyTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY); }

void Win32Canvas::Fill(Rgb color) {
    ++changes_;
    ScopedBrush brush(CreateSolidBrush(color));
    RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
}

void Win32Canvas::SetPen(Rgb color) {
    if (color == penColor_) return;
    ScopedPen pen(CreatePen(PS_SOLID, 1, color));
    if (!pen) return;
    SelectObject(dc_.get(), pen.get());
    pen_ = std::move(pen);
    penColor_ = color;
}

void Win32Canvas::Line(int x1, int y1, int x2, int y2) {
    ++changes_;
    MoveToEx(dc_.get(), x1, y1, nullptr);
    LineTo(dc_.get(), x2, y2);
}

void Win32Canvas::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    ++changes_;
    SetArcDirection(dc_.get(), AD_COUNTERCLOCKWISE);
    ::Arc(dc_.get(), left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

void Win32Canvas::Ellipse(int left, int top, int right, int bottom) {
    ++changes_;
    ::Ellipse(dc_.get(), left, top, right, bottom);
}

void Win32Canvas::Text(int x, int y, std::string_view text, int height, int escapement) {
    ++changes_;
    ScopedFont font(CreatePaletteFont(height, escapement));
    ScopedSelect selected(dc_.get(), font.get());
    SetTextColor(dc_.get(), penColor_);
    const std::wstring wide = Utf8ToWide(text);
    TextOutW(dc_.get(), x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int Win32Canvas::TextHeight(std::string_view text, int height) const {
    ScopedFont font(CreatePaletteFont(height, 0));
    ScopedSelect selected(dc_.get(), font.get());
    // An empty text still has the font's line height.
    const std::wstring wide = text.empty() ? std::wstring(L" ") : Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cy;
}

bool Win32Canvas::GrabScreen(const ScreenRect& source) {
    ++changes_;
    ScopedCreatedDc display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display) return false;
    const int width = std::min(source.right - source.left, width_);
    const int height = std::min(source.bottom - source.top, height_);
    if (width <= 0 || height <= 0) return false;
    return BitBlt(dc_.get(), 0, 0, width, height, display.get(), source.left, source.top, SRCCOPY) != 0;
}

}  // namespace kv
