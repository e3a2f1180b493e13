#include <algorithm>

#include "ask.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "commands.h"
#include "host_texts.h"
#include "input_text.h"

namespace kv::sim {

namespace {

// "*" and "?" wildcards, letters in any case, several patterns separated by commas.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (std::size_t i = 0; i <= name.size(); ++i) {
            if (WildcardMatch(pattern.substr(1), name.substr(i))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    bool same = pattern.front() == '?' || UpperAscii(pattern.substr(0, 1)) == UpperAscii(name.substr(0, 1));
    return same && WildcardMatch(pattern.substr(1), name.substr(1));
}

bool MatchesAny(std::string_view patterns, std::string_view name) {
    for (const std::string& p : Split(patterns, ',')) {
        if (WildcardMatch(Trim(p), name)) return true;
    }
    return false;
}

std::string LayerName(std::string_view typed) { return Trim(Unquote(Trim(typed))); }

template <typename Apply>
void ForLayers(Session& s, std::string_view patterns, Apply apply) {
    bool any = false;
    for (Layer& layer : s.drawing().layers) {
        if (MatchesAny(patterns, layer.name)) {
            apply(layer);
            any = true;
        }
    }
    if (!any) s.Print(std::string(text::kLayerNotFound) + std::string(patterns));
}

}  // namespace

Task<void> LayerCommand(Session& s) {
    enum { kList, kMake, kSet, kNew, kOn, kOff, kColor, kLinetype, kFreeze, kThaw };
    const std::vector<Keyword> keywords = {{"?", "?"},      {"MAKE", "M"}, {"SET", "S"},   {"NEW", "N"},
                                           {"ON", "ON"},    {"OFF", "OF"}, {"COLOR", "C"}, {"LTYPE", "L"},
                                           {"FREEZE", "F"}, {"THAW", "T"}};
    Drawing& d = s.drawing();
    for (;;) {
        std::optional<std::size_t> option = co_await GetKeyword(s, text::kLayerOptions, keywords);
        if (!option) co_return;
        if (*option == kList) {
            for (const Layer& layer : d.layers) s.Print(layer.name + "  " + std::to_string(layer.color));
            continue;
        }
        if (*option == kMake || *option == kSet) {
            std::string prompt =
                *option == kMake ? std::string(text::kLayerMake) + d.vars.cLayer + std::string(text::kNewValueSuffix)
                                 : std::string(text::kLayerSet);
            std::string name = LayerName(co_await GetText(s, prompt));
            if (name.empty()) continue;
            if (*option == kSet && !d.FindLayer(name)) {
                s.Print(std::string(text::kLayerNotFound) + name);
                continue;
            }
            Layer& layer = d.EnsureLayer(name);
            if (layer.frozen) {
                s.Print(std::string(text::kLayerFrozenCurrent));
                continue;
            }
            d.vars.cLayer = layer.name;
            continue;
        }
        if (*option == kNew) {
            std::string names = co_await GetText(s, text::kLayerNew);
            for (const std::string& name : Split(names, ',')) {
                if (!LayerName(name).empty()) d.EnsureLayer(LayerName(name));
            }
            continue;
        }
        std::optional<int> color;
        std::string linetype;
        if (*option == kColor) {
            color = ParseColor(co_await GetText(s, text::kLayerColor));
            if (!color || *color < 1 || *color > 255) {
                s.Print(std::string(text::kColorRequired));
                continue;
            }
        }
        if (*option == kLinetype) {
            std::string typed = LayerName(co_await GetText(s, text::kLayerLinetype));
            const Linetype* lt = d.FindLinetype(typed.empty() ? "CONTINUOUS" : typed);
            if (!lt) {
                s.Print(std::string(text::kLinetypeNotLoaded) + typed);
                continue;
            }
            linetype = lt->name;
        }
        std::string patterns = co_await GetText(s, text::kLayerNames);
        if (Trim(patterns).empty()) continue;
        std::string current = d.vars.cLayer;
        ForLayers(s, patterns, [&](Layer& layer) {
            switch (*option) {
            case kOn: layer.off = false; break;
            case kOff: layer.off = true; break;
            case kColor: layer.color = *color; break;
            case kLinetype: layer.linetype = linetype; break;
            case kThaw: layer.frozen = false; break;
            case kFreeze:
                if (EqualsIgnoreCaseAscii(layer.name, current)) s.Print(std::string(text::kLayerFrozenCurrent));
                else layer.frozen = true;
                break;
            default: break;
            }
        });
    }
}

namespace {

enum PurgeKind { kBlocks, kLayers, kLinetypes, kStyles, kAllKinds };

void CollectUse(const std::vector<Entity>& entities, std::vector<std::string>& names, PurgeKind kind) {
    for (const Entity& e : entities) {
        if (kind == kLayers) names.push_back(UpperAscii(e.layer));
        if (kind == kLinetypes) names.push_back(UpperAscii(e.linetype));
        if (const auto* insert = std::get_if<InsertGeom>(&e.geom); insert && kind == kBlocks)
            names.push_back(UpperAscii(insert->name));
        if (const auto* t = std::get_if<TextGeom>(&e.geom); t && kind == kStyles) names.push_back(UpperAscii(t->style));
    }
}

// Names of the kind that something in the drawing still refers to, and those the
// host never purges.
std::vector<std::string> NamesInUse(const Drawing& d, PurgeKind kind) {
    std::vector<std::string> used;
    CollectUse(d.Entities(), used, kind);
    for (const BlockDef& b : d.blocks) CollectUse(b.entities, used, kind);
    if (kind == kLayers) {
        used.push_back("0");
        used.push_back(UpperAscii(d.vars.cLayer));
    }
    if (kind == kLinetypes) {
        for (const char* fixed : {"BYLAYER", "BYBLOCK", "CONTINUOUS"}) used.push_back(fixed);
        used.push_back(UpperAscii(d.vars.celtype));
        for (const Layer& layer : d.layers) used.push_back(UpperAscii(layer.linetype));
    }
    if (kind == kStyles) used.push_back("STANDARD");
    return used;
}

template <typename Record>
std::vector<std::string> Unused(const std::vector<Record>& table, const std::vector<std::string>& used,
                                std::string_view patterns) {
    std::vector<std::string> names;
    for (const Record& r : table) {
        bool inUse = std::find(used.begin(), used.end(), UpperAscii(r.name)) != used.end();
        if (!inUse && MatchesAny(patterns, r.name)) names.push_back(r.name);
    }
    return names;
}

template <typename Record>
void EraseNamed(std::vector<Record>& table, std::string_view name) {
    std::erase_if(table, [&](const Record& r) { return EqualsIgnoreCaseAscii(r.name, name); });
}

const char* KindLabel(PurgeKind kind) {
    switch (kind) {
    case kBlocks: return "ブロック";
    case kLayers: return "画層";
    case kLinetypes: return "線種";
    default: return "文字スタイル";
    }
}

}  // namespace

Task<void> PurgeCommand(Session& s) {
    const std::vector<Keyword> kinds = {
        {"BLOCKS", "B"}, {"LAYERS", "LA"}, {"LTYPES", "LT"}, {"STYLES", "ST"}, {"ALL", "A"}};
    const std::vector<Keyword> yesNo = {{"YES", "Y"}, {"NO", "N"}};
    std::optional<std::size_t> kind = co_await GetKeyword(s, text::kPurgeType, kinds);
    if (!kind) co_return;
    std::string patterns = Trim(co_await GetText(s, text::kPurgeNames));
    if (patterns.empty()) patterns = "*";
    std::optional<std::size_t> verify = co_await GetKeyword(s, text::kPurgeVerify, yesNo);
    bool ask = verify.value_or(0) == 0;
    Drawing& d = s.drawing();
    int purged = 0;
    for (PurgeKind k : {kBlocks, kLayers, kLinetypes, kStyles}) {
        if (*kind != kAllKinds && static_cast<std::size_t>(k) != *kind) continue;
        std::vector<std::string> used = NamesInUse(d, k);
        std::vector<std::string> names = k == kBlocks      ? Unused(d.blocks, used, patterns)
                                         : k == kLayers    ? Unused(d.layers, used, patterns)
                                         : k == kLinetypes ? Unused(d.linetypes, used, patterns)
                                                           : Unused(d.styles, used, patterns);
        for (const std::string& name : names) {
            std::string label = std::string(KindLabel(k)) + " \"" + name + "\"";
            if (ask) {
                const std::string question = std::string(text::kPurgeOne) + label + " <N>: ";
                std::optional<std::size_t> yes = co_await GetKeyword(s, question, yesNo);
                if (yes.value_or(1) != 0) continue;
            }
            s.Print(label + " を名前削除します。");
            if (k == kBlocks) EraseNamed(d.blocks, name);
            if (k == kLayers) EraseNamed(d.layers, name);
            if (k == kLinetypes) EraseNamed(d.linetypes, name);
            if (k == kStyles) EraseNamed(d.styles, name);
            ++purged;
        }
    }
    if (purged == 0) s.Print(std::string(text::kPurgeNothing));
}

Task<void> UndoCommand(Session& s) {
    enum { kAuto, kControl, kBegin, kEnd, kMark, kBack };
    const std::vector<Keyword> keywords = {{"AUTO", "A"}, {"CONTROL", "C"}, {"BEGIN", "BE"},
                                           {"END", "E"},  {"MARK", "M"},    {"BACK", "B"}};
    const std::vector<Keyword> yesNo = {{"YES", "Y"}, {"NO", "N"}};
    for (;;) {
        Answer a = co_await s.Ask(text::kUndo);
        std::string t = Trim(a.text);
        int count = 1;
        if (a.pick || (!t.empty() && !TryParseInt(t, count))) {
            std::optional<std::size_t> k = a.pick ? std::nullopt : MatchKeyword(t, keywords);
            if (!k || *k == kAuto || *k == kControl) {
                s.Print(std::string(text::kKeywordRequired));
                continue;
            }
            if (*k == kMark) s.UndoMark();
            if (*k == kBack && !s.UndoBack()) {
                std::optional<std::size_t> yes = co_await GetKeyword(s, text::kUndoAll, yesNo);
                if (yes.value_or(0) == 0) s.UndoAll();
            }
            co_return;
        }
        if (count < 1) {
            s.Print(std::string(text::kPositiveRequired));
            continue;
        }
        if (s.UndoSteps(count) < count) s.Print(std::string(text::kUndoMarkReached));
        co_return;
    }
}

}  // namespace kv::sim
