// A Canvas drawn with GDI into a bitmap of its own; views show the bitmap.
#pragma once

#include <windows.h>

#include "platform/canvas.h"
#include "win32/scoped_gdi.h"

namespace kv {

class Win32Canvas : public Canvas {
public:
    Win32Canvas(int width, int height);
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;
    ~Win32Canvas() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Fill(Rgb color) override;
    void SetPen(Rgb color) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    // Outline only: the previews are line drawings.
    void Ellipse(int left, int top, int right, int bottom) override;
    // In the pen colour on a transparent background, font "ＭＳ Ｐゴシック".
    void Text(int x, int y, std::string_view text, int height, int escapement) override;
    int TextHeight(std::string_view text, int height) const override;
    bool GrabScreen(const ScreenRect& source) override;

    // Valid while the canvas lives; a view copies it or draws it in WM_PAINT.
    HBITMAP Bitmap() const { return bitmap_.get(); }
    HDC Dc() const { return dc_.get(); }
    // Counts the drawing calls, so that a view repaints only a picture that changed.
    unsigned Changes() const { return changes_; }
    // The whole picture into target at (0, 0), as WM_PAINT of the control that shows it.
    void CopyTo(HDC target) const;

private:
    int width_;
    int height_;
    ScopedCreatedDc dc_;
    ScopedBitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    ScopedPen pen_;
    HGDIOBJ originalPen_ = nullptr;
    Rgb penColor_ = 0;
    unsigned changes_ = 0;
};

// The font every text of ours is drawn in; height in pixels of the character cell's em.
HFONT CreatePaletteFont(int height, int escapement);

}  // namespace kv
