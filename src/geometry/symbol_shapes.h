// Block-definition geometry grouped by block name, ready to be placed by the references that
// cut wires. Built once per loaded block geometry and then shared by every wire cut against it.
#pragma once

#include <string>
#include <string_view>
#include <functional>
#include <unordered_map>
#include <vector>

#include "dxf/records.h"

namespace kv {

// The cutting shapes of one block definition. Records on layers switched off are left out;
// polyline segments are held apart because they cut only when the PLINE option is on.
struct BlockShapes {
    TBlockBlk block;              // the first definition of the name: its base point places the shapes
    std::vector<TLineBlk> lines;  // lines and SOLID edges
    std::vector<TCircleBlk> circles;
    std::vector<TArcBlk> arcs;
    std::vector<TLineBlk> polylineLines;
    std::vector<TArcBlk> polylineArcs;
};

class SymbolShapes {
public:
    SymbolShapes() = default;
    explicit SymbolShapes(const BlockGeometry& geometry);

    // Nothing when no block definition carries this name (exact comparison).
    const BlockShapes* Find(std::string_view blockName) const;

private:
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    using ShapesByName = std::unordered_map<std::string, BlockShapes, NameHash, std::equal_to<>>;

    ShapesByName byName_;
};

}  // namespace kv
