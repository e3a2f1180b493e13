// kvscenario FILE...: runs user stories against the palette and the stand-in host,
// in process and in simulated time, and prints "N passed, N failed".
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "scenario.h"
#include "scenario_lines.h"

namespace {

// Failures of one file; a file that cannot be read or compiled fails as a whole.
std::vector<std::string> RunFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"cannot read the file"};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        const kv::scenario::Scenario scenario = kv::scenario::CompileScenario(text);
        return kv::scenario::RunScenario(scenario, std::filesystem::path(path).parent_path().string());
    } catch (const std::exception& e) {
        return {e.what()};
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kvscenario FILE...\n";
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::string> failures = RunFile(argv[i]);
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
