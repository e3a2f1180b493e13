// The LINE entity text of every written file.
#pragma once

#include <string>
#include <vector>

#include "dxf/records.h"

namespace kv {

// 2D leaves out the z groups (30, 31); 3D carries them.
enum class LineForm { k2D, k3D };

// Appends the LINE items: layer, colour, linetype and linetype scale as the record holds
// them, then its end points.
void AppendLineEntity(const TLineEnt& line, LineForm form, std::vector<std::string>& items);

}  // namespace kv
