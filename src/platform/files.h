// File operations. Paths and texts are UTF-8; text files are held on disk in the
// ANSI code page with CR LF line breaks. Every operation can fail; the caller decides.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_block.h"

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

class Files {
public:
    virtual ~Files() = default;

    virtual bool Exists(std::string_view path) = 0;
    virtual bool Delete(std::string_view path) = 0;
    // The whole file, converted from the ANSI code page; nothing when it cannot be read.
    virtual std::optional<std::string> ReadText(std::string_view path) = 0;
    // The whole file as it is on disk, for readers that convert only the few values they take
    // out as text; nothing when it cannot be read.
    virtual std::optional<ByteBlock> ReadBytes(std::string_view path) = 0;
    virtual bool WriteText(std::string_view path, std::string_view text) = 0;
    virtual std::vector<FolderEntry> ListFolder(std::string_view path) = 0;
};

}  // namespace kv
