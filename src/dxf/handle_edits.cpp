#include "dxf/handle_edits.h"

#include <vector>

#include "base/number_text.h"
#include "dxf/entity_walk.h"

namespace kv {

namespace {

struct HandleMatch {
    size_t start;   // the "0"/type pair
    size_t handle;  // the group 5 pair that matched
    size_t end;     // the next group 0 pair (or the pair count)
};

// Every entity of the type whose group 5 equals handle; handles are unique in an export, so
// there is normally one.
std::vector<HandleMatch> FindEntities(const DxfBuffer& buffer, std::string_view type, std::string_view handle) {
    std::vector<HandleMatch> found;
    ForEachEntity(buffer, [&](const EntitySpan& e) {
        if (e.type != type) return;
        for (size_t i = e.first + 1; i < e.end; ++i) {
            if (buffer.ShortCode(i) != 5 || buffer.TrimmedValue(i) != handle) continue;
            found.push_back({e.first, i, e.end});
            return;
        }
    });
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
    const std::vector<HandleMatch> spans = FindEntities(buffer, "LINE", handle);
    for (const HandleMatch& span : spans) {
        for (size_t i = span.handle + 1; i < span.end; ++i) {
            const int code = buffer.GroupCode(i);
            SetPointGroups(buffer, i, code, 10, p1);
            SetPointGroups(buffer, i, code, 11, p2);
        }
    }
    return !spans.empty();
}

bool PatchArcByHandle(DxfBuffer& buffer, std::string_view handle, const Point3& center, double startAngle,
                      double endAngle) {
    const std::vector<HandleMatch> spans = FindEntities(buffer, "ARC", handle);
    for (const HandleMatch& span : spans) {
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
    const std::vector<HandleMatch> spans = FindEntities(buffer, type, handle);
    std::vector<LineRange> ranges;
    ranges.reserve(spans.size());
    for (const HandleMatch& span : spans) ranges.push_back({2 * span.start, 2 * (span.end - span.start)});
    buffer.EraseLineRanges(ranges);
    return !spans.empty();
}

}  // namespace kv
