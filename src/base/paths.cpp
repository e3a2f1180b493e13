#include "base/paths.h"

namespace kv {

namespace {

size_t NameStart(std::string_view path) {
    const size_t folderEnd = path.find_last_of("\\/");
    return folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
}

}  // namespace

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string WithExtension(std::string_view path, std::string_view extension) {
    const size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot > NameStart(path);
    return std::string(path.substr(0, hasExtension ? dot : path.size())).append(extension);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return {};
    std::string path(folder);
    if (path.back() != '\\' && path.back() != '/') path += folder.find('\\') != std::string_view::npos ? '\\' : '/';
    return path.append(name);
}

}  // namespace kv
