#include <array>

#include "app/page_rows.h"
#include "app/polyline_page.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::polyline, member>;

using P = PolylinePage;

constexpr auto kControls = std::to_array<Row>({
    Button("SpeedButton17", kHeightButton, On<&P::SpeedButton17>, &F::SpeedButtonHeightClick),
    Group({0, 50, 164, 80}, "15/30/45PLINE"),
    Kept(Check("CheckExplode", {6, 66, 154, 16}, On<&P::CheckExplode>), CheckKey("PL15", "Explode", 42, true)),
    Kept(Check("CheckFillet", {6, 86, 154, 16}, On<&P::CheckFillet>), CheckKey("PL15", "Fillet", 43, true)),
    Kept(Edit("EditFrad", {6, 106, 44, 20}, On<&P::EditFrad>), TextKey("PL15", "FRAD", 41, "10")),
    Text({52, 109, 72, 14}, "×DIMSCALE"),
    Group({166, 50, 162, 80}, "ﾌｨﾚｯﾄ"),
    Text({172, 69, 28, 14}, "半径"),
    Kept(Edit("EditFrad2", {202, 66, 44, 20}, On<&P::EditFrad2>), TextKey("Fillet", "FRAD", 44, "10")),
    Text({248, 69, 66, 14}, "xDIMSCALE"),
    Kept(Check("CheckFilletAll", {172, 92, 150, 16}, On<&P::CheckFilletAll>),
         ReadOnly(CheckKey("Fillet", "FilletAll", 45, false))),
});

}  // namespace

std::span<const PaletteRow> PolylinePageControls() { return kControls; }

}  // namespace kv
