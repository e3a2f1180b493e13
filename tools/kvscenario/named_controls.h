// Controls as stories name them: on the palette, or on the dialog a script plays.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/control_table.h"

namespace kv::scenario {

struct NamedControl {
    std::string_view dialog;  // empty: the palette
    std::size_t index = 0;    // its row in the palette's layout or in the dialog's table
    const ControlInfo* info = nullptr;

    std::string_view name() const { return info->name; }
};

// Nothing for an unknown name.
std::optional<NamedControl> FindPaletteControl(std::string_view name);
std::optional<NamedControl> FindDialogControl(std::string_view dialog, std::string_view name);
// The button that closes the dialog with `result`, if it has one.
std::optional<NamedControl> FindClosingButton(std::string_view dialog, DialogResult result);

}  // namespace kv::scenario
