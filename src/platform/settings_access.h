// The settings file as the tools reach it while the palette runs: read from the copy that holds
// the current values, written wherever a copy can be written. The view sets both; where they
// are unset (a bare model) the defaults are read and nothing is written.
#pragma once

#include <functional>

#include "base/ini_file.h"

namespace kv {

struct SettingsAccess {
    std::function<IniFile()> read;
    // False when no copy could be written.
    std::function<bool(const std::function<bool(IniFile&)>& write)> write;

    // An empty file (every key at its default) when unset.
    IniFile Read() const { return read ? read() : IniFile(""); }
    bool Write(const std::function<bool(IniFile&)>& change) const { return write && write(change); }
};

}  // namespace kv
