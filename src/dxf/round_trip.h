// The two ends of every round trip: the host exports the selection into the scratch file, and
// a written file is brought back as an exploded insert at the origin.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "dxf/dxf_buffer.h"
#include "platform/clock.h"
#include "platform/command_channel.h"
#include "platform/files.h"

namespace kv {

// The host side of a round trip: the scratch file, the host that inserts it, the pauses.
struct RoundTripPorts {
    CommandChannel& host;
    Files& files;
    Clock& clock;
    std::string scratchPath;
    // Whether the host took the file just inserted into its drawing; unset: trusted. A file
    // the host could not read leaves no trace but in its history.
    std::function<bool(std::string_view path)> insertArrived = {};
};


// The executable's path with its extension replaced by ".dxf" (added when it has none).
std::string ScratchDxfPath(std::string_view executablePath);

// kStandard answers the export prompts with Enter after "P"; the junction check of line
// drawing cancels first and answers with blanks.
enum class ExportForm { kStandard, kJunctionCheck };

// Exports the host's previous selection set into path and loads it into buffer. The buffer
// is cleared and the old file deleted first. False when no readable file came back.
bool ExportPrevious(CommandChannel& host, Files& files, std::string_view path, DxfBuffer& buffer,
                    ExportForm form = ExportForm::kStandard);

// Loads an export the host wrote into path. False when there is no readable file.
bool LoadExport(Files& files, std::string_view path, DxfBuffer& buffer);

// kCancelFirst leads with Ctrl+C; a second insert of the same round trip may leave it out.
enum class InsertForm { kCancelFirst, kNoCancel };

// Inserts the file exploded at 0,0, scale 1, rotation 0 when it exists; false otherwise.
bool InsertDxf(CommandChannel& host, Files& files, std::string_view path,
               InsertForm form = InsertForm::kCancelFirst);

}  // namespace kv
