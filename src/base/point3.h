// A drawing point. Geometry is planar; z is carried along and never enters a
// distance, angle or intersection.
#pragma once

namespace kv {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
    friend bool operator==(const Point3&, const Point3&) = default;
};

}  // namespace kv
