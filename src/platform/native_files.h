// Files and Clock over the C++ standard library: the real ports off Windows and
// the ones native tests use.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"

namespace kv {

class NativeFiles : public Files {
public:
    bool Exists(std::string_view path) override;
    bool Delete(std::string_view path) override;
    std::optional<std::string> ReadText(std::string_view path) override;
    bool ReadChunks(std::string_view path, ChunkReader& reader) override;
    bool WriteText(std::string_view path, std::string_view text) override;
    // Names starting with "." count as hidden.
    std::vector<FolderEntry> ListFolder(std::string_view path) override;
};

class NativeClock : public Clock {
public:
    void Sleep(int milliseconds) override;
    long long Milliseconds() override;
};

}  // namespace kv
