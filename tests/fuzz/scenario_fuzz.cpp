// The story-file parser on any text: a story compiles, or the mistake is a ScenarioError
// that names its line. Nothing runs.
#include <cstdint>
#include <string_view>

#include "scenario.h"
#include "scenario_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        kv::scenario::CompileScenario(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const kv::scenario::ScenarioError&) {}
    return 0;
}
