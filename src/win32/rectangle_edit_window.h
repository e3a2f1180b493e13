// The rectangle-edit dialog, made at program start and kept hidden until the rectangle
// tool opens it: its window and controls, with no behaviour of its own yet.
#pragma once

#include <windows.h>

#include "win32/scoped_gdi.h"

namespace kv {

class RectangleEditWindow {
public:
    RectangleEditWindow() = default;
    RectangleEditWindow(const RectangleEditWindow&) = delete;
    RectangleEditWindow& operator=(const RectangleEditWindow&) = delete;
    ~RectangleEditWindow();

    // Hidden, owned by the palette; false when the window could not be made.
    bool Create(HINSTANCE instance, HWND owner);
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
    ScopedFont font_;
};

}  // namespace kv
