// Numbered texts: a prefix from a cycling list, a counter that keeps its width, a suffix.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// The text for the current number: prefix + counter + suffix. Then the counter advances (after
// the last prefix of a comma-separated list only, so "R,S,T" gives R1, S1, T1, R2) and
// prefixIndex counts the text made. A decimal counter that reads as no number or 0 is read as
// hexadecimal; a counter that is no number in either reading throws ConversionError.
std::string NextCountText(std::string_view prefixList, std::string& counter, std::string_view suffix, bool hexadecimal,
                          int& prefixIndex);

// text left-padded with "0" to length; a longer text is unchanged.
std::string ZeroPad(std::string_view text, size_t length);

// A run of digits plus one, keeping its width: "009" gives "010", "99" gives "100".
std::string NumberAfter(std::string_view digits);

struct SplitText {
    std::string prefix;
    std::string number;  // a run of digits; empty when the text holds none (prefix is then all)
    std::string suffix;
};

// The last run of digits (fromEnd) or the first, with what precedes and follows it; up to two
// trailing CR or LF characters are ignored. "R101A" gives R, 101, A.
SplitText SplitNumber(std::string_view text, bool fromEnd);

}  // namespace kv
