// Readers of the ENTITIES section. Each empties its output arrays, walks the whole buffer
// and fills them; a value that should be a number and is not raises ConversionError.
#pragma once

#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

// Linetype names with "." are read with "_" (the buffer keeps them as they are).
int ReadLines(const DxfBuffer& buffer, std::vector<TLineEnt>& lines);
int ReadArcs(const DxfBuffer& buffer, std::vector<TArcEnt>& arcs);
int ReadInserts(const DxfBuffer& buffer, std::vector<TInsertEnt>& inserts);

enum PolylineKind { kNoPolyline = 0, kOldPolyline = 1, kLwPolyline = 2 };

// Fills headers and vertices; `attributes` becomes exactly one record holding the layer, colour,
// linetype and linetype scale of the polylines read (the last one decides). The result is the
// kind of the last polyline read. The VERTEX entities after a POLYLINE are its vertices, up to
// its SEQEND (or any entity that is no VERTEX).
int ReadPolylines(const DxfBuffer& buffer, std::vector<TLwpBlk>& polylines, std::vector<TLwpEle>& vertices,
                  std::vector<TLineEnt>& attributes);

}  // namespace kv
