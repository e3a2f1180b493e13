// File names typed at the host's prompts.
#pragma once

#include <string>
#include <string_view>

namespace kv::sim {

// A typed name (double quotes allowed) made a path: the extension is added when the
// name has none, and a relative name is taken from `folder`.
std::string ResolveTypedPath(std::string_view typed, std::string_view extension, std::string_view folder);

// True for a name that is plainly a file: it holds a folder separator, a drive or an extension.
bool LooksLikePath(std::string_view name);

}  // namespace kv::sim
