#include "dxf/dxf_frame.h"

#include <optional>

#include "base/number_text.h"
#include "dxf/linetype_names.h"

namespace kv {

namespace {

// Written instead of a linetype table that cannot be found: the frame has already opened
// the TABLE, which must be given a type and closed.
constexpr std::string_view kEmptyLtypeTable = "  2\r\nLTYPE\r\n 70\r\n     0\r\n  0\r\nENDTAB";

bool IsR12LtypeGroup(std::string_view code) {
    int n = 0;
    if (!TryParseInt(code, n)) return false;
    switch (n) {
    case 0:
    case 2:
    case 70:
    case 3:
    case 72:
    case 73:
    case 40:
    case 49: return true;
    default: return false;
    }
}

struct PairSpan {
    size_t first;
    size_t last;  // inclusive
};

std::optional<PairSpan> FindLtypeTable(const DxfBuffer& source) {
    bool inTable = false;
    std::optional<size_t> start;
    for (size_t i = 0, n = source.PairCount(); i < n; ++i) {
        if (!inTable) {
            inTable = source.IsPair(i, "0", "TABLE");
        } else if (!start) {
            if (source.IsPair(i, "2", "LTYPE")) start = i;
        } else if (source.IsPair(i, "0", "ENDTAB")) {
            return PairSpan{*start, i};
        }
    }
    return std::nullopt;
}

}  // namespace

void CopyLtypeTable(DxfBuffer& source, std::vector<std::string>& target) {
    const std::optional<PairSpan> table = FindLtypeTable(source);
    if (!table) {
        target.emplace_back(kEmptyLtypeTable);
        return;
    }
    for (size_t i = table->first; i <= table->last; ++i) {
        if (!IsR12LtypeGroup(source.Code(i))) continue;
        if (source.TrimmedCode(i) == "2" && source.Value(i).find('.') != std::string_view::npos)
            source.SetValue(i, LinetypeWithoutDots(source.Value(i)));
        target.emplace_back(source.Code(i));
        target.emplace_back(source.Value(i));
    }
}

std::vector<std::string> DxfFrame(DxfBuffer& source, const std::vector<std::string>& entityItems) {
    std::vector<std::string> items;
    items.reserve(entityItems.size() + 64);
    items.emplace_back(kFrameHeader);
    items.emplace_back(kFrameTablesStart);
    CopyLtypeTable(source, items);
    items.emplace_back(kFrameTablesEnd);
    items.emplace_back(kFrameEntitiesStart);
    items.insert(items.end(), entityItems.begin(), entityItems.end());
    items.emplace_back(kFrameEnd);
    return items;
}

}  // namespace kv
