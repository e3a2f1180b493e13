// The picture capture of the main tab: a small screen picture of the drawing
// around a picked block reference, shown in the block tab's first preview.
#pragma once

#include <optional>
#include <string>

#include "base/point3.h"
#include "operation/op_context.h"
#include "platform/canvas.h"
#include "platform/window_system.h"

namespace kv {

// The host's view as its read-only variables report it.
struct ViewReadings {
    Point3 center;     // VIEWCTR
    double width = 0;  // SCREENSIZE, pixels
    double height = 0;
    double viewSize = 0;  // VIEWSIZE: the view's height in drawing units
};

// The pixel of a drawing point relative to the view's top-left corner, each coordinate
// truncated toward zero; nothing for a view without height or size, or a point far off it.
std::optional<ScreenPoint> ViewPixel(const ViewReadings& view, const Point3& point);

constexpr int kCapturePixels = 49;
// The captured square stands this far left of and above the point.
constexpr int kCaptureHalf = 23;
ScreenRect CaptureRect(ScreenPoint center);

// The pointer rests here (right of and below the view's corner) while the screen is grabbed,
// for this long first.
constexpr int kPointerAside = 10;
constexpr int kPointerSettleMs = 100;

// At the command prompt: the picked reference's block name goes into label8; when its block
// has an outline, the square around its insertion point is grabbed into image1 (none: nothing
// is grabbed) and the pointer is put on the point. The operation then ends.
void PictureCaptureStep(OpContext& op, Canvas* image1, std::string& label8);

}  // namespace kv
