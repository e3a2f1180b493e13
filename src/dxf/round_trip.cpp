#include "dxf/round_trip.h"

#include <stdexcept>

namespace kv {

std::string ScratchDxfPath(std::string_view executablePath) {
    const size_t folderEnd = executablePath.find_last_of("\\/");
    const size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
    const size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
    return std::string(executablePath.substr(0, hasExtension ? dot : executablePath.size())) + ".dxf";
}

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
