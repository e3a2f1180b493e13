// Scoped owners of device contexts and GDI objects: every DC, pen, brush, font and
// bitmap is released, and every selection undone, on every path out of a scope.
// Header only and Win32 only, so that simhost.exe includes it from here too: it links
// nothing of the palette, and no portable layer sees <windows.h>.
#pragma once

#include <windows.h>

#include <utility>

namespace kv {

// A GDI object (pen, brush, font, bitmap) deleted with DeleteObject.
template <typename Handle>
class ScopedGdiObject {
public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(Handle h) : h_(h) {}
    ScopedGdiObject(ScopedGdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    ~ScopedGdiObject() { Reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset(Handle h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

// A DC of our own (CreateDC, CreateCompatibleDC), deleted with DeleteDC.
class ScopedCreatedDc {
public:
    explicit ScopedCreatedDc(HDC dc) : dc_(dc) {}
    ScopedCreatedDc(const ScopedCreatedDc&) = delete;
    ScopedCreatedDc& operator=(const ScopedCreatedDc&) = delete;
    ~ScopedCreatedDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// A window's DC (GetDC), given back with ReleaseDC.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    ~ScopedWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back: an object must not be
// deleted while it is still selected.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace kv
