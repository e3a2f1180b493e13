// Edits of single entities that the editing commands share: moving, stretching,
// breaking, filleting, turning polylines into lines and arcs, and joining.
#pragma once

#include <optional>
#include <vector>

#include "drawing.h"
#include "geometry.h"

namespace kv::sim {

void MoveEntity(Entity& entity, double dx, double dy);

// Moves the defining points that lie inside the window; a block reference, text or
// circle moves whole when its insertion point or centre lies inside.
void StretchEntity(Entity& entity, const Rect& window, double dx, double dy);

// The pieces left when the part between the feet of p1 and p2 is cut out (arcs and
// circles counter-clockwise from p1 to p2). None when the kind cannot be broken
// (or a circle at a single point); an empty list when nothing is left.
std::optional<std::vector<Geometry>> BreakGeometry(const Geometry& geom, Point3 p1, Point3 p2);

// Lines and arcs of a polyline, in vertex order.
std::vector<Geometry> PolylineParts(const Geometry& polyline);

// FILLET P: rounds every corner between two straight segments with `radius`, after
// taking out the arcs a previous fillet left. Returns the corners rounded.
int FilletPolyline(LwPolylineGeom& polyline, double radius);

struct LineFillet {
    LineGeom first;
    LineGeom second;
    std::optional<ArcGeom> arc;
};
enum class FilletError { Parallel, TooLarge };
// Two lines picked at p1 and p2 trimmed or extended to meet, with an arc of `radius`
// between them; the picked side of each line is kept.
std::variant<LineFillet, FilletError> FilletLines(const LineGeom& l1, Point3 p1, const LineGeom& l2, Point3 p2,
                                                  double radius);

// A line or arc as a one-segment polyline (PEDIT's conversion).
std::optional<LwPolylineGeom> PolylineFrom(const Geometry& geom);
// Appends or prepends a line, arc or open polyline that touches an end of the
// (open) polyline; false when it does not touch.
bool JoinToPolyline(LwPolylineGeom& polyline, const Geometry& part);

}  // namespace kv::sim
