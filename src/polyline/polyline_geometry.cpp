#include "polyline/polyline_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/intersections.h"

namespace kv {

namespace {

// A drawn angle that lands half way within this still goes up: the host stores the
// points, not the angle, and the rounding of either must not decide.
constexpr double kHalfWayTolerance = 1e-9;
// Construction lines only need a direction; their length does not matter.
constexpr double kGuideLength = 100;

std::optional<Point3> MeetOfLines(const Point3& a, double angleA, const Point3& b, double angleB) {
    return IntersectLines(a, PolarPoint(a, kGuideLength, angleA), b, PolarPoint(b, kGuideLength, angleB), false);
}

Point3 Midpoint(const Point3& a, const Point3& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }

// The arc from the tangent angles, counter-clockwise over less than pi.
void OrderArcAngles(double& start, double& end) {
    const bool keep = (end > start && end - start < kPi) || (end <= start && start >= kPi && start - kPi > end);
    if (!keep) std::swap(start, end);
}

}  // namespace

double SnapAngle(double step, double angle) {
    if (angle >= kTwoPi) angle -= kTwoPi;
    const int steps = static_cast<int>(kTwoPi / step);
    int k = 1;
    while (k <= steps && k * step < angle) ++k;
    double snapped = k * step;
    if (snapped - angle > step / 2 + kHalfWayTolerance) snapped -= step;
    // A full turn is no turn: the construction lines of the corners must see it as 0.
    return snapped >= kTwoPi - kHalfWayTolerance ? snapped - kTwoPi : snapped;
}

void SnapRoute(std::vector<Point3>& v, double step) {
    const std::size_t n = v.size();
    if (n < 2) return;
    std::vector<double> psi(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) psi[i] = SnapAngle(step, AngleOf(v[i], v[i + 1]));
    if (n == 2) {
        v[1] = PolarPoint(v[0], Distance2D(v[0], v[1]), psi[0]);
        return;
    }
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (auto x = MeetOfLines(v[k - 1], psi[k - 1], v[k], psi[k])) v[k] = *x;
    }
    if (auto x = MeetOfLines(v[n - 1], psi[n - 2], v[n - 3], psi[n - 3])) v[n - 2] = *x;
}

PolylinePieces SplitPolyline(const std::vector<TLwpEle>& vertices, bool closed) {
    PolylinePieces pieces;
    pieces.closed = closed;
    std::vector<TLwpEle> v = vertices;
    if (closed && !v.empty()) v.push_back(v.front());
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        if (v[i].Bulge == 0) {
            pieces.segments.push_back({v[i].Point, v[i + 1].Point});
        } else {
            pieces.arcs.push_back(BulgeToArc(v[i].Point, v[i + 1].Point, v[i].Bulge));
        }
    }
    return pieces;
}

Point3 FootOnLine(const Segment& line, const Point3& p) {
    const double normal = AngleOf(line.start, line.end) + kPi / 2;
    return IntersectLines(p, PolarPoint(p, kGuideLength, normal), line.start, line.end, false).value_or(line.start);
}

std::size_t NearestSegment(const std::vector<Segment>& segments, const Point3& p) {
    std::size_t best = 0;
    double bestDistance = -1;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const double d = Distance2D(p, FootOnLine(segments[i], p));
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void RejoinCorners(std::vector<Segment>& s, bool closed) {
    auto join = [](Segment& before, Segment& after) {
        auto x = IntersectLines(before.start, before.end, after.start, after.end, false);
        if (!x) return;
        before.end = *x;
        after.start = *x;
    };
    for (std::size_t i = 0; i + 1 < s.size(); ++i) join(s[i], s[i + 1]);
    if (closed && s.size() > 1) join(s.back(), s.front());
}

std::vector<Point3> RouteVertices(const std::vector<Segment>& segments, bool closed) {
    std::vector<Point3> points;
    points.reserve(segments.size() + 1);
    for (const Segment& s : segments) points.push_back(s.start);
    if (!closed && !segments.empty()) points.push_back(segments.back().end);
    return points;
}

double LargestRadius(const std::vector<ArcGeometry>& arcs) {
    double r = -1;
    for (const ArcGeometry& a : arcs) r = std::max(r, a.radius);
    return r;
}

std::array<Point3, 9> ReferencePoints(const std::array<Point3, 4>& k) {
    return {k[0],
            k[1],
            k[2],
            k[3],
            Midpoint(k[0], k[1]),
            Midpoint(k[1], k[2]),
            Midpoint(k[2], k[3]),
            Midpoint(k[3], k[0]),
            Midpoint(k[0], k[2])};
}

std::size_t NearestReference(const std::array<Point3, 4>& corners, const Point3& p) {
    const std::array<Point3, 9> refs = ReferencePoints(corners);
    std::size_t best = 0;
    for (std::size_t j = 1; j < refs.size(); ++j) {
        if (Distance2D(p, refs[j]) < Distance2D(p, refs[best])) best = j;
    }
    return best;
}

bool NearHorizontal(double a) { return a < kPi / 4 || a > 7 * kPi / 4 || (a > 3 * kPi / 4 && a < 5 * kPi / 4); }

std::optional<FilletFit> FitFillet(const Segment& line, const Point3& lineFar, const Point3& neighbourFar,
                                   const Point3& corner, double radius) {
    const Point3 bisector = PolarPoint(corner, 100000, BisectAngle(neighbourFar, corner, lineFar));
    const double along = AngleOf(line.start, line.end);
    std::optional<Point3> center;
    for (double side : {along + kPi / 2, along - kPi / 2}) {
        center = IntersectLines(corner, bisector, PolarPoint(line.start, radius, side),
                                PolarPoint(line.end, radius, side), true);
        if (center) break;
    }
    if (!center) return std::nullopt;
    FilletFit fit;
    fit.center = *center;
    fit.onLine = FootOnLine(line, *center);
    fit.onNeighbour = FootOnLine({corner, neighbourFar}, *center);
    fit.startAngle = AngleOf(*center, fit.onLine);
    fit.endAngle = AngleOf(*center, fit.onNeighbour);
    OrderArcAngles(fit.startAngle, fit.endAngle);
    return fit;
}

}  // namespace kv
