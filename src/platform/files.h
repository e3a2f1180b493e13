// File operations. Paths and texts are UTF-8; text files are held on disk in the
// ANSI code page with CR LF line breaks. Every operation can fail; the caller decides.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// The attribute bits of a folder entry, as Windows numbers them.
namespace file_attribute {
inline constexpr unsigned kReadOnly = 0x01, kHidden = 0x02, kSystem = 0x04, kVolumeLabel = 0x08, kDirectory = 0x10,
                          kArchive = 0x20;
}  // namespace file_attribute

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool hidden = false;
    unsigned attributes = 0;  // file_attribute bits and whatever else the platform sets
};

// Takes a file's bytes in order, a chunk at a time, into room it gives: a reader that keeps only a
// smaller form of the text can read each chunk where that form grows, so that a large file is
// never held whole and each chunk is rewritten while it is still in the cache.
class ChunkReader {
public:
    virtual ~ChunkReader() = default;
    // Once, before any bytes: the size the file had when it was opened (it may change while read).
    virtual void Start(uint64_t size) = 0;
    // Room for the next bytes: at least one byte.
    virtual std::span<char> Room() = 0;
    // The first `count` bytes of the room last given now hold the file's next bytes.
    virtual void Filled(size_t count) = 0;
};

class Files {
public:
    virtual ~Files() = default;

    virtual bool Exists(std::string_view path) = 0;
    virtual bool Delete(std::string_view path) = 0;
    // The whole file, converted from the ANSI code page; nothing when it cannot be read.
    virtual std::optional<std::string> ReadText(std::string_view path) = 0;
    // The file as it is on disk through `reader`, for readers that convert only the few values
    // they take out as text. False when it cannot be opened or read; the reader may then have
    // taken the start of it.
    virtual bool ReadChunks(std::string_view path, ChunkReader& reader) = 0;
    virtual bool WriteText(std::string_view path, std::string_view text) = 0;
    virtual std::vector<FolderEntry> ListFolder(std::string_view path) = 0;
};

}  // namespace kv
