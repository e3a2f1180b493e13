// Whether a layer is switched on, from the detailed layer list ("name,flags,color" items).
#pragma once

#include <string_view>

#include "dxf/records.h"

namespace kv {

// False only when an item of exactly three parts names the layer (exact comparison) and
// its color is negative; an unreadable color counts as 0. The frozen flag is not consulted.
bool LayerIsOn(std::string_view name, const LayerList& layers);

}  // namespace kv
