// The drawing view: paints the scene of the host's drawing, zooms with the wheel about
// the mouse, pans with the middle button (double-click: the whole drawing), turns a
// left click into a pick and a left drag into a window, and a right click into Enter.
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "base/encoding.h"
#include "fonts.h"
#include "host_front.h"
#include "simhost/scene.h"
#include "win32/scoped_gdi.h"
#include "window_procs.h"

namespace kv::sim::win {

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kWindowFrame = RGB(80, 140, 255);    // dragged to the right: window
constexpr COLORREF kCrossingFrame = RGB(80, 220, 120);  // dragged to the left: crossing
constexpr double kWheelStep = 1.25;
constexpr int kDragThresholdPx = 4;
// Texts smaller than this are not worth a font.
constexpr int kSmallestTextPx = 3;
// GDI coordinates beyond this misbehave; points far outside the view are clamped.
constexpr double kCoordinateLimit = 1 << 24;

struct Gesture {
    bool leftDown = false;
    bool dragging = false;
    POINT leftStart{};
    POINT leftNow{};
    bool panning = false;
    POINT panLast{};
};

std::map<HWND, Gesture>& Gestures() {
    static std::map<HWND, Gesture> gestures;
    return gestures;
}

POINT ToPoint(const ViewMapping& view, Point3 p) {
    PixelPoint px = view.ToPixels(p);
    auto clamp = [](double v) {
        return static_cast<LONG>(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
    };
    return POINT{clamp(px.x), clamp(px.y)};
}

COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

// One pen and one brush per colour while a picture is painted; none may still be selected
// when the cache goes.
class GdiCache {
public:
    explicit GdiCache(HDC dc) : dc_(dc) {}

    void Pen(COLORREF color) {
        ScopedPen& pen = pens_[color];
        if (!pen) pen.Reset(CreatePen(PS_SOLID, 1, color));
        SelectObject(dc_, pen.get());
    }
    void Brush(COLORREF color) {
        ScopedBrush& brush = brushes_[color];
        if (!brush) brush.Reset(CreateSolidBrush(color));
        SelectObject(dc_, brush.get());
    }

private:
    HDC dc_;
    std::map<COLORREF, ScopedPen> pens_;
    std::map<COLORREF, ScopedBrush> brushes_;
};

void DrawPaths(HDC dc, GdiCache& gdi, const ViewMapping& view, const std::vector<ScenePath>& paths) {
    std::vector<POINT> points;
    for (const ScenePath& path : paths) {
        points.clear();
        for (const Point3& p : path.points) points.push_back(ToPoint(view, p));
        if (path.closed) points.push_back(points.front());
        gdi.Pen(ToColorRef(path.color));
        Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
}

void DrawFills(HDC dc, GdiCache& gdi, const ViewMapping& view, const std::vector<SceneFill>& fills) {
    for (const SceneFill& fill : fills) {
        POINT corners[4];
        for (int i = 0; i < 4; ++i) corners[i] = ToPoint(view, fill.corners[static_cast<std::size_t>(i)]);
        gdi.Pen(ToColorRef(fill.color));
        gdi.Brush(ToColorRef(fill.color));
        Polygon(dc, corners, 4);
    }
}

UINT TextAlignment(const SceneText& text) {
    UINT horizontal = TA_LEFT;
    if (text.hAlign == 1 || text.hAlign == 4) horizontal = TA_CENTER;
    if (text.hAlign == 2) horizontal = TA_RIGHT;
    UINT vertical = TA_BASELINE;
    if (text.vAlign == 1) vertical = TA_BOTTOM;
    if (text.vAlign == 3) vertical = TA_TOP;
    return horizontal | vertical;
}

void DrawTexts(HDC dc, const ViewMapping& view, const std::vector<SceneText>& texts) {
    for (const SceneText& text : texts) {
        int pixels = static_cast<int>(std::lround(text.height * view.PixelsPerUnit()));
        if (pixels < kSmallestTextPx || text.text.empty()) continue;
        Point3 anchor = text.anchor;
        if (text.vAlign == 2 || text.hAlign == 4) {
            // Middle: the baseline lies half a height below the anchor.
            double r = text.rotation * 3.14159265358979323846 / 180;
            anchor.x += std::sin(r) * text.height / 2;
            anchor.y -= std::cos(r) * text.height / 2;
        }
        const ScopedFont font(CreateDrawingTextFont(pixels, text.rotation, text.widthFactor));
        const ScopedSelect selected(dc, font.get());
        SetTextColor(dc, ToColorRef(text.color));
        SetTextAlign(dc, TextAlignment(text));
        POINT at = ToPoint(view, anchor);
        std::wstring wide = Utf8ToWide(text.text);
        TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    }
}

void DrawDragFrame(HDC dc, const Gesture& gesture) {
    if (!gesture.dragging) return;
    bool crossing = gesture.leftNow.x < gesture.leftStart.x;
    const ScopedPen pen(CreatePen(crossing ? PS_DASH : PS_SOLID, 1, crossing ? kCrossingFrame : kWindowFrame));
    const ScopedSelect penSelected(dc, pen.get());
    const ScopedSelect brushSelected(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, gesture.leftStart.x, gesture.leftStart.y, gesture.leftNow.x, gesture.leftNow.y);
}

void PaintScene(HDC dc, const RECT& client, HWND w, const HostFront& front) {
    const ScopedBrush background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.get());
    SetBkMode(dc, TRANSPARENT);
    Scene scene = BuildScene(front.Host().GetDrawing());
    {
        GdiCache gdi(dc);
        // Puts the DC's own pen and brush back before the cache deletes its objects.
        const ScopedSelect pen(dc, GetStockObject(BLACK_PEN));
        const ScopedSelect brush(dc, GetStockObject(NULL_BRUSH));
        DrawFills(dc, gdi, front.View(), scene.fills);
        DrawPaths(dc, gdi, front.View(), scene.paths);
    }
    DrawTexts(dc, front.View(), scene.texts);
    DrawDragFrame(dc, Gestures()[w]);
}

void Paint(HWND w, const HostFront& front) {
    PAINTSTRUCT ps;
    HDC windowDc = BeginPaint(w, &ps);
    RECT client;
    GetClientRect(w, &client);
    // Drawn off screen first, so that zooming and panning do not flicker.
    {
        const ScopedCreatedDc dc(CreateCompatibleDC(windowDc));
        const ScopedBitmap bitmap(
            CreateCompatibleBitmap(windowDc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
        const ScopedSelect selected(dc.get(), bitmap.get());
        PaintScene(dc.get(), client, w, front);
        BitBlt(windowDc, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
    }
    EndPaint(w, &ps);
}

PixelPoint Pixel(POINT p) { return PixelPoint{static_cast<double>(p.x), static_cast<double>(p.y)}; }
POINT MousePoint(LPARAM lp) { return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

void MouseMove(HWND w, HostFront& front, Gesture& gesture, POINT at) {
    if (gesture.panning) {
        front.ChangeView(PanByPixels(front.View(), at.x - gesture.panLast.x, at.y - gesture.panLast.y));
        gesture.panLast = at;
    }
    if (gesture.leftDown) {
        gesture.leftNow = at;
        if (std::abs(at.x - gesture.leftStart.x) > kDragThresholdPx ||
            std::abs(at.y - gesture.leftStart.y) > kDragThresholdPx) {
            gesture.dragging = true;
        }
        if (gesture.dragging) InvalidateRect(w, nullptr, FALSE);
    }
}

void LeftUp(HWND w, HostFront& front, Gesture& gesture, POINT at) {
    if (!gesture.leftDown) return;
    bool dragged = gesture.dragging;
    POINT start = gesture.leftStart;
    gesture.leftDown = gesture.dragging = false;
    if (!gesture.panning) ReleaseCapture();
    if (dragged) {
        front.WindowBetween(Pixel(start), Pixel(at));
    } else {
        front.PickAt(Pixel(at));
    }
    InvalidateRect(w, nullptr, FALSE);
}

}  // namespace

LRESULT CALLBACK ViewProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) KeepFront(w, lp);
    HostFront* front = FrontOf(w);
    if (!front) return DefWindowProcW(w, message, wp, lp);
    Gesture& gesture = Gestures()[w];
    switch (message) {
    case WM_SIZE: front->ResizeView(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(w, *front); return 0;
    case WM_MOUSEWHEEL: {
        POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ScreenToClient(w, &at);
        double notches = GET_WHEEL_DELTA_WPARAM(wp) / static_cast<double>(WHEEL_DELTA);
        front->ChangeView(ZoomAt(front->View(), Pixel(at), std::pow(kWheelStep, notches)));
        return 0;
    }
    case WM_MBUTTONDOWN:
        gesture.panning = true;
        gesture.panLast = MousePoint(lp);
        SetCapture(w);
        return 0;
    case WM_MBUTTONUP:
        gesture.panning = false;
        if (!gesture.leftDown) ReleaseCapture();
        return 0;
    case WM_MBUTTONDBLCLK: front->ZoomExtents(); return 0;
    case WM_LBUTTONDOWN:
        SetFocus(w);
        gesture.leftDown = true;
        gesture.dragging = false;
        gesture.leftStart = gesture.leftNow = MousePoint(lp);
        SetCapture(w);
        return 0;
    case WM_MOUSEMOVE: MouseMove(w, *front, gesture, MousePoint(lp)); return 0;
    case WM_LBUTTONUP: LeftUp(w, *front, gesture, MousePoint(lp)); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != w) gesture = Gesture{};
        return 0;
    case WM_RBUTTONUP: front->Enter(); return 0;
    case WM_NCDESTROY: Gestures().erase(w); break;
    default:
        if (HandleTyping(*front, message, wp)) return 0;
        break;
    }
    return DefWindowProcW(w, message, wp, lp);
}

}  // namespace kv::sim::win
