// The entity text of the twist and shield marks: every entity carries the look of the wire it
// stands for, as the attribute block "  8", "  6", " 62", " 48" after its "  0" line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

void AppendAttributeBlock(const TLineEnt& look, std::vector<std::string>& items);
void AppendGroup(std::string_view code, std::string_view value, std::vector<std::string>& items);
// " 10"/" 20" (or another pair of codes) in the general decimal form.
void AppendPoint(std::string_view xCode, std::string_view yCode, const Point3& p, std::vector<std::string>& items);

void AppendMarkLine(const TLineEnt& look, const Point3& from, const Point3& to, std::vector<std::string>& items);
// Angles in radians, written as degrees; the arc runs counter-clockwise from start to end.
void AppendMarkArc(const TLineEnt& look, const Point3& centre, double radius, double start, double end,
                   std::vector<std::string>& items);

}  // namespace kv
