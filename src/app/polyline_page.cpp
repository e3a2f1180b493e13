#include <array>

#include "app/page_rows.h"
#include "app/polyline_page.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::polyline, member>;

using P = PolylinePage;

constexpr int kButtonWidth = 42;

constexpr PixelRect Cell(int column) { return {1 + column * kButtonWidth, 1, kButtonWidth, kRowHeight}; }

constexpr auto kControls = std::to_array<Row>({
    Button("Button5", Cell(0), On<&P::Button5>, &F::Button5Click),
    Button("Button6", Cell(1), On<&P::Button6>, &F::Button6Click),
    Button("Button7", Cell(2), On<&P::Button7>, &F::Button7Click),
    Button("Button9", Cell(3), On<&P::Button9>, &F::Button9Click),
    Button("Button10", Cell(4), On<&P::Button10>, &F::Button10Click),
    Button("Button8", Cell(5), On<&P::Button8>, &F::Button8Click),
    Button("Button4", Cell(6), On<&P::Button4>, &F::Button4Click),
    Button("SpeedButton17", kHeightButton, On<&P::SpeedButton17>, &F::SpeedButtonHeightClick),
    Group({0, 50, 164, 80}, "15/30/45PLINE"),
    Kept(Check("CheckExplode", {6, 66, 154, 16}, On<&P::CheckExplode>, &F::CheckExplodeClick),
         CheckKey("PL15", "Explode", 42, true)),
    Kept(Check("CheckFillet", {6, 86, 154, 16}, On<&P::CheckFillet>), CheckKey("PL15", "Fillet", 43, true)),
    Kept(Edit("EditFrad", {6, 106, 44, 20}, On<&P::EditFrad>, &F::EditFradKeyPress), TextKey("PL15", "FRAD", 41, "10")),
    Text({52, 109, 72, 14}, "×DIMSCALE"),
    Group({166, 50, 162, 80}, "ﾌｨﾚｯﾄ"),
    Text({172, 69, 28, 14}, "半径"),
    Kept(Edit("EditFrad2", {202, 66, 44, 20}, On<&P::EditFrad2>, &F::EditFrad2KeyPress, &F::EditFrad2Change),
         TextKey("Fillet", "FRAD", 44, "10")),
    Text({248, 69, 66, 14}, "xDIMSCALE"),
    Kept(Check("CheckFilletAll", {172, 92, 150, 16}, On<&P::CheckFilletAll>),
         ReadOnly(CheckKey("Fillet", "FilletAll", 45, false))),
});

}  // namespace

std::span<const PaletteRow> PolylinePageControls() { return kControls; }

}  // namespace kv
