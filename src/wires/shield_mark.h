// The shield mark: an oval round the wires a guide segment crosses, with a lead line from
// beyond the oval's far end to where the guide ends.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// Where the guide's line meets the wires' lines, nearest the guide's start first. Wires on the
// guide's line or parallel to it are left out, as is a point within the collinear tolerance
// of one already found.
std::vector<Point3> ShieldCrossings(const TLineEnt& guide, const std::vector<TLineEnt>& wires);

// True when the guide starts on a wire: no shield then, the guide stays an ordinary line.
bool GuideStartsOnWire(const TLineEnt& guide, const std::vector<Point3>& crossings);

// The oval V1-V2 (half circle) V2-V3 (side) V3-V4 (half circle) V4-V1 (side), half-width w,
// and the lead line from Q.
struct ShieldOutline {
    Point3 V1, V2, V3, V4;
    Point3 Q;
};

// crossings must not be empty.
ShieldOutline ShieldOutlineOf(const TLineEnt& guide, const std::vector<Point3>& crossings, double w);

// The oval as a closed POLYLINE and the lead line, in the look of the first wire; the lead
// is left out when it would have no length.
std::vector<std::string> ShieldItems(const TLineEnt& guide, const std::vector<Point3>& crossings, double w,
                                     const TLineEnt& look);

}  // namespace kv
