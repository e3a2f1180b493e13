#include "file_paths.h"

#include "base/strings.h"
#include "input_text.h"

namespace kv::sim {

namespace {

bool HasExtension(std::string_view name) {
    std::size_t slash = name.find_last_of("/\\");
    std::size_t dot = name.find_last_of('.');
    return dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash + 1);
}

bool IsAbsolute(std::string_view name) {
    return StartsWith(name, "/") || StartsWith(name, "\\") || (name.size() >= 2 && name[1] == ':');
}

}  // namespace

std::string ResolveTypedPath(std::string_view typed, std::string_view extension, std::string_view folder) {
    std::string name = Trim(Unquote(Trim(typed)));
    if (!HasExtension(name)) name += extension;
    if (IsAbsolute(name) || folder.empty()) return name;
    std::string path(folder);
    if (!EndsWith(path, "/") && !EndsWith(path, "\\")) path += '/';
    return path + name;
}

bool LooksLikePath(std::string_view name) {
    return name.find_first_of("/\\:") != std::string_view::npos || HasExtension(name);
}

}  // namespace kv::sim
