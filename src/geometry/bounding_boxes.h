// Axis-aligned boxes of the shapes that make up a block definition.
#pragma once

#include "base/point3.h"

namespace kv {

struct Box {
    Point3 min;
    Point3 max;
};

Box SegmentBox(const Point3& p1, const Point3& p2);
Box CircleBox(const Point3& center, double radius);
// The arc runs counter-clockwise from start to end (radians); start >= end wraps through 0,
// equal angles give the full circle.
Box ArcBox(const Point3& center, double radius, double start, double end);

// Lowers min and raises max of box so that it also holds other.
void MergeBox(Box& box, const Box& other);

}  // namespace kv
