#include "dxf/read_tables.h"

#include <string>
#include <string_view>

#include "base/number_text.h"

namespace kv {

namespace {

std::string* HeaderSlot(HeaderVars& vars, std::string_view name) {
    if (name == "$CLAYER") return &vars.CLayer;
    if (name == "$CELTSCALE") return &vars.CeLtScale;
    if (name == "$CELTYPE") return &vars.CeLtype;
    if (name == "$CECOLOR") return &vars.CeColor;
    if (name == "$DIMSCALE") return &vars.DimScale;
    return nullptr;
}

constexpr const char* kDefaultDimScale = "1.0";

}  // namespace

void ReadHeaderVars(const DxfBuffer& buffer, HeaderVars& vars) {
    vars = HeaderVars{};
    bool dimScaleStored = false;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.ShortCode(i);
        if (code == 0 && buffer.TrimmedValue(i) == "ENDSEC") break;
        if (code != 9 || i + 1 >= n) continue;
        std::string* slot = HeaderSlot(vars, buffer.TrimmedValue(i));
        if (!slot) continue;
        *slot = buffer.Value(i + 1);
        dimScaleStored = dimScaleStored || slot == &vars.DimScale;
    }
    double dimScale = 0;
    if (dimScaleStored && !(TryParseReal(vars.DimScale, dimScale) && dimScale > 0)) vars.DimScale = kDefaultDimScale;
}

int ReadLayerTable(const DxfBuffer& buffer, LayerList& layers, bool detailed) {
    layers.clear();
    bool inTable = false;
    bool inLayer = false;
    std::string item;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.ShortCode(i);
        // The "2"/"LAYER" pair that opens the table names the table, not a layer.
        if (!inLayer) {
            if (code == 0 && buffer.TrimmedValue(i) == "TABLE") inTable = true;
            if (inTable && code == 2 && buffer.TrimmedValue(i) == "LAYER") inLayer = true;
            continue;
        }
        if (code == 0 && buffer.TrimmedValue(i) == "ENDTAB") break;
        if (code == 2) {
            item = detailed ? std::string(buffer.Value(i)) : std::string(buffer.TrimmedValue(i));
            if (!detailed) layers.push_back(item);
        } else if (code == 70) {
            item += ',';
            item += buffer.TrimmedValue(i);
        } else if (code == 62 && detailed) {
            item += ',';
            item += buffer.TrimmedValue(i);
            layers.push_back(item);
        }
    }
    return static_cast<int>(layers.size());
}

}  // namespace kv
