// Declared by the command core; the DXF engineer owns the implementation.
// DXFOUT's file writer: what the host writes for the chosen release.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace kv::sim {

enum class DxfVersion { R12, R2000 };

// The whole file (ANSI bytes, CR LF lines) holding the selected entities, the
// tables and every block definition an exported INSERT uses; reals are written
// with `decimals` places (0-16).
std::string WriteDxfOut(const Drawing& drawing, const std::vector<Handle>& selection, DxfVersion version, int decimals);

}  // namespace kv::sim
