// The text-creation dialog ("文字作成"): the text to place, or for a count-up button its prefix
// list, initial value and suffix, and this placement's look. Its "..." button takes values
// over from a text picked in the drawing (TFormSansyou).
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "platform/control_table.h"
#include "platform/ui.h"
#include "text/text_button.h"

namespace kv {

class TFormText : public Dialog {
public:
    TFormText();

    ListControl ComboBox5{JustificationItems(), 0};
    EditControl ComboBox2{"0"};  // rotation
    LabelControl Label5{"画層"};
    EditControl Edit4;              // layer
    EditControl ComboBox3{"3.0"};   // height
    EditControl ComboBox4{"1.00"};  // width factor
    LabelControl Label6{"ｽﾀｲﾙ"};
    EditControl Edit5;  // style
    ButtonControl SpeedButton2{"...", "文字列参照"};
    EditControl Edit1;  // the plain text; in the place of the three count-up fields
    LabelControl Label7{"前"};
    EditControl ComboBox1;  // prefix list
    LabelControl Label8{"初期値"};
    EditControl Edit2;  // initial counter value
    LabelControl Label9{"後"};
    EditControl Edit3;  // suffix
    ButtonControl Button1{"OK", "", false};
    ButtonControl Button2{"終了", ""};

    // Starts the pick of a text to take values from, while this dialog stays open.
    std::function<void()> OnReference;

    // Shows the count-up fields, or the plain text field, and hides the other set.
    void ShowCountUp(bool countUp);
    bool CountUpShown() const { return Edit2.visible; }

    void Edit1Change();
    void Edit2Change();
    void Edit1KeyPress(char& key);
    void ComboBox1KeyPress(char& key);
    void Edit2KeyPress(char& key);
    void Edit3KeyPress(char& key);
    void SpeedButton2Click();

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;
};

std::span<const ControlRow<TFormText>> TextFormControls();

}  // namespace kv
