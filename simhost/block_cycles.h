// Block definitions that insert one another. A definition must never reach itself: a
// reference to it would expand without end. Files that would make one are refused.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"

namespace kv::sim {

// The entities of the definition a block name stands for; null for an unknown name.
using BlockLookup = std::function<const std::vector<Entity>*(std::string_view name)>;

// The name of a block that inserts itself, directly or through other blocks, found from
// the definitions `roots` name; empty when there is none. Names compare as the host does.
std::string SelfInsertingBlock(const std::vector<std::string>& roots, const BlockLookup& definition);

}  // namespace kv::sim
