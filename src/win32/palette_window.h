// The palette's top-level window: a small tool window that floats above the host.
#pragma once

#include <windows.h>

namespace kv {

inline constexpr wchar_t kPaletteTitle[] = L"Korvane2K Ver.1.75";
inline constexpr int kPaletteClientWidth = 336;
inline constexpr int kPaletteCollapsedHeight = 76;

// Creates the window hidden, at the position the system chooses; nullptr on failure.
HWND CreatePaletteWindow(HINSTANCE instance);

}  // namespace kv
