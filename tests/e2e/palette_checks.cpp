#include "palette_checks.h"

#include <string>

#include "host_windows.h"
#include "palette_controls.h"
#include "polling.h"
#include "polyline/rectangle_edit_form.h"

namespace kv::e2e {

namespace {

constexpr int kClientWidth = 336;
constexpr int kCollapsedClientHeight = 76;

// Wine starts its server and desktop on the first program of a session: allow for it.
constexpr unsigned kStartTimeoutMs = 30000;
constexpr unsigned kCloseTimeoutMs = 10000;

const CheckResult kNoWindow = "the palette window was not found";
constexpr UINT kNotStored = 0x7fffffff;
constexpr int kMoveStep = 37;
constexpr int kMoveRange = 400;

CheckResult FindPalette(PaletteUnderTest& palette) {
    bool shown = WaitUntil(
        [&] {
            palette.window = FindWindowW(nullptr, kPaletteTitle);
            return palette.window && IsWindowVisible(palette.window);
        },
        kStartTimeoutMs);
    if (!palette.window) return "no window titled \"Korvane2K Ver.1.75\" within 30 s";
    if (!shown) return "the window exists but is not visible";
    DWORD pid = 0;
    GetWindowThreadProcessId(palette.window, &pid);
    palette.process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!palette.process) return "cannot open the palette's process (error " + std::to_string(GetLastError()) + ")";
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (QueryFullProcessImageNameW(palette.process, 0, path, &size)) palette.executable.assign(path, size);
    return {};
}

CheckResult CheckTopLevelToolWindow(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    auto style = GetWindowLongPtrW(palette.window, GWL_STYLE);
    auto exStyle = GetWindowLongPtrW(palette.window, GWL_EXSTYLE);
    if (style & WS_CHILD) return "the window is a child window";
    if (GetWindow(palette.window, GW_OWNER)) return "the window has an owner";
    if (!(exStyle & WS_EX_TOOLWINDOW)) return "WS_EX_TOOLWINDOW is not set";
    if (!(style & WS_CAPTION)) return "the window has no caption";
    return {};
}

CheckResult CheckTopmost(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    if (!(GetWindowLongPtrW(palette.window, GWL_EXSTYLE) & WS_EX_TOPMOST)) return "WS_EX_TOPMOST is not set";
    return {};
}

CheckResult CheckCollapsedClientSize(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    RECT client{};
    GetClientRect(palette.window, &client);
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width == kClientWidth && height == kCollapsedClientHeight) return {};
    return "client area is " + std::to_string(width) + " x " + std::to_string(height) + ", expected " +
           std::to_string(kClientWidth) + " x " + std::to_string(kCollapsedClientHeight);
}

CheckResult CloseWindow(PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    // Somewhere new, so that a settings file left by an earlier run cannot pass for this one.
    RECT r{};
    GetWindowRect(palette.window, &r);
    const int left = (r.left + kMoveStep) % kMoveRange + kMoveStep;
    const int top = (r.top + kMoveStep) % kMoveRange + kMoveStep;
    SetWindowPos(palette.window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(palette.window, &palette.lastPosition);
    if (!PostMessageW(palette.window, WM_CLOSE, 0, 0)) return "WM_CLOSE could not be posted";
    if (!WaitUntil([&] { return !IsWindow(palette.window); }, kCloseTimeoutMs)) {
        return "the window is still there 10 s after WM_CLOSE";
    }
    return {};
}

CheckResult CheckProcessExit(const PaletteUnderTest& palette) {
    if (!palette.process) return "the palette's process was never found";
    if (WaitForSingleObject(palette.process, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        return "the process is still running 10 s after its window closed";
    }
    DWORD code = 0;
    GetExitCodeProcess(palette.process, &code);
    if (code != 0) return "exit code " + std::to_string(code);
    return {};
}

std::wstring SettingsPath(const std::wstring& executable) {
    const size_t dot = executable.rfind(L'.');
    return (dot == std::wstring::npos ? executable : executable.substr(0, dot)) + L".ini";
}

int ReadSetting(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, kNotStored, file.c_str()));
}

CheckResult CheckSettingsWritten(const PaletteUnderTest& palette) {
    if (palette.executable.empty()) return "the palette's executable was never found";
    const std::wstring file = SettingsPath(palette.executable);
    const int left = ReadSetting(file, L"Form", L"Left");
    const int top = ReadSetting(file, L"Form", L"Top");
    if (left != palette.lastPosition.left || top != palette.lastPosition.top) {
        return "[Form] holds Left " + std::to_string(left) + ", Top " + std::to_string(top) + "; the window was at " +
               std::to_string(palette.lastPosition.left) + ", " + std::to_string(palette.lastPosition.top);
    }
    if (ReadSetting(file, L"Check", L"CmdLine") != 1) return "[Check] CmdLine is not 1";
    return {};
}

}  // namespace

// Made at start, hidden, owned by the palette, until the rectangle tool shows it.
CheckResult CheckRectangleEditWindow(const PaletteUnderTest& palette) {
    if (!palette.window) return kNoWindow;
    HWND dialog = FindWindowW(L"TFormRecEd", L"RECTANG修正");
    if (!dialog) return "no window \"RECTANG修正\" of class TFormRecEd";
    if (IsWindowVisible(dialog)) return "the rectangle-edit window is showing";
    if (GetWindow(dialog, GW_OWNER) != palette.window) return "the rectangle-edit window is not the palette's";
    // Made from its control table: each row's window has the id a story finds it by, and
    // shows the row's caption.
    TFormRecEd model;
    const std::vector<BoundControl> controls = model.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const BoundControl& c = controls[i];
        HWND w = GetDlgItem(dialog, kFirstControlId + static_cast<int>(i));
        const std::string name(c.info->name.empty() ? c.info->text : c.info->name);
        if (!w) return "the rectangle-edit window has no control " + name;
        const std::string shown = c.button ? c.button->caption : c.edit ? c.edit->text : std::string(c.info->text);
        if (WideToUtf8(TextOf(w)) != shown) return name + " shows \"" + WideToUtf8(TextOf(w)) + "\"";
    }
    return {};
}

std::vector<Check> PaletteWindowChecks(PaletteUnderTest& palette) {
    return {
        {"palette window appears", [&] { return FindPalette(palette); }},
        {"palette is a top-level tool window", [&] { return CheckTopLevelToolWindow(palette); }},
        {"palette stays on top", [&] { return CheckTopmost(palette); }},
        {"palette client area is 336 x 76", [&] { return CheckCollapsedClientSize(palette); }},
        {"rectangle-edit window made hidden at start with the controls of its table",
         [&] { return CheckRectangleEditWindow(palette); }},
    };
}

std::vector<Check> PaletteCloseChecks(PaletteUnderTest& palette) {
    return {
        {"palette closes on WM_CLOSE", [&] { return CloseWindow(palette); }},
        {"palette process exits with code 0", [&] { return CheckProcessExit(palette); }},
        {"settings file holds the last window position", [&] { return CheckSettingsWritten(palette); }},
    };
}

}  // namespace kv::e2e
