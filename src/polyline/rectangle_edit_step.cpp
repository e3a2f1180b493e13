#include "polyline/rectangle_edit_step.h"

#include <cstdio>

#include "base/number_text.h"
#include "geometry/intersections.h"
#include "polyline/polyline_states.h"
#include "polyline/polyline_tool.h"

namespace kv {

namespace {

constexpr std::string_view kSelectPolyline = "PLINEを選択してください. ";
constexpr std::string_view kNotFourSides = "頂点数が4ではありません. ";

std::array<Point3, 4> CornersOf(const std::vector<Segment>& s) {
    std::array<Point3, 4> corners;
    for (std::size_t i = 0; i < 4; ++i) {
        const Segment& next = s[(i + 1) % 4];
        corners[i] = IntersectLines(s[i].start, s[i].end, next.start, next.end, false).value_or(s[i].end);
    }
    return corners;
}

}  // namespace

std::string ShortDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%3.3f", value);
    std::string s = text;
    if (s.find('.') == std::string::npos) return s;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

void StartRectangleEdit(OpContext& op) { AskForPick(op, kRectanglePickState); }

void RectanglePickStep(OpContext& op, PolylineMemory& memory, TFormRecEd& dialog) {
    if (!PickFinished(op)) return;
    DxfBuffer picked;
    if (!ExportObject(op, picked, ExportForm::kPickedObject)) return;
    const std::optional<PickedPolyline> polyline = ReadPickedPolyline(picked);
    if (!polyline) {
        op.ui.ShowMessage(kSelectPolyline, MessageButtons::Ok);
        return;
    }
    const PolylinePieces pieces = polyline->Pieces();
    if (pieces.segments.size() != 4) {
        op.ui.ShowMessage(kNotFourSides, MessageButtons::Ok);
        op.host.BringHostToFront();
        return;
    }
    const std::array<Point3, 4> c = CornersOf(pieces.segments);
    // W is always the side nearer to horizontal.
    const bool sideFlag = NearHorizontal(AngleOf(c[0], c[1]));
    const double side01 = Distance2D(c[0], c[1]), side12 = Distance2D(c[1], c[2]);
    dialog.Edit1.text = ShortDecimal(sideFlag ? side01 : side12);
    dialog.Edit2.text = ShortDecimal(sideFlag ? side12 : side01);
    dialog.Edit3.text = ShortDecimal(pieces.arcs.empty() ? 0 : pieces.arcs.front().radius);
    op.ui.RaiseDialog(dialog);
    if (op.ui.RunModal(dialog) != DialogResult::Ok) {
        op.host.BringHostToFront();
        return;
    }
    const double w = ParseReal(dialog.Edit1.text), h = ParseReal(dialog.Edit2.text);
    memory.Radius = ParseReal(dialog.Edit3.text);
    const double l01 = sideFlag ? w : h, l12 = sideFlag ? h : w;
    memory.rectangle = *polyline;
    memory.OldCorners = c;
    std::array<Point3, 4>& n = memory.NewCorners;
    n[0] = c[0];
    n[1] = PolarPoint(n[0], l01, AngleOf(c[0], c[1]));
    n[2] = PolarPoint(n[1], l12, AngleOf(c[1], c[2]));
    n[3] = PolarPoint(n[2], l01, AngleOf(c[2], c[3]));
    op.host.SendCommand(kCancelIdPoint);
    op.OpState = kRectanglePointState;
    op.Timer1.enabled = true;
    op.host.BringHostToFront();
}

void RectanglePointStep(OpContext& op, PolylineMemory& memory) {
    if (!PointGiven(op)) return;
    const std::optional<Point3> p = LastPoint(op);
    if (!p) return;
    const std::size_t j = NearestReference(memory.OldCorners, *p);
    const Point3 offset = PointSub(ReferencePoints(memory.OldCorners)[j], ReferencePoints(memory.NewCorners)[j]);
    std::array<Point3, 4> corners = memory.NewCorners;
    for (Point3& corner : corners) corner = PointAdd(corner, offset);

    op.SetUndoMark();
    DrawingLook look(op);
    HostValue osmode(op, "OSMODE");
    osmode.Set("0");
    look.Apply(memory.rectangle.look);
    op.host.SendCommand(CancelFirst(PolylineCommand(corners, true)));
    if (memory.Radius > 0) {
        HostValue filletRad(op, "FILLETRAD");
        filletRad.Set(FormatReal(memory.Radius));
        op.host.SendCommand(CancelFirst(kFilletLastPolyline));
        filletRad.Restore("\x03");
    }
    osmode.Restore();
    look.Restore();
    op.host.SendCommand(kEraseSinglePreviousCancelFirst);
    op.host.BringHostToFront();
}

}  // namespace kv
