// The polyline the tools picked: the first one of an export, with its vertices and its
// layer, colour and linetype.
#pragma once

#include <vector>

#include "dxf/records.h"
#include "polyline/polyline_geometry.h"

namespace kv {

struct PickedPolyline {
    TLwpBlk header;
    std::vector<TLwpEle> vertices;
    TLineEnt look;
    bool Closed() const { return (header.Flags & 1) != 0; }
    PolylinePieces Pieces() const { return SplitPolyline(vertices, Closed()); }
};
}  // namespace kv
