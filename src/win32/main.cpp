#include <windows.h>

#include "win32/palette_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    HWND palette = kv::CreatePaletteWindow(instance);
    if (!palette) {
        MessageBoxW(nullptr, L"The palette window could not be created.", L"Korvane2000", MB_ICONERROR);
        return 1;
    }
    ShowWindow(palette, showCommand);
    UpdateWindow(palette);

    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}
