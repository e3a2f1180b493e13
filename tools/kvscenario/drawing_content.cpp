#include "drawing_content.h"

#include <cmath>
#include <string>
#include <type_traits>

namespace kv::scenario {

namespace {

// A geometry as the numbers and words that tell it apart.
struct Flat {
    std::vector<double> numbers;
    std::vector<std::string> words;
    std::vector<double> angles;  // compared modulo 360
};

void Add(Flat& f, const Point3& p) { f.numbers.insert(f.numbers.end(), {p.x, p.y, p.z}); }

Flat Flatten(const sim::Geometry& geom, bool swapLineEnds) {
    Flat f;
    std::visit(
        [&](const auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, sim::LineGeom>) {
                Add(f, swapLineEnds ? g.end : g.start);
                Add(f, swapLineEnds ? g.start : g.end);
            } else if constexpr (std::is_same_v<G, sim::ArcGeom>) {
                Add(f, g.center);
                f.numbers.push_back(g.radius);
                f.angles = {g.startAngle, g.endAngle};
            } else if constexpr (std::is_same_v<G, sim::CircleGeom>) {
                Add(f, g.center);
                f.numbers.push_back(g.radius);
            } else if constexpr (std::is_same_v<G, sim::LwPolylineGeom>) {
                for (const sim::LwVertex& v : g.vertices) f.numbers.insert(f.numbers.end(), {v.x, v.y, v.bulge});
                f.numbers.insert(f.numbers.end(), {double(g.closed), g.elevation, g.constantWidth});
            } else if constexpr (std::is_same_v<G, sim::PolylineGeom>) {
                for (const sim::PolyVertex& v : g.vertices) {
                    Add(f, v.point);
                    f.numbers.push_back(v.bulge);
                }
                f.numbers.insert(f.numbers.end(), {double(g.closed), double(g.is3d)});
            } else if constexpr (std::is_same_v<G, sim::InsertGeom>) {
                f.words = {g.name};
                Add(f, g.point);
                f.numbers.insert(f.numbers.end(), {g.xScale, g.yScale, g.zScale});
                f.angles = {g.rotation};
            } else if constexpr (std::is_same_v<G, sim::TextGeom>) {
                f.words = {g.text, g.style};
                Add(f, g.first);
                Add(f, g.second);
                f.numbers.insert(f.numbers.end(),
                                 {g.height, g.widthFactor, g.oblique, double(g.hAlign), double(g.vAlign)});
                f.angles = {g.rotation};
            } else if constexpr (std::is_same_v<G, sim::SolidGeom>) {
                for (const Point3& p : g.corners) Add(f, p);
            }
        },
        geom);
    return f;
}

bool Near(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

bool NearAngle(double a, double b, double tolerance) {
    const double d = std::remainder(a - b, 360.0);
    return std::abs(d) <= tolerance;
}

bool SameFlat(const Flat& a, const Flat& b, double tolerance) {
    if (a.words != b.words || a.numbers.size() != b.numbers.size() || a.angles.size() != b.angles.size()) return false;
    for (size_t i = 0; i < a.numbers.size(); ++i)
        if (!Near(a.numbers[i], b.numbers[i], tolerance)) return false;
    for (size_t i = 0; i < a.angles.size(); ++i)
        if (!NearAngle(a.angles[i], b.angles[i], tolerance)) return false;
    return true;
}

size_t CountSame(const std::vector<sim::Entity>& entities, const sim::Entity& e, double tolerance) {
    size_t n = 0;
    for (const sim::Entity& other : entities) n += SameContent(other, e, tolerance);
    return n;
}

}  // namespace

bool SameContent(const sim::Entity& a, const sim::Entity& b, double tolerance) {
    if (a.Kind() != b.Kind() || a.layer != b.layer || a.linetype != b.linetype || a.color != b.color ||
        !Near(a.linetypeScale, b.linetypeScale, tolerance))
        return false;
    const Flat fa = Flatten(a.geom, false);
    if (SameFlat(fa, Flatten(b.geom, false), tolerance)) return true;
    return a.Kind() == sim::EntityKind::Line && SameFlat(fa, Flatten(b.geom, true), tolerance);
}

ContentChange CompareContent(const std::vector<sim::Entity>& before, const std::vector<sim::Entity>& after,
                             double tolerance) {
    ContentChange change;
    std::vector<bool> matched(after.size());
    for (const sim::Entity& e : before) {
        size_t i = 0;
        while (i < after.size() && (matched[i] || !SameContent(e, after[i], tolerance))) ++i;
        if (i == after.size()) change.lost.push_back(&e);
        else matched[i] = true;
    }
    for (size_t i = 0; i < after.size(); ++i)
        if (!matched[i]) change.gained.push_back(&after[i]);
    return change;
}

std::vector<const sim::Entity*> NewDuplicates(const std::vector<sim::Entity>& before,
                                              const std::vector<sim::Entity>& after, double tolerance) {
    std::vector<const sim::Entity*> doubled;
    std::vector<bool> reported(after.size());
    for (size_t i = 0; i < after.size(); ++i) {
        if (reported[i]) continue;
        bool twin = false;
        for (size_t j = i + 1; j < after.size(); ++j) {
            if (!SameContent(after[i], after[j], tolerance)) continue;
            reported[j] = twin = true;
        }
        if (twin && CountSame(after, after[i], tolerance) > CountSame(before, after[i], tolerance))
            doubled.push_back(&after[i]);
    }
    return doubled;
}

}  // namespace kv::scenario
