#include "text/wire_number_settings.h"

namespace kv {

namespace {
constexpr std::string_view kSection = "Senban";
}  // namespace

void LoadWireNumberLook(const IniFile& ini, WireNumberSettings& settings) {
    const WireNumberSettings defaults;
    settings.layer = ini.ReadString(kSection, "Layer", defaults.layer);
    settings.style = ini.ReadString(kSection, "Style", defaults.style);
    settings.height = ini.ReadFloat(kSection, "Height", defaults.height);
    settings.width = ini.ReadFloat(kSection, "Width", defaults.width);
}

bool SaveWireNumberLook(IniFile& ini, const WireNumberSettings& settings) {
    return ini.WriteString(kSection, "Layer", settings.layer) && ini.WriteString(kSection, "Style", settings.style) &&
           ini.WriteFloat(kSection, "Height", settings.height) && ini.WriteFloat(kSection, "Width", settings.width);
}

}  // namespace kv
