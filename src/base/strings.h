// Small string helpers shared by every layer. Strings are UTF-8 inside the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Removes leading and trailing blanks and control characters (every byte <= ' ').
std::string Trim(std::string_view s);
std::string_view TrimView(std::string_view s);
std::string TrimRight(std::string_view s);

// Upper-cases ASCII letters only; multi-byte characters are left as they are.
std::string UpperAscii(std::string_view s);
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool Contains(std::string_view s, std::string_view part);

std::vector<std::string> Split(std::string_view s, char separator);

}  // namespace kv
