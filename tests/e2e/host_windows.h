// The stand-in host seen from outside, the way the palette sees it: windows found by
// caption and class through the A functions, controls read with WM_GETTEXT, typed
// input through WM_COPYDATA tag 1. Texts in and out are UTF-8 here; they cross to the
// host in the ANSI code page, as the palette's do.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/encoding.h"  // the program's own conversions, used through this header

namespace kv::e2e {

struct HostWindows {
    HWND frame = nullptr;
    HWND prompt = nullptr;   // "Headlands" in the frame
    HWND history = nullptr;  // "MountTam" in the frame
    HWND textWindow = nullptr;
    HWND textPrompt = nullptr;
    HWND textHistory = nullptr;
    HWND mdiClient = nullptr;
    HWND drawingWindow = nullptr;
    HWND view = nullptr;
};

std::vector<HWND> TopLevelWindows();
// Children, their children and so on; none for a null parent.
std::vector<HWND> Descendants(HWND parent);

// GetWindowTextA and GetClassNameA into 255-byte buffers, as UTF-8.
std::string CaptionA(HWND w);
std::string ClassNameA(HWND w);
// WM_GETTEXTLENGTH, then WM_GETTEXT with one byte more, sent as ANSI messages.
std::string ControlTextA(HWND w);

// Begins with `part`; contains `part` at the second character or later.
bool BeginsWith(const std::string& text, const std::string& part);
bool ContainsAfterStart(const std::string& text, const std::string& part);

// The first top-level window whose caption begins "AutoCAD " and whose class begins
// "Afx:" and holds "400000:<kind>:" after the start; `thread` nonzero: of that thread.
HWND FindHostTopLevel(const std::string& kind, DWORD thread);
// The first descendant whose caption (exactly: class name) begins with `text`.
HWND FindDescendantByCaption(HWND parent, const std::string& text);
HWND FindDescendantByClass(HWND parent, const std::string& prefix);

// Every window the palette looks for; members stay null where the search fails.
HostWindows FindHostWindows();

// WM_COPYDATA tag 1 with the ANSI text and its NUL, then WM_NULL, as the palette sends.
bool SendTyped(HWND frame, const std::string& utf8);

}  // namespace kv::e2e
