#include "dxf/linetype_names.h"

#include <algorithm>

namespace kv {

std::string LinetypeWithoutDots(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '.', '_');
    return out;
}

std::string TakeLinetypeName(DxfBuffer& buffer, size_t pair) {
    const std::string_view raw = buffer.Value(pair);
    if (raw.find('.') == std::string_view::npos) return std::string(buffer.TrimmedValue(pair));
    buffer.SetValue(pair, LinetypeWithoutDots(raw));
    return std::string(buffer.TrimmedValue(pair));
}

}  // namespace kv
