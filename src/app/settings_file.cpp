#include "app/settings_file.h"

#include <optional>

#include "base/paths.h"

namespace kv {

std::string SettingsPathBeside(std::string_view executablePath) { return WithExtension(executablePath, ".ini"); }

SettingsFile::SettingsFile(Files& files, std::string_view executablePath, std::string_view appDataFolder)
    : files_(files), beside_(SettingsPathBeside(executablePath)) {
    fallback_ = JoinPath(appDataFolder, std::string_view(beside_).substr(FolderOf(beside_).size()));
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
