#include "entity_desc.h"

#include <cmath>

#include "base/number_text.h"
#include "base/strings.h"

namespace kv::scenario {

namespace {

constexpr std::pair<std::string_view, sim::EntityKind> kKinds[] = {
    {"line", sim::EntityKind::Line},     {"arc", sim::EntityKind::Arc},
    {"circle", sim::EntityKind::Circle}, {"pline", sim::EntityKind::LwPolyline},
    {"insert", sim::EntityKind::Insert}, {"text", sim::EntityKind::Text},
    {"solid", sim::EntityKind::Solid},   {"polyline", sim::EntityKind::Polyline},
};

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

bool Near(const Point3& a, const Point3& b, double tolerance) {
    return Near(a.x, b.x, tolerance) && Near(a.y, b.y, tolerance) && Near(a.z, b.z, tolerance);
}

bool AngleNear(double a, double b, double tolerance) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d) <= tolerance;
}

// An option left out matches anything.
bool OptNear(const std::optional<double>& want, double have, double tolerance) {
    return !want || Near(*want, have, tolerance);
}

std::string PointText(const Point3& p) {
    std::string text = FormatReal(p.x) + "," + FormatReal(p.y);
    if (p.z != 0) text += "," + FormatReal(p.z);
    return text;
}

void ParseGeometry(EntityDesc& desc, Args& args) {
    switch (desc.kind) {
    case sim::EntityKind::Line: desc.points = {args.Point("start point"), args.Point("end point")}; break;
    case sim::EntityKind::Arc:
        desc.points = {args.Point("centre")};
        desc.radius = args.RealOption("r");
        desc.startAngle = args.RealOption("from");
        desc.endAngle = args.RealOption("to");
        break;
    case sim::EntityKind::Circle:
        desc.points = {args.Point("centre")};
        desc.radius = args.RealOption("r");
        break;
    case sim::EntityKind::LwPolyline:
    case sim::EntityKind::Polyline:
        while (args.NextIsPoint()) desc.points.push_back(args.Point("vertex"));
        if (desc.points.size() < 2) args.Error("a pline needs at least two vertices");
        desc.bulges = args.RealListOption("bulges");
        if (desc.bulges && desc.bulges->size() > desc.points.size()) args.Error("more bulges than vertices");
        if (args.Flag("closed")) desc.closed = true;
        if (args.Flag("open")) desc.closed = false;
        break;
    case sim::EntityKind::Insert:
        desc.name = args.Text("block name");
        desc.points = {args.Point("insertion point")};
        if (const std::optional<double> scale = args.RealOption("scale")) desc.xScale = desc.yScale = scale;
        if (const std::optional<double> x = args.RealOption("xscale")) desc.xScale = x;
        if (const std::optional<double> y = args.RealOption("yscale")) desc.yScale = y;
        desc.rotation = args.RealOption("rotation");
        break;
    case sim::EntityKind::Text:
        desc.points = {args.Point("text point")};
        desc.name = args.Text("text value");
        desc.height = args.RealOption("height");
        desc.rotation = args.RealOption("rotation");
        desc.widthFactor = args.RealOption("width");
        desc.style = args.Option("style");
        desc.hAlign = args.IntOption("halign");
        desc.vAlign = args.IntOption("valign");
        desc.second = args.PointOption("second");
        break;
    case sim::EntityKind::Solid:
        while (args.NextIsPoint()) desc.points.push_back(args.Point("corner"));
        if (desc.points.size() < 3 || desc.points.size() > 4) args.Error("a solid has three or four corners");
        break;
    }
}

template <typename T>
T Need(const std::optional<T>& value, int line, std::string_view what) {
    if (!value) throw ScenarioError(line, "the drawing needs " + std::string(what));
    return *value;
}

sim::Geometry MakeGeometry(const EntityDesc& s, int line) {
    switch (s.kind) {
    case sim::EntityKind::Line: return sim::LineGeom{s.points[0], s.points[1]};
    case sim::EntityKind::Arc:
        return sim::ArcGeom{s.points[0], Need(s.radius, line, "r="), Need(s.startAngle, line, "from="),
                            Need(s.endAngle, line, "to=")};
    case sim::EntityKind::Circle: return sim::CircleGeom{s.points[0], Need(s.radius, line, "r=")};
    case sim::EntityKind::LwPolyline: {
        sim::LwPolylineGeom g;
        for (std::size_t i = 0; i < s.points.size(); ++i) {
            const double bulge = s.bulges && i < s.bulges->size() ? (*s.bulges)[i] : 0;
            g.vertices.push_back({s.points[i].x, s.points[i].y, bulge});
        }
        g.closed = s.closed.value_or(false);
        return g;
    }
    case sim::EntityKind::Insert: {
        sim::InsertGeom g;
        g.name = *s.name;
        g.point = s.points[0];
        g.xScale = s.xScale.value_or(1);
        g.yScale = s.yScale.value_or(g.xScale);
        g.rotation = s.rotation.value_or(0);
        return g;
    }
    case sim::EntityKind::Text: {
        sim::TextGeom g;
        g.text = *s.name;
        g.first = s.points[0];
        g.second = s.second.value_or(s.points[0]);
        g.height = s.height.value_or(g.height);
        g.rotation = s.rotation.value_or(0);
        g.widthFactor = s.widthFactor.value_or(1);
        g.style = s.style.value_or(g.style);
        g.hAlign = s.hAlign.value_or(0);
        g.vAlign = s.vAlign.value_or(0);
        return g;
    }
    case sim::EntityKind::Solid: {
        sim::SolidGeom g;
        for (std::size_t i = 0; i < 4; ++i) g.corners[i] = s.points[std::min(i, s.points.size() - 1)];
        return g;
    }
    case sim::EntityKind::Polyline: break;
    }
    throw ScenarioError(line, "this kind cannot be drawn by a scenario");
}

bool GeometryMatches(const EntityDesc& s, const sim::Entity& e, double tol) {
    switch (s.kind) {
    case sim::EntityKind::Line: {
        const auto& g = std::get<sim::LineGeom>(e.geom);
        return (Near(g.start, s.points[0], tol) && Near(g.end, s.points[1], tol)) ||
               (Near(g.start, s.points[1], tol) && Near(g.end, s.points[0], tol));
    }
    case sim::EntityKind::Arc: {
        const auto& g = std::get<sim::ArcGeom>(e.geom);
        return Near(g.center, s.points[0], tol) && OptNear(s.radius, g.radius, tol) &&
               (!s.startAngle || AngleNear(*s.startAngle, g.startAngle, tol)) &&
               (!s.endAngle || AngleNear(*s.endAngle, g.endAngle, tol));
    }
    case sim::EntityKind::Circle: {
        const auto& g = std::get<sim::CircleGeom>(e.geom);
        return Near(g.center, s.points[0], tol) && OptNear(s.radius, g.radius, tol);
    }
    case sim::EntityKind::LwPolyline: {
        const auto& g = std::get<sim::LwPolylineGeom>(e.geom);
        if (g.vertices.size() != s.points.size()) return false;
        if (s.closed && *s.closed != g.closed) return false;
        for (std::size_t i = 0; i < g.vertices.size(); ++i) {
            if (!Near(g.vertices[i].x, s.points[i].x, tol) || !Near(g.vertices[i].y, s.points[i].y, tol)) return false;
            if (s.bulges && !Near(g.vertices[i].bulge, i < s.bulges->size() ? (*s.bulges)[i] : 0, tol)) return false;
        }
        return true;
    }
    case sim::EntityKind::Insert: {
        const auto& g = std::get<sim::InsertGeom>(e.geom);
        return EqualsIgnoreCaseAscii(g.name, *s.name) && Near(g.point, s.points[0], tol) &&
               OptNear(s.xScale, g.xScale, tol) && OptNear(s.yScale, g.yScale, tol) &&
               (!s.rotation || AngleNear(*s.rotation, g.rotation, tol));
    }
    case sim::EntityKind::Text: {
        const auto& g = std::get<sim::TextGeom>(e.geom);
        return g.text == *s.name && Near(g.first, s.points[0], tol) && OptNear(s.height, g.height, tol) &&
               (!s.rotation || AngleNear(*s.rotation, g.rotation, tol)) && OptNear(s.widthFactor, g.widthFactor, tol) &&
               (!s.style || EqualsIgnoreCaseAscii(*s.style, g.style)) && (!s.hAlign || *s.hAlign == g.hAlign) &&
               (!s.vAlign || *s.vAlign == g.vAlign) && (!s.second || Near(*s.second, g.second, tol));
    }
    case sim::EntityKind::Solid: {
        const auto& g = std::get<sim::SolidGeom>(e.geom);
        for (std::size_t i = 0; i < 4; ++i)
            if (!Near(g.corners[i], s.points[std::min(i, s.points.size() - 1)], tol)) return false;
        return true;
    }
    case sim::EntityKind::Polyline: {
        const auto& g = std::get<sim::PolylineGeom>(e.geom);
        if (g.vertices.size() != s.points.size()) return false;
        if (s.closed && *s.closed != g.closed) return false;
        for (std::size_t i = 0; i < g.vertices.size(); ++i) {
            if (!Near(g.vertices[i].point.x, s.points[i].x, tol) || !Near(g.vertices[i].point.y, s.points[i].y, tol))
                return false;
            if (s.bulges && !Near(g.vertices[i].bulge, i < s.bulges->size() ? (*s.bulges)[i] : 0, tol)) return false;
        }
        return true;
    }
    }
    return false;
}

}  // namespace

std::optional<sim::EntityKind> KindOfWord(std::string_view word) {
    for (const auto& [name, kind] : kKinds)
        if (word == name) return kind;
    return std::nullopt;
}

bool IsEntityWord(std::string_view word) { return KindOfWord(word).has_value(); }

EntityDesc ParseEntityDesc(std::string_view kindWord, Args& args) {
    EntityDesc desc;
    desc.kind = KindOfWord(kindWord).value_or(sim::EntityKind::Line);
    ParseGeometry(desc, args);
    desc.layer = args.Option("layer");
    desc.linetype = args.Option("linetype");
    desc.color = args.ColorOption("color");
    desc.linetypeScale = args.RealOption("ltscale");
    return desc;
}

sim::Entity MakeEntity(const EntityDesc& desc, int line) {
    sim::Entity e;
    e.layer = desc.layer.value_or(e.layer);
    e.linetype = desc.linetype.value_or(e.linetype);
    e.color = desc.color.value_or(e.color);
    e.linetypeScale = desc.linetypeScale.value_or(e.linetypeScale);
    e.geom = MakeGeometry(desc, line);
    return e;
}

bool Matches(const EntityDesc& desc, const sim::Entity& entity, double tolerance) {
    if (entity.Kind() != desc.kind) return false;
    if (desc.layer && !EqualsIgnoreCaseAscii(*desc.layer, entity.layer)) return false;
    if (desc.linetype && !EqualsIgnoreCaseAscii(*desc.linetype, entity.linetype)) return false;
    if (desc.color && *desc.color != entity.color) return false;
    if (!OptNear(desc.linetypeScale, entity.linetypeScale, tolerance)) return false;
    return GeometryMatches(desc, entity, tolerance);
}

std::string Describe(const sim::Entity& e) {
    std::string text = sim::EntityKindName(e.Kind());
    std::visit(
        [&text](const auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, sim::LineGeom>) {
                text += " " + PointText(g.start) + " " + PointText(g.end);
            } else if constexpr (std::is_same_v<G, sim::ArcGeom>) {
                text += " " + PointText(g.center) + " r=" + FormatReal(g.radius) + " from=" + FormatReal(g.startAngle) +
                        " to=" + FormatReal(g.endAngle);
            } else if constexpr (std::is_same_v<G, sim::CircleGeom>) {
                text += " " + PointText(g.center) + " r=" + FormatReal(g.radius);
            } else if constexpr (std::is_same_v<G, sim::LwPolylineGeom>) {
                for (const sim::LwVertex& v : g.vertices) text += " " + FormatReal(v.x) + "," + FormatReal(v.y);
                if (g.closed) text += " closed";
            } else if constexpr (std::is_same_v<G, sim::InsertGeom>) {
                text += " " + g.name + " " + PointText(g.point) + " xscale=" + FormatReal(g.xScale) +
                        " yscale=" + FormatReal(g.yScale) + " rotation=" + FormatReal(g.rotation);
            } else if constexpr (std::is_same_v<G, sim::TextGeom>) {
                text += " " + PointText(g.first) + " \"" + g.text + "\" height=" + FormatReal(g.height);
            } else if constexpr (std::is_same_v<G, sim::SolidGeom>) {
                for (const Point3& p : g.corners) text += " " + PointText(p);
            } else if constexpr (std::is_same_v<G, sim::PolylineGeom>) {
                for (const sim::PolyVertex& v : g.vertices) text += " " + PointText(v.point);
                if (g.closed) text += " closed";
                text += " bulges=";
                for (std::size_t i = 0; i < g.vertices.size(); ++i)
                    text += (i == 0 ? "" : ",") + FormatReal(g.vertices[i].bulge);
            }
        },
        e.geom);
    return text + " layer=" + e.layer + " color=" + std::to_string(e.color) + " linetype=" + e.linetype + " [" +
           sim::HandleText(e.handle) + "]";
}

}  // namespace kv::scenario
