// Declared by the command core; the DXF engineer owns the implementation.
// Reading a DXF file for -INSERT.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"

namespace kv::sim {

// Entities come with handle 0 (the inserting drawing gives its own); `error` is
// empty when the file was read, else the text that says what is wrong and where.
struct DxfImportResult {
    std::string error;
    Point3 insBase;
    std::vector<Entity> entities;
    std::vector<Layer> layers;
    std::vector<Linetype> linetypes;
    std::vector<TextStyle> styles;
    std::vector<BlockDef> blocks;
    // The file's own ATTDEFs, which become those of the block it is inserted as.
    std::vector<AttributeDef> attributes;
};

// `bytes` is the file as stored (ANSI code page); texts come out as UTF-8.
DxfImportResult ReadDxfFile(std::string_view bytes);

}  // namespace kv::sim
