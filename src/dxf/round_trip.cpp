#include "dxf/round_trip.h"

#include <stdexcept>

#include "base/paths.h"

namespace kv {

std::string ScratchDxfPath(std::string_view executablePath) { return WithExtension(executablePath, ".dxf"); }

bool LoadExport(Files& files, std::string_view path, DxfBuffer& buffer) {
    buffer.Clear();
    if (!files.Exists(path)) return false;
    try {
        DxfBuffer::AnsiLoad load(buffer);
        if (!files.ReadChunks(path, load)) {
            buffer.Clear();
            return false;
        }
        load.Finish();
    } catch (const std::length_error&) {  // too large to index; treated like an unreadable file
        buffer.Clear();
        return false;
    }
    return true;
}

}  // namespace kv
