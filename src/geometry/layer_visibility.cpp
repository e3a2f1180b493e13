#include "geometry/layer_visibility.h"

#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

bool LayerIsOn(std::string_view name, const LayerList& layers) {
    for (const std::string& item : layers) {
        const std::vector<std::string> parts = Split(item, ',');
        if (parts.size() != 3 || parts[0] != name) continue;
        int color = 0;
        if (!TryParseInt(parts[2], color)) color = 0;
        if (color < 0) return false;
    }
    return true;
}

}  // namespace kv
