#include "text/text_form.h"

#include <array>

#include "base/strings.h"
#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormText;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormText", "文字作成", 304, 148};
constexpr char kEnter = '\r';
constexpr char kEscape = '\x1b';

// Edit1 lies where the three count-up fields lie; only one set is shown at a time.
constexpr auto kControls = std::to_array<R::Row>({
    R::Text({8, 11, 28, 14}, "基点"),
    R::Combo<&F::ComboBox5>("ComboBox5", {38, 8, 86, 20}),
    R::Text({132, 11, 40, 14}, "回転角"),
    R::EditList<&F::ComboBox2>("ComboBox2", {174, 8, 50, 20}),
    R::Text({8, 37, 28, 14}, "高さ"),
    R::EditList<&F::ComboBox3>("ComboBox3", {38, 34, 50, 20}),
    R::Text({96, 37, 40, 14}, "幅係数"),
    R::EditList<&F::ComboBox4>("ComboBox4", {138, 34, 50, 20}),
    R::Label<&F::Label5>("Label5", {8, 63, 28, 14}),
    R::Edit<&F::Edit4>("Edit4", {38, 60, 100, 20}),
    R::Label<&F::Label6>("Label6", {146, 63, 30, 14}),
    R::Edit<&F::Edit5>("Edit5", {178, 60, 94, 20}),
    R::Button<&F::SpeedButton2>("SpeedButton2", {276, 60, 20, 20}, &F::SpeedButton2Click),
    R::Edit<&F::Edit1>("Edit1", {8, 88, 288, 22}, &F::Edit1KeyPress, &F::Edit1Change),
    R::Label<&F::Label7>("Label7", {8, 92, 16, 14}),
    R::EditList<&F::ComboBox1>("ComboBox1", {26, 88, 80, 22}, &F::ComboBox1KeyPress),
    R::Label<&F::Label8>("Label8", {112, 92, 40, 14}),
    R::Edit<&F::Edit2>("Edit2", {154, 88, 60, 22}, &F::Edit2KeyPress, &F::Edit2Change),
    R::Label<&F::Label9>("Label9", {220, 92, 16, 14}),
    R::Edit<&F::Edit3>("Edit3", {238, 88, 58, 22}, &F::Edit3KeyPress),
    R::Text({8, 122, 180, 14}, "※文字位置指示終了はｷｬﾝｾﾙです."),
    R::Closing<&F::Button1>("Button1", {196, 118, 48, 24}, DialogResult::Ok),
    R::Closing<&F::Button2>("Button2", {248, 118, 48, 24}, DialogResult::Cancel),
});

// "1.0" to "10.0" by 0.5; "1.00" down to "0.50" by 0.05.
std::vector<std::string> Heights() {
    std::vector<std::string> items;
    for (int t = 10; t <= 100; t += 5) items.push_back(std::to_string(t / 10) + "." + std::to_string(t % 10));
    return items;
}

std::vector<std::string> WidthFactors() {
    std::vector<std::string> items;
    for (int h = 100; h >= 50; h -= 5)
        items.push_back(std::to_string(h / 100) + (h % 100 < 10 ? ".0" : ".") + std::to_string(h % 100));
    return items;
}

}  // namespace

TFormText::TFormText() {
    ComboBox2.items = {"0", "45", "90", "135", "180", "225", "270", "315"};
    ComboBox3.items = Heights();
    ComboBox4.items = WidthFactors();
    ComboBox1.items = PrefixListItems();
}

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

}  // namespace kv
