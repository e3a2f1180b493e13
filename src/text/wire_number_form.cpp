#include "text/wire_number_form.h"

#include <array>

#include "base/number_text.h"
#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormSenban;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormSenban", "線番", 176, 218};

constexpr auto kControls = std::to_array<R::Row>({
    R::Text({8, 11, 30, 16}, "前"),
    R::EditList<&F::ComboMae>("ComboMae", {44, 8, 90, 20}),
    R::Text({8, 35, 36, 16}, "初期値"),
    R::Edit<&F::EditKaishi>("EditKaishi", {44, 32, 60, 20}),
    R::Check<&F::CheckHex>("CheckHex", {110, 34, 60, 16}),
    R::Text({8, 59, 30, 16}, "後"),
    R::Edit<&F::EditAto>("EditAto", {44, 56, 60, 20}),
    R::Text({8, 87, 30, 16}, "高さ"),
    R::Edit<&F::EditTextH>("EditTextH", {44, 84, 50, 20}),
    R::Text({98, 87, 70, 16}, "xDIMSCALE"),
    R::Text({8, 111, 30, 16}, "幅"),
    R::Edit<&F::EditTextW>("EditTextW", {44, 108, 50, 20}),
    R::Text({8, 135, 30, 16}, "画層"),
    R::Edit<&F::EditLayer>("EditLayer", {44, 132, 100, 20}),
    R::Text({8, 159, 30, 16}, "ｽﾀｲﾙ"),
    R::Edit<&F::EditStyle>("EditStyle", {44, 156, 100, 20}),
    R::Button<&F::SpeedButton1>("SpeedButton1", {148, 156, 20, 20}, &F::SpeedButton1Click),
    R::Closing<&F::Button1>("Button1", {8, 186, 76, 24}, DialogResult::Ok),
    R::Closing<&F::Button3>("Button3", {92, 186, 76, 24}, DialogResult::Yes),
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
