// Where each control of the palette sits and which part of the main form model it shows.
// Positions are pixels: on a page, relative to the page's top-left corner; on the form,
// relative to the client area. Portable on purpose (no <windows.h>), so that the layout
// can be checked without a window system.
#pragma once

#include <span>
#include <string_view>

#include "app/main_form.h"

namespace kv {

enum class PalettePage { Main, Text, Block, Pl15, Form };
inline constexpr int kPaletteTabCount = 4;
inline constexpr std::string_view kPaletteTabNames[kPaletteTabCount] = {"Main", "文字", "ﾌﾞﾛｯｸ", "15PL"};

enum class ControlKind { Button, Check, Edit, Label, Group, Text };

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

using Form = TFormKvaneMain;

// One control. `button`, `check`, `edit` and `label` bind it to the model (the one that
// matches `kind`); groups and texts show `text` and bind nothing.
struct PaletteControl {
    PalettePage page;
    ControlKind kind;
    PixelRect rect;
    ButtonControl Form::*button = nullptr;
    CheckControl Form::*check = nullptr;
    EditControl Form::*edit = nullptr;
    LabelControl Form::*label = nullptr;
    std::string_view text{};
    void (Form::*click)() = nullptr;
    void (Form::*mouseDown)(MouseButton) = nullptr;
    void (Form::*keyPress)(char&) = nullptr;
    bool grey = false;  // a small status label in grey
};

// The page area inside the tab control as it is laid out for the palette's font.
inline constexpr int kPageWidth = 328;
inline constexpr int kCollapsedPageHeight = 48;   // the first rows of buttons
inline constexpr int kExpandedPageHeight = 292;

std::span<const PaletteControl> PaletteControls();
// The window of PaletteControls()[i] has the control id kFirstPaletteControlId + i.
inline constexpr int kFirstPaletteControlId = 1000;

}  // namespace kv
