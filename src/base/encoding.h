// The only place where text crosses between UTF-8 (inside the program) and the
// system ANSI code page (CP932 on a Japanese system): host messages, clipboard,
// DXF, INI and script files; and, on Windows, UTF-16 for the W API.
#pragma once

#include <string>
#include <string_view>

namespace kv {

// Characters the code page cannot hold become '?', as the Windows conversion does.
std::string Utf8ToAnsi(std::string_view utf8);
// Invalid byte sequences become U+FFFD; nothing is dropped silently.
std::string AnsiToUtf8(std::string_view ansi);

#ifdef _WIN32
// Our own windows, simhost.exe's and the end-to-end driver's speak UTF-16.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
#endif

}  // namespace kv
