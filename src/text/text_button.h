// A text preset of the text tab, which is also the working record of one placement, and the
// justification list shared by the tab and the text dialogs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

struct TTextBtn {
    int number = 0;       // the pressed button, 1..14; set in the working record only
    std::string name;     // the caption; in the working record the text to create
    double height = 3.0;  // before DIMSCALE
    double width = 1.0;
    double rotation = 0;
    double oblique = 0;
    int justification = 0;  // index into kJustificationLabels
    bool layerFixed = false;
    bool styleFixed = false;
    bool vertical = false;  // only in memory
    bool inputMethodOn = false;
    bool countUp = false;
    bool repeat = false;
    std::string layer;
    std::string style;
    std::string font1;
    std::string font2;
};

// Index i is written as group 72 = i mod 3 and a row i div 3; see JustificationGroup73.
inline constexpr std::array<std::string_view, 12> kJustificationLabels{
    "L (左)",   "M (中)",   "R (右)",   "BL(左下)", "BC(中下)", "BR(右下)",
    "ML(中左)", "MC(中中)", "MR(中右)", "TL(上左)", "TC(上中)", "TR(上右)",
};

// The justification list as a drop-down shows it, the first entry chosen.
inline std::vector<std::string> JustificationItems() {
    return {kJustificationLabels.begin(), kJustificationLabels.end()};
}

// The prefix lists the count-up and wire-number dialogs propose.
inline std::vector<std::string> PrefixListItems() {
    return {"", "R,S,T", "R,S", "U,V,W", "U,V", "X,Y,Z", "X,Y", "P,N", "L,N"};
}

// The index a list shows for a preset's justification, and back; an unknown one is the first.
inline int ShownJustification(int index) {
    return index >= 0 && index < static_cast<int>(kJustificationLabels.size()) ? index : 0;
}

}  // namespace kv
