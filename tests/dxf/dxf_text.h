// Test helper: DXF text from its lines, the way an export lays them out.
#pragma once

#include <initializer_list>
#include <string>

#include "dxf/dxf_buffer.h"

namespace kv {

inline std::string DxfText(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

inline DxfBuffer DxfOf(std::initializer_list<const char*> lines) {
    DxfBuffer buffer;
    buffer.Load(DxfText(lines));
    return buffer;
}

}  // namespace kv
