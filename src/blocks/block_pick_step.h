// The pick buttons of the main tab that take one block reference from the drawing: the
// layer filter, the excluded block, and the picture capture, which shares their first steps.
#pragma once

#include <string>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "operation/op_context.h"

namespace kv {

enum class BlockPick {
    kWaiting,     // the host is not back at the command prompt yet
    kEnded,       // nothing picked, or the export is missing: the operation is over
    kAskedAgain,  // the object was no block reference; the same state asks again
    kPicked,      // inserts holds the picked reference; the caller ends the operation
};

// At the command prompt: types SNAPMODE back, exports the picked object into buffer and reads
// its references. A value in the export that should be a number and is not raises
// ConversionError.
BlockPick PickBlockReference(OpContext& op, DxfBuffer& buffer, std::vector<TInsertEnt>& inserts);

// The layer and block-name picks: the picked reference's layer, or its block name, goes into `target`.
enum class BlockPickField { kLayer, kName };
void BlockPickStep(OpContext& op, BlockPickField field, std::string& target);

}  // namespace kv
