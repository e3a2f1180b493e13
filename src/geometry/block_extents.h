// Block-definition geometry as the wire tools see it: polylines broken into lines and arcs,
// and the extents of every block.
#pragma once

#include <string>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// Polyline flags value that closes a polyline; any other bit set (e.g. 129) leaves it open.
constexpr int kPolylineClosedFlags = 1;

// Appends one TLineBlk per straight segment and one TArcBlk (degrees) per bulged segment of
// every polyline in geometry.polylines, in order; vertices belong to the polyline whose
// Handle equals their OwnerHandle.
void ExplodePolylines(BlockGeometry& geometry);

struct BlockExtent {
    std::string BlockName;
    Point3 Min;  // z is 0
    Point3 Max;
};

// One entry per block definition (in order) that has at least one line, circle or arc,
// polyline segments included; returns the number of entries.
int ComputeBlockExtents(const BlockGeometry& geometry, std::vector<BlockExtent>& extents);

}  // namespace kv
