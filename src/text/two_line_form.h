// The two-line label dialog ("２行文字"): the two lines, their height, width factor and gap, an
// optional fixed layer, and the base point chosen on a preview.
#pragma once

#include <span>
#include <vector>

#include "platform/canvas.h"
#include "platform/control_table.h"
#include "platform/ui.h"
#include "text/two_line_preview.h"
#include "text/two_line_settings.h"

namespace kv {

class TFormText2 : public Dialog {
public:
    EditControl Edit1;  // line 1
    EditControl Edit2;  // line 2
    EditControl Edit3{"2.8"};
    EditControl Edit4{"0.8"};
    EditControl Edit5{"1.0"};
    CheckControl CheckBox1{"画層", true};
    EditControl Edit6{"KIKI_MOJI"};
    CheckControl CheckText2Ren{"連続", true};
    CheckControl CheckUpper{"a..z > A..Z", true};
    Canvas* Image1 = nullptr;  // the preview, drawn whenever the lines or the base point change
    ButtonControl Button1{"実行", "現在の文字基点で作成"};
    ButtonControl Button2{"取消", ""};

    // 2 with both lines, else 1.
    int LineCount() const;
    BasePoint Base() const { return base_; }

    void Fill(const TwoLineSettings& settings, bool repeatAllowed);
    // Confirms the dialog into settings: a lone second line becomes the first. A height, width
    // or gap that is not a number throws ConversionError and leaves settings as they were.
    void ReadBack(TwoLineSettings& settings);

    void Edit1Change();
    void Edit2Change();
    // Typed letters become capitals when CheckUpper is ticked; pasted text stays as it is. Enter
    // goes on to the second line, and from there to "実行".
    void Edit1KeyPress(char& key);
    void Edit2KeyPress(char& key);
    // The preview: the click chooses the base point nearest the pixel of the mouse-down before it;
    // a double click confirms as "実行" does.
    void Image1MouseDown(int x, int y);
    void Image1Click();
    void Image1DblClick();

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;
    void Opening() override { Redraw(); }

private:
    void Changed();
    void Redraw();

    BasePoint base_;
    int mouseX_ = 0;
    int mouseY_ = 0;
};

std::span<const ControlRow<TFormText2>> TwoLineControls();

}  // namespace kv
