#include "dxf/line_edits.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/entity_walk.h"

namespace kv {

namespace {

// The combined effect of every mark on one handle. Marks apply in array order, so the last
// "+" decides the end points and any "-" deletes the LINE (before or after its move).
struct HandleEdit {
    bool removed = false;
    bool moved = false;
    Point3 p1;
    Point3 p2;
};

struct HandleHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Most LINEs of a large export carry no mark: a bit per hash slot turns most handles away
// before the map lookup. Sixteen slots per handle keep one lookup in fifteen or so going on to
// the map, however many edits there are.
class HandleFilter {
public:
    explicit HandleFilter(size_t handles) : slots_(std::bit_ceil(std::max<size_t>(64, 16 * handles))) {
        bits_.resize(slots_ / 64);
    }
    void Add(size_t hash) { bits_[Slot(hash) / 64] |= Bit(hash); }
    bool MayHold(size_t hash) const { return bits_[Slot(hash) / 64] & Bit(hash); }

private:
    size_t Slot(size_t hash) const { return hash & (slots_ - 1); }
    uint64_t Bit(size_t hash) const { return uint64_t{1} << (Slot(hash) % 64); }
    size_t slots_;
    std::vector<uint64_t> bits_;
};

struct EditPlan {
    std::unordered_map<std::string, HandleEdit, HandleHash, std::equal_to<>> byHandle;
    HandleFilter filter{0};
};

bool IsMark(char c) { return c == static_cast<char>(LineEdit::kMoved) || c == static_cast<char>(LineEdit::kRemoved); }

EditPlan PlanEdits(const std::vector<TLineEnt>& lines) {
    EditPlan plan;
    for (const TLineEnt& line : lines) {
        const std::string& handle = line.Handle;
        if (handle.empty() || !IsMark(handle[0])) continue;
        const size_t keyStart = handle.find_first_not_of("+-");
        if (keyStart == std::string::npos) continue;
        HandleEdit& edit = plan.byHandle[handle.substr(keyStart)];
        if (handle[0] == static_cast<char>(LineEdit::kRemoved)) {
            edit.removed = true;
            continue;
        }
        edit.moved = true;
        edit.p1 = line.P1;
        edit.p2 = line.P2;
    }
    plan.filter = HandleFilter(plan.byHandle.size());
    for (const auto& [handle, edit] : plan.byHandle) plan.filter.Add(HandleHash{}(handle));
    return plan;
}

void SetCoordinate(DxfBuffer& buffer, size_t pair, int code, const HandleEdit& edit) {
    switch (code) {
    case 10: buffer.SetValue(pair, FormatReal(edit.p1.x)); break;
    case 20: buffer.SetValue(pair, FormatReal(edit.p1.y)); break;
    case 11: buffer.SetValue(pair, FormatReal(edit.p2.x)); break;
    case 21: buffer.SetValue(pair, FormatReal(edit.p2.y)); break;
    default: break;
    }
}

}  // namespace

void EditMark(TLineEnt& line, LineEdit edit) {
    const char mark = static_cast<char>(edit);
    if (edit == LineEdit::kMoved && StartsWith(line.Handle, "+")) return;
    line.Handle.insert(line.Handle.begin(), mark);
}

// One walk over the entities gives what one scan per record would: handles are unique in an
// export, so each record's scan touches only its own LINE.
void ApplyLineEdits(const std::vector<TLineEnt>& lines, DxfBuffer& buffer) {
    const EditPlan plan = PlanEdits(lines);
    if (plan.byHandle.empty()) return;

    std::vector<LineRange> erase;
    ForEachEntity(buffer, [&](const EntitySpan& e) {
        if (e.type != "LINE") return;
        const HandleEdit* match = nullptr;
        for (size_t i = e.first + 1; i < e.end; ++i) {
            const int code = buffer.ShortCode(i);
            if (code == 5) {
                const std::string_view handle = buffer.TrimmedValue(i);
                const size_t hash = HandleHash{}(handle);
                if (!plan.filter.MayHold(hash)) continue;
                auto found = plan.byHandle.find(handle);
                if (found != plan.byHandle.end()) match = &found->second;
            } else if (match && match->moved && !match->removed) {
                SetCoordinate(buffer, i, code, *match);
            }
        }
        if (match && match->removed) erase.push_back({2 * e.first, 2 * (e.end - e.first)});
    });
    buffer.EraseLineRanges(erase);
}

}  // namespace kv
