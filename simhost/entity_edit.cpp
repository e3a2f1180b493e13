#include "entity_edit.h"

#include <algorithm>
#include <cmath>

#include "entity_shape.h"

namespace kv::sim {

namespace {

// End points closer than this join (PEDIT J) and count as one point.
constexpr double kJoinTolerance = 1e-6;
// Parameters (0..1 along a piece) closer than this to a piece end are that end.
constexpr double kParamEps = 1e-9;

void Shift(Point3& p, double dx, double dy) {
    p.x += dx;
    p.y += dy;
}

ArcGeom ArcGeomOf(const Arc& a) {
    return ArcGeom{a.center, a.radius, Degrees(NormalizeAngle(a.start)), Degrees(NormalizeAngle(a.end))};
}

Arc ArcOf(const ArcGeom& g) {
    double start = NormalizeAngle(Radians(g.startAngle));
    double sweep = NormalizeAngle(Radians(g.endAngle) - start);
    return Arc{g.center, g.radius, start, start + (sweep < kGeomEps ? 2 * kPi : sweep)};
}

Point3 Lerp(Point3 a, Point3 b, double t) {
    return Point3{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

}  // namespace

void MoveEntity(Entity& entity, double dx, double dy) {
    std::visit(
        [&](auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) {
                Shift(g.start, dx, dy);
                Shift(g.end, dx, dy);
            } else if constexpr (std::is_same_v<G, ArcGeom> || std::is_same_v<G, CircleGeom>) {
                Shift(g.center, dx, dy);
            } else if constexpr (std::is_same_v<G, LwPolylineGeom>) {
                for (LwVertex& v : g.vertices) {
                    v.x += dx;
                    v.y += dy;
                }
            } else if constexpr (std::is_same_v<G, PolylineGeom>) {
                for (PolyVertex& v : g.vertices) Shift(v.point, dx, dy);
            } else if constexpr (std::is_same_v<G, InsertGeom>) {
                Shift(g.point, dx, dy);
            } else if constexpr (std::is_same_v<G, TextGeom>) {
                Shift(g.first, dx, dy);
                Shift(g.second, dx, dy);
            } else if constexpr (std::is_same_v<G, SolidGeom>) {
                for (Point3& c : g.corners) Shift(c, dx, dy);
            }
        },
        entity.geom);
}

void StretchEntity(Entity& entity, const Rect& window, double dx, double dy) {
    auto stretch = [&](Point3& p) {
        if (InsideRect(p, window)) Shift(p, dx, dy);
    };
    std::visit(
        [&](auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) {
                stretch(g.start);
                stretch(g.end);
            } else if constexpr (std::is_same_v<G, ArcGeom>) {
                Arc arc = ArcOf(g);
                Point3 s = ArcStartPoint(arc), e = ArcEndPoint(arc);
                bool sIn = InsideRect(s, window), eIn = InsideRect(e, window);
                if (sIn && eIn) {
                    Shift(g.center, dx, dy);
                } else if (sIn || eIn) {
                    // One end moves; the arc keeps its included angle.
                    stretch(s);
                    stretch(e);
                    if (auto moved = BulgeArc(s, e, BulgeFromSweep(ArcSweep(arc)))) g = ArcGeomOf(*moved);
                }
            } else if constexpr (std::is_same_v<G, CircleGeom>) {
                stretch(g.center);
            } else if constexpr (std::is_same_v<G, LwPolylineGeom>) {
                for (LwVertex& v : g.vertices) {
                    Point3 p{v.x, v.y, 0};
                    stretch(p);
                    v.x = p.x;
                    v.y = p.y;
                }
            } else if constexpr (std::is_same_v<G, PolylineGeom>) {
                for (PolyVertex& v : g.vertices) stretch(v.point);
            } else if constexpr (std::is_same_v<G, InsertGeom>) {
                stretch(g.point);
            } else if constexpr (std::is_same_v<G, TextGeom>) {
                bool aligned = g.hAlign != 0 || g.vAlign != 0;
                if (InsideRect(aligned ? g.second : g.first, window)) {
                    Shift(g.first, dx, dy);
                    Shift(g.second, dx, dy);
                }
            } else if constexpr (std::is_same_v<G, SolidGeom>) {
                for (Point3& c : g.corners) stretch(c);
            }
        },
        entity.geom);
}

namespace {

// A polyline as a run of pieces that can be cut at parameters (piece index plus
// the fraction along it).
struct Path {
    std::vector<LwVertex> vertices;  // one more than pieces
    double elevation = 0;

    std::size_t Pieces() const { return vertices.empty() ? 0 : vertices.size() - 1; }
    Point3 At(std::size_t i) const { return Point3{vertices[i].x, vertices[i].y, elevation}; }

    Point3 PointAt(std::size_t piece, double f) const {
        Point3 p = At(piece), q = At(piece + 1);
        double bulge = vertices[piece].bulge;
        std::optional<Arc> arc = BulgeArc(p, q, bulge);
        if (!arc) return Lerp(p, q, f);
        double sweep = ArcSweep(*arc);
        double angle = bulge > 0 ? arc->start + f * sweep : arc->end - f * sweep;
        return PolarPoint(arc->center, arc->radius, angle);
    }

    // Parameter of the point of the path nearest to p.
    double ParameterOf(Point3 p) const {
        double best = 0;
        double bestDistance = -1;
        for (std::size_t i = 0; i < Pieces(); ++i) {
            Point3 a = At(i), b = At(i + 1);
            double f = 0;
            if (std::optional<Arc> arc = BulgeArc(a, b, vertices[i].bulge)) {
                Point3 q = NearestOnArc(p, *arc);
                double fromStart = NormalizeAngle(AngleOf(arc->center, q) - arc->start) / ArcSweep(*arc);
                f = std::clamp(vertices[i].bulge > 0 ? fromStart : 1 - fromStart, 0.0, 1.0);
            } else {
                f = std::clamp(SegmentParameter(p, Segment{a, b}), 0.0, 1.0);
            }
            double d = Distance(p, PointAt(i, f));
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = static_cast<double>(i) + f;
            }
        }
        return best;
    }

    // The part between two parameters, from <= to.
    LwPolylineGeom Part(double from, double to) const {
        LwPolylineGeom out;
        out.elevation = elevation;
        auto split = [&](double t) {
            std::size_t piece = std::min(static_cast<std::size_t>(std::floor(t)), Pieces() - 1);
            return std::make_pair(piece, t - static_cast<double>(piece));
        };
        auto [p0, f0] = split(from);
        auto [p1, f1] = split(to);
        auto partialBulge = [&](std::size_t piece, double fa, double fb) {
            double bulge = vertices[piece].bulge;
            if (bulge == 0) return 0.0;
            double sweep = 4 * std::atan(std::fabs(bulge));
            return std::copysign(std::tan(sweep * (fb - fa) / 4), bulge);
        };
        Point3 start = PointAt(p0, f0);
        if (p0 == p1) {
            out.vertices.push_back({start.x, start.y, partialBulge(p0, f0, f1)});
        } else {
            out.vertices.push_back({start.x, start.y, partialBulge(p0, f0, 1)});
            for (std::size_t i = p0 + 1; i < p1; ++i) out.vertices.push_back(vertices[i]);
            Point3 corner = At(p1);
            out.vertices.push_back({corner.x, corner.y, partialBulge(p1, 0, f1)});
        }
        Point3 end = PointAt(p1, f1);
        out.vertices.push_back({end.x, end.y, 0});
        return out;
    }
};

Path PathOf(const LwPolylineGeom& pl, int turns) {
    Path path;
    path.elevation = pl.elevation;
    if (!pl.closed) {
        path.vertices = pl.vertices;
        if (!path.vertices.empty()) path.vertices.back().bulge = 0;
        return path;
    }
    for (int t = 0; t < turns; ++t) path.vertices.insert(path.vertices.end(), pl.vertices.begin(), pl.vertices.end());
    path.vertices.push_back(pl.vertices.front());
    path.vertices.back().bulge = 0;
    return path;
}

double PathLength(const LwPolylineGeom& pl) {
    Path path = PathOf(pl, 1);
    double total = 0;
    for (std::size_t i = 0; i < path.Pieces(); ++i) {
        Point3 a = path.At(i), b = path.At(i + 1);
        std::optional<Arc> arc = BulgeArc(a, b, path.vertices[i].bulge);
        total += arc ? arc->radius * ArcSweep(*arc) : Distance(a, b);
    }
    return total;
}

std::vector<Geometry> BreakPolyline(const LwPolylineGeom& pl, Point3 p1, Point3 p2) {
    std::vector<Geometry> pieces;
    auto keep = [&](LwPolylineGeom part) {
        if (part.vertices.size() >= 2 && PathLength(part) > kGeomEps) pieces.push_back(std::move(part));
    };
    if (!pl.closed) {
        Path path = PathOf(pl, 1);
        double t1 = path.ParameterOf(p1), t2 = path.ParameterOf(p2);
        if (t1 > t2) std::swap(t1, t2);
        keep(path.Part(0, t1));
        keep(path.Part(t2, static_cast<double>(path.Pieces())));
        return pieces;
    }
    // A closed polyline loses the part from the first to the second point in vertex
    // order and opens there.
    Path once = PathOf(pl, 1);
    double t1 = once.ParameterOf(p1), t2 = once.ParameterOf(p2);
    double n = static_cast<double>(once.Pieces());
    if (t1 < t2) t1 += n;
    keep(PathOf(pl, 2).Part(t2, t1));
    return pieces;
}

std::optional<std::vector<Geometry>> BreakArc(const Arc& arc, Point3 p1, Point3 p2) {
    double sweep = ArcSweep(arc);
    auto param = [&](Point3 p) {
        double u = NormalizeAngle(AngleOf(arc.center, NearestOnArc(p, arc)) - arc.start);
        return u > sweep ? (u - sweep < 2 * kPi - u ? sweep : 0.0) : u;
    };
    double u1 = param(p1), u2 = param(p2);
    std::vector<Geometry> pieces;
    auto keep = [&](double from, double to) {
        if (to - from > kParamEps)
            pieces.push_back(ArcGeomOf(Arc{arc.center, arc.radius, arc.start + from, arc.start + to}));
    };
    if (u1 <= u2) {
        keep(0, u1);
        keep(u2, sweep);
    } else {
        keep(u2, u1);
    }
    return pieces;
}

}  // namespace

std::optional<std::vector<Geometry>> BreakGeometry(const Geometry& geom, Point3 p1, Point3 p2) {
    if (const auto* line = std::get_if<LineGeom>(&geom)) {
        Segment s{line->start, line->end};
        double t1 = std::clamp(SegmentParameter(p1, s), 0.0, 1.0);
        double t2 = std::clamp(SegmentParameter(p2, s), 0.0, 1.0);
        if (t1 > t2) std::swap(t1, t2);
        std::vector<Geometry> pieces;
        if (t1 > kParamEps) pieces.push_back(LineGeom{line->start, Lerp(line->start, line->end, t1)});
        if (t2 < 1 - kParamEps) pieces.push_back(LineGeom{Lerp(line->start, line->end, t2), line->end});
        return pieces;
    }
    if (const auto* arc = std::get_if<ArcGeom>(&geom)) return BreakArc(ArcOf(*arc), p1, p2);
    if (const auto* circle = std::get_if<CircleGeom>(&geom)) {
        double a1 = AngleOf(circle->center, p1), a2 = AngleOf(circle->center, p2);
        // A circle cut at one point stays whole: the host refuses.
        if (NormalizeAngle(a1 - a2) < kParamEps || NormalizeAngle(a2 - a1) < kParamEps) return std::nullopt;
        return std::vector<Geometry>{
            ArcGeom{circle->center, circle->radius, Degrees(NormalizeAngle(a2)), Degrees(NormalizeAngle(a1))}};
    }
    if (const auto* pl = std::get_if<LwPolylineGeom>(&geom)) {
        if (pl->vertices.size() < 2) return std::nullopt;
        return BreakPolyline(*pl, p1, p2);
    }
    return std::nullopt;
}

std::vector<Geometry> PolylineParts(const Geometry& polyline) {
    std::vector<Geometry> parts;
    auto add = [&](const PathPiece& piece) {
        if (piece.arc) parts.push_back(ArcGeomOf(*piece.arc));
        else parts.push_back(LineGeom{piece.segment.a, piece.segment.b});
    };
    if (const auto* lw = std::get_if<LwPolylineGeom>(&polyline)) {
        for (const PathPiece& piece : LwPolylinePieces(*lw)) add(piece);
    } else if (const auto* pl = std::get_if<PolylineGeom>(&polyline)) {
        for (const PathPiece& piece : PolylinePieces(*pl)) add(piece);
    }
    return parts;
}

namespace {

Point3 VertexPoint(const LwPolylineGeom& pl, std::size_t i) {
    return Point3{pl.vertices[i].x, pl.vertices[i].y, pl.elevation};
}

// Takes out arcs that lie between two straight segments by running the segments on
// to their intersection, as FILLET P does before it rounds the corners again.
void RemoveFilletArcs(LwPolylineGeom& pl) {
    bool changed = true;
    while (changed) {
        changed = false;
        std::size_t n = pl.vertices.size();
        if (n < 4 && !(pl.closed && n >= 3)) return;
        for (std::size_t i = 0; i < n && !changed; ++i) {
            if (pl.vertices[i].bulge == 0) continue;
            if (!pl.closed && (i < 1 || i + 2 >= n)) continue;
            std::size_t prev = (i + n - 1) % n, next = (i + 1) % n, after = (i + 2) % n;
            if (pl.vertices[prev].bulge != 0 || pl.vertices[next].bulge != 0) continue;
            std::optional<Point3> x = LineIntersection(Segment{VertexPoint(pl, prev), VertexPoint(pl, i)},
                                                       Segment{VertexPoint(pl, next), VertexPoint(pl, after)});
            if (!x) continue;
            pl.vertices[i] = LwVertex{x->x, x->y, 0};
            pl.vertices.erase(pl.vertices.begin() + static_cast<std::ptrdiff_t>(next));
            changed = true;
        }
    }
}

}  // namespace

int FilletPolyline(LwPolylineGeom& pl, double radius) {
    RemoveFilletArcs(pl);
    std::size_t n = pl.vertices.size();
    if (radius <= 0 || n < 3) return 0;
    std::vector<LwVertex> out;
    std::vector<double> usedAtStart(n, 0.0);  // length each segment gave up at its start
    int rounded = 0;
    for (std::size_t j = 0; j < n; ++j) {
        bool corner = pl.closed || (j > 0 && j + 1 < n);
        std::size_t prev = (j + n - 1) % n, next = (j + 1) % n;
        if (!corner || pl.vertices[prev].bulge != 0 || pl.vertices[j].bulge != 0) {
            out.push_back(pl.vertices[j]);
            continue;
        }
        Point3 p = VertexPoint(pl, prev), v = VertexPoint(pl, j), q = VertexPoint(pl, next);
        double inLength = Distance(p, v), outLength = Distance(v, q);
        if (inLength < kGeomEps || outLength < kGeomEps) {
            out.push_back(pl.vertices[j]);
            continue;
        }
        double a1 = AngleOf(v, p), a2 = AngleOf(v, q);
        double theta = std::fabs(NormalizeAngle(a1 - a2 + kPi) - kPi);  // angle between the legs, 0..π
        double t = radius / std::tan(theta / 2);
        bool fits = theta > kGeomEps && theta < kPi - kGeomEps && t <= inLength - usedAtStart[prev] + kGeomEps &&
                    t <= outLength + kGeomEps;
        if (!fits) {
            out.push_back(pl.vertices[j]);
            continue;
        }
        usedAtStart[j] = t;
        Point3 t1 = PolarPoint(v, t, a1), t2 = PolarPoint(v, t, a2);
        double turn = (v.x - p.x) * (q.y - v.y) - (v.y - p.y) * (q.x - v.x);
        double bulge = std::copysign(BulgeFromSweep(kPi - theta), turn);
        out.push_back(LwVertex{t1.x, t1.y, bulge});
        out.push_back(LwVertex{t2.x, t2.y, 0});
        ++rounded;
    }
    pl.vertices = std::move(out);
    return rounded;
}

std::variant<LineFillet, FilletError> FilletLines(const LineGeom& l1, Point3 p1, const LineGeom& l2, Point3 p2,
                                                  double radius) {
    Segment s1{l1.start, l1.end}, s2{l2.start, l2.end};
    std::optional<Point3> x = LineIntersection(s1, s2);
    if (!x) return FilletError::Parallel;
    struct Leg {
        bool keepStart;  // the start end stays, the end end moves
        double angle;    // direction from the intersection to the kept side
        double reach;    // distance from the intersection to the kept end
    };
    auto legOf = [&](const Segment& s, Point3 pick) {
        double tx = SegmentParameter(*x, s);
        bool keepEnd = SegmentParameter(pick, s) >= tx;
        Point3 kept = keepEnd ? s.b : s.a;
        double angle = keepEnd ? AngleOf(s.a, s.b) : AngleOf(s.b, s.a);
        return Leg{!keepEnd, angle, Distance(*x, kept)};
    };
    Leg leg1 = legOf(s1, p1), leg2 = legOf(s2, p2);
    double theta = std::fabs(NormalizeAngle(leg1.angle - leg2.angle + kPi) - kPi);
    if (theta < kGeomEps) return FilletError::Parallel;
    LineFillet result{l1, l2, std::nullopt};
    double t = radius > 0 ? radius / std::tan(theta / 2) : 0;
    if (t > leg1.reach + kGeomEps || t > leg2.reach + kGeomEps) return FilletError::TooLarge;
    Point3 t1 = PolarPoint(*x, t, leg1.angle), t2 = PolarPoint(*x, t, leg2.angle);
    (leg1.keepStart ? result.first.end : result.first.start) = t1;
    (leg2.keepStart ? result.second.end : result.second.start) = t2;
    if (radius > 0) {
        double bisector =
            std::atan2(std::sin(leg1.angle) + std::sin(leg2.angle), std::cos(leg1.angle) + std::cos(leg2.angle));
        Point3 center = PolarPoint(*x, radius / std::sin(theta / 2), bisector);
        double a1 = NormalizeAngle(AngleOf(center, t1)), a2 = NormalizeAngle(AngleOf(center, t2));
        bool ccw = NormalizeAngle(a2 - a1) <= kPi;
        result.arc = ArcGeom{center, radius, Degrees(ccw ? a1 : a2), Degrees(ccw ? a2 : a1)};
    }
    return result;
}

std::optional<LwPolylineGeom> PolylineFrom(const Geometry& geom) {
    if (const auto* line = std::get_if<LineGeom>(&geom)) {
        return LwPolylineGeom{
            {{line->start.x, line->start.y, 0}, {line->end.x, line->end.y, 0}}, false, line->start.z, 0};
    }
    if (const auto* arc = std::get_if<ArcGeom>(&geom)) {
        Arc a = ArcOf(*arc);
        Point3 s = ArcStartPoint(a), e = ArcEndPoint(a);
        return LwPolylineGeom{{{s.x, s.y, BulgeFromSweep(ArcSweep(a))}, {e.x, e.y, 0}}, false, arc->center.z, 0};
    }
    return std::nullopt;
}

namespace {

std::vector<LwVertex> Reversed(const std::vector<LwVertex>& path) {
    std::vector<LwVertex> out;
    for (std::size_t i = path.size(); i-- > 0;) {
        double bulge = i > 0 ? -path[i - 1].bulge : 0;
        out.push_back(LwVertex{path[i].x, path[i].y, bulge});
    }
    return out;
}

bool Same(const LwVertex& a, const LwVertex& b) { return std::hypot(a.x - b.x, a.y - b.y) <= kJoinTolerance; }

}  // namespace

bool JoinToPolyline(LwPolylineGeom& pl, const Geometry& part) {
    if (pl.closed || pl.vertices.size() < 2) return false;
    std::vector<LwVertex> path;
    if (const auto* lw = std::get_if<LwPolylineGeom>(&part)) {
        if (lw->closed) return false;
        path = lw->vertices;
    } else if (std::optional<LwPolylineGeom> converted = PolylineFrom(part)) {
        path = converted->vertices;
    }
    if (path.size() < 2) return false;
    path.back().bulge = 0;
    auto append = [&](const std::vector<LwVertex>& p) {
        pl.vertices.back().bulge = p.front().bulge;
        pl.vertices.insert(pl.vertices.end(), p.begin() + 1, p.end());
    };
    auto prepend = [&](const std::vector<LwVertex>& p) {
        pl.vertices.insert(pl.vertices.begin(), p.begin(), p.end() - 1);
    };
    if (Same(path.front(), pl.vertices.back())) append(path);
    else if (Same(path.back(), pl.vertices.back())) append(Reversed(path));
    else if (Same(path.back(), pl.vertices.front())) prepend(path);
    else if (Same(path.front(), pl.vertices.front())) prepend(Reversed(path));
    else return false;
    return true;
}

}  // namespace kv::sim
