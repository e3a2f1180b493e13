// One block-trim pass around a picked block reference: the wires crossing its enlarged outline
// are selected with a fence, exported, cut at its geometry and replaced.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "geometry/block_placement.h"
#include "wires/cut_engine.h"
#include "wires/trim_writers.h"

namespace kv {

enum class TrimPassResult {
    kNoFence,          // the block has no line, circle or arc (or no reference was given)
    kNothingCrossed,   // the fence selected nothing
    kNoWires,          // the export of the selection is missing or holds no LINE
    kTrimmed,          // the wires were replaced and the originals erased
    kNothingInserted,  // writing or inserting the new pieces failed: nothing changed, nothing erased
    kPiecesOnly,       // the pieces went in but the edited export did not: nothing erased, the
                       // drawing went back to the undo mark
};

// `buffer` holds the export of the picked reference and `inserts` its references as read from
// it; the first one is the symbol. Reads its block definitions, selects the crossing objects
// with a fence and asks selectionCount (the host link's count of what the selection found)
// whether anything was selected, exports the selection, cuts its wires at the symbols of
// inserts and erases the originals only once their replacement is in the drawing.
// A value in either export that should be a number and is not raises ConversionError.
TrimPassResult TrimAroundInsert(const DxfBuffer& buffer, const std::vector<TInsertEnt>& inserts,
                                const CutOptions& options, RoundTripPorts& ports,
                                const std::function<int()>& selectionCount);

}  // namespace kv
