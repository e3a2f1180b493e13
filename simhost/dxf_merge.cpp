#include "dxf_merge.h"

#include "base/strings.h"
#include "block_cycles.h"
#include "entity_shape.h"
#include "geometry.h"

namespace kv::sim {

namespace {

template <typename Record>
const Record* FindIn(const std::vector<Record>& table, std::string_view name) {
    for (const Record& r : table) {
        if (EqualsIgnoreCaseAscii(r.name, name)) return &r;
    }
    return nullptr;
}

void AddNamesOf(Drawing& drawing, const Entity& e) {
    drawing.EnsureLayer(e.layer);
    bool byName = EqualsIgnoreCaseAscii(e.linetype, "BYLAYER") || EqualsIgnoreCaseAscii(e.linetype, "BYBLOCK");
    if (!byName && !e.linetype.empty() && !drawing.FindLinetype(e.linetype)) {
        Linetype lt;
        lt.name = e.linetype;
        drawing.linetypes.push_back(lt);
    }
    if (auto* text = std::get_if<TextGeom>(&e.geom)) {
        if (!text->style.empty() && !drawing.FindStyle(text->style)) {
            TextStyle style;
            style.name = text->style;
            drawing.styles.push_back(style);
        }
    }
}

std::vector<Entity> WithFreshHandles(Drawing& drawing, std::vector<Entity> entities) {
    for (Entity& e : entities) e.handle = drawing.NewHandle();
    return entities;
}

// The entities a block name stands for once the import is merged: the drawing's own
// definition wins over the file's, and `asBlock`, when given, is what the file defines.
const std::vector<Entity>* DefinitionAfterMerge(const Drawing& drawing, const DxfImportResult& import,
                                                const std::string* asBlock, std::string_view block) {
    if (asBlock && EqualsIgnoreCaseAscii(block, *asBlock)) return &import.entities;
    if (const BlockDef* def = drawing.FindBlock(block)) return &def->entities;
    if (const BlockDef* def = FindIn(import.blocks, block)) return &def->entities;
    return nullptr;
}

// A file that reads cleanly can still close a cycle through the drawing's definitions,
// which may insert blocks they lack. The host refuses such a file before anything changes.
std::string SelfInsertingAfterMerge(const Drawing& drawing, const DxfImportResult& import, const std::string* asBlock) {
    std::vector<std::string> roots;
    if (asBlock) roots.push_back(*asBlock);
    for (const BlockDef& def : import.blocks) roots.push_back(def.name);
    const std::string cyclic = SelfInsertingBlock(
        roots, [&](std::string_view name) { return DefinitionAfterMerge(drawing, import, asBlock, name); });
    return cyclic.empty() ? std::string() : "ブロック " + cyclic + " は自分自身を参照しています。";
}

void MergeImportTables(Drawing& drawing, const DxfImportResult& import) {
    for (const Linetype& lt : import.linetypes) {
        if (!drawing.FindLinetype(lt.name)) drawing.linetypes.push_back(lt);
    }
    for (const Layer& layer : import.layers) {
        if (!drawing.FindLayer(layer.name)) drawing.layers.push_back(layer);
    }
    for (const TextStyle& style : import.styles) {
        if (!drawing.FindStyle(style.name)) drawing.styles.push_back(style);
    }
    for (const Entity& e : import.entities) AddNamesOf(drawing, e);
    for (const BlockDef& def : import.blocks) {
        for (const Entity& e : def.entities) AddNamesOf(drawing, e);
        if (drawing.FindBlock(def.name)) continue;
        drawing.blocks.push_back(BlockDef{def.name, def.base, WithFreshHandles(drawing, def.entities), def.attributes});
    }
}

}  // namespace

std::string BlockNameFromPath(std::string_view path) {
    size_t slash = path.find_last_of("/\\");
    std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
    size_t dot = base.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) base = base.substr(0, dot);
    return std::string(base);
}

std::string BlockCycleError(const Drawing& drawing, const DxfImportResult& import) {
    return SelfInsertingAfterMerge(drawing, import, nullptr);
}

std::vector<Handle> InsertImportExploded(Drawing& drawing, const DxfImportResult& import, Point3 point, double scale,
                                         double rotation) {
    if (!BlockCycleError(drawing, import).empty()) return {};
    MergeImportTables(drawing, import);
    // At its own base point, unscaled and unrotated, a file comes in exactly as stored
    // (the palette's round trips rely on that); a computed placement would add noise.
    bool asStored = point == import.insBase && scale == 1.0 && rotation == 0.0;
    Affine placement = BlockPlacement(import.insBase, point, scale, scale, rotation);
    std::vector<Handle> added;
    for (const Entity& e : import.entities) {
        added.push_back(drawing.Add(asStored ? e : TransformEntity(e, placement)));
    }
    return added;
}

std::string DefineBlockFromImport(Drawing& drawing, const DxfImportResult& import, const std::string& name) {
    if (std::string error = SelfInsertingAfterMerge(drawing, import, &name); !error.empty()) return error;
    MergeImportTables(drawing, import);
    BlockDef def{name, import.insBase, WithFreshHandles(drawing, import.entities), import.attributes};
    if (BlockDef* existing = drawing.FindBlock(name)) *existing = std::move(def);
    else drawing.blocks.push_back(std::move(def));
    return {};
}

}  // namespace kv::sim
