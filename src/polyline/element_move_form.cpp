#include "polyline/element_move_form.h"

#include <array>

#include "base/number_text.h"
#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormEMove;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormEMove", "ｴﾚﾒﾝﾄ移動", 200, 112};

constexpr auto kControls = std::to_array<R::Row>({
    R::Group({6, 4, 188, 68}, "距離"),
    R::Check<&F::CheckZusun>("CheckZusun", {14, 22, 52, 16}, &F::CheckZusunClick),
    R::Edit<&F::EditZusun>("EditZusun", {70, 20, 50, 20}),
    R::Text({124, 23, 66, 14}, "xDIMSCALE"),
    R::Check<&F::CheckJissun>("CheckJissun", {14, 46, 52, 16}, &F::CheckJissunClick),
    R::Edit<&F::EditJissun>("EditJissun", {70, 44, 50, 20}),
    R::Closing<&F::Button1>("Button1", {6, 80, 92, 26}, DialogResult::Ok, &F::Button1Click),
    R::Closing<&F::Button2>("Button2", {102, 80, 92, 26}, DialogResult::Ok, &F::Button2Click),
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
