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
    UseLinetypesWithoutDots(buffer);
    return ReplaceFile(files, path, buffer.Text());
}

}  // namespace kv
