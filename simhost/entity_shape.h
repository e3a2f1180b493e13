// Entities seen as drawn geometry in drawing coordinates: what picking, windows,
// fences and object snaps test against.
#pragma once

#include <cstddef>
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

// The expansion of one outermost block reference, bounded: deeper nesting, or more entities
// placed in all, is cut off. Files that would make a definition insert itself are refused,
// but a drawing set up directly can hold one, and a deep fan of nested blocks multiplies
// just as fast; neither may stall picking or drawing.
class BlockExpansion {
public:
    static constexpr int kMaxDepth = 16;
    static constexpr std::size_t kMaxEntities = 100000;

    // The contents of `insert`, a reference nested `depth` levels down, placed in the
    // drawing as far as the bounds allow.
    std::vector<Entity> Expand(const Drawing& drawing, const InsertGeom& insert, int depth);

private:
    std::size_t entitiesLeft_ = kMaxEntities;
};

// Block references are expanded through their definitions, within BlockExpansion's bounds.
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
