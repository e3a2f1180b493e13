// Which layers are switched off, from the detailed layer list ("name,flags,color" items).
#pragma once

#include <string>
#include <unordered_set>

#include "dxf/records.h"

namespace kv {

// The layers named (exact comparison) by an item of exactly three parts whose color is
// negative; an unreadable color counts as 0. The frozen flag is not consulted. Read once per
// list: every shape of every block asks about its layer.
std::unordered_set<std::string> SwitchedOffLayers(const LayerList& layers);

}  // namespace kv
