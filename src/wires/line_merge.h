// A drawn wire merged with the existing wires lying on its line: one wire from the farthest
// end point to the farthest, with the attributes of the wire it absorbed.
#pragma once

#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

// Records lying on currentLine's infinite line are merged: currentLine takes the two of all
// their end points and its own that lie farthest apart (the earlier one in record order as its
// start) and the layer, linetype, colour, linetype scale and handle of the last merged record.
// Every other record loses its handle, so that only merged records still carry one.
// Returns the number of records merged; with none, currentLine is unchanged.
int MergeCollinear(TLineEnt& currentLine, std::vector<TLineEnt>& records);

// Deletes from the buffer's ENTITIES section the LINE of every record that still has a handle.
void RemoveMergedLines(DxfBuffer& buffer, const std::vector<TLineEnt>& records);

}  // namespace kv
