#include "library/symbol_preview.h"

#include <cmath>
#include <numbers>

#include "base/number_text.h"
#include "dxf/round_trip.h"
#include "geometry/block_extents.h"
#include "geometry/geometry.h"

namespace kv {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kDegree = std::numbers::pi / 180;
// The symbol fills four fifths of the picture.
constexpr double kMargin = 1.25;
constexpr double kTextScale = 1.3;
constexpr double kTextRise = 1 / 1.4;
// An axis this close to a side of the box moves its middle candidates to the centre line.
constexpr double kAxisOnSide = 0.001;

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

Point3 Rotated(const Point3& p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c, 0};
}

// The point relative to the picture's centre, turned and mirrored, in drawing units.
Point3 ViewOffset(const SlotView& v, const Point3& p) {
    const Point3 q = Rotated({p.x - v.centre.x, p.y - v.centre.y, 0}, v.rotation);
    return {q.x * v.mirrorX, q.y * v.mirrorY, 0};
}

struct Pixel {
    int x, y;
};

Pixel ToPixel(const Canvas& c, const SlotView& v, const Point3& offset) {
    return {Nearest(offset.x / v.unit) + c.Width() / 2, Nearest(-offset.y / v.unit) + c.Height() / 2};
}

double ReducedBelowTwoPi(double a) {
    while (a > kTwoPi) a -= kTwoPi;
    return a;
}

void DrawArc(Canvas& c, const SlotView& v, const Point3& centre, double radius, double start, double end) {
    const Pixel m = ToPixel(c, v, ViewOffset(v, centre));
    const int r = Nearest(radius / v.unit);
    if (v.mirrorX < 0) {
        const double s = ReducedBelowTwoPi(3 * std::numbers::pi - start);
        start = ReducedBelowTwoPi(3 * std::numbers::pi - end);
        end = s;
    }
    if (v.mirrorY < 0) {
        const double s = kTwoPi - start;
        start = kTwoPi - end;
        end = s;
    }
    c.Arc(m.x - r, m.y - r, m.x + r, m.y + r, m.x + Nearest(r * std::cos(start)), m.y + Nearest(-r * std::sin(start)),
          m.x + Nearest(r * std::cos(end)), m.y + Nearest(-r * std::sin(end)));
}

void DrawText(Canvas& c, const SlotView& v, const TTextEnt& t) {
    const int size = Nearest(t.Height / v.unit * kTextScale);
    if (size <= 0) return;
    const int textHeight = c.TextHeight(t.Text, size);
    const double rotation = t.Rotation * kDegree;
    const Point3 relative{t.InsertionPoint.x - v.centre.x, t.InsertionPoint.y - v.centre.y, 0};
    const Point3 anchor =
        Rotated(PolarPoint(relative, v.unit * kTextRise * textHeight, rotation + std::numbers::pi / 2), v.rotation);
    const Pixel p = ToPixel(c, v, anchor);
    c.Text(p.x, p.y, t.Text, size, Nearest((rotation + v.rotation) / kDegree * 10));
}

// A 3 by 3 square around the pixel, drawn as three short lines (their last pixel excluded).
void Mark(Canvas& c, const SlotView& v, const Point3& p, Rgb color) {
    const Pixel m = ToPixel(c, v, ViewOffset(v, p));
    c.SetPen(color);
    for (int y = m.y - 1; y < m.y + 2; ++y) c.Line(m.x - 1, y, m.x + 2, y);
}

void SetCandidates(SlotView& v, const BlockExtent& box) {
    const bool rowToCentre = std::abs(box.Min.y) < kAxisOnSide || std::abs(box.Max.y) < kAxisOnSide;
    const bool columnToCentre = std::abs(box.Min.x) < kAxisOnSide || std::abs(box.Max.x) < kAxisOnSide;
    const double xs[3] = {box.Min.x, columnToCentre ? v.centre.x : 0, box.Max.x};
    const double ys[3] = {box.Min.y, rowToCentre ? v.centre.y : 0, box.Max.y};
    for (size_t row = 0; row < 3; ++row)
        for (size_t column = 0; column < 3; ++column) v.candidates[row * 3 + column] = {xs[column], ys[row], 0};
    v.basePoint = {};
}

double ViewRotation(const PreviewOptions& options, bool oneMirror) {
    double rotation = ParseReal(options.rotation) * kDegree;
    if (ParseReal(options.rotation) == 360) rotation = 0;
    return oneMirror ? kTwoPi - rotation : rotation;
}

}  // namespace

void ClearSlot(Canvas& canvas) {
    canvas.Fill(kPreviewBackground);
    canvas.SetPen(kPreviewCross);
    const int w = canvas.Width(), h = canvas.Height();
    canvas.Line(0, h / 2, w, h / 2);
    canvas.Line(w / 2, 0, w / 2, h);
    canvas.SetPen(kPreviewPen);
}

bool DrawSymbol(Canvas& canvas, SymbolEntities& symbol, const PreviewOptions& options, SlotView& view) {
    BlockGeometry& g = symbol.geometry;
    ExplodePolylines(g);
    std::vector<BlockExtent> extents;
    if (ComputeBlockExtents(g, extents) == 0) return false;
    const BlockExtent& box = extents.front();
    SlotView v;
    v.mirrorX = options.mirrorX ? -1.0 : 1.0;
    v.mirrorY = options.mirrorY ? -1.0 : 1.0;
    v.rotation = ViewRotation(options, v.mirrorX * v.mirrorY < 0);
    if (box.Min.x == 0 && box.Min.y == 0 && box.Max.x == 0 && box.Max.y == 0) return false;
    const double w = std::abs(box.Max.x - box.Min.x), h = std::abs(box.Max.y - box.Min.y);
    const double W = canvas.Width(), H = canvas.Height();
    v.unit = w > 0 && h > 0 ? (H / W < h / w ? h / H : w / W) : 1.0;
    v.unit *= kMargin;
    v.centre = {(box.Min.x + box.Max.x) / 2, (box.Min.y + box.Max.y) / 2, 0};
    SetCandidates(v, box);
    view = v;

    canvas.SetPen(kPreviewPen);
    for (const TLineBlk& l : g.lines) {
        const Pixel a = ToPixel(canvas, v, ViewOffset(v, l.P1)), b = ToPixel(canvas, v, ViewOffset(v, l.P2));
        canvas.Line(a.x, a.y, b.x, b.y);
    }
    for (const TCircleBlk& c : g.circles) DrawArc(canvas, v, c.Center, c.Radius, 0, 0);
    for (const TArcBlk& a : g.arcs)
        DrawArc(canvas, v, a.Center, a.Radius, a.StartAngle * kDegree + v.rotation, a.EndAngle * kDegree + v.rotation);
    for (const TTextEnt& t : symbol.texts) DrawText(canvas, v, t);
    if (options.showCandidates)
        for (const Point3& p : v.candidates) Mark(canvas, v, p, kPreviewCandidate);
    Mark(canvas, v, {}, kPreviewOrigin);
    canvas.SetPen(kPreviewPen);
    return true;
}

bool RenderPreview(Files& files, std::string_view path, Canvas& canvas, const PreviewOptions& options, SlotView& view) {
    if (!files.Exists(path)) return false;
    DxfBuffer buffer;
    LoadExport(files, path, buffer);  // an unreadable file shows as an empty slot
    SymbolEntities symbol = ReadSymbolEntities(buffer);
    ClearSlot(canvas);
    return DrawSymbol(canvas, symbol, options, view);
}

void ChooseBasePoint(SlotView& view, int x, int y, int width, int height) {
    // The middle pixel is the whole half, as where the picture puts the centre.
    const int middleX = width / 2, middleY = height / 2;
    const Point3 mouse{(x - middleX) * view.unit, (middleY - y) * view.unit, 0};
    double best = 0;
    for (size_t i = 0; i < view.candidates.size(); ++i) {
        const Point3 c = ViewOffset(view, view.candidates[i]);
        const double d = std::hypot(c.x - mouse.x, c.y - mouse.y);
        if (i > 0 && d >= best) continue;
        best = d;
        view.basePoint = view.candidates[i];
    }
}

}  // namespace kv
