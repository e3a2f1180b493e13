#include "base/ini_file.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

namespace {

std::filesystem::path FsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The file as UTF-8 lines, line breaks removed; empty when it cannot be read.
std::vector<std::string> LoadLines(const std::string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in) return {};
    std::stringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> lines;
    std::istringstream text(AnsiToUtf8(ss.str()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << Utf8ToAnsi(text);
    out.flush();
    return static_cast<bool>(out);
}

std::optional<std::string> SectionName(std::string_view line) {
    std::string_view t = TrimView(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
    return Trim(t.substr(1, t.size() - 2));
}

// The key of a "Key=Value" line, or nothing for other lines.
std::optional<std::string> KeyOf(std::string_view line) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

struct Location {
    std::optional<size_t> section;  // index of the "[Section]" line
    std::optional<size_t> key;      // index of the "Key=" line inside it
    size_t sectionEnd = 0;          // one past the last line of the section
};

Location Find(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    Location loc;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i])) {
            if (loc.section) break;
            if (EqualsIgnoreCaseAscii(*name, section)) {
                loc.section = i;
                loc.sectionEnd = i + 1;
            }
            continue;
        }
        if (!loc.section) continue;
        if (!TrimView(lines[i]).empty()) loc.sectionEnd = i + 1;
        auto k = KeyOf(lines[i]);
        if (!loc.key && k && EqualsIgnoreCaseAscii(*k, key)) loc.key = i;
    }
    return loc;
}

}  // namespace

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    auto lines = LoadLines(path_);
    Location loc = Find(lines, section, key);
    if (!loc.key) return std::string(def);
    const std::string& line = lines[*loc.key];
    return Trim(std::string_view(line).substr(line.find('=') + 1));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    int v = def;
    return TryParseInt(ReadString(section, key, ""), v) ? v : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    int v = 0;
    return TryParseInt(ReadString(section, key, ""), v) ? v != 0 : def;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
    double v = def;
    return TryParseReal(ReadString(section, key, ""), v) ? v : def;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto lines = LoadLines(path_);
    Location loc = Find(lines, section, key);
    std::string entry = std::string(key) + "=" + std::string(value);
    if (loc.key) {
        lines[*loc.key] = entry;
    } else if (loc.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(loc.sectionEnd), entry);
    } else {
        if (!lines.empty() && !TrimView(lines.back()).empty()) lines.emplace_back();
        lines.push_back(std::string("[").append(section).append("]"));  // no GCC 12 -Wrestrict
        lines.push_back(entry);
    }
    return SaveLines(path_, lines);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    return WriteString(section, key, FormatReal(value));
}

}  // namespace kv
