// File paths as the palette spells them: either separator, the folder's own kept when joining.
#pragma once

#include <string>
#include <string_view>

namespace kv {

// The folder of path with its trailing separator; empty for a bare name.
std::string FolderOf(std::string_view path);

// path with its extension (from the last dot of the file name on) replaced by extension (".ini").
std::string WithExtension(std::string_view path, std::string_view extension);

// folder + name, joined with the separator the folder already uses; empty for an empty folder.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace kv
