#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace kv::sim {

Rect RectFromCorners(Point3 a, Point3 b) {
    return Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool InsideRect(Point3 p, const Rect& r) {
    return p.x >= r.minX - kGeomEps && p.x <= r.maxX + kGeomEps && p.y >= r.minY - kGeomEps && p.y <= r.maxY + kGeomEps;
}

double Distance(Point3 a, Point3 b) { return std::hypot(b.x - a.x, b.y - a.y); }

double AngleOf(Point3 from, Point3 to) { return std::atan2(to.y - from.y, to.x - from.x); }

Point3 PolarPoint(Point3 from, double distance, double angle) {
    return Point3{from.x + distance * std::cos(angle), from.y + distance * std::sin(angle), from.z};
}

double NormalizeAngle(double angle) {
    double r = std::fmod(angle, 2 * kPi);
    if (r < 0) r += 2 * kPi;
    if (r >= 2 * kPi) r = 0;
    return r;
}

double Radians(double degrees) { return degrees * kPi / 180.0; }
double Degrees(double radians) { return radians * 180.0 / kPi; }

bool IsFullCircle(const Arc& arc) { return arc.end - arc.start >= 2 * kPi - kGeomEps; }

Point3 ArcStartPoint(const Arc& arc) { return PolarPoint(arc.center, arc.radius, arc.start); }
Point3 ArcEndPoint(const Arc& arc) { return PolarPoint(arc.center, arc.radius, arc.end); }

double ArcSweep(const Arc& arc) {
    if (IsFullCircle(arc)) return 2 * kPi;
    double sweep = NormalizeAngle(arc.end - arc.start);
    return sweep < kGeomEps ? 2 * kPi : sweep;
}

bool AngleOnArc(double angle, const Arc& arc) {
    if (IsFullCircle(arc)) return true;
    constexpr double kAngleEps = 1e-9;
    double fromStart = NormalizeAngle(angle - arc.start);
    return fromStart <= ArcSweep(arc) + kAngleEps || fromStart >= 2 * kPi - kAngleEps;
}

std::optional<Arc> BulgeArc(Point3 p, Point3 q, double bulge) {
    double chord = Distance(p, q);
    if (std::fabs(bulge) < kGeomEps || chord < kGeomEps) return std::nullopt;
    double sweep = 4 * std::atan(std::fabs(bulge));
    double radius = chord / (2 * std::sin(sweep / 2));
    // The centre lies on the chord's perpendicular bisector, left of p->q for a
    // counter-clockwise arc of less than half a turn.
    double toCenter = radius * std::cos(sweep / 2);
    double chordAngle = AngleOf(p, q);
    Point3 mid{(p.x + q.x) / 2, (p.y + q.y) / 2, p.z};
    double side = bulge > 0 ? kPi / 2 : -kPi / 2;
    Point3 center = PolarPoint(mid, toCenter, chordAngle + side);
    Arc arc{center, radius, 0, 0};
    Point3 from = bulge > 0 ? p : q;
    Point3 to = bulge > 0 ? q : p;
    arc.start = NormalizeAngle(AngleOf(center, from));
    arc.end = arc.start + NormalizeAngle(AngleOf(center, to) - arc.start);
    return arc;
}

double BulgeFromSweep(double sweep) { return std::tan(sweep / 4); }

double SegmentParameter(Point3 p, const Segment& s) {
    double dx = s.b.x - s.a.x;
    double dy = s.b.y - s.a.y;
    double len2 = dx * dx + dy * dy;
    if (len2 < kGeomEps * kGeomEps) return 0;
    return ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / len2;
}

Point3 NearestOnSegment(Point3 p, const Segment& s) {
    double t = std::clamp(SegmentParameter(p, s), 0.0, 1.0);
    return Point3{s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y), s.a.z + t * (s.b.z - s.a.z)};
}

Point3 NearestOnArc(Point3 p, const Arc& a) {
    if (Distance(p, a.center) > kGeomEps) {
        double angle = AngleOf(a.center, p);
        if (AngleOnArc(angle, a)) return PolarPoint(a.center, a.radius, angle);
    }
    Point3 s = ArcStartPoint(a);
    Point3 e = ArcEndPoint(a);
    return Distance(p, s) <= Distance(p, e) ? s : e;
}

namespace {

double Cross(Point3 o, Point3 a, Point3 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool OnSegment(Point3 p, const Segment& s) {
    return Distance(NearestOnSegment(p, s), p) <= kGeomEps * std::max(1.0, Distance(s.a, s.b));
}

}  // namespace

bool SegmentsMeet(const Segment& s, const Segment& t) {
    double d1 = Cross(t.a, t.b, s.a);
    double d2 = Cross(t.a, t.b, s.b);
    double d3 = Cross(s.a, s.b, t.a);
    double d4 = Cross(s.a, s.b, t.b);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    return OnSegment(s.a, t) || OnSegment(s.b, t) || OnSegment(t.a, s) || OnSegment(t.b, s);
}

std::vector<Point3> SegmentArcIntersections(const Segment& s, const Arc& a) {
    std::vector<Point3> hits;
    double dx = s.b.x - s.a.x;
    double dy = s.b.y - s.a.y;
    double fx = s.a.x - a.center.x;
    double fy = s.a.y - a.center.y;
    double qa = dx * dx + dy * dy;
    if (qa < kGeomEps * kGeomEps) {
        if (std::fabs(Distance(s.a, a.center) - a.radius) <= kGeomEps && AngleOnArc(AngleOf(a.center, s.a), a))
            hits.push_back(s.a);
        return hits;
    }
    double qb = 2 * (fx * dx + fy * dy);
    double qc = fx * fx + fy * fy - a.radius * a.radius;
    double disc = qb * qb - 4 * qa * qc;
    if (disc < -kGeomEps) return hits;
    disc = std::max(0.0, disc);
    double root = std::sqrt(disc);
    constexpr double kParamEps = 1e-12;
    for (double t : {(-qb - root) / (2 * qa), (-qb + root) / (2 * qa)}) {
        if (t < -kParamEps || t > 1 + kParamEps) continue;
        Point3 p{s.a.x + t * dx, s.a.y + t * dy, s.a.z};
        if (!AngleOnArc(AngleOf(a.center, p), a)) continue;
        if (!hits.empty() && Distance(hits.back(), p) < kGeomEps) continue;
        hits.push_back(p);
    }
    return hits;
}

bool SegmentMeetsArc(const Segment& s, const Arc& a) { return !SegmentArcIntersections(s, a).empty(); }

namespace {

std::vector<Segment> RectEdges(const Rect& r) {
    Point3 p0{r.minX, r.minY, 0}, p1{r.maxX, r.minY, 0}, p2{r.maxX, r.maxY, 0}, p3{r.minX, r.maxY, 0};
    return {{p0, p1}, {p1, p2}, {p2, p3}, {p3, p0}};
}

}  // namespace

bool SegmentTouchesRect(const Segment& s, const Rect& r) {
    if (InsideRect(s.a, r) || InsideRect(s.b, r)) return true;
    for (const Segment& edge : RectEdges(r)) {
        if (SegmentsMeet(s, edge)) return true;
    }
    return false;
}

bool ArcTouchesRect(const Arc& a, const Rect& r) {
    if (InsideRect(ArcStartPoint(a), r)) return true;
    for (const Segment& edge : RectEdges(r)) {
        if (SegmentMeetsArc(edge, a)) return true;
    }
    return false;
}

Rect ArcExtents(const Arc& a) {
    Rect r = RectFromCorners(ArcStartPoint(a), ArcEndPoint(a));
    for (int quarter = 0; quarter < 4; ++quarter) {
        double angle = quarter * kPi / 2;
        if (!AngleOnArc(angle, a)) continue;
        Point3 p = PolarPoint(a.center, a.radius, angle);
        r.minX = std::min(r.minX, p.x);
        r.minY = std::min(r.minY, p.y);
        r.maxX = std::max(r.maxX, p.x);
        r.maxY = std::max(r.maxY, p.y);
    }
    return r;
}

std::optional<Point3> LineIntersection(const Segment& s, const Segment& t) {
    double d1x = s.b.x - s.a.x, d1y = s.b.y - s.a.y;
    double d2x = t.b.x - t.a.x, d2y = t.b.y - t.a.y;
    double denom = d1x * d2y - d1y * d2x;
    double scale = std::hypot(d1x, d1y) * std::hypot(d2x, d2y);
    constexpr double kParallelSine = 1e-12;
    if (scale < kGeomEps || std::fabs(denom) <= kParallelSine * scale) return std::nullopt;
    double u = ((t.a.x - s.a.x) * d2y - (t.a.y - s.a.y) * d2x) / denom;
    return Point3{s.a.x + u * d1x, s.a.y + u * d1y, s.a.z};
}

Point3 Affine::Apply(Point3 p) const { return Point3{a * p.x + b * p.y + e, c * p.x + d * p.y + f, p.z}; }

Point3 Affine::ApplyVector(Point3 v) const { return Point3{a * v.x + b * v.y, c * v.x + d * v.y, v.z}; }

bool Affine::IsConformal() const {
    constexpr double kConformalEps = 1e-9;
    double col1 = std::hypot(a, c);
    double col2 = std::hypot(b, d);
    double dot = a * b + c * d;
    double size = std::max(col1, col2);
    return size > 0 && std::fabs(col1 - col2) <= kConformalEps * size && std::fabs(dot) <= kConformalEps * size * size;
}

double Affine::ScaleFactor() const { return std::sqrt(std::fabs(Determinant())); }

Affine Compose(const Affine& o, const Affine& i) {
    return Affine{o.a * i.a + o.b * i.c, o.a * i.b + o.b * i.d,       o.c * i.a + o.d * i.c,
                  o.c * i.b + o.d * i.d, o.a * i.e + o.b * i.f + o.e, o.c * i.e + o.d * i.f + o.f};
}

Affine BlockPlacement(Point3 base, Point3 point, double xScale, double yScale, double rotationDegrees) {
    double r = Radians(rotationDegrees);
    double cs = std::cos(r), sn = std::sin(r);
    Affine scaleRotate{cs * xScale, -sn * yScale, sn * xScale, cs * yScale, 0, 0};
    Affine result = Compose(scaleRotate, Translation(-base.x, -base.y));
    result.e += point.x;
    result.f += point.y;
    return result;
}

Affine Translation(double dx, double dy) { return Affine{1, 0, 0, 1, dx, dy}; }

}  // namespace kv::sim
