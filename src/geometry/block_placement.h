// Where a block reference puts its definition's geometry, and the fence drawn around it.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"
#include "geometry/block_extents.h"

namespace kv {

// A block-definition point in drawing coordinates: scaled about the base point, rotated about
// the insertion point.
Point3 PlaceBlockPoint(const TInsertEnt& insert, const TBlockBlk& block, const Point3& p);
// Radii scale by |Scale.x|; arc angles (degrees) turn by the rotation only, unmirrored.
double PlaceBlockRadius(const TInsertEnt& insert, double radius);
double PlaceBlockAngle(const TInsertEnt& insert, double degrees);

// The outline around a placed block, in the order max corner, (min.x, max.y), min corner,
// (max.x, min.y) before rotation.
using FenceCorners = std::array<Point3, 4>;

// Enlargement the block trim selects its wires with.
constexpr double kTrimFenceFactor = 1.1;

// The fence around insert's block extents, enlarged about its centre by factor and rotated
// with the insert. The block's base point is taken from the first definition of that name
// (origin when there is none). Nothing when no extent has the insert's block name.
std::optional<FenceCorners> ComputeFence(const TInsertEnt& insert, const std::vector<BlockExtent>& extents,
                                         const std::vector<TBlockBlk>& blocks, double factor);

}  // namespace kv
