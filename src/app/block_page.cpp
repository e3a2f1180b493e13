#include <array>

#include "app/block_page.h"
#include "app/page_rows.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::block, member>;

using B = BlockPage;

constexpr auto kControls = std::to_array<Row>({
    Button("SpeedButton6", kHeightButton, On<&B::SpeedButton6>, &F::SpeedButtonHeightClick),
    OffPage(Button("SpeedButton3", {4, 330, 40, 22}, On<&B::SpeedButton3>, &F::SpeedButton3Click)),
    OffPage(Status("Label8", {50, 334, 120, 14}, On<&B::Label8>, false)),
});

}  // namespace

std::span<const PaletteRow> BlockPageControls() { return kControls; }

}  // namespace kv
