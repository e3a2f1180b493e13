// The one walk over the ENTITIES section that every reader and every in-place edit shares.
// A section opens at "2"/"ENTITIES" and closes at "0"/"ENDSEC"; inside it each group 0 pair
// begins an entity, which runs up to the next group 0 pair.
#pragma once

#include <cstddef>
#include <string_view>

#include "dxf/dxf_buffer.h"

namespace kv {

struct EntitySpan {
    std::string_view type;  // the trimmed value of the group 0 pair: "LINE", "INSERT", ...
    size_t first = 0;       // that pair
    size_t end = 0;         // the next group 0 pair, or the pair count
};

// Calls visit(span) for every entity of every ENTITIES section, in file order. Codes are read as
// ShortCode reads them, so the walk costs one byte test per pair outside the group 0 pairs.
template <typename Visit>
void ForEachEntity(const DxfBuffer& buffer, Visit visit) {
    const size_t pairs = buffer.PairCount();
    bool inSection = false;
    EntitySpan open;
    bool isOpen = false;
    for (size_t i = 0; i < pairs; ++i) {
        const int code = buffer.ShortCode(i);
        if (code == 2 && !inSection && buffer.TrimmedValue(i) == "ENTITIES") inSection = true;
        if (code != 0) continue;
        if (isOpen) {
            open.end = i;
            visit(open);
            isOpen = false;
        }
        if (!inSection) continue;
        const std::string_view type = buffer.TrimmedValue(i);
        if (type == "ENDSEC") {
            inSection = false;
            continue;
        }
        open = {type, i, i};
        isOpen = true;
    }
    if (!isOpen) return;
    open.end = pairs;
    visit(open);
}

}  // namespace kv
