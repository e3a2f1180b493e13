#include "polyline/fillet_step.h"

#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_writer.h"
#include "dxf/handle_edits.h"
#include "dxf/read_entities.h"
#include "operation/round_trip_pass.h"
#include "polyline/polyline_states.h"
#include "polyline/polyline_tool.h"

namespace kv {

namespace {

constexpr std::string_view kSelectLine = "LINEを選択してください. ";
// End points of an earlier fillet arc closer than this lie on the line.
constexpr double kTouchTolerance = 0.01;

// FILLETRAD set to the tool's radius around the commands.
void WithFilletRadius(OpContext& op, std::string_view radius, const std::vector<std::string_view>& commands) {
    HostValue filletRad(op, "FILLETRAD");
    filletRad.Set(radius);
    for (std::string_view c : commands) op.host.SendCommand(c);
    filletRad.Restore("\x03");
}

bool Touches(const Point3& p, const TLineEnt& line) {
    return Distance2D(p, line.P1) <= kTouchTolerance || Distance2D(p, line.P2) <= kTouchTolerance;
}

// The first arc with one end on each line: an earlier fillet between them.
const TArcEnt* JoiningArc(const std::vector<TArcEnt>& arcs, const TLineEnt& a, const TLineEnt& b) {
    for (const TArcEnt& arc : arcs) {
        const Point3 s = PolarPoint(arc.Center, arc.Radius, DegreesToRadians(arc.StartAngle));
        const Point3 e = PolarPoint(arc.Center, arc.Radius, DegreesToRadians(arc.EndAngle));
        if ((Touches(s, a) && Touches(e, b)) || (Touches(e, a) && Touches(s, b))) return &arc;
    }
    return nullptr;
}

// The four ends of both lines in one crossing-window selection, then the joining arc, if any,
// taken out by inserting the export without it in place of the selection.
void RemoveJoiningArc(OpContext& op, const TLineEnt& second, const TLineEnt& first) {
    const double e = 0.1 * DimScale(op);
    std::string select = "SELECT ";
    for (const Point3& p : {second.P1, second.P2, first.P1, first.P2}) select += CrossingWindowArg(p, e);
    op.host.SendCommand(select + "\r");
    const RoundTripResult trip = RunRoundTrip(op, [&](DxfBuffer& exported) -> std::vector<RoundTripFile> {
        std::vector<TArcEnt> arcs;
        ReadArcs(exported, arcs);
        const TArcEnt* arc = JoiningArc(arcs, second, first);
        if (!arc || !DeleteEntityByHandle(exported, "ARC", arc->Handle)) return {};
        return {{[&exported](Files& files, std::string_view path) { return SaveDxfBuffer(files, path, exported); }}};
    });
    if (trip == RoundTripResult::kInserted) op.host.SendCommand(kCancelErasePreviousBlank);
}

}  // namespace

void StartFillet(OpContext& op) { AskForPick(op, kFilletFirstPickState); }

std::string FilletRadiusOf(OpContext& op, std::string_view radiusFactor) {
    return FormatReal(ParseReal(radiusFactor) * DimScale(op));
}

void FilletFirstPickStep(OpContext& op, PolylineMemory& memory, bool filletAll) {
    if (!PickFinished(op)) return;
    DxfBuffer picked;
    if (!ExportObject(op, picked, ExportForm::kPickedObject)) return;
    if (ReadPickedPolyline(picked)) {
        op.SetUndoMark();
        WithFilletRadius(op, memory.FilletRadiusText, {kFilletPolylineAtLastPoint});
        return;
    }
    std::vector<TLineEnt> lines;
    if (ReadLines(picked, lines) < 1) return;
    if (filletAll) {
        op.SetUndoMark();
        HostValue filletRad(op, "FILLETRAD");
        op.host.SendCommand(kJoinAllAtLastPoint);
        filletRad.Set(memory.FilletRadiusText);
        op.host.SendCommand(kFilletPolylineAtLastPoint);
        op.host.SendCommand(kExplodeAtLastPoint);
        filletRad.Restore("\x03");
        return;
    }
    memory.FirstPick = op.host.GetSysVar("LASTPOINT");
    memory.FirstLine = lines.front();
    AskForPick(op, kFilletSecondPickState);
}

void FilletSecondPickStep(OpContext& op, PolylineMemory& memory) {
    if (!PickFinished(op)) return;
    DxfBuffer picked;
    if (!ExportObject(op, picked, ExportForm::kPickedObject)) return;
    std::vector<TLineEnt> lines;
    if (ReadLines(picked, lines) < 1) {
        op.ui.ShowMessage(kSelectLine, MessageButtons::Ok);
        return;
    }
    const std::string secondPick = op.host.GetSysVar("LASTPOINT");
    op.SetUndoMark();
    RemoveJoiningArc(op, lines.front(), memory.FirstLine);
    const std::string fillet = FilletAtPointsCommand(memory.FirstPick, secondPick);
    WithFilletRadius(op, memory.FilletRadiusText, {fillet});
}

}  // namespace kv
