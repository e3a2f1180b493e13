#include "polyline/element_move_step.h"

#include <cstdlib>
#include <vector>

#include "base/ini_file.h"
#include "base/number_text.h"
#include "dxf/dxf_writer.h"
#include "dxf/handle_edits.h"
#include "dxf/read_entities.h"
#include "geometry/intersections.h"
#include "operation/round_trip_pass.h"
#include "polyline/polyline_states.h"
#include "polyline/polyline_tool.h"

namespace kv {

namespace {

constexpr std::string_view kSelectRoute = "PLINE、またはLINEを選択してください. ";
constexpr std::string_view kFilletKept = "ﾌｨﾚｯﾄを作り直せませんでした. 元の円弧を残します. ";
constexpr std::string_view kSection = "EleMove";
// End points closer than this meet.
constexpr double kTouchTolerance = 0.01;
// Half side of the crossing windows round the line's ends.
constexpr double kEndWindow = 1.0;

// Shows the dialog with the kept values and keeps what it closed with; false when the user
// closed it without choosing.
bool AskDistance(OpContext& op, PolylineMemory& memory, TFormEMove& dialog, const SettingsAccess& settings) {
    const IniFile ini = settings.Read();
    memory.EMoveDist1 = ini.ReadFloat(kSection, "Dist1", 5.0);
    memory.EMoveDist2 = ini.ReadFloat(kSection, "Dist2", 500.0);
    ShowKeptValues(dialog, memory, ini.ReadBool(kSection, "Check1", true));
    dialog.chosen = TFormEMove::Choice::kNone;
    op.ui.RaiseDialog(dialog);
    const bool chosen = op.ui.RunModal(dialog) == DialogResult::Ok && KeepChoice(dialog, memory);
    settings.Write([&memory](IniFile& kept) {
        const int size = std::abs(memory.EMoveMode);
        return kept.WriteFloat(kSection, "Dist1", memory.EMoveDist1) &&
               kept.WriteFloat(kSection, "Dist2", memory.EMoveDist2) && kept.WriteBool(kSection, "Check1", size == 1) &&
               kept.WriteBool(kSection, "Check2", size == 2);
    });
    op.host.BringHostToFront();
    return chosen;
}

void AskForPoint(OpContext& op, std::string_view command, State state) {
    op.host.SendCommand(command);
    op.OpState = state;
    op.Timer1.enabled = true;
}

// How far and which way the element on `line` moves for the point p.
struct Shift {
    double distance = 0;
    double angle = 0;
    Point3 Apply(const Point3& q) const { return PolarPoint(q, distance, angle); }
};

Shift ShiftFor(OpContext& op, const PolylineMemory& memory, const Segment& line, const Point3& p) {
    const Point3 foot = FootOnLine(line, p);
    Shift shift{Distance2D(foot, p), AngleOf(foot, p)};
    if (memory.EMoveMode == 1) shift.distance = memory.EMoveDist1 * DimScale(op);
    if (memory.EMoveMode == 2) shift.distance = memory.EMoveDist2;
    return shift;
}

bool Meets(const Point3& a, const Point3& b) { return Distance2D(a, b) <= kTouchTolerance; }

Point3 ArcEnd(const TArcEnt& arc, double degrees) {
    return PolarPoint(arc.Center, arc.Radius, DegreesToRadians(degrees));
}

// The arc's end away from p, when the arc has an end at p.
std::optional<Point3> OtherArcEnd(const TArcEnt& arc, const Point3& p) {
    const Point3 s = ArcEnd(arc, arc.StartAngle), e = ArcEnd(arc, arc.EndAngle);
    if (Meets(s, p)) return e;
    if (Meets(e, p)) return s;
    return std::nullopt;
}

// What joins one end of the moved line: a fillet arc and the line beyond it, either may miss.
struct EndJoint {
    Point3* end = nullptr;  // the moved line's end
    Point3* far = nullptr;
    TArcEnt* arc = nullptr;
    TLineEnt* neighbour = nullptr;
    bool neighbourFromP1 = false;  // the neighbour's P1 touches
    Point3& Touching() const { return neighbourFromP1 ? neighbour->P1 : neighbour->P2; }
    const Point3& NeighbourFar() const { return neighbourFromP1 ? neighbour->P2 : neighbour->P1; }
};

EndJoint FindJoint(std::vector<TLineEnt>& lines, std::vector<TArcEnt>& arcs, const TLineEnt* self, const Point3& at) {
    EndJoint joint;
    Point3 reach = at;
    for (TArcEnt& arc : arcs) {
        if (auto other = OtherArcEnd(arc, at)) {
            joint.arc = &arc;
            reach = *other;
            break;
        }
    }
    for (TLineEnt& line : lines) {
        if (&line == self) continue;
        if (Meets(line.P1, reach) || Meets(line.P2, reach)) {
            joint.neighbour = &line;
            joint.neighbourFromP1 = Meets(line.P1, reach);
            break;
        }
    }
    return joint;
}

// Moves the picked line in the export and makes its joints follow; false when the export
// does not hold it. `arcKept` is set when a fillet could not be made again.
bool MoveLineInExport(DxfBuffer& exported, const TLineEnt& picked, const Shift& shift, bool& arcKept) {
    std::vector<TLineEnt> lines;
    std::vector<TArcEnt> arcs;
    ReadLines(exported, lines);
    ReadArcs(exported, arcs);
    TLineEnt* self = nullptr;
    for (TLineEnt& line : lines) {
        const bool same = (Meets(line.P1, picked.P1) && Meets(line.P2, picked.P2)) ||
                          (Meets(line.P1, picked.P2) && Meets(line.P2, picked.P1));
        if (same) self = &line;
        if (self) break;
    }
    if (!self) return false;
    EndJoint joints[2] = {FindJoint(lines, arcs, self, self->P1), FindJoint(lines, arcs, self, self->P2)};
    joints[0].end = &self->P1;
    joints[0].far = &self->P2;
    joints[1].end = &self->P2;
    joints[1].far = &self->P1;
    self->P1 = shift.Apply(self->P1);
    self->P2 = shift.Apply(self->P2);

    std::vector<EndJoint*> cornered;
    for (EndJoint& j : joints) {
        if (j.arc && !j.neighbour) j.arc->Center = shift.Apply(j.arc->Center);
        if (!j.neighbour) continue;
        auto x = IntersectLines(j.neighbour->P1, j.neighbour->P2, self->P1, self->P2, false);
        if (!x) continue;
        *j.end = *x;
        j.Touching() = *x;
        if (j.arc) cornered.push_back(&j);
    }
    for (EndJoint* j : cornered) {
        const Point3 corner = *j->end;
        auto fit = FitFillet({self->P1, self->P2}, *j->far, j->NeighbourFar(), corner, j->arc->Radius);
        if (!fit) {
            arcKept = true;
            j->arc = nullptr;
            continue;
        }
        *j->end = fit->onLine;
        j->Touching() = fit->onNeighbour;
        j->arc->Center = fit->center;
        j->arc->StartAngle = RadiansToDegrees(fit->startAngle);
        j->arc->EndAngle = RadiansToDegrees(fit->endAngle);
    }

    PatchLineByHandle(exported, self->Handle, self->P1, self->P2);
    for (const EndJoint& j : joints) {
        if (j.neighbour) PatchLineByHandle(exported, j.neighbour->Handle, j.neighbour->P1, j.neighbour->P2);
        if (j.arc) PatchArcByHandle(exported, j.arc->Handle, j.arc->Center, j.arc->StartAngle, j.arc->EndAngle);
    }
    return true;
}

// The far ends of the fillet arcs at the line's ends, found with a first selection round them.
std::vector<Point3> FilletFarEnds(OpContext& op, const TLineEnt& line) {
    op.host.SendCommand("SELECT " + CrossingWindowArg(line.P1, kEndWindow) + "\r");
    op.host.SendCommand("SELECT PRE " + CrossingWindowArg(line.P2, kEndWindow) + "\r");
    std::vector<Point3> ends;
    if (op.host.SelectionCount() < 1) return ends;
    DxfBuffer near;
    if (!ExportObject(op, near, ExportForm::kStandard)) return ends;
    std::vector<TArcEnt> arcs;
    ReadArcs(near, arcs);
    for (const TArcEnt& arc : arcs) {
        for (const Point3& p : {line.P1, line.P2})
            if (auto other = OtherArcEnd(arc, p)) ends.push_back(*other);
    }
    return ends;
}

}  // namespace

void StartElementMove(OpContext& op) { AskForPick(op, kElementPickState); }

void ElementPickStep(OpContext& op, PolylineMemory& memory, TFormEMove& dialog, const SettingsAccess& settings) {
    if (!PickFinished(op)) return;
    DxfBuffer picked;
    if (!ExportObject(op, picked, ExportForm::kPickedObject)) return;
    if (std::optional<PickedPolyline> polyline = ReadPickedPolyline(picked)) {
        const std::optional<Point3> q = LastPoint(op);
        const PolylinePieces pieces = polyline->Pieces();
        if (!q || polyline->vertices.size() <= 2 || pieces.segments.empty()) return;
        memory.polyline = *polyline;
        memory.ElementIndex = NearestSegment(pieces.segments, *q);
        if (!AskDistance(op, memory, dialog, settings)) return;
        return AskForPoint(op, "ID ", kPolylineElementMoveState);
    }
    std::vector<TLineEnt> lines;
    if (ReadLines(picked, lines) < 1) {
        op.ui.ShowMessage(kSelectRoute, MessageButtons::Ok);
        return;
    }
    memory.CurrentLine = lines.front();
    if (!AskDistance(op, memory, dialog, settings)) return;
    AskForPoint(op, kCancelIdPoint, kLineElementMoveState);
}

void PolylineElementMoveStep(OpContext& op, PolylineMemory& memory) {
    if (!PointGiven(op)) return;
    const std::optional<Point3> p = LastPoint(op);
    if (!p) return;
    PolylinePieces pieces = memory.polyline.Pieces();
    if (memory.ElementIndex >= pieces.segments.size()) return;
    Segment& element = pieces.segments[memory.ElementIndex];
    const Shift shift = ShiftFor(op, memory, element, *p);
    element = {shift.Apply(element.start), shift.Apply(element.end)};
    RejoinCorners(pieces.segments, pieces.closed);
    const double radius = LargestRadius(pieces.arcs);

    op.SetUndoMark();
    DrawingLook look(op);
    look.Apply(memory.polyline.look);
    HostValue osmode(op, "OSMODE");
    osmode.Set("0");
    op.host.SendCommand(CancelFirst(PolylineCommand(RouteVertices(pieces.segments, pieces.closed), pieces.closed)));
    osmode.Restore();
    look.Restore();
    op.host.SendCommand(kEraseSinglePreviousCancelFirst);
    if (radius <= 0) return;
    HostValue filletRad(op, "FILLETRAD");
    filletRad.Set(FormatReal(radius));
    op.host.SendCommand(kFilletLastPolyline);
    filletRad.Restore();
}

void LineElementMoveStep(OpContext& op, PolylineMemory& memory) {
    if (!PointGiven(op)) return;
    const std::optional<Point3> p = LastPoint(op);
    if (!p) return;
    const TLineEnt& line = memory.CurrentLine;
    const Shift shift = ShiftFor(op, memory, {line.P1, line.P2}, *p);
    op.SetUndoMark();
    std::string select = "SELECT " + CrossingWindowArg(line.P1, kEndWindow) + CrossingWindowArg(line.P2, kEndWindow);
    for (const Point3& far : FilletFarEnds(op, line)) select += CrossingWindowArg(far, kEndWindow);
    op.host.SendCommand(select + "\r");
    bool arcKept = false;
    const RoundTripResult trip = RunRoundTrip(op, [&](DxfBuffer& exported) -> std::vector<RoundTripFile> {
        if (!MoveLineInExport(exported, line, shift, arcKept)) return {};
        return {{[&exported](Files& files, std::string_view path) { return SaveDxfBuffer(files, path, exported); }}};
    });
    if (trip != RoundTripResult::kInserted) return;
    op.host.SendCommand(kCancelErasePreviousBlank);
    if (arcKept) op.ui.ShowMessage(kFilletKept, MessageButtons::Ok);
}

}  // namespace kv
