// Entity records for test drawings, and a short text of an entity's shape to compare
// results by (coordinates rounded to 1e-6).
#pragma once

#include <cmath>
#include <string>

#include "base/number_text.h"
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

inline std::string Num(double v) { return FormatReal(std::round(v * 1e6) / 1e6 + 0.0); }
inline std::string Xy(double x, double y) { return Num(x) + "," + Num(y); }

// "LINE 0,0 10,0", "ARC 5,5 2 0 90", "CIRCLE 1,1 3", "PLINE 0,0/0.5 10,0 closed",
// "INSERT SYM 1,2 1 1 0"; other kinds by their DXF name.
inline std::string ShapeText(const Entity& e) {
    if (auto* g = std::get_if<LineGeom>(&e.geom)) {
        return "LINE " + Xy(g->start.x, g->start.y) + " " + Xy(g->end.x, g->end.y);
    }
    if (auto* g = std::get_if<ArcGeom>(&e.geom)) {
        return "ARC " + Xy(g->center.x, g->center.y) + " " + Num(g->radius) + " " + Num(g->startAngle) + " " +
               Num(g->endAngle);
    }
    if (auto* g = std::get_if<CircleGeom>(&e.geom)) {
        return "CIRCLE " + Xy(g->center.x, g->center.y) + " " + Num(g->radius);
    }
    if (auto* g = std::get_if<LwPolylineGeom>(&e.geom)) {
        std::string text = "PLINE";
        for (const LwVertex& v : g->vertices) text += " " + Xy(v.x, v.y) + (v.bulge ? "/" + Num(v.bulge) : "");
        return text + (g->closed ? " closed" : "");
    }
    if (auto* g = std::get_if<InsertGeom>(&e.geom)) {
        return "INSERT " + g->name + " " + Xy(g->point.x, g->point.y) + " " + Num(g->xScale) + " " + Num(g->yScale) +
               " " + Num(g->rotation);
    }
    return EntityKindName(e.Kind());
}

inline std::vector<std::string> ShapeTexts(const Drawing& d) {
    std::vector<std::string> texts;
    for (const Entity& e : d.Entities()) texts.push_back(ShapeText(e));
    return texts;
}

}  // namespace kv::sim::testing
