// Entities seen as drawn geometry in drawing coordinates: what picking, windows,
// fences and object snaps test against.
#pragma once

#include <optional>
#include <vector>

#include "drawing.h"
#include "geometry.h"

namespace kv::sim {

struct Shape {
    std::vector<Segment> segments;
    std::vector<Arc> arcs;
    // End points an object snap may take (not the outline of a text).
    std::vector<Point3> endPoints;
};

// Block references are expanded through their definitions; nesting deeper than a
// sane limit (a definition that contains itself) is cut off.
Shape EntityShape(const Drawing& drawing, const Entity& entity);

double ShapeDistance(const Shape& shape, Point3 p);
std::optional<Point3> ShapeNearest(const Shape& shape, Point3 p);
std::optional<Rect> ShapeExtents(const Shape& shape);
bool ShapeInsideRect(const Shape& shape, const Rect& r);
bool ShapeTouchesRect(const Shape& shape, const Rect& r);
bool ShapeMeetsSegment(const Shape& shape, const Segment& s);

// The segments and arcs of a polyline, in vertex order.
struct PathPiece {
    Segment segment;
    std::optional<Arc> arc;  // set for a bulged piece
};
std::vector<PathPiece> LwPolylinePieces(const LwPolylineGeom& pl);
std::vector<PathPiece> PolylinePieces(const PolylineGeom& pl);

// The contents of a block reference placed in the drawing (nested references stay
// references, placed by the combined transform). Empty when the definition is missing.
std::vector<Entity> PlacedBlockEntities(const Drawing& drawing, const InsertGeom& insert);
// An entity moved by an affine placement; circles and arcs keep their kind only
// under a conformal placement and are approximated by their radius otherwise.
Entity TransformEntity(const Entity& entity, const Affine& t);

}  // namespace kv::sim
