#include "text/reference_form.h"

#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormSansyou;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormSansyou", "文字列参照", 170, 218};
constexpr std::array<std::string_view, 7> kItems{"文字列", "基点", "高さ", "幅係数", "回転角度", "画層", "ｽﾀｲﾙ"};
constexpr std::array<std::string_view, 7> kItemNames{"CheckListBox1_0", "CheckListBox1_1", "CheckListBox1_2",
                                                     "CheckListBox1_3", "CheckListBox1_4", "CheckListBox1_5",
                                                     "CheckListBox1_6"};

template <size_t i>
CheckControl& Item(F& f) {
    return f.CheckListBox1[i];
}

constexpr R::Row ItemRow(size_t i, CheckControl& (*check)(F&)) {
    return {.info = {.name = kItemNames[i],
                     .kind = ControlKind::Check,
                     .rect = {14, 26 + 20 * static_cast<int>(i), 140, 16}},
            .check = check,
            .click = &F::CheckListBox1Click};
}

const auto kControls = std::to_array<R::Row>({
    R::Text({8, 6, 150, 14}, "参照項目選択"),
    ItemRow(0, Item<0>),
    ItemRow(1, Item<1>),
    ItemRow(2, Item<2>),
    ItemRow(3, Item<3>),
    ItemRow(4, Item<4>),
    ItemRow(5, Item<5>),
    ItemRow(6, Item<6>),
    R::Text({8, 166, 160, 14}, "※参照項目は一時的に有効です."),
    R::Closing<&F::Button1>("Button1", {56, 186, 60, 24}, DialogResult::Ok),
});

}  // namespace

TFormSansyou::TFormSansyou() {
    for (size_t i = 0; i < CheckListBox1.size(); ++i) CheckListBox1[i] = {std::string(kItems[i]), true};
}

void TFormSansyou::CheckListBox1Click() { Button1.enabled = ReferenceMask() != 0; }

uint32_t TFormSansyou::ReferenceMask() const {
    uint32_t mask = 0;
    for (size_t i = 0; i < CheckListBox1.size(); ++i)
        if (CheckListBox1[i].checked) mask |= 1u << i;
    return mask;
}

const DialogFrame& TFormSansyou::Frame() const { return kFrame; }

std::vector<BoundControl> TFormSansyou::Controls() { return BindAll(ReferenceFormControls(), *this); }

std::span<const ControlRow<TFormSansyou>> ReferenceFormControls() { return kControls; }

}  // namespace kv
