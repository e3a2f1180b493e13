// The drawing view of a window front: which part of the drawing its pixels show, and
// how zooming, panning and resizing move that part. Pixel y grows downwards, drawing
// y upwards; the view's centre pixel shows the centre point.
#pragma once

#include <optional>

#include "base/point3.h"
#include "drawing.h"
#include "geometry.h"

namespace kv::sim {

struct PixelPoint {
    double x = 0;
    double y = 0;
};

struct ViewMapping {
    Point3 center{210, 148.5, 0};
    double height = 297;  // drawing units from the top to the bottom pixel row
    int widthPx = 1;
    int heightPx = 1;

    double PixelsPerUnit() const;
    PixelPoint ToPixels(Point3 p) const;
    Point3 ToDrawing(PixelPoint p) const;
};

// A new pixel size; the centre and the drawing height stay.
ViewMapping Resized(const ViewMapping& view, int widthPx, int heightPx);
// Zooms by `factor` (above 1: closer) so that the drawing point under `fixed` stays there.
ViewMapping ZoomAt(const ViewMapping& view, PixelPoint fixed, double factor);
// Moves the drawing with the mouse: what was at pixel p is then at p + (dx, dy).
ViewMapping PanByPixels(const ViewMapping& view, double dx, double dy);
// Shows the whole rectangle with a margin; a rectangle without extent keeps the height.
ViewMapping ZoomToRect(const ViewMapping& view, const Rect& extents);

// Everything the view draws; none for an empty drawing.
std::optional<Rect> DrawingExtents(const Drawing& drawing);

}  // namespace kv::sim
