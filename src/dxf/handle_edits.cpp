#include "dxf/handle_edits.h"

#include <vector>

#include "base/number_text.h"

namespace kv {

namespace {

struct EntitySpan {
    size_t start;   // the "0"/type pair
    size_t handle;  // the group 5 pair that matched
    size_t end;     // the next group 0 pair (or the pair count)
};

// Every entity of the type in ENTITIES whose group 5 equals handle; handles are unique in an
// export, so there is normally one.
std::vector<EntitySpan> FindEntities(const DxfBuffer& buffer, std::string_view type, std::string_view handle) {
    std::vector<EntitySpan> found;
    bool inEntities = false;
    bool inCandidate = false;
    size_t start = 0;
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t matched = kNone;
    auto close = [&](size_t end) {
        if (inCandidate && matched != kNone) found.push_back({start, matched, end});
        inCandidate = false;
        matched = kNone;
    };
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.GroupCode(i);
        if (code == 0) {
            close(i);
            const std::string_view value = buffer.TrimmedValue(i);
            if (value == "ENDSEC" && inEntities) return found;
            if (inEntities && value == type) {
                inCandidate = true;
                start = i;
            }
        } else if (code == 2 && buffer.TrimmedValue(i) == "ENTITIES") {
            inEntities = true;
        } else if (code == 5 && inCandidate && matched == kNone && buffer.TrimmedValue(i) == handle) {
            matched = i;
        }
    }
    close(buffer.PairCount());
    return found;
}

// Sets the groups of one point: xCode, xCode + 10 and xCode + 20.
void SetPointGroups(DxfBuffer& buffer, size_t pair, int code, int xCode, const Point3& p) {
    if (code == xCode) buffer.SetValue(pair, FormatReal(p.x));
    if (code == xCode + 10) buffer.SetValue(pair, FormatReal(p.y));
    if (code == xCode + 20) buffer.SetValue(pair, FormatReal(p.z));
}

}  // namespace

bool PatchLineByHandle(DxfBuffer& buffer, std::string_view handle, const Point3& p1, const Point3& p2) {
    const std::vector<EntitySpan> spans = FindEntities(buffer, "LINE", handle);
    for (const EntitySpan& span : spans) {
        for (size_t i = span.handle + 1; i < span.end; ++i) {
            const int code = buffer.GroupCode(i);
            SetPointGroups(buffer, i, code, 10, p1);
            SetPointGroups(buffer, i, code, 11, p2);
        }
    }
    return !spans.empty();
}

bool PatchArcByHandle(DxfBuffer& buffer, std::string_view handle, const Point3& center,
                      double startAngle, double endAngle) {
    const std::vector<EntitySpan> spans = FindEntities(buffer, "ARC", handle);
    for (const EntitySpan& span : spans) {
        for (size_t i = span.handle + 1; i < span.end; ++i) {
            const int code = buffer.GroupCode(i);
            SetPointGroups(buffer, i, code, 10, center);
            if (code == 50) buffer.SetValue(i, FormatReal(startAngle));
            if (code == 51) buffer.SetValue(i, FormatReal(endAngle));
        }
    }
    return !spans.empty();
}

bool DeleteEntityByHandle(DxfBuffer& buffer, std::string_view type, std::string_view handle) {
    const std::vector<EntitySpan> spans = FindEntities(buffer, type, handle);
    std::vector<LineRange> ranges;
    for (const EntitySpan& span : spans) ranges.push_back({2 * span.start, 2 * (span.end - span.start)});
    buffer.EraseLineRanges(std::move(ranges));
    return !spans.empty();
}

}  // namespace kv
