// Where the palette keeps its options between runs: the executable's path with ".ini",
// or, when the executable's folder cannot be written, a file of the same name in the
// user's application-data folder. Whichever copy was written last is the one read.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/ini_file.h"
#include "platform/files.h"

namespace kv {

// The executable's path with its extension replaced by ".ini" (added when it has none).
std::string SettingsPathBeside(std::string_view executablePath);

class SettingsFile {
public:
    // appDataFolder may be empty: then the file beside the executable is the only copy.
    SettingsFile(Files& files, std::string_view executablePath, std::string_view appDataFolder);

    const std::string& BesidePath() const { return beside_; }
    const std::string& FallbackPath() const { return fallback_; }

    // The copy that holds the latest saved values.
    IniFile ForReading() const;

    // Runs `write` on the copy beside the executable when that can be written, else on the
    // fallback copy. The copy written to starts from the latest values, so keys this writer
    // does not touch are kept; a fallback made obsolete by a write beside the executable is
    // removed. False when no copy could be written.
    bool Write(const std::function<bool(IniFile&)>& write);

private:
    bool FallbackExists() const { return !fallback_.empty() && files_.Exists(fallback_); }

    Files& files_;
    std::string beside_;
    std::string fallback_;
};

}  // namespace kv
