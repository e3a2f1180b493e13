// UTF-8 inside the program, UTF-16 for the W API.
#pragma once

#include <string>
#include <string_view>

namespace kv::sim::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace kv::sim::win
