// What is left of a wire once its gaps are cut out.
#pragma once

#include <vector>

#include "base/point3.h"
#include "dxf/records.h"
#include "wires/cut_engine.h"

namespace kv {

struct WirePiece {
    Point3 from;  // the end nearer the wire's P1
    Point3 to;
};

// The stretches of line outside every gap, in order from P1, each of positive length. Gaps
// that overlap act as one, parts of gaps beyond the wire's ends are ignored, so the pieces
// and the gaps together cover the wire exactly once. A piece starting at the wire's start
// has P1 itself as its from point; one ending at the wire's end has P2 as its to point.
std::vector<WirePiece> WirePieces(const TLineEnt& line, const GapList& gaps);

}  // namespace kv
