// Test doubles for the ports the round trip talks to: files held in memory and a host that
// records what was typed.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "platform/command_channel.h"
#include "platform/files.h"

namespace kv {

// Hands `bytes` to the reader as a files port does, at most `chunkBytes` at a time.
inline void FeedInChunks(std::string_view bytes, size_t chunkBytes, ChunkReader& reader) {
    reader.Start(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const std::span<char> room = reader.Room();
        const size_t count = std::min({room.size(), chunkBytes, bytes.size() - at});
        std::copy_n(bytes.data() + at, count, room.data());
        reader.Filled(count);
        at += count;
    }
}

class MemoryFiles : public Files {
public:
    std::map<std::string, std::string> texts;
    std::set<std::string> undeletable;  // Delete fails for these
    bool failWrites = false;            // a failed write leaves the start of the text behind, as a full disk does
    size_t chunkBytes = 7;              // the most ReadChunks hands over at once

    bool Exists(std::string_view path) override { return texts.count(std::string(path)) > 0; }
    bool Delete(std::string_view path) override {
        if (undeletable.count(std::string(path))) return false;
        return texts.erase(std::string(path)) > 0;
    }
    std::optional<std::string> ReadText(std::string_view path) override {
        auto found = texts.find(std::string(path));
        if (found == texts.end()) return std::nullopt;
        return found->second;
    }
    // As the file would be on disk (texts are held as UTF-8, files in the code page), in chunks
    // of a few bytes, so that every test reading a file crosses chunk boundaries everywhere.
    bool ReadChunks(std::string_view path, ChunkReader& reader) override {
        const std::optional<std::string> text = ReadText(path);
        if (!text) return false;
        FeedInChunks(Utf8ToAnsi(*text), chunkBytes, reader);
        return true;
    }
    bool WriteText(std::string_view path, std::string_view text) override {
        texts[std::string(path)] = std::string(failWrites ? text.substr(0, text.size() / 2) : text);
        return !failWrites;
    }
    std::vector<FolderEntry> ListFolder(std::string_view) override { return {}; }
};

class RecordingHost : public CommandChannel {
public:
    std::vector<std::string> sent;

    void SendCommand(std::string_view text) override { sent.emplace_back(text); }
};

}  // namespace kv
