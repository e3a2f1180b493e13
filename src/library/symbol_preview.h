// The small picture of a symbol on the block tab: drawn from its file, mirrored and turned as
// the insertion will be, with its origin and the base points a click may choose.
#pragma once

#include <array>
#include <string_view>

#include "base/point3.h"
#include "library/symbol_entities.h"
#include "platform/canvas.h"
#include "platform/files.h"

namespace kv {

inline constexpr Rgb kPreviewBackground = 0x000000;
inline constexpr Rgb kPreviewPen = 0xFFFFFF;
inline constexpr Rgb kPreviewCross = 0x008000;      // RGB(0, 128, 0)
inline constexpr Rgb kPreviewOrigin = 0x0000FF;     // red
inline constexpr Rgb kPreviewCandidate = 0xFFFF00;  // cyan

// The options of the block tab the picture follows.
struct PreviewOptions {
    bool mirrorX = false;             // CheckXrev
    bool mirrorY = false;             // CheckYrev
    bool showCandidates = false;      // CheckKiten
    std::string_view rotation = "0";  // EditKakudo, degrees
};

// How one slot maps the drawing to its pixels, and the base point chosen on it.
struct SlotView {
    Point3 centre;
    double mirrorX = 1.0;
    double mirrorY = 1.0;
    double rotation = 0;  // radians
    double unit = 1.0;    // drawing units per pixel
    Point3 basePoint;
    std::array<Point3, 9> candidates{};  // 1..9 row by row from the bottom
};

// Black with a green cross through the middle; the pen left white.
void ClearSlot(Canvas& canvas);

// Draws the symbol into the cleared canvas and sets the view; false (the canvas left cleared
// and the view as it was) when the symbol has nothing to draw or lies all at the origin. The
// polylines are exploded in place.
bool DrawSymbol(Canvas& canvas, SymbolEntities& symbol, const PreviewOptions& options, SlotView& view);

// Loads the file and draws it; a missing file leaves the canvas as it was, an unreadable one
// leaves it cleared. A rotation that is not a number raises ConversionError.
bool RenderPreview(Files& files, std::string_view path, Canvas& canvas, const PreviewOptions& options, SlotView& view);

// The candidate nearest to a mouse-down at the pixel becomes the base point (the lower
// number on a tie).
void ChooseBasePoint(SlotView& view, int x, int y, int width, int height);

}  // namespace kv
