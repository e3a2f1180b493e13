#include "geometry/layer_visibility.h"

#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

std::unordered_set<std::string> SwitchedOffLayers(const LayerList& layers) {
    std::unordered_set<std::string> off;
    for (const std::string& item : layers) {
        const std::vector<std::string> parts = Split(item, ',');
        if (parts.size() != 3) continue;
        int color = 0;
        if (!TryParseInt(parts[2], color)) color = 0;
        if (color < 0) off.insert(parts[0]);
    }
    return off;
}

}  // namespace kv
