#include "drawing_dump.h"

#include <fstream>
#include <stdexcept>

#include "simhost/dxf_out.h"

namespace kv::scenario {

namespace {

constexpr int kAllDecimals = 16;

}  // namespace

std::size_t DumpDrawing(const sim::Drawing& drawing, const std::filesystem::path& file) {
    std::vector<sim::Handle> all;
    for (const sim::Entity& entity : drawing.Entities()) all.push_back(entity.handle);
    const std::string text = sim::WriteDxfOut(drawing, all, sim::DxfVersion::R2000, kAllDecimals);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write the drawing to " + file.string());
    return all.size();
}

}  // namespace kv::scenario
