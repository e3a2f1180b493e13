// The host's final drawing written out for outside readers to check.
#pragma once

#include <cstddef>
#include <filesystem>

#include "simhost/drawing.h"

namespace kv::scenario {

// Writes every entity of the drawing as an R2000 DXF file at full precision and
// returns how many entities it holds; throws std::runtime_error when the file
// cannot be written.
std::size_t DumpDrawing(const sim::Drawing& drawing, const std::filesystem::path& file);

}  // namespace kv::scenario
