#include "text/two_line_form.h"

#include <array>

#include "base/number_text.h"

namespace kv {

namespace {

using F = TFormText2;
using Row = ControlRow<F>;

constexpr DialogFrame kFrame{"TFormText2", "２行文字", 248, 166};

template <auto member>
auto& Member(F& f) {
    return f.*member;
}

constexpr Row Label(PixelRect r, std::string_view text) {
    return {.info = {.kind = ControlKind::Text, .rect = r, .text = text}};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*edit)(F&), void (F::*key)(char&) = nullptr,
                   void (F::*change)() = nullptr) {
    return {
        .info = {.name = name, .kind = ControlKind::Edit, .rect = r}, .edit = edit, .keyPress = key, .change = change};
}

constexpr Row Check(std::string_view name, PixelRect r, CheckControl& (*check)(F&)) {
    return {.info = {.name = name, .kind = ControlKind::Check, .rect = r}, .check = check};
}

constexpr Row Closing(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), DialogResult result) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r, .closes = result}, .button = button};
}

constexpr auto kControls = std::to_array<Row>({
    Edit("Edit1", {8, 8, 150, 20}, Member<&F::Edit1>, &F::Edit1KeyPress, &F::Edit1Change),
    Edit("Edit2", {8, 34, 150, 20}, Member<&F::Edit2>, &F::Edit2KeyPress, &F::Edit2Change),
    {.info = {.name = "Image1", .kind = ControlKind::Image, .rect = {166, 6, kPreviewWidth, kPreviewHeight}},
     .click = &F::Image1Click,
     .pointerDown = &F::Image1MouseDown,
     .paint = &F::Image1Paint},
    Label({8, 66, 14, 16}, "H"),
    Edit("Edit3", {22, 63, 40, 20}, Member<&F::Edit3>),
    Label({68, 66, 14, 16}, "W"),
    Edit("Edit4", {82, 63, 40, 20}, Member<&F::Edit4>),
    Label({128, 66, 60, 16}, "H2 (行間)"),
    Edit("Edit5", {190, 63, 40, 20}, Member<&F::Edit5>),
    Check("CheckBox1", {8, 92, 50, 16}, Member<&F::CheckBox1>),
    Edit("Edit6", {60, 89, 100, 20}, Member<&F::Edit6>),
    Check("CheckText2Ren", {8, 116, 60, 16}, Member<&F::CheckText2Ren>),
    Check("CheckUpper", {72, 116, 110, 16}, Member<&F::CheckUpper>),
    Closing("Button1", {8, 136, 80, 24}, Member<&F::Button1>, DialogResult::Ok),
    Closing("Button2", {96, 136, 80, 24}, Member<&F::Button2>, DialogResult::Cancel),
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

void TFormText2::Image1Click() { base_ = NearestBasePoint(mouseX_, mouseY_); }

void TFormText2::Image1Paint(Canvas& canvas) { DrawTwoLinePreview(canvas, LineCount(), base_); }

void TFormText2::Changed() {
    // Nothing to create without text.
    Button1.enabled = !(Edit1.text + Edit2.text).empty();
}

const DialogFrame& TFormText2::Frame() const { return kFrame; }

std::vector<BoundControl> TFormText2::Controls() { return BindAll(TwoLineControls(), *this); }

std::span<const ControlRow<TFormText2>> TwoLineControls() { return kControls; }

}  // namespace kv
