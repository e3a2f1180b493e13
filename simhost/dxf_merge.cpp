#include "dxf_merge.h"

#include <set>

#include "base/strings.h"
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
// definition wins over the file's, and `name` itself is what the file defines.
const std::vector<Entity>* DefinitionAfterMerge(const Drawing& drawing, const DxfImportResult& import,
                                                const std::string& name, std::string_view block) {
    if (EqualsIgnoreCaseAscii(block, name)) return &import.entities;
    if (const BlockDef* def = drawing.FindBlock(block)) return &def->entities;
    if (const BlockDef* def = FindIn(import.blocks, block)) return &def->entities;
    return nullptr;
}

bool RefersTo(const Drawing& drawing, const DxfImportResult& import, const std::string& name,
              const std::vector<Entity>& entities, std::set<std::string>& visited) {
    for (const Entity& e : entities) {
        auto* insert = std::get_if<InsertGeom>(&e.geom);
        if (!insert) continue;
        if (EqualsIgnoreCaseAscii(insert->name, name)) return true;
        if (!visited.insert(UpperAscii(insert->name)).second) continue;
        const std::vector<Entity>* inner = DefinitionAfterMerge(drawing, import, name, insert->name);
        if (inner && RefersTo(drawing, import, name, *inner, visited)) return true;
    }
    return false;
}

}  // namespace

std::string BlockNameFromPath(std::string_view path) {
    size_t slash = path.find_last_of("/\\");
    std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
    size_t dot = base.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) base = base.substr(0, dot);
    return std::string(base);
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
        drawing.blocks.push_back(BlockDef{def.name, def.base, WithFreshHandles(drawing, def.entities)});
    }
}

std::vector<Handle> InsertImportExploded(Drawing& drawing, const DxfImportResult& import, Point3 point,
                                         double scale, double rotation) {
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
    std::set<std::string> visited;
    if (RefersTo(drawing, import, name, import.entities, visited)) {
        return "ブロック " + name + " は自分自身を参照しています。";
    }
    MergeImportTables(drawing, import);
    BlockDef def{name, import.insBase, WithFreshHandles(drawing, import.entities)};
    if (BlockDef* existing = drawing.FindBlock(name)) *existing = std::move(def);
    else drawing.blocks.push_back(std::move(def));
    return {};
}

}  // namespace kv::sim
