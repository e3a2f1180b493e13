#include <array>

#include "app/page_rows.h"
#include "app/text_page.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::text, member>;

constexpr auto kControls = std::to_array<Row>({
    Button("SpeedButton4", kHeightButton, On<&TextPage::SpeedButton4>, &F::SpeedButtonHeightClick),
});

}  // namespace

std::span<const PaletteRow> TextPageControls() { return kControls; }

}  // namespace kv
