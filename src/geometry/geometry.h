// Plane geometry shared by every wire tool. Angles are radians, counter-clockwise from +x;
// z is carried along and never enters a distance, angle or intersection. The tolerances are
// part of the behaviour: trim results depend on them.
#pragma once

#include <optional>
#include <utility>

#include "base/point3.h"

namespace kv {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);

Point3 PointAdd(const Point3& a, const Point3& b);
Point3 PointSub(const Point3& a, const Point3& b);
// Componentwise product: scales a point by the factors in s.
Point3 PointMul(const Point3& a, const Point3& s);

double Distance2D(const Point3& a, const Point3& b);

// A coordinate difference below this counts as zero in AngleOf.
constexpr double kAngleAxisTolerance = 1e-5;
// Direction from a to b in [0, 2pi). Coincident points give 3pi/2.
double AngleOf(const Point3& a, const Point3& b);

// (p.x + d cos theta, p.y + d sin theta, p.z); d may be negative.
Point3 PolarPoint(const Point3& p, double distance, double angle);

// Mean of the directions from c to p1 and from c to p3, taken on the side of the smaller gap.
double BisectAngle(const Point3& p1, const Point3& c, const Point3& p3);

// True when angle lies on the counter-clockwise sweep from start to end, bounds inclusive.
// Start and end of 2pi or more are reduced; angle itself is not.
bool AngleInArc(double angle, double start, double end);

struct ArcGeometry {
    Point3 center;
    double radius = 0;
    double startAngle = 0;  // radians; the arc runs counter-clockwise from start to end
    double endAngle = 0;
};

// The arc of a polyline segment from p1 to p2 with a non-zero bulge.
ArcGeometry BulgeToArc(const Point3& p1, const Point3& p2, double bulge);

// Largest distance of a point from a line that still counts as lying on it.
constexpr double kCollinearTolerance = 0.01;
// True when b1 and b2 both lie within kCollinearTolerance of the infinite line a1-a2.
bool IsCollinear(const Point3& a1, const Point3& a2, const Point3& b1, const Point3& b2);

// The two of four points that lie farthest apart, pairs tried in the order
// (0,1) (0,2) (0,3) (1,2) (1,3) (2,3), the first of equal distances kept.
// Nothing when all four coincide.
std::optional<std::pair<Point3, Point3>> FarthestPair(const Point3& p0, const Point3& p1, const Point3& p2,
                                                      const Point3& p3);

}  // namespace kv
