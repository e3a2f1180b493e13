#include "text/two_line_preview.h"

#include <array>
#include <cstdlib>

namespace kv {

namespace {

constexpr std::array kColumnX{11, 35, 59};
constexpr std::array kRowY{35, 25, 15};
constexpr int kMiddleRow = 1;
constexpr int kFontHeight = 16;
constexpr int kTextX = 14;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlue = 0xFF0000;
constexpr Rgb kRed = 0x0000FF;
constexpr Rgb kCyan = 0xFFFF00;

template <size_t n>
int Nearest(const std::array<int, n>& positions, int at) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(n); ++i)
        if (std::abs(positions[i] - at) < std::abs(positions[best] - at)) best = i;
    return best;
}

void Square(Canvas& canvas, int x, int y) {
    for (int dy = -2; dy < 2; ++dy) canvas.Line(x - 2, y + dy, x + 2, y + dy);
}

}  // namespace

BasePoint NearestBasePoint(int x, int y) { return {Nearest(kColumnX, x), Nearest(kRowY, y)}; }

void DrawTwoLinePreview(Canvas& canvas, int lineCount, BasePoint chosen) {
    const bool two = lineCount == 2;
    const int row = two ? chosen.row : kMiddleRow;
    canvas.Fill(kBlack);
    canvas.SetPen(kWhite);
    if (two) {
        canvas.Text(kTextX, 7, "TEXT1", kFontHeight, 0);
        canvas.Text(kTextX, 27, "TEXT2", kFontHeight, 0);
    } else {
        canvas.Text(kTextX, 17, "TEXT1", kFontHeight, 0);
    }
    canvas.SetPen(kBlue);
    canvas.Line(0, kRowY[row], kPreviewWidth, kRowY[row]);
    canvas.Line(kColumnX[chosen.column], 0, kColumnX[chosen.column], kPreviewHeight);
    for (int r = 0; r < 3; ++r) {
        if (!two && r != kMiddleRow) continue;
        for (int c = 0; c < 3; ++c) {
            canvas.SetPen(c == chosen.column && r == row ? kRed : kCyan);
            Square(canvas, kColumnX[c], kRowY[r]);
        }
    }
}

}  // namespace kv
