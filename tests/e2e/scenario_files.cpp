#include "scenario_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "polling.h"
#include "snapshot_request.h"
#include "wine_scenario_run.h"

namespace kv::e2e {

namespace {

constexpr unsigned kHostTimeoutMs = 30000;

std::vector<std::string> RunFile(const std::filesystem::path& file, HostUnderTest& host, const std::wstring& paletteExe,
                                 const std::wstring& snapshotFolder) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {"cannot read the file"};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        const scenario::Scenario story = scenario::CompileScenario(text);
        WineScenarioRun run(file.parent_path().string(), host, paletteExe);
        run.snapshotFolder = snapshotFolder;
        std::vector<std::string> failures = scenario::RunScenario(story, run);
        if (!snapshotFolder.empty()) RequestSnapshot(snapshotFolder, L"scenario-" + file.stem().wstring());
        return failures;
    } catch (const std::exception& e) {
        return {e.what()};
    }
}

}  // namespace

CheckTally RunScenarioFiles(const std::vector<std::wstring>& files, const std::wstring& paletteExe,
                            const std::wstring& snapshotFolder) {
    HostUnderTest host;
    // The frame shows before its command line and text window are made.
    WaitUntil(
        [&] {
            host.windows = FindHostWindows();
            return host.windows.frame && host.windows.prompt && host.windows.history && host.windows.textHistory;
        },
        kHostTimeoutMs);
    CheckTally tally;
    for (const std::wstring& name : files) {
        const std::filesystem::path file(name);
        const std::string shown = "story " + file.stem().string();
        const std::vector<std::string> failures = host.windows.frame
                                                      ? RunFile(file, host, paletteExe, snapshotFolder)
                                                      : std::vector<std::string>{"simhost.exe is not running"};
        if (failures.empty()) {
            ++tally.passed;
            std::printf("PASS %s\n", shown.c_str());
        } else {
            ++tally.failed;
            std::printf("FAIL %s\n", shown.c_str());
            for (const std::string& f : failures)
                std::printf("  %s: %s\n", file.filename().string().c_str(), f.c_str());
        }
        std::fflush(stdout);
    }
    return tally;
}

}  // namespace kv::e2e
