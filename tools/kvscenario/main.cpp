// kvscenario [--host-slow] [--dump-dir DIR] [--trace FILE] [--files-from DIR] FILE...: runs
// user stories against the palette and the stand-in host, in process and in simulated time, and
// prints "N passed, N failed".
// With --host-slow every story runs as if it began with "host slow".
// With --dump-dir, each story's final drawing goes to DIR/<story>.dxf and a line
// "<story>.dxf <entities>" to DIR/manifest.txt, so that other readers can check them.
// With --trace, FILE gets per story a line "story FILE", then "typed TEXT" for each command text
// the palette typed and "waited PROMPT" for the prompt at each of the user's actions in the host
// (bytes below 0x20 and the backslash as \xHH), which the fault matrix derives its stories from.
// With --files-from, the stories' own files are looked up in DIR rather than beside each story.
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

struct Options {
    fs::path dumpDir;
    fs::path traceFile;
    fs::path filesFrom;
    bool hostSlow = false;
};

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '\\') {
            out += c;
            continue;
        }
        static const char* digits = "0123456789ABCDEF";
        out += std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
    }
    return out;
}

void AppendTrace(const fs::path& file, const std::string& story, const std::vector<std::string>& typed,
                 const std::vector<std::string>& waited) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << "story " << story << "\n";
    for (const std::string& t : typed) out << "typed " << Escaped(t) << "\n";
    for (const std::string& w : waited) out << "waited " << Escaped(w) << "\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

// Failures of one file; a file that cannot be read or compiled fails as a whole.
std::vector<std::string> RunFile(const std::string& path, const Options& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"cannot read the file"};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    kv::scenario::DrawingSink dump;
    if (!options.dumpDir.empty()) {
        dump = [&](const kv::sim::Drawing& drawing) {
            const std::string name = fs::path(path).stem().string() + ".dxf";
            const std::size_t count = kv::scenario::DumpDrawing(drawing, options.dumpDir / name);
            std::ofstream manifest(options.dumpDir / kManifestName, std::ios::binary | std::ios::app);
            manifest << name << " " << count << "\n";
            if (!manifest.flush())
                throw std::runtime_error("cannot write " + (options.dumpDir / kManifestName).string());
        };
    }
    kv::scenario::TraceSink trace;
    if (!options.traceFile.empty()) {
        trace = [&](const std::vector<std::string>& typed, const std::vector<std::string>& waited) {
            AppendTrace(options.traceFile, path, typed, waited);
        };
    }
    const fs::path folder = options.filesFrom.empty() ? fs::path(path).parent_path() : options.filesFrom;
    try {
        kv::scenario::Scenario scenario = kv::scenario::CompileScenario(text);
        if (options.hostSlow) {
            const kv::scenario::Action slow = [](kv::scenario::ScenarioRun& run) { run.SwitchHost("slow"); };
            scenario.steps.insert(scenario.steps.begin(), {.line = 1, .action = slow, .setup = true});
        }
        return kv::scenario::RunScenario(scenario, folder.string(), dump, trace);
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
    Options options;
    for (; first < argc; ++first) {
        const std::string_view option = argv[first];
        if (option == "--host-slow") {
            options.hostSlow = true;
            continue;
        }
        if (first + 1 >= argc) break;
        if (option == "--dump-dir") options.dumpDir = argv[++first];
        else if (option == "--trace") options.traceFile = argv[++first];
        else if (option == "--files-from") options.filesFrom = argv[++first];
        else break;
    }
    if (first >= argc) {
        std::cerr << "usage: kvscenario [--host-slow] [--dump-dir DIR] [--trace FILE] [--files-from DIR] FILE...\n";
        return 2;
    }
    if (!options.dumpDir.empty() && !PrepareDumpDir(options.dumpDir)) return 2;
    int passed = 0;
    int failed = 0;
    for (int i = first; i < argc; ++i) {
        const std::vector<std::string> failures = RunFile(argv[i], options);
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
