// Where the palette keeps its options between runs: the executable's path with ".ini",
// or, when that file cannot be written, a copy of the same name in the user's
// application-data folder. The file beside the executable is read whenever it exists and
// can be written, so the user's edits there always count.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/ini_file.h"
#include "platform/files.h"

namespace kv {

inline constexpr std::string_view kSettingsNotSaved = "設定ファイルを保存できませんでした.  ";

// The executable's path with its extension replaced by ".ini" (added when it has none).
std::string SettingsPathBeside(std::string_view executablePath);

class SettingsFile {
public:
    // appDataFolder may be empty: then the file beside the executable is the only copy.
    SettingsFile(Files& files, std::string_view executablePath, std::string_view appDataFolder);

    const std::string& BesidePath() const { return beside_; }
    const std::string& FallbackPath() const { return fallback_; }

    // The copy that holds the current values (see Source).
    IniFile ForReading() const { return IniFile(Source()); }

    // Runs `write` on the copy beside the executable when that can be written, else on the
    // fallback copy. The copy written to starts from the values read, so keys this writer
    // does not touch are kept; the fallback is removed once the file beside the executable
    // has been written. False when no copy could be written.
    bool Write(const std::function<bool(IniFile&)>& write);

private:
    bool FallbackExists() const { return !fallback_.empty() && files_.Exists(fallback_); }
    // The file beside the executable when it exists and can be written, else the fallback
    // when that exists, else the (missing) file beside the executable.
    std::string Source() const;
    bool BesideWritable() const;

    Files& files_;
    std::string beside_;
    std::string fallback_;
};

}  // namespace kv
