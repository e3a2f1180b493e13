#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/strings.h"

namespace kv::sim {

std::string HandleText(Handle handle) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(handle));
    return buffer;
}

std::optional<Handle> ParseHandle(std::string_view text) {
    if (text.empty() || text.size() > 16) return std::nullopt;
    Handle value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        value = value * 16 + static_cast<Handle>(digit);
    }
    return value;
}

const char* EntityKindName(EntityKind kind) {
    switch (kind) {
    case EntityKind::Line: return "LINE";
    case EntityKind::Arc: return "ARC";
    case EntityKind::Circle: return "CIRCLE";
    case EntityKind::LwPolyline: return "LWPOLYLINE";
    case EntityKind::Polyline: return "POLYLINE";
    case EntityKind::Insert: return "INSERT";
    case EntityKind::Text: return "TEXT";
    case EntityKind::Solid: return "SOLID";
    }
    return "";
}

double Linetype::PatternLength() const {
    double total = 0;
    for (double dash : pattern) total += std::fabs(dash);
    return total;
}

Drawing::Drawing() {
    layers.push_back(Layer{"0", 7, false, false, "CONTINUOUS"});
    linetypes.push_back(Linetype{"BYBLOCK", "", {}});
    linetypes.push_back(Linetype{"BYLAYER", "", {}});
    linetypes.push_back(Linetype{"CONTINUOUS", "Solid line", {}});
    TextStyle standard;
    standard.name = "STANDARD";
    styles.push_back(standard);
}

Handle Drawing::Add(Entity entity) {
    entity.handle = NewHandle();
    entities_.push_back(std::move(entity));
    return entities_.back().handle;
}

void Drawing::AddCopy(Entity entity) {
    KeepSeedAtLeast(entity.handle + 1);
    entities_.push_back(std::move(entity));
}

void Drawing::KeepSeedAtLeast(Handle seed) { nextHandle_ = std::max(nextHandle_, seed); }

const Entity* Drawing::Find(Handle handle) const {
    for (const Entity& e : entities_) {
        if (e.handle == handle) return &e;
    }
    return nullptr;
}

Entity* Drawing::Find(Handle handle) { return const_cast<Entity*>(static_cast<const Drawing*>(this)->Find(handle)); }

int Drawing::Erase(const std::vector<Handle>& handles) {
    std::vector<ErasedEntity> erased;
    std::vector<Entity> kept;
    for (std::size_t i = 0; i < entities_.size(); ++i) {
        bool gone = std::find(handles.begin(), handles.end(), entities_[i].handle) != handles.end();
        if (gone) erased.push_back({i, std::move(entities_[i])});
        else kept.push_back(std::move(entities_[i]));
    }
    entities_ = std::move(kept);
    int count = static_cast<int>(erased.size());
    if (count > 0) lastErased_ = std::move(erased);
    return count;
}

void Drawing::Remove(const std::vector<Handle>& handles) {
    std::erase_if(entities_, [&](const Entity& e) {
        return std::find(handles.begin(), handles.end(), e.handle) != handles.end();
    });
}

int Drawing::Oops() {
    // Indices were taken in ascending order, so inserting in that order puts each
    // entity back where it stood.
    int count = 0;
    for (ErasedEntity& e : lastErased_) {
        std::size_t at = std::min(e.index, entities_.size());
        entities_.insert(entities_.begin() + static_cast<std::ptrdiff_t>(at), std::move(e.entity));
        ++count;
    }
    lastErased_.clear();
    return count;
}

namespace {

template <typename Record>
Record* FindByName(std::vector<Record>& table, std::string_view name) {
    for (Record& r : table) {
        if (EqualsIgnoreCaseAscii(r.name, name)) return &r;
    }
    return nullptr;
}

}  // namespace

Layer* Drawing::FindLayer(std::string_view name) { return FindByName(layers, name); }
const Layer* Drawing::FindLayer(std::string_view name) const { return const_cast<Drawing*>(this)->FindLayer(name); }
Linetype* Drawing::FindLinetype(std::string_view name) { return FindByName(linetypes, name); }
const Linetype* Drawing::FindLinetype(std::string_view name) const {
    return const_cast<Drawing*>(this)->FindLinetype(name);
}
TextStyle* Drawing::FindStyle(std::string_view name) { return FindByName(styles, name); }
const TextStyle* Drawing::FindStyle(std::string_view name) const { return const_cast<Drawing*>(this)->FindStyle(name); }
BlockDef* Drawing::FindBlock(std::string_view name) { return FindByName(blocks, name); }
const BlockDef* Drawing::FindBlock(std::string_view name) const { return const_cast<Drawing*>(this)->FindBlock(name); }

Layer& Drawing::EnsureLayer(std::string_view name) {
    if (Layer* found = FindLayer(name)) return *found;
    layers.push_back(Layer{std::string(name), 7, false, false, "CONTINUOUS"});
    return layers.back();
}

}  // namespace kv::sim
