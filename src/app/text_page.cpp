#include "app/text_page.h"

#include <array>

#include "app/page_rows.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::text, member>;

using T = TextPage;

constexpr std::array<std::string_view, kTextButtonCount> kButtonNames{
    "ButtonTxt1", "ButtonTxt2", "ButtonTxt3",  "ButtonTxt4",  "ButtonTxt5",  "ButtonTxt6",  "ButtonTxt7",
    "ButtonTxt8", "ButtonTxt9", "ButtonTxt10", "ButtonTxt11", "ButtonTxt12", "ButtonTxt13", "ButtonTxt14"};

template <int n>
ButtonControl& TextButton(F& f) {
    return f.text.ButtonTxt[n - 1];
}

// Two rows of seven, the rows a collapsed palette shows.
template <int n>
constexpr Row TextButtonRow() {
    const int column = (n - 1) % 7;
    const int row = (n - 1) / 7;
    return Button(kButtonNames[n - 1], {2 + 42 * column, 1 + 23 * row, 41, kRowHeight}, TextButton<n>,
                  &F::ButtonTxtClick<n>, &F::ButtonTxtMouseDown<n>);
}

constexpr auto kControls = std::to_array<Row>({
    Button("SpeedButton4", kHeightButton, On<&T::SpeedButton4>, &F::SpeedButtonHeightClick),
    TextButtonRow<1>(),
    TextButtonRow<2>(),
    TextButtonRow<3>(),
    TextButtonRow<4>(),
    TextButtonRow<5>(),
    TextButtonRow<6>(),
    TextButtonRow<7>(),
    TextButtonRow<8>(),
    TextButtonRow<9>(),
    TextButtonRow<10>(),
    TextButtonRow<11>(),
    TextButtonRow<12>(),
    TextButtonRow<13>(),
    TextButtonRow<14>(),
    Button("ButtonTxt15", {296, 24, 31, kRowHeight}, On<&T::ButtonTxt15>, &F::ButtonTxt15Click),

    Group({0, 50, 328, 158}, "ﾎﾞﾀﾝ設定"),
    Text({6, 69, 22, 14}, "No."),
    Edit("EditBtnNo", {30, 66, 24, 20}, On<&T::EditBtnNo>),
    UpDown("UpDown1", {55, 66, 16, 20}, On<&T::UpDown1>, &F::UpDown1Click),
    Text({78, 69, 28, 14}, "名前"),
    Edit("EditBtnName", {108, 66, 126, 20}, On<&T::EditBtnName>),
    Button("Button1", {240, 64, 82, 24}, On<&T::Button1>, &F::Button1Click),
    Text({6, 95, 26, 14}, "高さ"),
    Edit("EditBtnTxtH", {34, 92, 40, 20}, On<&T::EditBtnTxtH>, &F::EditBtnTxtHKeyPress),
    Text({74, 95, 66, 14}, "xDIMSCALE"),
    Text({142, 95, 16, 14}, "幅"),
    Edit("EditBtnTxtW", {160, 92, 38, 20}, On<&T::EditBtnTxtW>, &F::EditBtnTxtHKeyPress),
    Text({202, 95, 28, 14}, "基点"),
    Combo("ComboBtnTxtB", {232, 92, 90, 20}, On<&T::ComboBtnTxtB>, nullptr),
    Text({6, 121, 26, 14}, "回転"),
    Edit("EditBtnTxtR", {34, 118, 40, 20}, On<&T::EditBtnTxtR>, &F::EditBtnTxtHKeyPress),
    Text({80, 121, 26, 14}, "傾斜"),
    Edit("EditBtnTxtO", {108, 118, 40, 20}, On<&T::EditBtnTxtO>, &F::EditBtnTxtHKeyPress),
    Text({154, 121, 26, 14}, "画層"),
    Check("CheckBtnTxtLay", {182, 120, 46, 16}, On<&T::CheckBtnTxtLay>),
    Edit("EditBtnTxtLay", {230, 118, 92, 20}, On<&T::EditBtnTxtLay>),
    Check("CheckBtnTxtSty", {6, 146, 146, 16}, On<&T::CheckBtnTxtSty>),
    Edit("EditBtnTxtSty", {154, 144, 140, 20}, On<&T::EditBtnTxtSty>),
    Button("SpeedTxtSty", {298, 144, 24, 20}, On<&T::SpeedTxtSty>, &F::SpeedTxtStyClick),
    Text({6, 173, 40, 14}, "ﾌｫﾝﾄ1"),
    Edit("EditBtnTxtSty1", {46, 170, 108, 20}, On<&T::EditBtnTxtSty1>),
    Text({160, 173, 40, 14}, "ﾌｫﾝﾄ2"),
    Edit("EditBtnTxtSty2", {200, 170, 122, 20}, On<&T::EditBtnTxtSty2>),
    Check("CheckTate", {6, 190, 104, 16}, On<&T::CheckTate>),
    Check("CheckBtnTxtIME", {112, 190, 62, 16}, On<&T::CheckBtnTxtIME>),
    Check("CheckBtnTxtCup", {176, 190, 80, 16}, On<&T::CheckBtnTxtCup>),
    Check("CheckBtnRepeat", {258, 190, 60, 16}, On<&T::CheckBtnRepeat>),

    // wire numbers and two-line labels, below the preset editor
    Button("ButtonSenban", {2, 214, 60, kRowHeight}, On<&T::ButtonSenban>, &F::ButtonSenbanClick),
    Button("ButtonMain", {66, 214, 60, kRowHeight}, On<&T::ButtonMain>, &F::ButtonMainClick),
});

}  // namespace

std::span<const PaletteRow> TextPageControls() { return kControls; }

}  // namespace kv
