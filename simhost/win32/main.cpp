// simhost.exe: the stand-in host with real windows (see docs/simhost.md).
//
//   simhost.exe [--load FILE.dxf] [--text-window] [--half-width-prompt] [--slow]
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/encoding.h"
#include "host_front.h"

namespace {

constexpr wchar_t kUsage[] = L"simhost.exe [--load FILE.dxf] [--text-window] [--half-width-prompt] [--slow]";
constexpr wchar_t kErrorCaption[] = L"simhost";
constexpr int kUsageError = 2;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace kv::sim::win;
    FrontOptions options;
    bool halfWidthTexts = false;
    bool slowPrompt = false;
    for (int i = 1; i < __argc; ++i) {
        std::wstring arg = __wargv[i];
        if (arg == L"--load" && i + 1 < __argc) {
            options.loadFile = kv::WideToUtf8(__wargv[++i]);
        } else if (arg == L"--text-window") {
            options.showTextWindow = true;
        } else if (arg == L"--half-width-prompt") {
            halfWidthTexts = true;
        } else if (arg == L"--slow") {
            slowPrompt = true;
        } else {
            MessageBoxW(nullptr, (L"Unknown argument " + arg + L"\n\n" + kUsage).c_str(), kErrorCaption, MB_ICONERROR);
            return kUsageError;
        }
    }

    HostFront front(instance, kv::sim::RealFiles());
    front.Switches().halfWidthTexts = halfWidthTexts;
    front.Switches().slowPrompt = slowPrompt;
    front.SetWorkingFolder(kv::WideToUtf8(std::filesystem::current_path().wstring()));
    if (auto error = front.Open(options, showCommand)) {
        MessageBoxW(nullptr, kv::Utf8ToWide(*error).c_str(), kErrorCaption, MB_ICONERROR);
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMDISysAccel(front.MdiClient(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
