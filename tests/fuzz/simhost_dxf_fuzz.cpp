// The stand-in host's DXF reader on any file: what it takes in can be inserted, drawn and
// picked, and the host reads back every DXFOUT it writes of it.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "simhost/dxf_in.h"
#include "simhost/dxf_merge.h"
#include "simhost/dxf_out.h"
#include "simhost/entity_shape.h"
#include "simhost/scene.h"

namespace kv::sim {
namespace {

Drawing Inserted(const DxfImportResult& file) {
    Drawing drawing;
    InsertImportExploded(drawing, file, file.insBase, 1, 0);
    if (!DefineBlockFromImport(drawing, file, "FUZZ").empty()) std::abort();
    return drawing;
}

void DrawnAndPicked(const Drawing& drawing) {
    BuildScene(drawing);
    for (const Entity& e : drawing.Entities()) EntityShape(drawing, e);
}

void ReadBack(const Drawing& drawing) {
    std::vector<Handle> all;
    for (const Entity& e : drawing.Entities()) all.push_back(e.handle);
    for (DxfVersion version : {DxfVersion::R12, DxfVersion::R2000}) {
        const DxfImportResult back = ReadDxfFile(WriteDxfOut(drawing, all, version, 16));
        if (!back.error.empty() || back.entities.size() != all.size()) std::abort();
    }
}

}  // namespace
}  // namespace kv::sim

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv::sim;
    const DxfImportResult file = ReadDxfFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!file.error.empty()) return 0;
    const Drawing drawing = Inserted(file);
    DrawnAndPicked(drawing);
    ReadBack(drawing);
    return 0;
}
