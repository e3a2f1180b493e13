#include <array>

#include "app/block_page.h"
#include "app/page_rows.h"

namespace kv {

namespace {

using namespace page_rows;

template <auto member>
constexpr auto On = &Control<&F::block, member>;

using B = BlockPage;

constexpr int kPicture = 48;
constexpr int kSecondRow = 24;
constexpr int kPictureY = 50;  // below the rows a collapsed palette shows
constexpr int kListY = kPictureY + kPicture + 4;
constexpr int kRight = 124;  // the options column

constexpr PixelRect Picture(int slot) { return {1 + slot * (kPicture + 2), kPictureY, kPicture, kPicture}; }
constexpr PixelRect TurnButton(int i) { return {kRight + i * 29, kListY + 44, 28, 20}; }
constexpr PixelRect Left(int y, int width = 96) { return {kRight, y, width, 16}; }
constexpr PixelRect Right(int y) { return {kRight + 100, y, 96, 16}; }

template <int slot>
LabelControl& Hint(F& f) {
    return f.block.hints[slot];
}

template <int slot>
Row Picture(std::string_view name, Canvas*& (*canvas)(F&)) {
    return Image(name, Picture(slot), canvas, Hint<slot>, &F::ImageClick<slot>, &F::ImageMouseDown<slot>,
                 &F::ImageMouseMove<slot>);
}

const auto kControls = std::to_array<Row>({
    Combo("ComboBox1", {1, 1, 170, kRowHeight}, On<&B::ComboBox1>, &F::ComboBox1Change),
    Button("SpeedButton8", {173, 1, 24, kRowHeight}, On<&B::SpeedButton8>, &F::SpeedButton8Click),
    Button("SpeedButton6", kHeightButton, On<&B::SpeedButton6>, &F::SpeedButtonHeightClick),
    Button("Button3", {1, kSecondRow, 70, kRowHeight}, On<&B::Button3>, &F::Button3Click),
    Button("Button2", {73, kSecondRow, 82, kRowHeight}, On<&B::Button2>, &F::Button2Click),
    Edit("EditCmt", {157, kSecondRow + 1, 96, 20}, On<&B::EditCmt>),
    Button("ButtonIni", {255, kSecondRow, 72, kRowHeight}, On<&B::ButtonIni>, &F::ButtonIniClick),

    Picture<0>("Image1", On<&B::Image1>),
    Picture<1>("Image2", On<&B::Image2>),
    Picture<2>("Image3", On<&B::Image3>),
    Picture<3>("Image4", On<&B::Image4>),
    Picture<4>("Image5", On<&B::Image5>),
    Picture<5>("Image6", On<&B::Image6>),
    Button("SpeedButton7", {302, kPictureY, 24, kPicture}, On<&B::SpeedButton7>, &F::SpeedButton7Click),

    List("ListBox1", {1, kListY, 120, 288 - kListY}, On<&B::ListBox1>, &F::ListBox1Click, &F::ListBox1DblClick),
    Text({kRight, kListY + 2, 28, 16}, "尺度"),
    Edit("EditSyakudo", {154, kListY, 50, 20}, On<&B::EditSyakudo>, &F::EditSyakudoKeyPress),
    Check("CheckDimsc", {208, kListY + 2, 118, 16}, On<&B::CheckDimsc>),
    Text({kRight, kListY + 24, 28, 16}, "回転"),
    Edit("EditKakudo", {154, kListY + 22, 50, 20}, On<&B::EditKakudo>, &F::EditKakudoKeyPress, &F::PreviewOptionClick),
    Button("SpeedButton16", {206, kListY + 22, 22, 20}, On<&B::SpeedButton16>, &F::SpeedButton16Click),
    Button("SpeedButton9", TurnButton(0), On<&B::SpeedButton9>, &F::SpeedButton9Click),
    Button("SpeedButton10", TurnButton(1), On<&B::SpeedButton10>, &F::SpeedButton10Click),
    Button("SpeedButton11", TurnButton(2), On<&B::SpeedButton11>, &F::SpeedButton11Click),
    Button("SpeedButton12", TurnButton(3), On<&B::SpeedButton12>, &F::SpeedButton12Click),
    Button("SpeedButton13", TurnButton(4), On<&B::SpeedButton13>, &F::SpeedButton13Click),
    Button("SpeedButton14", TurnButton(5), On<&B::SpeedButton14>, &F::SpeedButton14Click),
    Button("SpeedButton15", TurnButton(6), On<&B::SpeedButton15>, &F::SpeedButton15Click),
    Check("CheckXrev", Left(kListY + 68), On<&B::CheckXrev>, &F::PreviewOptionClick),
    Check("CheckYrev", Right(kListY + 68), On<&B::CheckYrev>, &F::PreviewOptionClick),
    Check("CheckKiten", Left(kListY + 86), On<&B::CheckKiten>, &F::PreviewOptionClick),
    Check("CheckRenzoku", Right(kListY + 86), On<&B::CheckRenzoku>),
    Check("CheckAttreq", Left(kListY + 104), On<&B::CheckAttreq>, &F::CheckAttreqClick),
    Check("CheckAttdia", Right(kListY + 104), On<&B::CheckAttdia>),
    Check("CheckInLay", Left(kListY + 124, 50), On<&B::CheckInLay>),
    Edit("EditInLay", {176, kListY + 122, 150, 20}, On<&B::EditInLay>),
    Check("CheckText2In", Left(kListY + 146, 200), On<&B::CheckText2In>),
    Check("CheckBCut", Left(kListY + 164, 200), On<&B::CheckBCut>),

    OffPage(Button("SpeedButton3", {4, 330, 40, 22}, On<&B::SpeedButton3>, &F::SpeedButton3Click)),
    OffPage(Status("Label8", {50, 334, 120, 14}, On<&B::Label8>, false)),
});

}  // namespace

std::span<const PaletteRow> BlockPageControls() { return kControls; }

}  // namespace kv
