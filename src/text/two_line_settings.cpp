#include "text/two_line_settings.h"

namespace kv {

namespace {
constexpr std::string_view kSection = "Text2";
}  // namespace

void LoadTwoLineLook(const IniFile& ini, TwoLineSettings& s, bool withRepeat) {
    const TwoLineSettings defaults;
    s.height = ini.ReadFloat(kSection, "H", defaults.height);
    s.width = ini.ReadFloat(kSection, "W", defaults.width);
    s.gap = ini.ReadFloat(kSection, "H2", defaults.gap);
    s.layer = ini.ReadString(kSection, "Lay", defaults.layer);
    s.layerFixed = ini.ReadBool(kSection, "Chk", defaults.layerFixed);
    s.upperCase = ini.ReadBool(kSection, "Upper", defaults.upperCase);
    if (withRepeat) s.repeat = ini.ReadBool(kSection, "Rep", defaults.repeat);
}

bool SaveTwoLineLook(IniFile& ini, const TwoLineSettings& s, bool withRepeat) {
    return ini.WriteFloat(kSection, "H", s.height) && ini.WriteFloat(kSection, "W", s.width) &&
           ini.WriteFloat(kSection, "H2", s.gap) && ini.WriteString(kSection, "Lay", s.layer) &&
           ini.WriteBool(kSection, "Chk", s.layerFixed) && ini.WriteBool(kSection, "Upper", s.upperCase) &&
           (!withRepeat || ini.WriteBool(kSection, "Rep", s.repeat));
}

}  // namespace kv
