#include "app/palette_layout.h"

namespace kv {

namespace {

std::vector<PaletteSlot> AllPages() {
    std::vector<PaletteSlot> slots;
    auto add = [&](PalettePage page, std::span<const PaletteRow> rows) {
        for (const PaletteRow& row : rows) slots.push_back({page, &row});
    };
    add(PalettePage::Main, MainPageControls());
    add(PalettePage::Text, TextPageControls());
    add(PalettePage::Block, BlockPageControls());
    add(PalettePage::Polyline, PolylinePageControls());
    return slots;
}

}  // namespace

std::span<const PaletteSlot> PaletteLayout() {
    static const std::vector<PaletteSlot> slots = AllPages();
    return slots;
}

std::vector<BoundControl> BindPalette(TFormKvaneMain& form) {
    std::vector<BoundControl> bound;
    for (const PaletteSlot& slot : PaletteLayout()) bound.push_back(Bind(*slot.row, form));
    return bound;
}

}  // namespace kv
