// Saving written files and edited exports. Every save first deletes the target, so that a
// failed save never leaves an older file behind to be inserted by mistake.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "platform/files.h"

namespace kv {

// Saves items, each followed by CR LF, in the ANSI code page. False when the old file could
// not be removed or the new one not written; the path then holds no file of ours.
bool WriteDxfFile(Files& files, std::string_view path, const std::vector<std::string>& items);

// Saves the buffer (after in-place edits) the same way. The readers and the line edits give
// linetype references the "_" form of dotted names, so the whole buffer takes that form first
// (UseLinetypesWithoutDots).
bool SaveDxfBuffer(Files& files, std::string_view path, DxfBuffer& buffer);

}  // namespace kv
