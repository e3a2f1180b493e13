// kve2e: drives kvane2k.exe (already started) through window messages and prints one line
// per check, then "N passed, N failed". Exit code 0 only when every check passed.
//
//   kve2e.exe [--snapshots FOLDER] [--simhost]
//   kve2e.exe [--snapshots FOLDER] --stories PALETTE_EXE FILE.scn...
//
// With --snapshots, the driver asks for screenshots at the interesting moments (see
// snapshot_request.h); without it, none are taken. With --simhost, simhost.exe is running
// too: its windows are checked as the palette reads them. With --stories,
// simhost.exe is running and the driver starts the palette itself, once per story file.

#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "check_list.h"
#include "font_checks.h"
#include "host_checks.h"
#include "palette_checks.h"
#include "palette_control_checks.h"
#include "scenario_files.h"
#include "snapshot_request.h"

namespace {

constexpr int kUsageError = 2;

void Append(std::vector<kv::e2e::Check>& to, std::vector<kv::e2e::Check> more) {
    for (auto& check : more) to.push_back(std::move(check));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring snapshotFolder;
    bool withHost = false;
    std::wstring storyPalette;
    std::vector<std::wstring> stories;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--snapshots") == 0 && i + 1 < argc) {
            snapshotFolder = argv[++i];
        } else if (std::wcscmp(argv[i], L"--simhost") == 0) {
            withHost = true;
        } else if (std::wcscmp(argv[i], L"--stories") == 0 && i + 2 < argc) {
            storyPalette = argv[++i];
            stories.assign(argv + i + 1, argv + argc);
            break;
        } else {
            std::fprintf(stderr,
                         "usage: kve2e.exe [--snapshots FOLDER] [--simhost]\n"
                         "       kve2e.exe [--snapshots FOLDER] --stories PALETTE_EXE FILE.scn...\n");
            return kUsageError;
        }
    }

    using namespace kv::e2e;
    if (!stories.empty()) {
        CheckTally tally = RunScenarioFiles(stories, storyPalette, snapshotFolder);
        std::printf("%d passed, %d failed\n", tally.passed, tally.failed);
        std::fflush(stdout);
        return tally.failed == 0 ? 0 : 1;
    }
    PaletteUnderTest palette;
    HostUnderTest host;
    std::vector<Check> checks;
    Append(checks, PaletteWindowChecks(palette));
    Append(checks, JapaneseFontChecks());
    if (withHost) {
        Append(checks, HostChecks(host));
        if (!snapshotFolder.empty()) {
            checks.push_back(
                {"screenshot of simhost and the palette", [&] { return RequestSnapshot(snapshotFolder, L"simhost"); }});
        }
    }
    if (!snapshotFolder.empty()) {
        checks.push_back({"screenshot of the palette", [&] { return RequestSnapshot(snapshotFolder, L"palette"); }});
    }
    Append(checks, PaletteControlChecks(palette, snapshotFolder));
    Append(checks, PaletteCloseChecks(palette));
    if (withHost) Append(checks, HostCloseChecks(host));

    CheckTally tally = RunChecks(checks);
    std::printf("%d passed, %d failed\n", tally.passed, tally.failed);
    std::fflush(stdout);
    return tally.failed == 0 ? 0 : 1;
}
