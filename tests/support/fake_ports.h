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

class MemoryFiles : public Files {
public:
    std::map<std::string, std::string> texts;
    std::set<std::string> undeletable;  // Delete fails for these
    bool failWrites = false;            // a failed write leaves the start of the text behind, as a full disk does

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
    // As the file would be on disk: texts are held as UTF-8, files in the code page.
    std::optional<ByteBlock> ReadBytes(std::string_view path) override {
        const std::optional<std::string> text = ReadText(path);
        if (!text) return std::nullopt;
        const std::string bytes = Utf8ToAnsi(*text);
        ByteBlock block(bytes.size());
        std::copy(bytes.begin(), bytes.end(), block.data());
        return block;
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
