#include "text/text_presets.h"

#include <string>

namespace kv {

namespace {

std::string Section(int button) { return "TxtBtn" + std::to_string(button - 1); }

}  // namespace

TTextBtn ReadTextPreset(const IniFile& ini, int button) {
    const std::string s = Section(button);
    TTextBtn t;
    t.name = ini.ReadString(s, "Name", "");
    t.height = ini.ReadFloat(s, "Height", 3.0);
    t.width = ini.ReadFloat(s, "Width", 1.0);
    t.rotation = ini.ReadFloat(s, "Rotate", 0);
    t.oblique = ini.ReadFloat(s, "Inclin", 0);
    t.justification = ini.ReadInteger(s, "Base", 0);
    if (t.justification < 0 || t.justification >= static_cast<int>(kJustificationLabels.size())) t.justification = 0;
    t.layerFixed = ini.ReadBool(s, "CheckLay", false);
    t.layer = ini.ReadString(s, "Layer", "");
    t.styleFixed = ini.ReadBool(s, "CheckSty", false);
    t.style = ini.ReadString(s, "Style", "");
    t.font1 = ini.ReadString(s, "Font1", "");
    t.font2 = ini.ReadString(s, "Font2", "");
    t.inputMethodOn = ini.ReadBool(s, "CheckIme", false);
    t.countUp = ini.ReadBool(s, "CheckCup", false);
    t.repeat = ini.ReadBool(s, "CheckRep", false);
    return t;
}

bool WriteTextPreset(IniFile& ini, int button, const TTextBtn& t) {
    const std::string s = Section(button);
    return ini.WriteString(s, "Name", t.name) && ini.WriteFloat(s, "Height", t.height) &&
           ini.WriteFloat(s, "Width", t.width) && ini.WriteFloat(s, "Rotate", t.rotation) &&
           ini.WriteFloat(s, "Inclin", t.oblique) && ini.WriteInteger(s, "Base", t.justification) &&
           ini.WriteBool(s, "CheckLay", t.layerFixed) && ini.WriteString(s, "Layer", t.layer) &&
           ini.WriteBool(s, "CheckSty", t.styleFixed) && ini.WriteString(s, "Style", t.style) &&
           ini.WriteString(s, "Font1", t.font1) && ini.WriteString(s, "Font2", t.font2) &&
           ini.WriteBool(s, "CheckIme", t.inputMethodOn) && ini.WriteBool(s, "CheckCup", t.countUp) &&
           ini.WriteBool(s, "CheckRep", t.repeat);
}

}  // namespace kv
