// The keywords the user types on the host's command line to press the palette's
// main-tab buttons without leaving the host.
#pragma once

#include <string_view>

#include "app/operation_table.h"

namespace kv {

// The terminator used when the edit box holds only blanks. Without one, every keyword would
// fire inside the host's own commands as they are typed ("SELECT" holds "LE", "UNDO" "UN").
inline constexpr std::string_view kDefaultTerminator = ".";

// The operation whose keyword is on an idle host's command line; keywords are tested in the
// order of the operation table and the first that occurs wins. `prompt` is the whole line as
// read; `terminator` the text of the edit box, trimmed here. Letters match in either case.
const Operation* FindKeyword(std::string_view prompt, std::string_view terminator);

}  // namespace kv
