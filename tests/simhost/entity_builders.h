// Entity records for test drawings.
#pragma once

#include <string>

#include "simhost/drawing.h"

namespace kv::sim::testing {

inline Entity MakeEntity(Geometry geom, std::string layer = "0", int color = kColorByLayer) {
    Entity e;
    e.layer = std::move(layer);
    e.color = color;
    e.geom = std::move(geom);
    return e;
}

inline Entity LineEntity(double x1, double y1, double x2, double y2, std::string layer = "0") {
    return MakeEntity(LineGeom{{x1, y1, 0}, {x2, y2, 0}}, std::move(layer));
}

}  // namespace kv::sim::testing
