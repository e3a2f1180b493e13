// Block move and copy: the user picks symbols, then gives the destination to the host's MOVE or
// COPY; the wire pieces at a moved symbol's old place are joined again and the wires at the new
// place are trimmed. The next pick is asked for until the user picks nothing.
#pragma once

#include <vector>

#include "blocks/wire_repair.h"
#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "geometry/block_placement.h"
#include "operation/op_context.h"

namespace kv {

enum class BlockDrag { kMove, kCopy };

// What the pick leaves for the step that follows the destination.
struct BlockDragMemory {
    DxfBuffer pickedExport;                // the definitions of the picked blocks
    std::vector<TInsertEnt> SavedInserts;  // the references as picked
    FenceCorners OldFenceCorners{};        // the first one's outline before the move
};

// kBlockMoveState and kBlockCopyState: at the command prompt after the pick, MOVE or COPY is started from the
// first reference's insertion point.
void BlockDragPickStep(OpContext& op, BlockDrag drag, BlockDragMemory& memory, const BlockToolOptions& options);

// kBlockMoveDragState and kBlockCopyDragState: at the command prompt after the destination, the wires are repaired.
// A cancelled MOVE or COPY ends the tool with the wires untouched.
// A value in an export that should be a number and is not raises ConversionError.
void BlockDragDoneStep(OpContext& op, BlockDrag drag, BlockDragMemory& memory, const BlockToolOptions& options);

// The script file beside the executable.
std::string ScriptPath(std::string_view executablePath);

}  // namespace kv
