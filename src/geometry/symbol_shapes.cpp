#include "geometry/symbol_shapes.h"

#include "geometry/block_extents.h"
#include "geometry/layer_visibility.h"

namespace kv {

namespace {

template <typename Shapes, typename Record>
void AddVisible(Shapes& byName, const std::unordered_set<std::string>& off, const std::vector<Record>& records,
                std::vector<Record> BlockShapes::*target) {
    for (const Record& record : records) {
        auto found = byName.find(record.BlockName);
        if (found == byName.end() || off.contains(record.Layer)) continue;
        (found->second.*target).push_back(record);
    }
}

}  // namespace

SymbolShapes::SymbolShapes(const BlockGeometry& geometry) {
    for (const TBlockBlk& block : geometry.blocks) {
        BlockShapes shapes;
        shapes.block = block;
        byName_.try_emplace(block.Name, std::move(shapes));
    }

    BlockGeometry polylines;
    polylines.polylines = geometry.polylines;
    polylines.vertices = geometry.vertices;
    ExplodePolylines(polylines);

    const std::unordered_set<std::string> off = SwitchedOffLayers(geometry.layers);
    AddVisible(byName_, off, geometry.lines, &BlockShapes::lines);
    AddVisible(byName_, off, geometry.circles, &BlockShapes::circles);
    AddVisible(byName_, off, geometry.arcs, &BlockShapes::arcs);
    AddVisible(byName_, off, polylines.lines, &BlockShapes::polylineLines);
    AddVisible(byName_, off, polylines.arcs, &BlockShapes::polylineArcs);
}

const BlockShapes* SymbolShapes::Find(std::string_view blockName) const {
    auto found = byName_.find(blockName);
    return found == byName_.end() ? nullptr : &found->second;
}

}  // namespace kv
