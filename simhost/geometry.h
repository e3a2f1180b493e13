// The host's own planar geometry: segments and arcs, the affine placement of block
// references, and the tests that picking, windows, fences, BREAK and FILLET need.
// z is carried along and never enters a test.
#pragma once

#include <optional>
#include <vector>

#include "base/point3.h"

namespace kv::sim {

// Lengths below this count as zero; points closer than this are the same point.
inline constexpr double kGeomEps = 1e-9;
inline constexpr double kPi = 3.14159265358979323846;

struct Segment {
    Point3 a;
    Point3 b;
};

// Angles in radians, counter-clockwise from start to end; a full circle has
// end - start == 2π.
struct Arc {
    Point3 center;
    double radius = 0;
    double start = 0;
    double end = 0;
};

struct Rect {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
};

Rect RectFromCorners(Point3 a, Point3 b);
bool InsideRect(Point3 p, const Rect& r);

double Distance(Point3 a, Point3 b);
double AngleOf(Point3 from, Point3 to);
Point3 PolarPoint(Point3 from, double distance, double angle);
double NormalizeAngle(double angle);  // into [0, 2π)
double Radians(double degrees);
double Degrees(double radians);

bool IsFullCircle(const Arc& arc);
Point3 ArcStartPoint(const Arc& arc);
Point3 ArcEndPoint(const Arc& arc);
bool AngleOnArc(double angle, const Arc& arc);
// The included angle of the arc, in (0, 2π].
double ArcSweep(const Arc& arc);

// The arc a polyline segment with this bulge draws from p to q (no arc when the
// bulge is zero or the points coincide).
std::optional<Arc> BulgeArc(Point3 p, Point3 q, double bulge);
double BulgeFromSweep(double sweep);

Point3 NearestOnSegment(Point3 p, const Segment& s);
Point3 NearestOnArc(Point3 p, const Arc& a);
// Position of p's foot along the segment, 0 at a and 1 at b (not clamped).
double SegmentParameter(Point3 p, const Segment& s);

bool SegmentsMeet(const Segment& s, const Segment& t);
bool SegmentMeetsArc(const Segment& s, const Arc& a);
std::vector<Point3> SegmentArcIntersections(const Segment& s, const Arc& a);
bool SegmentTouchesRect(const Segment& s, const Rect& r);
bool ArcTouchesRect(const Arc& a, const Rect& r);
Rect ArcExtents(const Arc& a);

// Intersection of the infinite lines through the two segments; none when parallel.
std::optional<Point3> LineIntersection(const Segment& s, const Segment& t);

// x' = a x + b y + e, y' = c x + d y + f: how a block's contents are placed.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point3 Apply(Point3 p) const;
    // Applies the linear part only.
    Point3 ApplyVector(Point3 v) const;
    double Determinant() const { return a * d - b * c; }
    // True when the placement keeps circles circles (rotation, uniform scale, mirror).
    bool IsConformal() const;
    double ScaleFactor() const;  // for conformal placements
};

// First `inner`, then `outer`.
Affine Compose(const Affine& outer, const Affine& inner);
// Block contents with base point `base` placed at `point` with scales and a rotation in degrees.
Affine BlockPlacement(Point3 base, Point3 point, double xScale, double yScale, double rotationDegrees);
Affine Translation(double dx, double dy);

}  // namespace kv::sim
