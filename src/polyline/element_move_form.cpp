#include "polyline/element_move_form.h"

#include <array>

#include "base/number_text.h"

namespace kv {

namespace {

using F = TFormEMove;
using Row = ControlRow<F>;

constexpr DialogFrame kFrame{"TFormEMove", "ｴﾚﾒﾝﾄ移動", 200, 112};

template <auto member>
auto& Member(F& f) {
    return f.*member;
}

constexpr Row Text(PixelRect r, std::string_view text) {
    return {.info = {.kind = ControlKind::Text, .rect = r, .text = text}};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*edit)(F&)) {
    return {.info = {.name = name, .kind = ControlKind::Edit, .rect = r}, .edit = edit};
}

constexpr Row Check(std::string_view name, PixelRect r, CheckControl& (*check)(F&), void (F::*click)()) {
    return {.info = {.name = name, .kind = ControlKind::Check, .rect = r}, .check = check, .click = click};
}

constexpr Row Closing(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), void (F::*click)()) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r, .closes = DialogResult::Ok},
            .button = button,
            .click = click};
}

constexpr auto kControls = std::to_array<Row>({
    {.info = {.kind = ControlKind::Group, .rect = {6, 4, 188, 68}, .text = "距離"}},
    Check("CheckZusun", {14, 22, 52, 16}, Member<&F::CheckZusun>, &F::CheckZusunClick),
    Edit("EditZusun", {70, 20, 50, 20}, Member<&F::EditZusun>),
    Text({124, 23, 66, 14}, "xDIMSCALE"),
    Check("CheckJissun", {14, 46, 52, 16}, Member<&F::CheckJissun>, &F::CheckJissunClick),
    Edit("EditJissun", {70, 44, 50, 20}, Member<&F::EditJissun>),
    Closing("Button1", {6, 80, 92, 26}, Member<&F::Button1>, &F::Button1Click),
    Closing("Button2", {102, 80, 92, 26}, Member<&F::Button2>, &F::Button2Click),
});

}  // namespace

const DialogFrame& TFormEMove::Frame() const { return kFrame; }

std::vector<BoundControl> TFormEMove::Controls() { return BindAll(ElementMoveControls(), *this); }

std::span<const ControlRow<TFormEMove>> ElementMoveControls() { return kControls; }

void ShowKeptValues(TFormEMove& form, const PolylineMemory& memory, bool checkZusun) {
    form.EditZusun.text = FormatReal(memory.EMoveDist1);
    form.EditJissun.text = FormatReal(memory.EMoveDist2);
    form.CheckZusun.checked = checkZusun;
    form.CheckJissun.checked = !checkZusun;
}

bool KeepChoice(const TFormEMove& form, PolylineMemory& memory) {
    if (form.chosen == TFormEMove::Choice::kNone) return false;
    const double dist1 = ParseReal(form.EditZusun.text);
    const double dist2 = ParseReal(form.EditJissun.text);
    memory.EMoveDist1 = dist1;
    memory.EMoveDist2 = dist2;
    const int size = form.CheckZusun.checked ? 1 : 2;
    memory.EMoveMode = form.chosen == TFormEMove::Choice::kPassThrough ? -size : size;
    return true;
}

}  // namespace kv
