#include "text/two_line_form.h"

#include <array>

#include "base/number_text.h"
#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormText2;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormText2", "２行文字", 248, 166};

constexpr auto kControls = std::to_array<R::Row>({
    R::Edit<&F::Edit1>("Edit1", {8, 8, 150, 20}, &F::Edit1KeyPress, &F::Edit1Change),
    R::Edit<&F::Edit2>("Edit2", {8, 34, 150, 20}, &F::Edit2KeyPress, &F::Edit2Change),
    R::Image<&F::Image1>("Image1", {166, 6, kPreviewWidth, kPreviewHeight}, &F::Image1MouseDown, &F::Image1Click,
                         &F::Image1DblClick),
    R::Text({8, 66, 14, 16}, "H"),
    R::Edit<&F::Edit3>("Edit3", {22, 63, 40, 20}),
    R::Text({68, 66, 14, 16}, "W"),
    R::Edit<&F::Edit4>("Edit4", {82, 63, 40, 20}),
    R::Text({128, 66, 60, 16}, "H2 (行間)"),
    R::Edit<&F::Edit5>("Edit5", {190, 63, 40, 20}),
    R::Check<&F::CheckBox1>("CheckBox1", {8, 92, 50, 16}),
    R::Edit<&F::Edit6>("Edit6", {60, 89, 100, 20}),
    R::Check<&F::CheckText2Ren>("CheckText2Ren", {8, 116, 60, 16}),
    R::Check<&F::CheckUpper>("CheckUpper", {72, 116, 110, 16}),
    R::Closing<&F::Button1>("Button1", {8, 136, 80, 24}, DialogResult::Ok),
    R::Closing<&F::Button2>("Button2", {96, 136, 80, 24}, DialogResult::Cancel),
});

void UpperCaseTyped(const CheckControl& upper, char& key) {
    if (upper.checked && key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
}

}  // namespace

int TFormText2::LineCount() const { return !Edit1.text.empty() && !Edit2.text.empty() ? 2 : 1; }

void TFormText2::Fill(const TwoLineSettings& s, bool repeatAllowed) {
    Edit1.text = s.line1;
    Edit2.text = s.line2;
    Edit3.text = FormatReal(s.height);
    Edit4.text = FormatReal(s.width);
    Edit5.text = FormatReal(s.gap);
    Edit6.text = s.layer;
    CheckBox1.checked = s.layerFixed;
    CheckUpper.checked = s.upperCase;
    CheckText2Ren.checked = repeatAllowed && s.repeat;
    CheckText2Ren.enabled = repeatAllowed;
    base_ = {s.baseColumn, s.baseRow};
    Changed();
}

void TFormText2::ReadBack(TwoLineSettings& s) {
    const double height = ParseReal(Edit3.text);
    const double width = ParseReal(Edit4.text);
    const double gap = ParseReal(Edit5.text);
    if (Edit1.text.empty()) std::swap(Edit1.text, Edit2.text);
    s.line1 = Edit1.text;
    s.line2 = Edit2.text;
    s.baseColumn = base_.column;
    s.baseRow = base_.row;
    s.layerFixed = CheckBox1.checked;
    s.upperCase = CheckUpper.checked;
    if (CheckText2Ren.enabled) s.repeat = CheckText2Ren.checked;
    s.layer = Edit6.text;
    s.height = height;
    s.width = width;
    s.gap = gap;
}

void TFormText2::Edit1Change() { Changed(); }
void TFormText2::Edit2Change() { Changed(); }
void TFormText2::Edit1KeyPress(char& key) {
    if (key == '\r') {
        focusRequest = "Edit2";
        key = 0;
    }
    UpperCaseTyped(CheckUpper, key);
}

void TFormText2::Edit2KeyPress(char& key) {
    if (key == '\r') {
        focusRequest = "Button1";
        key = 0;
    }
    UpperCaseTyped(CheckUpper, key);
}

void TFormText2::Image1MouseDown(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
}

void TFormText2::Image1Click() {
    base_ = NearestBasePoint(mouseX_, mouseY_);
    Redraw();
}

void TFormText2::Image1DblClick() {
    if (Button1.enabled) closeRequest = DialogResult::Ok;
}

void TFormText2::Redraw() {
    if (Image1) DrawTwoLinePreview(*Image1, LineCount(), base_);
}

void TFormText2::Changed() {
    // Nothing to create without text.
    Button1.enabled = !(Edit1.text + Edit2.text).empty();
    Redraw();
}

const DialogFrame& TFormText2::Frame() const { return kFrame; }

std::vector<BoundControl> TFormText2::Controls() { return BindAll(TwoLineControls(), *this); }

std::span<const ControlRow<TFormText2>> TwoLineControls() { return kControls; }

}  // namespace kv
