// The palette's main-form controls by name, as scenarios click, set and check them.
#pragma once

#include <string_view>

#include "app/main_form.h"

namespace kv::scenario {

struct PaletteControl {
    std::string_view name;
    ButtonControl TFormKvaneMain::*button = nullptr;
    CheckControl TFormKvaneMain::*check = nullptr;
    EditControl TFormKvaneMain::*edit = nullptr;
    LabelControl TFormKvaneMain::*label = nullptr;
    void (TFormKvaneMain::*click)() = nullptr;
    void (TFormKvaneMain::*mouseDown)(MouseButton) = nullptr;
    // Its place in the palette window's layout table (which gives the handlers); -1 when
    // the window does not show it.
    int layoutIndex = -1;
};

// Nothing for an unknown name.
const PaletteControl* FindPaletteControl(std::string_view name);

}  // namespace kv::scenario
