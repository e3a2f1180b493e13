#include "geometry/geometry.h"

#include <cmath>

namespace kv {

double DegreesToRadians(double degrees) { return degrees * kPi / 180; }

double RadiansToDegrees(double radians) { return radians * 180 / kPi; }

Point3 PointAdd(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Point3 PointSub(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Point3 PointMul(const Point3& a, const Point3& s) { return {a.x * s.x, a.y * s.y, a.z * s.z}; }

double Distance2D(const Point3& a, const Point3& b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

double AngleOf(const Point3& a, const Point3& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (std::fabs(dx) < kAngleAxisTolerance) return b.y > a.y ? kPi / 2 : 3 * kPi / 2;
    if (std::fabs(dy) < kAngleAxisTolerance) return b.x > a.x ? 0 : kPi;
    const double t = std::fabs(std::atan(dy / dx));
    if (dx < 0 && dy >= 0) return kPi - t;
    if (dx >= 0 && dy < 0) return kTwoPi - t;
    if (dx < 0 && dy < 0) return kPi + t;
    return t;
}

Point3 PolarPoint(const Point3& p, double distance, double angle) {
    return {p.x + distance * std::cos(angle), p.y + distance * std::sin(angle), p.z};
}

double BisectAngle(const Point3& p1, const Point3& c, const Point3& p3) {
    const double a1 = AngleOf(c, p1);
    const double a2 = AngleOf(c, p3);
    const double mean = (a1 + a2) / 2;
    return std::fabs(a1 - a2) > kPi ? mean - kPi : mean;
}

bool AngleInArc(double angle, double start, double end) {
    while (start >= kTwoPi) start -= kTwoPi;
    while (end >= kTwoPi) end -= kTwoPi;
    if (start > end) return (start <= angle && angle <= kTwoPi) || (0 <= angle && angle <= end);
    return start <= angle && angle <= end;
}

ArcGeometry BulgeToArc(const Point3& p1, const Point3& p2, double bulge) {
    const double included = 4 * std::atan(bulge);
    const double signedRadius = (Distance2D(p1, p2) / 2) / std::sin(included / 2);
    ArcGeometry arc;
    arc.radius = std::fabs(signedRadius);
    arc.center = PolarPoint(p1, signedRadius, AngleOf(p1, p2) + kPi / 2 - included / 2);
    const double toP1 = AngleOf(arc.center, p1);
    const double toP2 = AngleOf(arc.center, p2);
    arc.startAngle = bulge >= 0 ? toP1 : toP2;
    arc.endAngle = bulge >= 0 ? toP2 : toP1;
    return arc;
}

bool IsCollinear(const Point3& a1, const Point3& a2, const Point3& b1, const Point3& b2) {
    const double direction = AngleOf(a1, a2);
    for (const Point3* q : {&b1, &b2}) {
        const double offLine = std::fabs(std::sin(direction - AngleOf(a1, *q)) * Distance2D(a1, *q));
        if (offLine > kCollinearTolerance) return false;
    }
    return true;
}

std::optional<std::pair<Point3, Point3>> FarthestPair(const Point3& p0, const Point3& p1, const Point3& p2,
                                                      const Point3& p3) {
    const Point3* points[] = {&p0, &p1, &p2, &p3};
    double best = 0;
    std::optional<std::pair<Point3, Point3>> result;
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            const double d = Distance2D(*points[i], *points[j]);
            if (d <= best) continue;
            best = d;
            result.emplace(*points[i], *points[j]);
        }
    }
    return result;
}

}  // namespace kv
