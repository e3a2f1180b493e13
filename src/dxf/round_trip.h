// The file side of every round trip: the scratch file beside the executable, and the export
// the host wrote into it read back.
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

// Loads an export the host wrote into path. False when there is no readable file.
bool LoadExport(Files& files, std::string_view path, DxfBuffer& buffer);

}  // namespace kv
