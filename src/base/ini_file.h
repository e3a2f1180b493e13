// Settings files in the Windows profile form: "[Section]" lines and "Key=Value"
// lines, sections and keys matched without regard to ASCII case, the file held in
// the ANSI code page. Every write goes to disk at once; there is no flush.
#pragma once

#include <string>
#include <string_view>

namespace kv {

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // A missing file, section or key, or a value that does not convert, gives the default.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // "1"/"0"; any non-zero integer reads true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    double ReadFloat(std::string_view section, std::string_view key, double def) const;

    // False when the file could not be written; the caller decides what that means.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool WriteFloat(std::string_view section, std::string_view key, double value);

private:
    std::string path_;
};

}  // namespace kv
