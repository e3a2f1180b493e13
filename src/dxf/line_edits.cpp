#include "dxf/line_edits.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

uint64_t HashOf(std::string_view handle) { return std::hash<std::string_view>{}(handle); }

// The marked handles in one open-addressed table, sized to them: most LINEs of a large export
// carry no mark, and a bit per hash slot (eight per handle) turns most of those away before
// the table is probed. The handles are held side by side, so that comparing them stays in a
// few cache lines.
class EditPlan {
public:
    explicit EditPlan(size_t most)
        : slots_(std::bit_ceil(std::max<size_t>(16, 2 * most))),
          filter_(std::bit_ceil(std::max<size_t>(64, 8 * most)) / 64) {}

    bool Empty() const { return entries_.empty(); }

    HandleEdit& Add(std::string_view handle) {
        const uint64_t hash = HashOf(handle);
        const size_t i = Probe(hash, handle);
        if (slots_[i] != 0) return entries_[Entry(slots_[i])].edit;
        entries_.push_back({static_cast<uint32_t>(keys_.size()), static_cast<uint32_t>(handle.size()), {}});
        keys_ += handle;
        slots_[i] = (hash >> 32 << 32) | entries_.size();
        filter_[FilterSlot(hash) / 64] |= FilterBit(hash);
        return entries_.back().edit;
    }

    // Records mostly come in file order, so the entry after the last one found is tried first: a
    // walk through a large plan then reads it in order instead of one cache miss per LINE.
    const HandleEdit* Find(std::string_view handle) {
        if (next_ < entries_.size() && Key(entries_[next_]) == handle) return &entries_[next_++].edit;
        const uint64_t hash = HashOf(handle);
        if (!(filter_[FilterSlot(hash) / 64] & FilterBit(hash))) return nullptr;
        const uint64_t slot = slots_[Probe(hash, handle)];
        if (slot == 0) return nullptr;
        next_ = Entry(slot) + 1;
        return &entries_[Entry(slot)].edit;
    }

private:
    struct Keyed {
        uint32_t keyStart;  // in keys_
        uint32_t keyLength;
        HandleEdit edit;
    };
    static size_t Entry(uint64_t slot) { return (slot & 0xFFFFFFFF) - 1; }
    std::string_view Key(const Keyed& entry) const {
        return std::string_view(keys_).substr(entry.keyStart, entry.keyLength);
    }

    // The slot holding handle, or the empty slot where it would go.
    size_t Probe(uint64_t hash, std::string_view handle) const {
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint64_t slot = slots_[i];
            if (slot == 0 || ((slot ^ hash) >> 32 == 0 && Key(entries_[Entry(slot)]) == handle)) return i;
        }
    }
    size_t FilterSlot(uint64_t hash) const { return (hash >> 32 ^ hash) & (filter_.size() * 64 - 1); }
    static uint64_t FilterBit(uint64_t hash) { return uint64_t{1} << ((hash >> 32 ^ hash) % 64); }

    // The upper half of the handle's hash, then its entry index + 1; 0 is free. Probes compare
    // the hash halves and read an entry only when they agree.
    std::vector<uint64_t> slots_;
    std::vector<Keyed> entries_;
    std::string keys_;  // every handle, one after the other
    std::vector<uint64_t> filter_;
    size_t next_ = 0;  // the entry tried first by Find
};

bool IsMark(char c) { return c == static_cast<char>(LineEdit::kMoved) || c == static_cast<char>(LineEdit::kRemoved); }

EditPlan PlanEdits(const std::vector<TLineEnt>& lines) {
    EditPlan plan(lines.size());
    for (const TLineEnt& line : lines) {
        const std::string& handle = line.Handle;
        if (handle.empty() || !IsMark(handle[0])) continue;
        const size_t keyStart = handle.find_first_not_of("+-");
        if (keyStart == std::string::npos) continue;
        HandleEdit& edit = plan.Add(std::string_view(handle).substr(keyStart));
        if (handle[0] == static_cast<char>(LineEdit::kRemoved)) {
            edit.removed = true;
            continue;
        }
        edit.moved = true;
        edit.p1 = line.P1;
        edit.p2 = line.P2;
    }
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

// One walk over the entities gives what one scan per record would: handles are unique in an
// export, so each record's scan touches only its own LINE.
void ApplyPlan(EditPlan& plan, DxfBuffer& buffer) {
    if (plan.Empty()) return;
    std::vector<LineRange> erase;
    ForEachEntity(buffer, [&](const EntitySpan& e) {
        if (e.type != "LINE") return;
        const HandleEdit* match = nullptr;
        for (size_t i = e.first + 1; i < e.end; ++i) {
            const int code = buffer.ShortCode(i);
            if (code == 5) {
                if (const HandleEdit* found = plan.Find(buffer.TrimmedValue(i))) match = found;
            } else if (match && match->moved && !match->removed) {
                SetCoordinate(buffer, i, code, *match);
            }
        }
        if (match && match->removed) erase.push_back({2 * e.first, 2 * (e.end - e.first)});
    });
    buffer.EraseLineRanges(erase);
}

}  // namespace

void EditMark(TLineEnt& line, LineEdit edit) {
    const char mark = static_cast<char>(edit);
    if (edit == LineEdit::kMoved && StartsWith(line.Handle, "+")) return;
    line.Handle.insert(line.Handle.begin(), mark);
}

void ApplyLineEdits(const std::vector<TLineEnt>& lines, DxfBuffer& buffer) {
    EditPlan plan = PlanEdits(lines);
    ApplyPlan(plan, buffer);
}

void RemoveLinesByHandle(const std::vector<std::string_view>& handles, DxfBuffer& buffer) {
    EditPlan plan(handles.size());
    for (std::string_view handle : handles) plan.Add(handle).removed = true;
    ApplyPlan(plan, buffer);
}

}  // namespace kv
