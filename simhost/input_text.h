// How the host reads typed answers and writes values back: coordinates, numbers
// with LUPREC decimals, colours, keywords with their abbreviations.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"

namespace kv::sim {

// "x,y" or "x,y,z"; a missing z is 0.
std::optional<Point3> ParsePointText(std::string_view text);

// Fixed decimals, never "-0.0000".
std::string FormatFixed(double value, int decimals);
// "x,y,z" with fixed decimals, as the host shows a point variable.
std::string FormatPoint(Point3 p, int decimals);

// 1-255, 0 (BYBLOCK), 256 (BYLAYER), or a standard colour name in English or Japanese.
std::optional<int> ParseColor(std::string_view text);
std::string ColorText(int color);

// A keyword of a prompt: the full word and the shortest abbreviation the host
// accepts ("CLOSE" with "C"). Any prefix of the word at least as long as the
// abbreviation matches, in any letter case.
struct Keyword {
    std::string_view word;
    std::string_view abbreviation;
};
bool MatchesKeyword(std::string_view answer, const Keyword& keyword);
// Index of the first keyword the answer matches.
std::optional<std::size_t> MatchKeyword(std::string_view answer, const std::vector<Keyword>& keywords);

// A value wrapped in double quotes loses them (the form the host shows strings in).
std::string Unquote(std::string_view text);

}  // namespace kv::sim
