#include "library/picture_capture_step.h"

#include <cmath>
#include <limits>
#include <vector>

#include "base/number_text.h"
#include "dxf/read_blocks.h"
#include "hostlink/host_text.h"
#include "geometry/block_extents.h"
#include "blocks/block_pick_step.h"
#include "geometry/block_placement.h"

namespace kv {

namespace {

// Far beyond any screen; keeps the truncation to int defined.
constexpr double kPixelLimit = 1e6;

std::optional<int> TruncatedPixel(double value) {
    if (!std::isfinite(value) || std::fabs(value) > kPixelLimit) return std::nullopt;
    return static_cast<int>(std::trunc(value));
}

std::optional<ViewReadings> ReadView(HostLink& host) {
    ViewReadings view;
    Point3 screen;
    if (!ParsePoint(host.GetSysVar("VIEWCTR"), view.center)) return std::nullopt;
    if (!ParsePoint(host.GetSysVar("SCREENSIZE"), screen)) return std::nullopt;
    if (!TryParseReal(host.GetSysVar("VIEWSIZE"), view.viewSize)) return std::nullopt;
    view.width = screen.x;
    view.height = screen.y;
    return view;
}

bool HasOutline(DxfBuffer& buffer, const TInsertEnt& insert) {
    BlockGeometry geometry;
    ReadBlocks(buffer, geometry);
    std::vector<BlockExtent> extents;
    if (ComputeBlockExtents(geometry, extents) < 1) return false;
    return ComputeFence(insert, extents, geometry.blocks, kTrimFenceFactor).has_value();
}

}  // namespace

std::optional<ScreenPoint> ViewPixel(const ViewReadings& view, const Point3& point) {
    if (view.height <= 0 || view.viewSize <= 0) return std::nullopt;
    const double unitsPerPixel = view.viewSize / view.height;
    const std::optional<int> x = TruncatedPixel(view.width / 2 - (view.center.x - point.x) / unitsPerPixel);
    const std::optional<int> y = TruncatedPixel((view.center.y - point.y) / unitsPerPixel + view.height / 2);
    if (!x || !y) return std::nullopt;
    return ScreenPoint{*x, *y};
}

ScreenRect CaptureRect(ScreenPoint center) {
    const int left = center.x - kCaptureHalf;
    const int top = center.y - kCaptureHalf;
    return {left, top, left + kCapturePixels, top + kCapturePixels};
}

void PictureCaptureStep(OpContext& op, Canvas* image1, std::string& label8) {
    DxfBuffer buffer;
    std::vector<TInsertEnt> inserts;
    if (PickBlockReference(op, buffer, inserts) != BlockPick::kPicked) return;
    const TInsertEnt& picked = inserts.front();
    label8 = picked.Name;
    if (!HasOutline(buffer, picked)) return;

    const std::optional<ViewReadings> view = ReadView(op.host);
    if (!view) return;
    const std::optional<ScreenPoint> pixel = ViewPixel(*view, picked.Point);
    if (!pixel) return;
    const WindowHandle drawingView = op.host.FindDrawingView();
    if (drawingView == kNoWindow) return;
    const ScreenRect viewRect = op.windows.WindowRect(drawingView);
    const ScreenPoint onScreen{viewRect.left + pixel->x, viewRect.top + pixel->y};

    // The pointer would show in the picture.
    op.windows.SetCursorPos({viewRect.left + kPointerAside, viewRect.top + kPointerAside});
    op.clock.Sleep(kPointerSettleMs);
    if (image1) image1->GrabScreen(CaptureRect(onScreen));
    op.windows.SetCursorPos(onScreen);
}

}  // namespace kv
