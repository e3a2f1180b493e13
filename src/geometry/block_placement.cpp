#include "geometry/block_placement.h"

#include <cmath>

#include "geometry/geometry.h"

namespace kv {

namespace {

const Point3 kOrigin{};

Point3 RotateAbout(const Point3& center, const Point3& p, double angle) {
    return PolarPoint(center, Distance2D(center, p), AngleOf(center, p) + angle);
}

Point3 ScaleFromBase(const TInsertEnt& insert, const Point3& basePoint, const Point3& p) {
    return PointMul(PointSub(p, basePoint), insert.Scale);
}

Point3 MoveAwayFrom(const Point3& center, const Point3& p, double factor) {
    return PolarPoint(center, Distance2D(center, p) * factor, AngleOf(center, p));
}

}  // namespace

Point3 PlaceBlockPoint(const TInsertEnt& insert, const TBlockBlk& block, const Point3& p) {
    const Point3 q = ScaleFromBase(insert, block.BasePoint, p);
    Point3 turned = RotateAbout(kOrigin, q, DegreesToRadians(insert.Rotation));
    turned.z = q.z;
    return PointAdd(insert.Point, turned);
}

double PlaceBlockRadius(const TInsertEnt& insert, double radius) { return radius * std::fabs(insert.Scale.x); }

double PlaceBlockAngle(const TInsertEnt& insert, double degrees) { return degrees + insert.Rotation; }

std::optional<FenceCorners> ComputeFence(const TInsertEnt& insert, const std::vector<BlockExtent>& extents,
                                         const std::vector<TBlockBlk>& blocks, double factor) {
    const BlockExtent* extent = nullptr;
    for (const BlockExtent& e : extents) {
        if (e.BlockName == insert.Name) {
            extent = &e;
            break;
        }
    }
    if (!extent) return std::nullopt;
    Point3 basePoint;
    for (const TBlockBlk& block : blocks) {
        if (block.Name == insert.Name) {
            basePoint = block.BasePoint;
            break;
        }
    }

    const Point3 placedMax = PointAdd(insert.Point, ScaleFromBase(insert, basePoint, extent->Max));
    const Point3 placedMin = PointAdd(insert.Point, ScaleFromBase(insert, basePoint, extent->Min));
    const Point3 center = PointMul(PointAdd(placedMax, placedMin), {0.5, 0.5, 0.5});
    const Point3 hi = MoveAwayFrom(center, placedMax, factor);
    const Point3 lo = MoveAwayFrom(center, placedMin, factor);

    const double rotation = DegreesToRadians(insert.Rotation);
    const FenceCorners unrotated = {hi, Point3{lo.x, hi.y, hi.z}, lo, Point3{hi.x, lo.y, lo.z}};
    FenceCorners corners;
    for (size_t i = 0; i < corners.size(); ++i) corners[i] = RotateAbout(insert.Point, unrotated[i], rotation);
    return corners;
}

}  // namespace kv
