#include "text/text_form.h"

#include <array>

#include "base/strings.h"
#include "text/text_button.h"

namespace kv {

namespace {

using F = TFormText;
using Row = ControlRow<F>;

constexpr DialogFrame kFrame{"TFormText", "文字作成", 304, 148};
constexpr char kEnter = '\r';
constexpr char kEscape = '\x1b';

template <auto member>
auto& Member(F& f) {
    return f.*member;
}

constexpr Row Text(PixelRect r, std::string_view text) {
    return {.info = {.kind = ControlKind::Text, .rect = r, .text = text}};
}

constexpr Row Label(std::string_view name, PixelRect r, LabelControl& (*label)(F&)) {
    return {.info = {.name = name, .kind = ControlKind::Label, .rect = r}, .label = label};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*edit)(F&), void (F::*key)(char&) = nullptr,
                   void (F::*change)() = nullptr) {
    return {
        .info = {.name = name, .kind = ControlKind::Edit, .rect = r}, .edit = edit, .keyPress = key, .change = change};
}

constexpr Row Button(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), void (F::*click)()) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r}, .button = button, .click = click};
}

constexpr Row Closing(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), DialogResult result) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r, .closes = result}, .button = button};
}

// Edit1 lies where the three count-up fields lie; only one set is shown at a time.
constexpr auto kControls = std::to_array<Row>({
    Text({8, 11, 28, 14}, "基点"),
    Edit("ComboBox5", {38, 8, 86, 20}, Member<&F::ComboBox5>),
    Text({132, 11, 40, 14}, "回転角"),
    Edit("ComboBox2", {174, 8, 50, 20}, Member<&F::ComboBox2>),
    Text({8, 37, 28, 14}, "高さ"),
    Edit("ComboBox3", {38, 34, 50, 20}, Member<&F::ComboBox3>),
    Text({96, 37, 40, 14}, "幅係数"),
    Edit("ComboBox4", {138, 34, 50, 20}, Member<&F::ComboBox4>),
    Text({8, 63, 28, 14}, "画層"),
    Edit("Edit4", {38, 60, 100, 20}, Member<&F::Edit4>),
    Text({146, 63, 30, 14}, "ｽﾀｲﾙ"),
    Edit("Edit5", {178, 60, 94, 20}, Member<&F::Edit5>),
    Button("SpeedButton2", {276, 60, 20, 20}, Member<&F::SpeedButton2>, &F::SpeedButton2Click),
    Edit("Edit1", {8, 88, 288, 22}, Member<&F::Edit1>, &F::Edit1KeyPress, &F::Edit1Change),
    Label("Label7", {8, 92, 16, 14}, Member<&F::Label7>),
    Edit("ComboBox1", {26, 88, 80, 22}, Member<&F::ComboBox1>, &F::ComboBox1KeyPress),
    Label("Label8", {112, 92, 40, 14}, Member<&F::Label8>),
    Edit("Edit2", {154, 88, 60, 22}, Member<&F::Edit2>, &F::Edit2KeyPress, &F::Edit2Change),
    Label("Label9", {220, 92, 16, 14}, Member<&F::Label9>),
    Edit("Edit3", {238, 88, 58, 22}, Member<&F::Edit3>, &F::Edit3KeyPress),
    Text({8, 122, 180, 14}, "※文字位置指示終了はｷｬﾝｾﾙです."),
    Closing("Button1", {196, 118, 48, 24}, Member<&F::Button1>, DialogResult::Ok),
    Closing("Button2", {248, 118, 48, 24}, Member<&F::Button2>, DialogResult::Cancel),
});

}  // namespace

void TFormText::ShowCountUp(bool countUp) {
    Edit1.visible = Edit1.enabled = !countUp;
    for (EditControl* e : {&ComboBox1, &Edit2, &Edit3}) e->visible = e->enabled = countUp;
    for (LabelControl* l : {&Label7, &Label8, &Label9}) l->visible = countUp;
    Edit1Change();
}

void TFormText::Edit1Change() {
    const EditControl& shown = Edit1.enabled ? Edit1 : Edit2;
    Button1.enabled = shown.enabled && !Trim(shown.text).empty();
}

void TFormText::Edit2Change() { Edit1Change(); }

void TFormText::Edit1KeyPress(char& key) {
    if (key == kEnter && Button1.enabled) closeRequest = DialogResult::Ok;
    if (key == kEscape) closeRequest = DialogResult::Cancel;
    if (key == kEnter) key = 0;
}

void TFormText::ComboBox1KeyPress(char& key) {
    if (key == kEnter) focusRequest = "Edit2";
    if (key == kEscape) closeRequest = DialogResult::Cancel;
    if (key == kEnter) key = 0;
}

void TFormText::Edit2KeyPress(char& key) {
    if (key != kEnter) return;
    focusRequest = "Edit3";
    key = 0;
}

void TFormText::Edit3KeyPress(char& key) {
    if (key != kEnter) return;
    if (Button1.enabled) closeRequest = DialogResult::Ok;
    key = 0;
}

void TFormText::SpeedButton2Click() {
    if (OnReference) OnReference();
}

const DialogFrame& TFormText::Frame() const { return kFrame; }

std::vector<BoundControl> TFormText::Controls() { return BindAll(TextFormControls(), *this); }

std::span<const ControlRow<TFormText>> TextFormControls() { return kControls; }

int JustificationOfLabel(std::string_view label) {
    for (size_t i = 0; i < kJustificationLabels.size(); ++i)
        if (kJustificationLabels[i] == label) return static_cast<int>(i);
    return 0;
}

}  // namespace kv
