#include "dxf/linetype_names.h"

#include <algorithm>

namespace kv {

std::string LinetypeWithoutDots(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '.', '_');
    return out;
}

void UseLinetypesWithoutDots(DxfBuffer& buffer) {
    bool tableTypeNext = false;  // the first group 2 after "0"/"TABLE" names the table
    bool inLtypeTable = false;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.GroupCode(i);
        if (code == 0) {
            const std::string_view value = buffer.TrimmedValue(i);
            if (value == "TABLE") tableTypeNext = true;
            if (value == "ENDTAB") inLtypeTable = false;
            continue;
        }
        if (code == 2 && tableTypeNext) {
            tableTypeNext = false;
            inLtypeTable = buffer.TrimmedValue(i) == "LTYPE";
            continue;
        }
        const bool isName = code == 6 || (code == 2 && inLtypeTable);
        if (isName && buffer.Value(i).find('.') != std::string_view::npos)
            buffer.SetValue(i, LinetypeWithoutDots(buffer.Value(i)));
    }
}

}  // namespace kv
