// Files and sleep over the Win32 API. Paths are UTF-8 in the program and UTF-16 at the
// API, so any name the file system holds can be reached; contents are in the ANSI code page.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"

namespace kv {

class Win32Files : public Files {
public:
    bool Exists(std::string_view path) override;
    bool Delete(std::string_view path) override;
    std::optional<std::string> ReadText(std::string_view path) override;
    bool ReadChunks(std::string_view path, ChunkReader& reader) override;
    bool WriteText(std::string_view path, std::string_view text) override;
    // Hidden is the file system's hidden attribute.
    std::vector<FolderEntry> ListFolder(std::string_view path) override;
};

class Win32Clock : public Clock {
public:
    void Sleep(int milliseconds) override;
    long long Milliseconds() override;
};

}  // namespace kv
