// The cut engine: where one wire enters and leaves the geometry of the block references
// (symbols) lying across it. Block trim, line trim and line drawing all cut wires with it.
#pragma once

#include <string>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"
#include "geometry/symbol_shapes.h"

namespace kv {

// The main tab's choice of which references are symbols and which of their shapes cut.
struct CutOptions {
    bool CheckLayer = false;  // only references on EditLayer are symbols
    std::string EditLayer;
    bool CheckBlock = false;  // references of block EditBlock are never symbols
    std::string EditBlock;
    bool CheckLine = true;  // lines and SOLID edges
    bool CheckCircle = true;
    bool CheckArc = true;
    bool CheckLWP = false;  // polyline segments, as lines (CheckLine) and arcs (CheckArc)
};

// The wire prolonged by its own length at both ends; every hit is taken on it, so that a
// symbol reaching past a wire end still gives both of its edges.
struct ExtendedWire {
    Point3 E1;
    Point3 E2;
};
ExtendedWire ExtendWire(const TLineEnt& currentLine);

// Where the extended wire meets the shapes of one reference.
using HitList = std::vector<Point3>;

// The stretch of a wire hidden by one symbol; in a finished GapList, A is the end nearer P1.
struct GapRec {
    Point3 A;
    Point3 B;
};
using GapList = std::vector<GapRec>;

// The layer and block filters (names compared without regard to ASCII case; an empty name
// filters nothing).
bool IsSymbol(const TInsertEnt& insert, const CutOptions& options);

// Line hits within this distance of a symbol line's end count as touching the wire there.
constexpr double kTouchTolerance = 0.01;

HitList SymbolHits(const ExtendedWire& wire, const TInsertEnt& insert, const BlockShapes& shapes,
                   const CutOptions& options);

// Distance sums within this of a gap's length put a wire end inside the gap.
constexpr double kClampTolerance = 1e-5;

// The gaps of currentLine: one per symbol whose shapes it meets at two or more points, the
// two hits farthest apart. Gaps holding a wire end are clamped to it; gaps wholly outside the
// wire are dropped, so pieces never reach past its ends. Ordered along the wire from P1 by
// their midpoints. References without a block definition are no symbols.
GapList ComputeCuts(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts, const SymbolShapes& shapes,
                    const CutOptions& options);
// The same over a choice of the references (SymbolIndex::Near), in their array order.
GapList ComputeCuts(const TLineEnt& currentLine, const std::vector<const TInsertEnt*>& inserts,
                    const SymbolShapes& shapes, const CutOptions& options);

}  // namespace kv
