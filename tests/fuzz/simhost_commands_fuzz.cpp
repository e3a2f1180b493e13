// The stand-in host driven by any console script (see docs/simhost.md): typed commands,
// picks, windows, Esc and the setup actions, over the sample drawing with its file at hand.
// Whatever the script left behind, the host reads back its own DXFOUT of it.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "simhost/console.h"
#include "simhost/dxf_in.h"
#include "simhost/dxf_out.h"
#include "simhost/dxf_sample_drawing.h"

namespace kv::sim {
namespace {

HostFiles InMemory(std::map<std::string, std::string>& files) {
    return HostFiles{
        [&files](const std::string& path) -> std::optional<std::string> {
            const auto found = files.find(path);
            return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
        },
        [&files](const std::string& path, const std::string& bytes) { return files[path] = bytes, true; },
        [&files](const std::string& path) { return files.count(path) > 0; },
    };
}

std::vector<Handle> AllHandles(const Drawing& drawing) {
    std::vector<Handle> all;
    for (const Entity& e : drawing.Entities()) all.push_back(e.handle);
    return all;
}

}  // namespace
}  // namespace kv::sim

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv::sim;
    static const Drawing sample = testing::SampleDrawing();
    static const std::string sampleFile = WriteDxfOut(sample, AllHandles(sample), DxfVersion::R12, 6);
    std::map<std::string, std::string> files{{"sample.dxf", sampleFile}};
    SimHost host(InMemory(files));
    host.ReplaceDrawing(sample);
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    RunConsoleMessage(host, InMemory(files), script, "fuzz");
    host.PressEscape();
    const Drawing& drawing = host.GetDrawing();
    const DxfImportResult back = ReadDxfFile(WriteDxfOut(drawing, AllHandles(drawing), DxfVersion::R2000, 16));
    if (!back.error.empty() || back.entities.size() != drawing.Entities().size()) std::abort();
    return 0;
}
