#include "fonts.h"

#include <cmath>

namespace kv::sim::win {

namespace {

constexpr wchar_t kFixedFace[] = L"ＭＳ ゴシック";
constexpr int kCommandLinePixels = 14;
// Average glyph width of the face relative to its height (half-width characters).
constexpr double kAverageWidthRatio = 0.5;

HFONT MakeFont(int height, int width, int escapement) {
    return CreateFontW(-height, width, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, kFixedFace);
}

}  // namespace

HFONT CommandLineFont() {
    static HFONT font = MakeFont(kCommandLinePixels, 0, 0);
    return font;
}

HFONT CreateDrawingTextFont(int pixelHeight, double degrees, double widthFactor) {
    int width = std::fabs(widthFactor - 1) < 1e-6
                    ? 0
                    : static_cast<int>(std::lround(pixelHeight * kAverageWidthRatio * widthFactor));
    int escapement = static_cast<int>(std::lround(degrees * 10)) % 3600;
    return MakeFont(pixelHeight, width, escapement);
}

}  // namespace kv::sim::win
