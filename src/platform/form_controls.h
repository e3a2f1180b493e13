// The state of the palette's controls as the models hold it. A view copies these
// into the real controls after every handler and tick; the model is the truth.
#pragma once

#include <string>
#include <vector>

namespace kv {

struct ButtonControl {
    std::string caption;
    std::string hint;
    bool enabled = true;
    bool visible = true;
};

struct CheckControl {
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

struct EditControl {
    std::string text{};
    bool enabled = true;
    bool visible = true;
    // An edit list's proposals: its drop-down offers them, and its text may still be any.
    std::vector<std::string> items{};
    bool inputMethod = false;  // the input method opens as the box gets the focus
};

struct LabelControl {
    std::string caption;
    bool visible = true;
    bool enabled = true;  // greyed when not
};

// Two arrows that step a number between min and max.
struct UpDownControl {
    int position = 0;
    int min = 0;
    int max = 0;
    bool enabled = true;
};

// A drop-down list or a list box: its entries and the selected one (-1: none).
struct ListControl {
    std::vector<std::string> items;
    int itemIndex = -1;
    bool enabled = true;
};

// The view maps a timer to SetTimer/KillTimer; tests call the tick handler.
struct TimerControl {
    bool enabled = false;
    int interval = 0;
};

enum class MouseButton { Left, Right, Middle };

}  // namespace kv
