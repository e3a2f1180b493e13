#include <array>

#include "app/page_rows.h"
#include "app/text_page.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::text, member>;

using T = TextPage;

constexpr auto kControls = std::to_array<Row>({
    Button("SpeedButton4", kHeightButton, On<&T::SpeedButton4>, &F::SpeedButtonHeightClick),

    // wire numbers and two-line labels, at the end of both button rows
    Button("ButtonSenban", {267, 1, 38, kRowHeight}, On<&T::ButtonSenban>, &F::ButtonSenbanClick),
    Button("ButtonMain", {267, 24, 38, kRowHeight}, On<&T::ButtonMain>, &F::ButtonMainClick),
});

}  // namespace

std::span<const PaletteRow> TextPageControls() { return kControls; }

}  // namespace kv
