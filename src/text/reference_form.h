// The text-reference dialog ("文字列参照"): which values of a picked text the text dialog takes
// over. The list's seven items are check boxes CheckListBox1_0 to CheckListBox1_6.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/control_table.h"
#include "platform/ui.h"

namespace kv {

// Bit i of a ReferenceMask: list item i.
enum ReferenceItem : uint32_t {
    kReferText = 1,
    kReferJustification = 2,
    kReferHeight = 4,
    kReferWidth = 8,
    kReferRotation = 16,
    kReferLayer = 32,
    kReferStyle = 64,
};

class TFormSansyou : public Dialog {
public:
    TFormSansyou();

    std::array<CheckControl, 7> CheckListBox1;
    ButtonControl Button1{"参照", ""};

    void CheckListBox1Click();
    // The ticked items as bits.
    uint32_t ReferenceMask() const;

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;
};

std::span<const ControlRow<TFormSansyou>> ReferenceFormControls();

}  // namespace kv
