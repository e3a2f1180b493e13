// A block of the drawing copied into a library as a new symbol file, and the rotation taken
// from a picked line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dxf/dxf_buffer.h"
#include "operation/op_context.h"

namespace kv {

// The symbol file of the first block of a release 12 export that is the user's own (no "$" in
// its name, not beginning with "_" or "*", not the junction dot "DOT"): its base point, the layer,
// linetype and style tables and its entities. Asks before replacing an existing file. The
// symbol's name when a file was written; nothing when the export holds no such block, or the
// user kept the old file, or writing failed.
std::optional<std::string> WriteLibraryBlock(const DxfBuffer& exported, std::string_view root, std::string_view folder,
                                             Files& files, Ui& ui);

// State 3001, at the command prompt: exports the picked block reference and writes its block
// into the library folder. True when the library changed.
bool AddBlockStep(OpContext& op, std::string_view root, std::string_view folder);

// State 3301, at the command prompt: the direction of the picked line, in degrees, into
// rotation; a pick that is not a line is asked again.
void AngleFromLineStep(OpContext& op, std::string& rotation);

}  // namespace kv
