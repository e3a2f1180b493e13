#include "polyline/angled_polyline_step.h"

#include "base/number_text.h"
#include "base/strings.h"
#include "polyline/polyline_states.h"
#include "polyline/polyline_tool.h"

namespace kv {

namespace {

void DrawRoute(OpContext& op, const std::vector<Point3>& route) {
    HostValue osmode(op, "OSMODE");
    // Object snaps would pull the typed vertices onto nearby objects.
    osmode.Set("0");
    op.host.SendCommand(PolylineCommand(route, false));
    osmode.Restore("\x03");
}

// The fillet radius in drawing units; 0 for no fillet. Read before anything changes, so that
// a factor that is no number leaves the drawing as it was.
double FilletRadius(OpContext& op, std::string_view radiusFactor) {
    const std::string factor = Trim(radiusFactor);
    if (factor.empty()) return 0;
    const double r = ParseReal(factor);
    return r > 0 ? DimScale(op) * r : 0;
}

void FilletDrawn(OpContext& op, double radius) {
    HostValue filletRad(op, "FILLETRAD");
    filletRad.Set(FormatReal(radius));
    op.host.SendCommand(kFilletLastPolyline);
    filletRad.Restore();
}

}  // namespace

void StartAngledPolyline(OpContext& op) {
    op.host.SendCommand("\x03");
    op.host.SendCommand(kStartPolyline);
    op.OpState = kAngledPolylineState;
    op.Timer1.enabled = true;
}

void AngledPolylineStep(OpContext& op, const PolylineMemory& memory, const AngledPolylineOptions& options) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    if (op.HistoryShowsCancel()) return;
    DxfBuffer drawn;
    if (!ExportObject(op, drawn, ExportForm::kDrawnObject)) return;
    const std::optional<PickedPolyline> polyline = ReadPickedPolyline(drawn);
    if (!polyline || polyline->vertices.size() < 2) return;
    std::vector<Point3> route;
    for (const TLwpEle& v : polyline->vertices) route.push_back(v.Point);
    if (polyline->Closed()) route.push_back(route.front());
    SnapRoute(route, DegreesToRadians(memory.StepAngle));
    const double radius = options.fillet ? FilletRadius(op, options.radiusFactor) : 0;

    op.SetUndoMark();
    op.host.SendCommand(kEraseLastCancelFirst);
    DrawRoute(op, route);
    if (radius > 0) FilletDrawn(op, radius);
    if (options.explode) op.host.SendCommand(kExplodeLast);
}

}  // namespace kv
