// Our own windows speak UTF-16 (the W API); the program's strings are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kv {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace kv
