#include "block_cycles.h"

#include <map>

#include "base/strings.h"

namespace kv::sim {

std::string SelfInsertingBlock(const std::vector<std::string>& roots, const BlockLookup& definition) {
    enum class Walk { kOnPath, kDone };
    std::map<std::string, Walk> walked;  // by upper-case name
    struct Step {
        std::string key;
        const std::vector<Entity>* entities;
        std::size_t next = 0;
    };
    static const std::vector<Entity> kUndefined;
    // A loop rather than recursion: a long chain of nested blocks must not exhaust the stack.
    std::vector<Step> path;
    auto closesCycle = [&](std::string_view name) {
        std::string key = UpperAscii(name);
        const auto [at, fresh] = walked.try_emplace(key, Walk::kOnPath);
        if (!fresh) return at->second == Walk::kOnPath;
        const std::vector<Entity>* entities = definition(name);
        path.push_back(Step{std::move(key), entities ? entities : &kUndefined});
        return false;
    };
    for (const std::string& root : roots) {
        closesCycle(root);
        while (!path.empty()) {
            Step& top = path.back();
            if (top.next == top.entities->size()) {
                walked[top.key] = Walk::kDone;
                path.pop_back();
                continue;
            }
            const auto* insert = std::get_if<InsertGeom>(&(*top.entities)[top.next++].geom);
            if (insert && closesCycle(insert->name)) return insert->name;
        }
    }
    return {};
}

}  // namespace kv::sim
