// Checks on the running palette: its window as the user sees it, and a clean exit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "check_list.h"

namespace kv::e2e {

inline constexpr wchar_t kPaletteTitle[] = L"Korvane2K Ver.1.75";

// The palette process as the checks find it; filled by the first check.
struct PaletteUnderTest {
    HWND window = nullptr;
    HANDLE process = nullptr;
    std::wstring executable;
    RECT lastPosition{};  // the window's rectangle just before it was closed

    PaletteUnderTest() = default;
    PaletteUnderTest(const PaletteUnderTest&) = delete;
    PaletteUnderTest& operator=(const PaletteUnderTest&) = delete;
    ~PaletteUnderTest() {
        if (process) CloseHandle(process);
    }
};

// Finds the window by its title and checks frame, z-order and client size.
std::vector<Check> PaletteWindowChecks(PaletteUnderTest& palette);
// Closes the window as the user would, checks that the process ends with code 0 and that
// the settings file beside the executable holds the window's last position.
std::vector<Check> PaletteCloseChecks(PaletteUnderTest& palette);

}  // namespace kv::e2e
