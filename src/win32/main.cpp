// kvane2k: the palette. Creates the ports and the main form model, shows its window and
// runs the message loop until the window is closed.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <exception>
#include <string>

#include "app/main_form.h"
#include "app/settings_file.h"
#include "win32/palette_window.h"
#include "base/encoding.h"
#include "win32/win32_files.h"
#include "win32/win32_ui.h"
#include "win32/win32_window_system.h"

namespace {

constexpr wchar_t kMessageCaption[] = L"Korvane2000";

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return kv::WideToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

// Where the settings go when the executable's folder cannot be written; empty if unknown.
std::string AppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
    return kv::WideToUtf8(folder);
}

int RunMessageLoop(HWND palette) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (IsDialogMessageW(palette, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}

int RunPalette(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    kv::Win32WindowSystem windows;
    kv::Win32Ui ui;
    kv::Win32Clock clock;
    kv::Win32Files files;
    const std::string executable = ExecutablePath();
    kv::TFormKvaneMain form(windows, ui, clock, files, executable);
    kv::SettingsFile settings(files, executable, AppDataFolder());
    kv::PaletteWindow palette(form, ui, settings);
    if (!palette.Create(instance)) {
        MessageBoxW(nullptr, L"The palette window could not be created.", kMessageCaption, MB_ICONERROR);
        return 1;
    }
    // Made now and kept hidden, so that the rectangle tool only has to show it.
    if (!ui.Prepare(form.FormRecEd)) {
        MessageBoxW(nullptr, L"The rectangle-edit window could not be created.", kMessageCaption, MB_ICONERROR);
        return 1;
    }
    palette.Show(showCommand);
    return RunMessageLoop(palette.Handle());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return RunPalette(instance, showCommand);
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, kv::Utf8ToWide(e.what()).c_str(), kMessageCaption, MB_ICONERROR);
        return 1;
    }
}
