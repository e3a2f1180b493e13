// Drawing surface for previews and the screen grab, in pixel coordinates.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_system.h"

namespace kv {

using Rgb = std::uint32_t;  // 0x00BBGGRR, as a Windows COLORREF

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Fill(Rgb color) = 0;
    virtual void SetPen(Rgb color) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Counter-clockwise from the start ray to the end ray, bounded by the box (Win32 Arc).
    virtual void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Escapement in tenths of a degree, counter-clockwise.
    virtual void Text(int x, int y, std::string_view text, int height, int escapement) = 0;
    virtual int TextHeight(std::string_view text, int height) const = 0;
    // Copies a rectangle of the screen into this canvas at its real size, from the top-left
    // corner, clipped to the canvas. False on failure.
    virtual bool GrabScreen(const ScreenRect& source) = 0;
};

}  // namespace kv
