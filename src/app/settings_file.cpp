#include "app/settings_file.h"

#include <optional>

namespace kv {

namespace {

size_t NameStart(std::string_view path) {
    const size_t folderEnd = path.find_last_of("\\/");
    return folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
}

// Joined with the separator the folder already uses, so a Windows folder stays in its form.
std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return {};
    std::string path(folder);
    if (path.back() != '\\' && path.back() != '/') path += folder.find('\\') != std::string_view::npos ? '\\' : '/';
    return path.append(name);
}

}  // namespace

std::string SettingsPathBeside(std::string_view executablePath) {
    const size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= NameStart(executablePath) + 1;
    return std::string(executablePath.substr(0, hasExtension ? dot : executablePath.size())) + ".ini";
}

SettingsFile::SettingsFile(Files& files, std::string_view executablePath, std::string_view appDataFolder)
    : files_(files), beside_(SettingsPathBeside(executablePath)) {
    fallback_ = JoinPath(appDataFolder, std::string_view(beside_).substr(NameStart(beside_)));
}

IniFile SettingsFile::ForReading() const { return IniFile(FallbackExists() ? fallback_ : beside_); }

bool SettingsFile::Write(const std::function<bool(IniFile&)>& write) {
    const bool fallbackIsLatest = FallbackExists();
    const std::string& latest = fallbackIsLatest ? fallback_ : beside_;
    // A copy that exists but cannot be read is left alone rather than replaced by this
    // writer's keys alone.
    const std::optional<std::string> text = files_.Exists(latest) ? files_.ReadText(latest) : std::string();
    if (!text) return false;

    // Writing the latest values beside the executable both tests the folder and carries a
    // fallback's values back there.
    if (files_.WriteText(beside_, *text)) {
        IniFile beside(beside_);
        if (write(beside)) {
            if (fallbackIsLatest) files_.Delete(fallback_);
            return true;
        }
    }
    if (fallback_.empty()) return false;
    if (!fallbackIsLatest && !files_.WriteText(fallback_, *text)) return false;
    IniFile fallback(fallback_);
    return write(fallback);
}

}  // namespace kv
