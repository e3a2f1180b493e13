// The palette's controls: each page's one table (defined beside the page) and the pages
// together in tab order, as the view creates them, the story runner finds them and the
// settings file keeps them. Portable on purpose (no <windows.h>), so that the layout can be
// checked without a window system.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "platform/control_table.h"

namespace kv {

enum class PalettePage { Main, Text, Block, Polyline };
inline constexpr int kPaletteTabCount = 4;
inline constexpr std::string_view kPaletteTabNames[kPaletteTabCount] = {"Main", "文字", "ﾌﾞﾛｯｸ", "15PL"};

// The page area inside the tab control as it is laid out for the palette's font.
inline constexpr int kPageWidth = 328;
inline constexpr int kCollapsedPageHeight = 48;  // the first rows of buttons
inline constexpr int kExpandedPageHeight = 292;

using PaletteRow = ControlRow<TFormKvaneMain>;

// Groups come before the controls inside them: they are created first and so lie below.
std::span<const PaletteRow> MainPageControls();
std::span<const PaletteRow> TextPageControls();
std::span<const PaletteRow> BlockPageControls();
std::span<const PaletteRow> PolylinePageControls();

struct PaletteSlot {
    PalettePage page;
    const PaletteRow* row;
};

// Every page's controls in tab order: the view gives the window of slot i the control id
// kFirstControlId + i.
std::span<const PaletteSlot> PaletteLayout();
std::vector<BoundControl> BindPalette(TFormKvaneMain& form);

}  // namespace kv
