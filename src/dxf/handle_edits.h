// In-place edits of single entities of an export, found by handle in its ENTITIES section;
// the move and stretch tools save the edited export and insert it again.
#pragma once

#include <string_view>

#include "base/point3.h"
#include "dxf/dxf_buffer.h"

namespace kv {

// Overwrites 10/20/30 and 11/21/31 of the LINE with the handle. False when there is none.
bool PatchLineByHandle(DxfBuffer& buffer, std::string_view handle, const Point3& p1, const Point3& p2);

// Overwrites the centre (10/20/30) and the angles in degrees (50, 51) of the ARC with the handle.
bool PatchArcByHandle(DxfBuffer& buffer, std::string_view handle, const Point3& center, double startAngle,
                      double endAngle);

// Deletes the entity of the given type ("ARC", "LINE", ...) with the handle, from its group 0
// line up to the line before the next group 0. False when there is none.
bool DeleteEntityByHandle(DxfBuffer& buffer, std::string_view type, std::string_view handle);

}  // namespace kv
