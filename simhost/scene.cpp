#include "scene.h"

#include <algorithm>
#include <cmath>

#include "base/strings.h"
#include "entity_shape.h"
#include "geometry.h"

namespace kv::sim {

namespace {

// What a block reference passes on to the entities of its definition.
struct Inherited {
    std::string layer;
    int color = kColorByLayer;
};

std::vector<Point3> ArcPoints(const Arc& arc) {
    double sweep = ArcSweep(arc);
    int steps = std::max(2, static_cast<int>(std::ceil(Degrees(sweep) / kArcStepDegrees)));
    std::vector<Point3> points;
    for (int i = 0; i <= steps; ++i) {
        points.push_back(PolarPoint(arc.center, arc.radius, arc.start + sweep * i / steps));
    }
    return points;
}

// A polyline's pieces joined into one path; each piece starts where the last ended.
std::vector<Point3> PiecePoints(const std::vector<PathPiece>& pieces) {
    std::vector<Point3> points;
    for (const PathPiece& piece : pieces) {
        if (points.empty()) points.push_back(piece.segment.a);
        if (!piece.arc) {
            points.push_back(piece.segment.b);
            continue;
        }
        std::vector<Point3> arcPoints = ArcPoints(*piece.arc);
        // A bulged piece may run clockwise: its chords must start at the piece's start.
        if (Distance(arcPoints.front(), piece.segment.a) > Distance(arcPoints.back(), piece.segment.a)) {
            std::reverse(arcPoints.begin(), arcPoints.end());
        }
        points.insert(points.end(), arcPoints.begin() + 1, arcPoints.end());
    }
    return points;
}

class SceneBuilder {
public:
    explicit SceneBuilder(const Drawing& drawing) : drawing_(drawing) {}

    void Add(const Entity& e, const Inherited* from, int depth) {
        if (depth == 0) expansion_ = BlockExpansion();  // each outermost reference has its own bounds
        std::string layer = from && EqualsIgnoreCaseAscii(e.layer, "0") ? from->layer : e.layer;
        const Layer* record = drawing_.FindLayer(layer);
        if (record && (record->off || record->frozen)) return;
        int color = e.color;
        if (color == kColorByBlock) color = from ? from->color : 7;
        if (color == kColorByLayer) color = record ? record->color : 7;
        AddGeometry(e, layer, color, depth);
    }

    Scene Take() { return std::move(scene_); }

private:
    void AddPath(std::vector<Point3> points, bool closed, int color) {
        if (points.size() < 2) return;
        scene_.paths.push_back(ScenePath{std::move(points), closed, IndexColor(color)});
    }

    void AddGeometry(const Entity& e, const std::string& layer, int color, int depth) {
        switch (e.Kind()) {
        case EntityKind::Line: {
            const auto& g = std::get<LineGeom>(e.geom);
            AddPath({g.start, g.end}, false, color);
            break;
        }
        case EntityKind::Arc: {
            const auto& g = std::get<ArcGeom>(e.geom);
            Arc arc{g.center, g.radius, NormalizeAngle(Radians(g.startAngle)), NormalizeAngle(Radians(g.endAngle))};
            if (arc.end <= arc.start) arc.end += 2 * kPi;
            AddPath(ArcPoints(arc), false, color);
            break;
        }
        case EntityKind::Circle: {
            const auto& g = std::get<CircleGeom>(e.geom);
            std::vector<Point3> points = ArcPoints(Arc{g.center, g.radius, 0, 2 * kPi});
            points.pop_back();
            AddPath(std::move(points), true, color);
            break;
        }
        case EntityKind::LwPolyline: {
            const auto& g = std::get<LwPolylineGeom>(e.geom);
            AddPath(PiecePoints(LwPolylinePieces(g)), false, color);
            break;
        }
        case EntityKind::Polyline: {
            const auto& g = std::get<PolylineGeom>(e.geom);
            AddPath(PiecePoints(PolylinePieces(g)), false, color);
            break;
        }
        case EntityKind::Insert: {
            Inherited passOn{layer, color};
            for (const Entity& inner : expansion_.Expand(drawing_, std::get<InsertGeom>(e.geom), depth)) {
                Add(inner, &passOn, depth + 1);
            }
            break;
        }
        case EntityKind::Text: {
            const auto& g = std::get<TextGeom>(e.geom);
            bool aligned = g.hAlign != 0 || g.vAlign != 0;
            scene_.texts.push_back(SceneText{g.text, aligned ? g.second : g.first, g.height, g.rotation, g.widthFactor,
                                             g.hAlign, g.vAlign, IndexColor(color)});
            break;
        }
        case EntityKind::Solid: {
            const auto& c = std::get<SolidGeom>(e.geom).corners;
            scene_.fills.push_back(SceneFill{{c[0], c[1], c[3], c[2]}, IndexColor(color)});
            break;
        }
        }
    }

    const Drawing& drawing_;
    Scene scene_;
    BlockExpansion expansion_;
};

// The hue circle of indexed colours 10-249: 24 hues, and per hue five shades, each
// full and half saturated.
Rgb HueColor(int index) {
    constexpr double kShadeValue[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    int hue = (index - 10) / 10;
    int shade = (index % 10) / 2;
    bool pale = index % 2 == 1;
    double h = hue * 15.0 / 60.0;
    double v = kShadeValue[shade];
    double s = pale ? 0.5 : 1.0;
    int sector = static_cast<int>(h) % 6;
    double f = h - std::floor(h);
    double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    auto byte = [](double x) { return static_cast<std::uint8_t>(std::lround(x * 255)); };
    return Rgb{byte(rgb[sector][0]), byte(rgb[sector][1]), byte(rgb[sector][2])};
}

}  // namespace

Scene BuildScene(const Drawing& drawing) {
    SceneBuilder builder(drawing);
    for (const Entity& e : drawing.Entities()) builder.Add(e, nullptr, 0);
    return builder.Take();
}

Rgb IndexColor(int index) {
    constexpr Rgb kBasic[10] = {{255, 255, 255}, {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
                                {0, 0, 255},     {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
    constexpr std::uint8_t kGrey[6] = {51, 91, 132, 173, 214, 255};
    if (index >= 0 && index <= 9) return kBasic[index];
    if (index >= 10 && index <= 249) return HueColor(index);
    if (index >= 250 && index <= 255) return Rgb{kGrey[index - 250], kGrey[index - 250], kGrey[index - 250]};
    return kBasic[7];
}

}  // namespace kv::sim
