#include <algorithm>
#include <vector>

#include "app/main_form.h"
#include "app/palette_layout.h"

namespace kv {

namespace {

// The rows the settings file keeps, in the order their keys are written.
const std::vector<const PaletteRow*>& KeptRows() {
    static const std::vector<const PaletteRow*> rows = [] {
        std::vector<const PaletteRow*> kept;
        for (const PaletteSlot& slot : PaletteLayout())
            if (!slot.row->info.setting.section.empty()) kept.push_back(slot.row);
        std::stable_sort(kept.begin(), kept.end(), [](const PaletteRow* a, const PaletteRow* b) {
            return a->info.setting.order < b->info.setting.order;
        });
        return kept;
    }();
    return rows;
}

// A line break inside a value would start a new line of the file and corrupt it.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text) {
        if (c != '\r' && c != '\n') line += c;
    }
    return line;
}

// The wire-number look is written after the "Check" keys and before the 15PL tab's.
constexpr int kWireNumberLookOrder = 30;

// Centred on the screen. Integer division rounds toward zero.
int Centred(int screenSize, int windowSize) { return (screenSize - windowSize) / 2; }

}  // namespace

void TFormKvaneMain::LoadSettings(const SettingsFile& settings, const ScreenMetrics& screen) {
    const IniFile ini = settings.ForReading();

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

    for (const PaletteRow* row : KeptRows()) {
        const ControlSetting& s = row->info.setting;
        if (!s.read) continue;
        if (row->edit) row->edit(*this).text = ini.ReadString(s.section, s.key, s.text);
        if (row->check) row->check(*this).checked = ini.ReadBool(s.section, s.key, s.checked);
    }
    CheckKpMarkClick();
    for (int n = 1; n <= kTextButtonCount; ++n) {
        TTextBtn& preset = text.TextButtons[static_cast<size_t>(n)];
        preset = ReadTextPreset(ini, n);
        text.ButtonTxt[static_cast<size_t>(n - 1)].caption = preset.name;
    }
    SelectTextPreset(1);
    LoadWireNumberLook(ini, wireNumbers);
    CheckExplodeClick();
    EditFrad2Change();
}

bool TFormKvaneMain::SaveSettings(SettingsFile& settings) {
    return settings.Write([this](IniFile& ini) {
        if (!ini.WriteInteger("Form", "Top", Top) || !ini.WriteInteger("Form", "Left", Left)) return false;
        bool lookWritten = false;
        for (const PaletteRow* row : KeptRows()) {
            const ControlSetting& s = row->info.setting;
            if (!s.written) continue;
            if (!lookWritten && s.order > kWireNumberLookOrder) {
                if (!SaveWireNumberLook(ini, wireNumbers)) return false;
                lookWritten = true;
            }
            const bool written = row->edit ? ini.WriteString(s.section, s.key, OneLine(row->edit(*this).text))
                                           : ini.WriteBool(s.section, s.key, row->check(*this).checked);
            if (!written) return false;
        }
        return lookWritten || SaveWireNumberLook(ini, wireNumbers);
    });
}

}  // namespace kv
