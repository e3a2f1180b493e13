// kvscenario [--host-slow] [--dump-dir DIR] FILE...: runs user stories against the palette
// and the stand-in host, in process and in simulated time, and prints "N passed, N failed".
// With --host-slow every story runs as if it began with "host slow". With --dump-dir, each
// story's final drawing goes to DIR/<story>.dxf and a line "<story>.dxf <entities>" to
// DIR/manifest.txt, so that other readers can check them.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

#include "drawing_dump.h"
#include "scenario_run.h"
#include "scenario.h"
#include "scenario_lines.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kManifestName = "manifest.txt";

// Failures of one file; a file that cannot be read or compiled fails as a whole.
std::vector<std::string> RunFile(const std::string& path, const fs::path& dumpDir, bool hostSlow) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"cannot read the file"};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    kv::scenario::DrawingSink dump;
    if (!dumpDir.empty()) {
        dump = [&](const kv::sim::Drawing& drawing) {
            const std::string name = fs::path(path).stem().string() + ".dxf";
            const std::size_t count = kv::scenario::DumpDrawing(drawing, dumpDir / name);
            std::ofstream manifest(dumpDir / kManifestName, std::ios::binary | std::ios::app);
            manifest << name << " " << count << "\n";
            if (!manifest.flush()) throw std::runtime_error("cannot write " + (dumpDir / kManifestName).string());
        };
    }
    try {
        kv::scenario::Scenario scenario = kv::scenario::CompileScenario(text);
        if (hostSlow) {
            const kv::scenario::Action slow = [](kv::scenario::ScenarioRun& run) { run.SwitchHost("slow"); };
            scenario.steps.insert(scenario.steps.begin(), {.line = 1, .action = slow, .setup = true});
        }
        return kv::scenario::RunScenario(scenario, fs::path(path).parent_path().string(), dump);
    } catch (const std::exception& e) {
        return {e.what()};
    }
}

// Starts an empty manifest in a folder that exists; false (with the reason shown) otherwise.
bool PrepareDumpDir(const fs::path& dir) {
    std::error_code error;
    fs::create_directories(dir, error);
    std::ofstream manifest(dir / kManifestName, std::ios::binary | std::ios::trunc);
    if (error || !manifest) {
        std::cerr << "kvscenario: cannot write to " << dir.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    fs::path dumpDir;
    bool hostSlow = false;
    if (argc > first && std::string_view(argv[first]) == "--host-slow") {
        hostSlow = true;
        ++first;
    }
    if (argc > first + 1 && std::string_view(argv[first]) == "--dump-dir") {
        dumpDir = argv[first + 1];
        first += 2;
    }
    if (first >= argc) {
        std::cerr << "usage: kvscenario [--host-slow] [--dump-dir DIR] FILE...\n";
        return 2;
    }
    if (!dumpDir.empty() && !PrepareDumpDir(dumpDir)) return 2;
    int passed = 0;
    int failed = 0;
    for (int i = first; i < argc; ++i) {
        const std::vector<std::string> failures = RunFile(argv[i], dumpDir, hostSlow);
        if (failures.empty()) {
            ++passed;
            std::cout << "PASS " << argv[i] << "\n";
            continue;
        }
        ++failed;
        std::cout << "FAIL " << argv[i] << "\n";
        for (const std::string& f : failures) std::cout << "  " << argv[i] << ": " << f << "\n";
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
