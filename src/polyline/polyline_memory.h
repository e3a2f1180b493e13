// The values the polyline tools keep from one state, or one use, to the next.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "base/point3.h"
#include "dxf/records.h"
#include "polyline/picked_polyline.h"

namespace kv {

struct PolylineMemory {
    double StepAngle = 15.0;             // degrees, of the last angled-polyline button
    std::string FilletRadiusText = "0";  // of the last fillet button
    std::string FirstPick;               // LASTPOINT after the first line of a fillet
    TLineEnt FirstLine;

    // Element move: the picked element and the distances kept between uses.
    PickedPolyline polyline;
    std::size_t ElementIndex = 0;
    TLineEnt CurrentLine;
    double EMoveDist1 = 5.0;
    double EMoveDist2 = 500.0;
    // 1 side point with the drawing size, 2 with the real size; -1 and -2 the point the
    // element passes through (the sign only keeps the size choice for the next use).
    int EMoveMode = 1;

    // Rectangle edit.
    PickedPolyline rectangle;
    std::array<Point3, 4> OldCorners{};
    std::array<Point3, 4> NewCorners{};
    double Radius = 0;
};

}  // namespace kv
