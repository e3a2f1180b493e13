#include "dxf/dxf_writer.h"

#include "dxf/linetype_names.h"

namespace kv {

namespace {

bool ReplaceFile(Files& files, std::string_view path, std::string_view text) {
    files.Delete(path);
    if (files.Exists(path)) return false;  // a stale export must not pass for the new file
    if (files.WriteText(path, text)) return true;
    files.Delete(path);
    return false;
}

void UnifyLinetypeNames(DxfBuffer& buffer) {
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

}  // namespace

bool WriteDxfFile(Files& files, std::string_view path, const std::vector<std::string>& items) {
    size_t size = 0;
    for (const std::string& item : items) size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items) {
        text += item;
        text += "\r\n";
    }
    return ReplaceFile(files, path, text);
}

bool SaveDxfBuffer(Files& files, std::string_view path, DxfBuffer& buffer) {
    UnifyLinetypeNames(buffer);
    return ReplaceFile(files, path, buffer.Text());
}

}  // namespace kv
