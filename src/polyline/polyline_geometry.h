// The plane geometry of the polyline tools: angle snapping, the corner rebuild of routes made
// of straight segments, a polyline split into its pieces, the reference points of a rectangle
// and the fillet arc that follows a moved line.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"
#include "geometry/geometry.h"

namespace kv {

// `angle` rounded to the nearest multiple of `step` (radians), in [0, 2pi); a value half way
// goes up.
double SnapAngle(double step, double angle);

// Every segment turned to a multiple of step. Two vertices: the length is kept. More: each
// inner vertex moves to where the snapped segments meet, the last segment ending on the last
// vertex; the first and the last vertex never move, and a corner of parallel segments stays.
void SnapRoute(std::vector<Point3>& vertices, double step);

struct Segment {
    Point3 start;
    Point3 end;
};

// A polyline as its straight segments and its arcs, each list in vertex order; a closed one
// repeats its first vertex at the end first.
struct PolylinePieces {
    std::vector<Segment> segments;
    std::vector<ArcGeometry> arcs;
    bool closed = false;
};
PolylinePieces SplitPolyline(const std::vector<TLwpEle>& vertices, bool closed);

// The foot of p on the infinite line through the segment.
Point3 FootOnLine(const Segment& line, const Point3& p);

// The segment whose line lies nearest to p; the first of equal ones.
std::size_t NearestSegment(const std::vector<Segment>& segments, const Point3& p);

// Neighbouring segments meet where their lines cross (for a closed route the last meets the
// first too); a corner of parallel segments keeps its old ends.
void RejoinCorners(std::vector<Segment>& segments, bool closed);

// The points a typed PLINE goes through: each segment's start, then the last end unless closed.
std::vector<Point3> RouteVertices(const std::vector<Segment>& segments, bool closed);

double LargestRadius(const std::vector<ArcGeometry>& arcs);  // -1 without arcs

// Corners 0-3, the side midpoints of 01, 12, 23, 30, and the centre.
std::array<Point3, 9> ReferencePoints(const std::array<Point3, 4>& corners);
// The first reference point nearest to p.
std::size_t NearestReference(const std::array<Point3, 4>& corners, const Point3& p);
// True when the direction runs within 45 degrees of the x axis (the diagonals excluded).
bool NearHorizontal(double angle);

// A fillet between `line` and a neighbour that meet at `corner`: the arc of `radius` tangent
// to both, and the tangent points on each. Nothing when no centre lies inside the corner.
struct FilletFit {
    Point3 center;
    Point3 onLine;
    Point3 onNeighbour;
    double startAngle = 0;  // radians, counter-clockwise over less than pi
    double endAngle = 0;
};
std::optional<FilletFit> FitFillet(const Segment& line, const Point3& lineFar, const Point3& neighbourFar,
                                   const Point3& corner, double radius);

}  // namespace kv
