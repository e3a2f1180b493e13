// Linetype names travel with "_" in place of "." (DOT.2 becomes DOT_2): the readers,
// the linetype table copy and the line edits all use this one form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dxf/dxf_buffer.h"

namespace kv {

std::string LinetypeWithoutDots(std::string_view name);

// The trimmed value of `pair` as a linetype name; a name holding "." is also written back
// into the buffer with "_", so that a later save carries the new name.
std::string TakeLinetypeName(DxfBuffer& buffer, size_t pair);

}  // namespace kv
