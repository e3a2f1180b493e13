// The rectangle-edit dialog: the width, height and corner radius of a picked rectangle, and
// the button that goes on to ask for the base point.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/ui.h"

namespace kv {

// Sets any key but a digit, ".", Enter or Backspace to 0, which discards it.
void KeepNumberKey(char& key);

class TFormRecEd : public Dialog {
public:
    EditControl Edit1;  // W
    EditControl Edit2;  // H
    EditControl Edit3;  // r
    ButtonControl Button1{"基準点を指示", ""};
    ButtonControl Button2{"取消", ""};

    // Digits, ".", Enter and Backspace only; Enter moves on to the next field, then the button.
    void Edit1KeyPress(char& key);
    void Edit2KeyPress(char& key);
    void Edit3KeyPress(char& key);

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;

private:
    void KeepNumberKeyOrMoveOn(char& key, std::string_view next);
};

std::span<const ControlRow<TFormRecEd>> RectangleEditControls();

}  // namespace kv
