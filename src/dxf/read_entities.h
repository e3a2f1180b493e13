// Readers of the ENTITIES section. Each empties its output arrays, scans the whole buffer
// and fills them; a value that should be a number and is not raises ConversionError.
#pragma once

#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

// Linetype names with "." are read, and written back into the buffer, with "_".
int ReadLines(DxfBuffer& buffer, std::vector<TLineEnt>& lines);
int ReadArcs(DxfBuffer& buffer, std::vector<TArcEnt>& arcs);
int ReadInserts(const DxfBuffer& buffer, std::vector<TInsertEnt>& inserts);

enum PolylineKind { kNoPolyline = 0, kOldPolyline = 1, kLwPolyline = 2 };

// Fills headers and vertices; `attributes` becomes exactly one record holding the layer, colour,
// linetype and linetype scale of the polylines read (the last one decides). The result is the
// kind of the last polyline read.
int ReadPolylines(DxfBuffer& buffer, std::vector<TLwpBlk>& polylines, std::vector<TLwpEle>& vertices,
                  std::vector<TLineEnt>& attributes);

}  // namespace kv
