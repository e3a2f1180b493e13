#include "selection.h"

#include <algorithm>

#include "ask.h"
#include "base/strings.h"
#include "entity_shape.h"
#include "host_texts.h"

namespace kv::sim {

bool Visible(const Drawing& drawing, const Entity& entity) {
    const Layer* layer = drawing.FindLayer(entity.layer);
    return !layer || (!layer->off && !layer->frozen);
}

std::optional<Handle> ObjectAt(const Drawing& drawing, Point3 p, double radius) {
    Rect box{p.x - radius, p.y - radius, p.x + radius, p.y + radius};
    std::optional<Handle> best;
    double bestDistance = 0;
    for (const Entity& e : drawing.Entities()) {
        if (!Visible(drawing, e)) continue;
        Shape shape = EntityShape(drawing, e);
        if (!ShapeTouchesRect(shape, box)) continue;
        double d = ShapeDistance(shape, p);
        if (!best || d <= bestDistance) {
            best = e.handle;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<Handle> LastVisible(const Drawing& drawing) {
    const auto& entities = drawing.Entities();
    for (auto it = entities.rbegin(); it != entities.rend(); ++it) {
        if (Visible(drawing, *it)) return it->handle;
    }
    return std::nullopt;
}

namespace {

template <typename Test>
std::vector<Handle> Matching(const Drawing& drawing, Test test) {
    std::vector<Handle> found;
    for (const Entity& e : drawing.Entities()) {
        if (Visible(drawing, e) && test(EntityShape(drawing, e))) found.push_back(e.handle);
    }
    return found;
}

}  // namespace

std::vector<Handle> InWindow(const Drawing& drawing, const Rect& window) {
    return Matching(drawing, [&](const Shape& s) { return ShapeInsideRect(s, window); });
}

std::vector<Handle> Crossing(const Drawing& drawing, const Rect& window) {
    return Matching(drawing, [&](const Shape& s) { return ShapeTouchesRect(s, window); });
}

std::vector<Handle> AlongFence(const Drawing& drawing, const std::vector<Point3>& fence) {
    return Matching(drawing, [&](const Shape& s) {
        for (std::size_t i = 1; i < fence.size(); ++i) {
            if (ShapeMeetsSegment(s, Segment{fence[i - 1], fence[i]})) return true;
        }
        return false;
    });
}

namespace {

enum SelectKeyword { kSingle, kWindow, kCrossing, kFence, kPrevious, kLast, kAll };

const std::vector<Keyword> kSelectKeywords = {
    {"SINGLE", "SI"},  {"WINDOW", "W"}, {"CROSSING", "C"}, {"FENCE", "F"},
    {"PREVIOUS", "P"}, {"LAST", "L"},   {"ALL", "ALL"},
};

// Adds what one action found and reports it on the line that ended the action.
int AddFound(Session& s, std::vector<Handle>& set, const std::vector<Handle>& found) {
    bool first = set.empty();
    int duplicates = 0;
    for (Handle h : found) {
        if (std::find(set.begin(), set.end(), h) != set.end()) ++duplicates;
        else set.push_back(h);
    }
    std::string report = std::string(text::kFoundPrefix) + std::to_string(found.size());
    if (duplicates > 0) report += " (" + std::to_string(duplicates) + " 個重複)";
    if (!first) report += std::string(text::kTotalPrefix) + std::to_string(set.size());
    s.AppendToLastLine(report);
    return static_cast<int>(found.size()) - duplicates;
}

Task<std::optional<Point3>> Corner(Session& s, std::string_view prompt) {
    for (;;) {
        Answer a = co_await s.Ask(prompt);
        if (a.Empty()) co_return std::nullopt;
        if (std::optional<Point3> p = ResolvePoint(s, a, std::nullopt, SnapKind::None)) co_return p;
        s.Print(std::string(text::kPointRequired));
    }
}

Task<std::vector<Point3>> FencePoints(Session& s) {
    std::vector<Point3> fence;
    for (;;) {
        std::string_view prompt = fence.empty() ? text::kFenceFirst : text::kFenceNext;
        Answer a = co_await s.Ask(prompt);
        if (a.Empty()) co_return fence;
        if (!a.pick && !fence.empty() && MatchesKeyword(Trim(a.text), Keyword{"UNDO", "U"})) {
            fence.pop_back();
            continue;
        }
        if (std::optional<Point3> p = ResolvePoint(s, a, std::nullopt, SnapKind::None)) fence.push_back(*p);
        else s.Print(std::string(text::kPointRequired));
    }
}

std::vector<Handle> ExistingOf(const Drawing& drawing, const std::vector<Handle>& handles) {
    std::vector<Handle> existing;
    for (Handle h : handles) {
        if (drawing.Find(h)) existing.push_back(h);
    }
    return existing;
}

std::vector<Handle> AllSelectable(const Drawing& drawing) {
    std::vector<Handle> all;
    for (const Entity& e : drawing.Entities()) {
        const Layer* layer = drawing.FindLayer(e.layer);
        if (!layer || !layer->frozen) all.push_back(e.handle);
    }
    return all;
}

}  // namespace

Task<SelectionResult> SelectObjects(Session& s) {
    SelectionResult result;
    std::vector<Handle>& set = result.handles;
    bool single = false;
    bool nearest = false;
    for (;;) {
        Answer a = co_await s.Ask(nearest ? text::kNearest : s.SelectObjectsPrompt(), AnswerEnd::Word, !nearest);
        std::optional<std::vector<Handle>> found;
        if (a.window) {
            auto [first, second] = *a.window;
            s.SetLastPoint(second);
            Rect r = RectFromCorners(first, second);
            // Dragged to the left it is a crossing window, to the right a window.
            bool crossing = second.x < first.x;
            if (crossing) result.lastCrossing = r;
            found = crossing ? Crossing(s.drawing(), r) : InWindow(s.drawing(), r);
        } else if (!a.pick && !nearest && Trim(a.text).empty()) {
            break;
        } else if (!a.pick && !nearest && MatchesKeyword(Trim(a.text), Keyword{"NEAREST", "NEA"})) {
            nearest = true;
            continue;
        } else if (auto k = a.pick || nearest ? std::nullopt : MatchKeyword(Trim(a.text), kSelectKeywords)) {
            switch (*k) {
            case kSingle: single = true; continue;
            case kWindow:
            case kCrossing: {
                std::optional<Point3> c1 = co_await Corner(s, text::kFirstCorner);
                if (!c1) continue;
                std::optional<Point3> c2 = co_await Corner(s, text::kOtherCorner);
                if (!c2) continue;
                Rect r = RectFromCorners(*c1, *c2);
                if (*k == kCrossing) result.lastCrossing = r;
                found = *k == kCrossing ? Crossing(s.drawing(), r) : InWindow(s.drawing(), r);
                break;
            }
            case kFence: {
                std::vector<Point3> fence = co_await FencePoints(s);
                found = AlongFence(s.drawing(), fence);
                break;
            }
            case kPrevious: found = ExistingOf(s.drawing(), s.previousSet); break;
            case kLast: {
                std::optional<Handle> last = LastVisible(s.drawing());
                found = last ? std::vector<Handle>{*last} : std::vector<Handle>{};
                break;
            }
            case kAll: found = AllSelectable(s.drawing()); break;
            }
        } else {
            SnapKind snap = nearest ? SnapKind::Nearest : SnapKind::None;
            nearest = false;
            std::optional<Point3> p = ResolvePoint(s, a, std::nullopt, snap);
            if (!p) {
                s.Print(std::string(text::kInvalidSelection));
                s.Print(std::string(text::kSelectionHelp));
                continue;
            }
            std::optional<Handle> h = ObjectAt(s.drawing(), *p, s.PickRadius());
            found = h ? std::vector<Handle>{*h} : std::vector<Handle>{};
        }
        int added = AddFound(s, set, *found);
        if (single && added > 0) break;
    }
    if (!set.empty()) s.previousSet = set;
    co_return result;
}

}  // namespace kv::sim
