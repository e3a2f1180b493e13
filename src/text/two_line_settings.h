// The two-line label's settings for the whole run: the last lines, the look, and the base
// point chosen on the dialog's preview. The look is kept in section "Text2" of the settings
// file, read whenever the dialog opens and written whenever it is confirmed.
#pragma once

#include <string>

#include "base/ini_file.h"

namespace kv {

struct TwoLineSettings {
    std::string line1;
    std::string line2;
    double height = 2.8;  // before DIMSCALE, as the line gap
    double width = 0.8;
    double gap = 1.0;
    std::string layer = "KIKI_MOJI";
    bool layerFixed = true;
    bool upperCase = true;
    bool repeat = true;
    int baseColumn = 0;  // 0 left, 1 centre, 2 right
    int baseRow = 0;     // 0 on the second line, 1 between the lines, 2 on the first line
};

// "Rep" only when the caller offers repeat.
void LoadTwoLineLook(const IniFile& ini, TwoLineSettings& settings, bool withRepeat);
bool SaveTwoLineLook(IniFile& ini, const TwoLineSettings& settings, bool withRepeat);

}  // namespace kv
