// Linetype names travel with "_" in place of "." (DOT.2 becomes DOT_2): the readers,
// the linetype table copy and the line edits all use this one form.
#pragma once

#include <string>
#include <string_view>

#include "dxf/dxf_buffer.h"

namespace kv {

std::string LinetypeWithoutDots(std::string_view name);

// The pass that gives a buffer that form throughout: every group 6 value and every entry name
// of the LTYPE table, so that no reference in an edited export dangles.
void UseLinetypesWithoutDots(DxfBuffer& buffer);

}  // namespace kv
