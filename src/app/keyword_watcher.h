// The keywords the user types on the host's command line to press the palette's
// main-tab buttons without leaving the host.
#pragma once

#include <optional>
#include <string_view>

namespace kv {

// In the order they are tested; the first that occurs wins.
enum class Keyword {
    DrawLine,       // "LD.", whatever the terminator
    TrimLine,       // "LT"
    TrimBlock,      // "BT"
    MoveBlock,      // "BM"
    CopyBlock,      // "BC"
    EraseBlock,     // "BE"
    EraseLine,      // "LE"
    JunctionMark,   // "IM"
    Stretch,        // "CS"
    Undo,           // "UN"
    JointLine,      // "LJ"
    DrawLineN,      // "LDN"
    TwistMark,      // "TW"
    ShieldMark,     // "SW"
};

// The terminator used when the edit box holds only blanks. Without one, every keyword would
// fire inside the host's own commands as they are typed ("SELECT" holds "LE", "UNDO" "UN").
inline constexpr std::string_view kDefaultTerminator = ".";

// The keyword on an idle host's command line. `prompt` is the whole line as read;
// `terminator` the text of the edit box, trimmed here. Letters match in either case.
std::optional<Keyword> FindKeyword(std::string_view prompt, std::string_view terminator);

}  // namespace kv
