#include "app/main_form.h"

#include <array>

namespace kv {

namespace {

struct EditSetting {
    std::string_view section;
    std::string_view key;
    EditControl TFormKvaneMain::*control;
    std::string_view byDefault;
};

struct CheckSetting {
    std::string_view section;
    std::string_view key;
    CheckControl TFormKvaneMain::*control;
    bool byDefault;
    bool read;  // some boxes are written at exit but always start as the form has them
};

using F = TFormKvaneMain;

// In the order they are read and written.
constexpr std::array<EditSetting, 7> kEdits{{
    {"Edit", "Layer", &F::EditLayer, ""},
    {"Edit", "Block", &F::EditBlock, ""},
    {"Edit", "Min", &F::EditMin, "5.0"},
    {"Edit", "KpLayer", &F::EditKpLayer, ""},
    {"Edit", "KpMark", &F::EditKpMark, ""},
    {"Edit", "KpRad", &F::EditKpRad, "1.0"},
    {"Edit", "CmdChar", &F::EditLastChar, "."},
}};

constexpr std::array<CheckSetting, 13> kChecks{{
    {"Check", "Layer", &F::CheckLayer, false, true},
    {"Check", "Block", &F::CheckBlock, false, true},
    {"Check", "Line", &F::CheckLine, true, true},
    {"Check", "Circle", &F::CheckCircle, true, true},
    {"Check", "Arc", &F::CheckArc, true, true},
    {"Check", "LWPLine", &F::CheckLWP, false, true},
    {"Check", "Min", &F::CheckMin, false, false},
    {"Check", "Active", &F::CheckActive, false, false},
    {"Check", "Mouse", &F::CheckMouse, false, false},
    {"Check", "KpLayer", &F::CheckKpLayer, false, true},
    {"Check", "KpMark", &F::CheckKpMark, false, true},
    {"Check", "CmdLine", &F::CheckCmdLine, true, true},
    {"Check", "Select", &F::CheckSelect, false, true},
}};

constexpr EditSetting kPl15Radius{"PL15", "FRAD", &F::EditFrad, "10"};
constexpr CheckSetting kPl15Explode{"PL15", "Explode", &F::CheckExplode, true, true};
constexpr CheckSetting kPl15Fillet{"PL15", "Fillet", &F::CheckFillet, true, true};
constexpr EditSetting kFilletRadius{"Fillet", "FRAD", &F::EditFrad2, "10"};
// Read at start but never written: it survives only when put into the file by hand.
constexpr CheckSetting kFilletAll{"Fillet", "FilletAll", &F::CheckFilletAll, false, true};

// A line break inside a value would start a new line of the file and corrupt it.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text) {
        if (c != '\r' && c != '\n') line += c;
    }
    return line;
}

// Centred on the screen. Integer division rounds toward zero.
int Centred(int screenSize, int windowSize) { return (screenSize - windowSize) / 2; }

}  // namespace

void TFormKvaneMain::LoadSettings(const SettingsFile& settings, const ScreenMetrics& screen) {
    const IniFile ini = settings.ForReading();
    auto readEdit = [&](const EditSetting& s) {
        (this->*s.control).text = ini.ReadString(s.section, s.key, s.byDefault);
    };
    auto readCheck = [&](const CheckSetting& s) {
        if (s.read) (this->*s.control).checked = ini.ReadBool(s.section, s.key, s.byDefault);
    };

    // Placed as the collapsed window, the size it always starts with.
    const int width = kClientWidth + screen.frameWidth;
    const int height = kClientHeightCollapsed + screen.frameHeight;
    const int centredLeft = Centred(screen.screenWidth, width);
    const int centredTop = Centred(screen.screenHeight, height);
    Top = ini.ReadInteger("Form", "Top", centredTop);
    Left = ini.ReadInteger("Form", "Left", centredLeft);
    // Past the right or bottom edge, e.g. after a change of resolution. A negative position
    // may be a monitor left of or above the main one, and is kept.
    if (Top > screen.screenHeight - height || Left > screen.screenWidth - width) {
        Top = centredTop;
        Left = centredLeft;
    }

    for (const EditSetting& s : kEdits) readEdit(s);
    for (const CheckSetting& s : kChecks) readCheck(s);
    ButtonLdrawN.enabled = CheckKpMark.checked;
    readEdit(kPl15Radius);
    readCheck(kPl15Explode);
    readCheck(kPl15Fillet);
    readEdit(kFilletRadius);
    readCheck(kFilletAll);
}

bool TFormKvaneMain::SaveSettings(SettingsFile& settings) const {
    return settings.Write([this](IniFile& ini) {
        auto writeEdit = [&](const EditSetting& s) {
            return ini.WriteString(s.section, s.key, OneLine((this->*s.control).text));
        };
        auto writeCheck = [&](const CheckSetting& s) {
            return ini.WriteBool(s.section, s.key, (this->*s.control).checked);
        };

        if (!ini.WriteInteger("Form", "Top", Top) || !ini.WriteInteger("Form", "Left", Left)) return false;
        for (const EditSetting& s : kEdits) {
            if (!writeEdit(s)) return false;
        }
        for (const CheckSetting& s : kChecks) {
            if (!writeCheck(s)) return false;
        }
        return writeEdit(kPl15Radius) && writeCheck(kPl15Explode) && writeCheck(kPl15Fillet) &&
               writeEdit(kFilletRadius);
    });
}

}  // namespace kv
