// What the wire-number dialog sets, kept by the main window for the whole run: the numbering
// (prefix list, counter, suffix, hexadecimal) and the look of the numbers. The look is kept in
// the settings file, the numbering only while the palette runs.
#pragma once

#include <string>

#include "base/ini_file.h"

namespace kv {

struct WireNumberSettings {
    std::string prefixList;
    std::string counter = "101";  // the next number written
    std::string suffix;
    bool hexadecimal = false;
    std::string layer = "SENBAN";
    std::string style = "SENBAN";
    double height = 1.8;  // before DIMSCALE
    double width = 1.0;
};

// Section "Senban": "Layer", "Style", "Height", "Width"; missing or unreadable keys give the
// defaults above.
void LoadWireNumberLook(const IniFile& ini, WireNumberSettings& settings);
bool SaveWireNumberLook(IniFile& ini, const WireNumberSettings& settings);

}  // namespace kv
