// The wire-number dialog ("線番"): the numbering and the look of the numbers, and the two ways
// to place them, by point ("1点指示", OK) or along a drawn line ("2点指示", Yes).
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "platform/control_table.h"
#include "platform/ui.h"
#include "text/text_button.h"
#include "text/wire_number_settings.h"

namespace kv {

class TFormSenban : public Dialog {
public:
    EditControl ComboMae{.items = PrefixListItems()};
    EditControl EditKaishi{"101"};
    EditControl EditAto;
    CheckControl CheckHex{"16進"};
    EditControl EditTextH{"1.8"};
    EditControl EditTextW{"1.0"};
    EditControl EditLayer{"SENBAN"};
    EditControl EditStyle{"SENBAN"};
    ButtonControl SpeedButton1{"...", ""};
    ButtonControl Button1{"1点指示", ""};
    ButtonControl Button3{"2点指示", ""};

    // Starts the pick of a text whose number and look the dialog takes over, while it stays open.
    std::function<void()> OnTextPick;
    void SpeedButton1Click();

    void Fill(const WireNumberSettings& settings);
    // The eight settings as the dialog holds them; a height or width that is not a number
    // throws ConversionError and leaves settings as they were.
    void ReadBack(WireNumberSettings& settings) const;

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;
};

std::span<const ControlRow<TFormSenban>> WireNumberControls();

}  // namespace kv
