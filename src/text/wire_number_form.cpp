#include "text/wire_number_form.h"

#include <array>

#include "base/number_text.h"

namespace kv {

namespace {

using F = TFormSenban;
using Row = ControlRow<F>;

constexpr DialogFrame kFrame{"TFormSenban", "線番", 176, 218};

template <auto member>
auto& Member(F& f) {
    return f.*member;
}

constexpr Row Label(PixelRect r, std::string_view text) {
    return {.info = {.kind = ControlKind::Text, .rect = r, .text = text}};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*edit)(F&)) {
    return {.info = {.name = name, .kind = ControlKind::Edit, .rect = r}, .edit = edit};
}

constexpr Row Closing(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), DialogResult result) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r, .closes = result}, .button = button};
}

constexpr auto kControls = std::to_array<Row>({
    Label({8, 11, 30, 16}, "前"),
    Edit("ComboMae", {44, 8, 90, 20}, Member<&F::ComboMae>),
    Label({8, 35, 36, 16}, "初期値"),
    Edit("EditKaishi", {44, 32, 60, 20}, Member<&F::EditKaishi>),
    {.info = {.name = "CheckHex", .kind = ControlKind::Check, .rect = {110, 34, 60, 16}},
     .check = Member<&F::CheckHex>},
    Label({8, 59, 30, 16}, "後"),
    Edit("EditAto", {44, 56, 60, 20}, Member<&F::EditAto>),
    Label({8, 87, 30, 16}, "高さ"),
    Edit("EditTextH", {44, 84, 50, 20}, Member<&F::EditTextH>),
    Label({98, 87, 70, 16}, "xDIMSCALE"),
    Label({8, 111, 30, 16}, "幅"),
    Edit("EditTextW", {44, 108, 50, 20}, Member<&F::EditTextW>),
    Label({8, 135, 30, 16}, "画層"),
    Edit("EditLayer", {44, 132, 100, 20}, Member<&F::EditLayer>),
    Label({8, 159, 30, 16}, "ｽﾀｲﾙ"),
    Edit("EditStyle", {44, 156, 100, 20}, Member<&F::EditStyle>),
    {.info = {.name = "SpeedButton1", .kind = ControlKind::Button, .rect = {148, 156, 20, 20}},
     .button = Member<&F::SpeedButton1>,
     .click = &F::SpeedButton1Click},
    Closing("Button1", {8, 186, 76, 24}, Member<&F::Button1>, DialogResult::Ok),
    Closing("Button3", {92, 186, 76, 24}, Member<&F::Button3>, DialogResult::Yes),
});

}  // namespace

void TFormSenban::SpeedButton1Click() {
    if (OnTextPick) OnTextPick();
}

void TFormSenban::Fill(const WireNumberSettings& s) {
    ComboMae.text = s.prefixList;
    EditKaishi.text = s.counter;
    EditAto.text = s.suffix;
    CheckHex.checked = s.hexadecimal;
    EditTextH.text = FormatReal(s.height);
    EditTextW.text = FormatReal(s.width);
    EditLayer.text = s.layer;
    EditStyle.text = s.style;
}

void TFormSenban::ReadBack(WireNumberSettings& s) const {
    const double height = ParseReal(EditTextH.text);
    const double width = ParseReal(EditTextW.text);
    s.prefixList = ComboMae.text;
    s.counter = EditKaishi.text;
    s.suffix = EditAto.text;
    s.hexadecimal = CheckHex.checked;
    s.height = height;
    s.width = width;
    s.layer = EditLayer.text;
    s.style = EditStyle.text;
}

const DialogFrame& TFormSenban::Frame() const { return kFrame; }

std::vector<BoundControl> TFormSenban::Controls() { return BindAll(WireNumberControls(), *this); }

std::span<const ControlRow<TFormSenban>> WireNumberControls() { return kControls; }

}  // namespace kv
