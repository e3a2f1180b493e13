#include "entity_shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kv::sim {

namespace {

// Advance of one character relative to the text height (half-width and full-width).
constexpr double kNarrowAdvance = 0.7;
constexpr double kWideAdvance = 1.0;

void AddSegment(Shape& shape, Point3 a, Point3 b, bool snaps) {
    shape.segments.push_back({a, b});
    if (snaps) {
        shape.endPoints.push_back(a);
        shape.endPoints.push_back(b);
    }
}

void AddArc(Shape& shape, const Arc& arc) {
    shape.arcs.push_back(arc);
    if (!IsFullCircle(arc)) {
        shape.endPoints.push_back(ArcStartPoint(arc));
        shape.endPoints.push_back(ArcEndPoint(arc));
    }
}

void AddPieces(Shape& shape, const std::vector<PathPiece>& pieces) {
    for (const PathPiece& piece : pieces) {
        if (piece.arc) {
            AddArc(shape, *piece.arc);
        } else {
            AddSegment(shape, piece.segment.a, piece.segment.b, true);
        }
    }
}

double TextWidth(const TextGeom& t) {
    double advance = 0;
    for (std::size_t i = 0; i < t.text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(t.text[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte of a UTF-8 character
        advance += c < 0x80 ? kNarrowAdvance : kWideAdvance;
    }
    return advance * t.height * t.widthFactor;
}

void AddTextBox(Shape& shape, const TextGeom& t) {
    double w = TextWidth(t);
    double h = t.height;
    bool aligned = t.hAlign != 0 || t.vAlign != 0;
    Point3 anchor = aligned ? t.second : t.first;
    double x0 = 0;
    if (t.hAlign == 1 || t.hAlign == 4) x0 = -w / 2;
    if (t.hAlign == 2) x0 = -w;
    if (t.hAlign == 3 || t.hAlign == 5) {  // aligned and fit run from the first to the second point
        anchor = t.first;
        w = std::max(w, Distance(t.first, t.second));
    }
    double y0 = 0;
    if (t.vAlign == 2) y0 = -h / 2;
    if (t.vAlign == 3) y0 = -h;
    double r = Radians(t.rotation);
    auto place = [&](double x, double y) {
        return Point3{anchor.x + x * std::cos(r) - y * std::sin(r), anchor.y + x * std::sin(r) + y * std::cos(r),
                      anchor.z};
    };
    Point3 p0 = place(x0, y0), p1 = place(x0 + w, y0), p2 = place(x0 + w, y0 + h), p3 = place(x0, y0 + h);
    AddSegment(shape, p0, p1, false);
    AddSegment(shape, p1, p2, false);
    AddSegment(shape, p2, p3, false);
    AddSegment(shape, p3, p0, false);
}

void AddEntity(Shape& shape, const Drawing& drawing, const Entity& e, BlockExpansion& expansion, int depth);

void AddInsert(Shape& shape, const Drawing& drawing, const InsertGeom& ins, BlockExpansion& expansion, int depth) {
    std::size_t before = shape.segments.size() + shape.arcs.size();
    for (const Entity& inner : expansion.Expand(drawing, ins, depth))
        AddEntity(shape, drawing, inner, expansion, depth + 1);
    // A reference to an empty or missing definition can still be picked at its point.
    if (shape.segments.size() + shape.arcs.size() == before) AddSegment(shape, ins.point, ins.point, true);
}

void AddEntity(Shape& shape, const Drawing& drawing, const Entity& e, BlockExpansion& expansion, int depth) {
    switch (e.Kind()) {
    case EntityKind::Line: {
        const auto& g = std::get<LineGeom>(e.geom);
        AddSegment(shape, g.start, g.end, true);
        break;
    }
    case EntityKind::Arc: {
        const auto& g = std::get<ArcGeom>(e.geom);
        double start = NormalizeAngle(Radians(g.startAngle));
        double sweep = NormalizeAngle(Radians(g.endAngle) - start);
        AddArc(shape, Arc{g.center, g.radius, start, start + (sweep < kGeomEps ? 2 * kPi : sweep)});
        break;
    }
    case EntityKind::Circle: {
        const auto& g = std::get<CircleGeom>(e.geom);
        AddArc(shape, Arc{g.center, g.radius, 0, 2 * kPi});
        break;
    }
    case EntityKind::LwPolyline: AddPieces(shape, LwPolylinePieces(std::get<LwPolylineGeom>(e.geom))); break;
    case EntityKind::Polyline: AddPieces(shape, PolylinePieces(std::get<PolylineGeom>(e.geom))); break;
    case EntityKind::Insert: AddInsert(shape, drawing, std::get<InsertGeom>(e.geom), expansion, depth); break;
    case EntityKind::Text: AddTextBox(shape, std::get<TextGeom>(e.geom)); break;
    case EntityKind::Solid: {
        const auto& c = std::get<SolidGeom>(e.geom).corners;
        // DXF order: the outline runs 1, 2, 4, 3.
        AddSegment(shape, c[0], c[1], true);
        AddSegment(shape, c[1], c[3], true);
        AddSegment(shape, c[3], c[2], true);
        AddSegment(shape, c[2], c[0], true);
        break;
    }
    }
}

template <typename Vertex, typename PointOf>
std::vector<PathPiece> Pieces(const std::vector<Vertex>& vertices, bool closed, PointOf pointOf) {
    std::vector<PathPiece> pieces;
    std::size_t n = vertices.size();
    if (n == 0) return pieces;
    if (n == 1) {
        Point3 p = pointOf(vertices[0]);
        pieces.push_back({Segment{p, p}, std::nullopt});
        return pieces;
    }
    std::size_t count = closed ? n : n - 1;
    for (std::size_t i = 0; i < count; ++i) {
        Point3 p = pointOf(vertices[i]);
        Point3 q = pointOf(vertices[(i + 1) % n]);
        pieces.push_back({Segment{p, q}, BulgeArc(p, q, vertices[i].bulge)});
    }
    return pieces;
}

}  // namespace

std::vector<PathPiece> LwPolylinePieces(const LwPolylineGeom& pl) {
    return Pieces(pl.vertices, pl.closed, [&](const LwVertex& v) { return Point3{v.x, v.y, pl.elevation}; });
}

std::vector<PathPiece> PolylinePieces(const PolylineGeom& pl) {
    return Pieces(pl.vertices, pl.closed, [](const PolyVertex& v) { return v.point; });
}

Shape EntityShape(const Drawing& drawing, const Entity& entity) {
    Shape shape;
    BlockExpansion expansion;
    AddEntity(shape, drawing, entity, expansion, 0);
    return shape;
}

std::optional<Point3> ShapeNearest(const Shape& shape, Point3 p) {
    std::optional<Point3> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    auto consider = [&](Point3 q) {
        double d = Distance(p, q);
        if (d < bestDistance) {
            bestDistance = d;
            best = q;
        }
    };
    for (const Segment& s : shape.segments) consider(NearestOnSegment(p, s));
    for (const Arc& a : shape.arcs) consider(NearestOnArc(p, a));
    return best;
}

double ShapeDistance(const Shape& shape, Point3 p) {
    std::optional<Point3> q = ShapeNearest(shape, p);
    return q ? Distance(p, *q) : std::numeric_limits<double>::infinity();
}

std::optional<Rect> ShapeExtents(const Shape& shape) {
    std::optional<Rect> r;
    auto grow = [&](const Rect& part) {
        if (!r) {
            r = part;
            return;
        }
        r->minX = std::min(r->minX, part.minX);
        r->minY = std::min(r->minY, part.minY);
        r->maxX = std::max(r->maxX, part.maxX);
        r->maxY = std::max(r->maxY, part.maxY);
    };
    for (const Segment& s : shape.segments) grow(RectFromCorners(s.a, s.b));
    for (const Arc& a : shape.arcs) grow(ArcExtents(a));
    return r;
}

bool ShapeInsideRect(const Shape& shape, const Rect& r) {
    std::optional<Rect> extents = ShapeExtents(shape);
    if (!extents) return false;
    return InsideRect(Point3{extents->minX, extents->minY, 0}, r) &&
           InsideRect(Point3{extents->maxX, extents->maxY, 0}, r);
}

bool ShapeTouchesRect(const Shape& shape, const Rect& r) {
    for (const Segment& s : shape.segments) {
        if (SegmentTouchesRect(s, r)) return true;
    }
    for (const Arc& a : shape.arcs) {
        if (ArcTouchesRect(a, r)) return true;
    }
    return false;
}

bool ShapeMeetsSegment(const Shape& shape, const Segment& fence) {
    for (const Segment& s : shape.segments) {
        if (SegmentsMeet(s, fence)) return true;
    }
    for (const Arc& a : shape.arcs) {
        if (SegmentMeetsArc(fence, a)) return true;
    }
    return false;
}

std::vector<Entity> BlockExpansion::Expand(const Drawing& drawing, const InsertGeom& insert, int depth) {
    if (depth >= kMaxDepth || entitiesLeft_ == 0) return {};
    std::vector<Entity> placed = PlacedBlockEntities(drawing, insert);
    if (placed.size() > entitiesLeft_) placed.resize(entitiesLeft_);
    entitiesLeft_ -= placed.size();
    return placed;
}

std::vector<Entity> PlacedBlockEntities(const Drawing& drawing, const InsertGeom& insert) {
    std::vector<Entity> placed;
    const BlockDef* block = drawing.FindBlock(insert.name);
    if (!block) return placed;
    Affine t = BlockPlacement(block->base, insert.point, insert.xScale, insert.yScale, insert.rotation);
    for (const Entity& e : block->entities) placed.push_back(TransformEntity(e, t));
    return placed;
}

namespace {

// Degrees of the direction the placement gives to the x axis.
double RotationOf(const Affine& t) { return Degrees(std::atan2(t.c, t.a)); }

ArcGeom TransformArc(const ArcGeom& g, const Affine& t) {
    Point3 center = t.Apply(g.center);
    Point3 s = t.Apply(PolarPoint(g.center, g.radius, Radians(g.startAngle)));
    Point3 e = t.Apply(PolarPoint(g.center, g.radius, Radians(g.endAngle)));
    if (t.Determinant() < 0) std::swap(s, e);
    return ArcGeom{center, g.radius * t.ScaleFactor(), Degrees(NormalizeAngle(AngleOf(center, s))),
                   Degrees(NormalizeAngle(AngleOf(center, e)))};
}

}  // namespace

Entity TransformEntity(const Entity& entity, const Affine& t) {
    Entity out = entity;
    bool mirrored = t.Determinant() < 0;
    std::visit(
        [&](auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) {
                g.start = t.Apply(g.start);
                g.end = t.Apply(g.end);
            } else if constexpr (std::is_same_v<G, ArcGeom>) {
                g = TransformArc(g, t);
            } else if constexpr (std::is_same_v<G, CircleGeom>) {
                g.center = t.Apply(g.center);
                g.radius *= t.ScaleFactor();
            } else if constexpr (std::is_same_v<G, LwPolylineGeom>) {
                for (LwVertex& v : g.vertices) {
                    Point3 p = t.Apply(Point3{v.x, v.y, g.elevation});
                    v.x = p.x;
                    v.y = p.y;
                    if (mirrored) v.bulge = -v.bulge;
                }
                g.constantWidth *= t.ScaleFactor();
            } else if constexpr (std::is_same_v<G, PolylineGeom>) {
                for (PolyVertex& v : g.vertices) {
                    v.point = t.Apply(v.point);
                    if (mirrored) v.bulge = -v.bulge;
                }
            } else if constexpr (std::is_same_v<G, InsertGeom>) {
                Affine inner = BlockPlacement(Point3{}, g.point, g.xScale, g.yScale, g.rotation);
                Affine combined = Compose(t, inner);
                double sx = std::hypot(combined.a, combined.c);
                g.point = t.Apply(g.point);
                g.rotation = RotationOf(combined);
                g.xScale = sx;
                g.yScale = sx > kGeomEps ? combined.Determinant() / sx : g.yScale;
            } else if constexpr (std::is_same_v<G, TextGeom>) {
                double xLength = std::hypot(t.a, t.c);
                double yLength = std::hypot(t.b, t.d);
                g.first = t.Apply(g.first);
                g.second = t.Apply(g.second);
                g.rotation = std::fmod(g.rotation + RotationOf(t) + 360.0, 360.0);
                g.height *= yLength;
                if (yLength > kGeomEps) g.widthFactor *= xLength / yLength;
            } else if constexpr (std::is_same_v<G, SolidGeom>) {
                for (Point3& c : g.corners) c = t.Apply(c);
            }
        },
        out.geom);
    return out;
}

}  // namespace kv::sim
