#include "view_mapping.h"

#include <algorithm>

#include "entity_shape.h"

namespace kv::sim {

namespace {

// Beyond these heights the pixel arithmetic loses its precision or its meaning.
constexpr double kMinViewHeight = 1e-6;
constexpr double kMaxViewHeight = 1e12;
// The part of the view left free around zoomed extents, on each side.
constexpr double kExtentsMargin = 0.05;

double ClampHeight(double height) { return std::clamp(height, kMinViewHeight, kMaxViewHeight); }

}  // namespace

double ViewMapping::PixelsPerUnit() const { return std::max(heightPx, 1) / height; }

PixelPoint ViewMapping::ToPixels(Point3 p) const {
    double s = PixelsPerUnit();
    return PixelPoint{widthPx / 2.0 + (p.x - center.x) * s, heightPx / 2.0 - (p.y - center.y) * s};
}

Point3 ViewMapping::ToDrawing(PixelPoint p) const {
    double s = PixelsPerUnit();
    return Point3{center.x + (p.x - widthPx / 2.0) / s, center.y - (p.y - heightPx / 2.0) / s, 0};
}

ViewMapping Resized(const ViewMapping& view, int widthPx, int heightPx) {
    ViewMapping out = view;
    out.widthPx = std::max(widthPx, 1);
    out.heightPx = std::max(heightPx, 1);
    return out;
}

ViewMapping ZoomAt(const ViewMapping& view, PixelPoint fixed, double factor) {
    if (!(factor > 0)) return view;
    Point3 under = view.ToDrawing(fixed);
    ViewMapping out = view;
    out.height = ClampHeight(view.height / factor);
    // Put `under` back below the fixed pixel.
    Point3 now = out.ToDrawing(fixed);
    out.center.x += under.x - now.x;
    out.center.y += under.y - now.y;
    return out;
}

ViewMapping PanByPixels(const ViewMapping& view, double dx, double dy) {
    ViewMapping out = view;
    double s = view.PixelsPerUnit();
    out.center.x -= dx / s;
    out.center.y += dy / s;
    return out;
}

ViewMapping ZoomToRect(const ViewMapping& view, const Rect& extents) {
    ViewMapping out = view;
    out.center = Point3{(extents.minX + extents.maxX) / 2, (extents.minY + extents.maxY) / 2, 0};
    double w = extents.maxX - extents.minX;
    double h = extents.maxY - extents.minY;
    double aspect = static_cast<double>(view.widthPx) / std::max(view.heightPx, 1);
    double needed = std::max(h, w / aspect) * (1 + 2 * kExtentsMargin);
    if (needed > kGeomEps) out.height = ClampHeight(needed);
    return out;
}

std::optional<Rect> DrawingExtents(const Drawing& drawing) {
    std::optional<Rect> all;
    for (const Entity& e : drawing.Entities()) {
        std::optional<Rect> r = ShapeExtents(EntityShape(drawing, e));
        if (!r) continue;
        if (!all) {
            all = r;
            continue;
        }
        all->minX = std::min(all->minX, r->minX);
        all->minY = std::min(all->minY, r->minY);
        all->maxX = std::max(all->maxX, r->maxX);
        all->maxY = std::max(all->maxY, r->maxY);
    }
    return all;
}

}  // namespace kv::sim
