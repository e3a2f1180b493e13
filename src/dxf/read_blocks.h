// Reader of the BLOCKS section: every block header and the geometry of the block definitions.
#pragma once

#include <string_view>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

// Fills `geometry` (its layer list first, in detailed form) and returns the number of block
// headers. Entities of the anonymous blocks ("*" names) that open the section are skipped; a
// SOLID becomes the edges of its outline as lines.
int ReadBlocks(const DxfBuffer& buffer, BlockGeometry& geometry);

// The geometry of the ENTITIES section as the one block blockName, read as ReadBlocks reads a
// block's body; the BLOCKS section and the layers are left out.
void ReadEntitiesAsBlock(const DxfBuffer& buffer, std::string_view blockName, BlockGeometry& geometry);

}  // namespace kv
