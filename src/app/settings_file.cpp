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

std::string SettingsFile::Source() const {
    if (!FallbackExists()) return beside_;
    if (!files_.Exists(beside_)) return fallback_;
    return BesideWritable() ? beside_ : fallback_;
}

// Tried by writing the file's own text back: a read-only file or folder refuses it.
bool SettingsFile::BesideWritable() const {
    const std::optional<std::string> text = files_.ReadText(beside_);
    return text && files_.WriteText(beside_, *text);
}

bool SettingsFile::Write(const std::function<bool(IniFile&)>& write) {
    const std::string source = Source();
    // A copy that exists but cannot be read is left alone rather than replaced by this
    // writer's keys alone.
    const std::optional<std::string> text = files_.Exists(source) ? files_.ReadText(source) : std::string();
    if (!text) return false;

    // Writing the values read beside the executable both tests the file and carries a
    // fallback's values back there.
    if (files_.WriteText(beside_, *text)) {
        IniFile beside(beside_);
        if (write(beside)) {
            if (FallbackExists()) files_.Delete(fallback_);
            return true;
        }
    }
    if (fallback_.empty()) return false;
    if (source != fallback_ && !files_.WriteText(fallback_, *text)) return false;
    IniFile fallback(fallback_);
    return write(fallback);
}

}  // namespace kv
