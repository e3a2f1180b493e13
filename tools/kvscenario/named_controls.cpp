#include "named_controls.h"

#include "app/dialog_layouts.h"
#include "app/palette_layout.h"

namespace kv::scenario {

std::optional<NamedControl> FindPaletteControl(std::string_view name) {
    const auto layout = PaletteLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const ControlInfo& info = layout[i].row->info;
        if (!name.empty() && info.name == name) return NamedControl{{}, i, &info};
    }
    return std::nullopt;
}

namespace {

template <class Match>
std::optional<NamedControl> FindOnDialog(std::string_view dialog, Match match) {
    const DialogLayout* layout = FindDialogLayout(dialog);
    if (!layout) return std::nullopt;
    for (std::size_t i = 0; i < layout->controls.size(); ++i) {
        if (match(*layout->controls[i])) return NamedControl{layout->frame.name, i, layout->controls[i]};
    }
    return std::nullopt;
}

}  // namespace

std::optional<NamedControl> FindDialogControl(std::string_view dialog, std::string_view name) {
    return FindOnDialog(dialog, [&](const ControlInfo& c) { return !name.empty() && c.name == name; });
}

std::optional<NamedControl> FindClosingButton(std::string_view dialog, DialogResult result) {
    return FindOnDialog(dialog, [&](const ControlInfo& c) { return c.closes == result; });
}

}  // namespace kv::scenario
