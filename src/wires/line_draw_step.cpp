#include "wires/line_draw_step.h"

#include <vector>

#include "base/strings.h"
#include "dxf/dxf_writer.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "wires/drawn_segment.h"
#include "wires/junction_check.h"
#include "wires/line_merge.h"
#include "geometry/symbol_shapes.h"
#include "operation/round_trip_pass.h"
#include "operation/step_round_trip.h"
#include "wires/trim_writers.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

// Everything one segment's processing needs from the host and the form.
struct Segment {
    OpContext& op;
    RoundTripPorts ports;
    const LineDrawOptions& options;
    HeaderVars header;
    TLineEnt drawn;

    void Send(std::string_view command) { op.host.SendCommand(command); }
};

// Erases the marks in the square round p; anything else there keeps them all.
void EraseMarksAround(Segment& s, const Point3& p, double range) {
    if (LookForMarksInSquare(s.op, p, range, s.options.junction.MarkName()).onlyMarks) s.Send(kErasePrevious);
}

// Whether a mark belongs at the drawn wire's end point p: two of the wires found there meet
// and no mark lies there yet. A mark there without wires meeting goes.
bool EndPointWantsMark(Segment& s, const Point3& p, double range) {
    const bool meet = WiresMeetInSquare(s.op, p, range);
    const SquareMarks marks = LookForMarksInSquare(s.op, p, range, s.options.junction.MarkName());
    if (!meet && marks.onlyMarks) s.Send(kErasePrevious);
    // A window that could not be looked into may hold a mark: none is added then.
    return meet && (!marks.found || (marks.known && !marks.hasMark));
}

// The drawn wire merged, trimmed and written. False when it is not in the drawing anew
// (it was restored as drawn, or nothing was done to it).
bool PlaceDrawnWire(Segment& s) {
    s.Send(FenceAlongCommand(s.drawn.P1, s.drawn.P2));
    if (s.op.host.SelectionCount() <= 0) {
        s.Send(kRestoreErased);
        return false;
    }
    std::vector<TLineEnt> fenced;
    int merged = 0;
    // The new wire goes in first: until it is in the drawing, nothing else is touched, and
    // the last erase (the drawn segment) is still the one OOPS brings back. The fenced objects
    // then come back from the export less the merged wires; the originals go only once their
    // copies are in. Otherwise the merged wires simply stay under the new one.
    const RoundTripResult trip = RunRoundTrip(s.ports, [&](DxfBuffer& exported) {
        ReadLines(exported, fenced);
        TLineEnt current = s.drawn;
        merged = MergeCollinear(current, fenced);
        std::vector<TInsertEnt> inserts;
        ReadInserts(exported, inserts);
        BlockGeometry geometry;
        ReadBlocks(exported, geometry);
        const SymbolShapes shapes(geometry);
        const PieceMinimum rule = PieceMinimumOf(s.options.CheckMin, s.options.EditMin, s.header);
        std::vector<RoundTripFile> written{CutWireFile(current, inserts, shapes, s.options.cut, rule, exported)};
        if (merged > 0) {
            written.push_back({[&](Files& files, std::string_view path) {
                RemoveMergedLines(exported, fenced);
                return SaveDxfBuffer(files, path, exported);
            }});
        }
        return written;
    });
    switch (trip) {
    case RoundTripResult::kNoExport: s.Send(kRestoreErased); return true;
    case RoundTripResult::kNothingToInsert:
    case RoundTripResult::kNotInserted: s.Send(kRestoreErased); return false;
    case RoundTripResult::kPartlyInserted: return true;
    case RoundTripResult::kInserted: break;
    }
    if (merged > 0) s.Send(kCancelErasePreviousBlank);
    return true;
}

void MarkJunctions(Segment& s, bool everyJunction) {
    s.Send(FenceAlongCommand(s.drawn.P1, s.drawn.P2));
    if (s.op.host.SelectionCount() <= 1) return;  // only the new wire
    DxfBuffer buffer;
    if (!ExportSelection(s.op, buffer)) return;
    std::vector<TLineEnt> lines;
    if (ReadLines(buffer, lines) < 1) return;

    const JunctionOptions& junction = s.options.junction;
    const double range = KpRange(s.header.DimScale, junction.EditKpRad);
    const std::string layerBack = CurrentLayerCommand(Trim(s.header.CLayer));
    if (junction.FixedLayer()) {
        s.Send(std::string("\x03").append(MakeLayerCommand(junction.EditKpLayer)));
        s.op.RememberRestore(kCurrentLayerVariable, layerBack);
    }
    const std::string mark = junction.MarkName();
    if (everyJunction) {
        const JunctionList junctions = JunctionsAlong(s.drawn, lines);
        if (!junctions.empty()) {
            std::vector<TInsertEnt> inserts;
            ReadInserts(buffer, inserts);
            const MarkPlan plan = PlanMarks(junctions, inserts, mark);
            for (const Point3& p : plan.insertAt) s.Send(MarkInsertCommand(mark, s.header.DimScale, p));
            for (const TInsertEnt& stale : plan.staleMarks) EraseMarksAround(s, stale.Point, range);
        }
    }
    if (!mark.empty()) {
        for (const Point3& end : {s.drawn.P1, s.drawn.P2})
            if (EndPointWantsMark(s, end, range)) s.Send(MarkInsertCommand(mark, s.header.DimScale, end));
    }
    s.Send(std::string("\x03").append(layerBack));
    s.op.ForgetRestore(kCurrentLayerVariable);
}

// False when the line tool has to stop: the drawn segment could not be exported.
bool ProcessSegment(Segment& s, bool everyJunction) {
    DxfBuffer buffer;
    if (!ExportAndEraseLastDrawn(s.op, buffer)) {
        s.Send(kRestoreErased);
        return false;
    }
    ReadHeaderVars(buffer, s.header);
    std::vector<TLineEnt> lines;
    if (ReadLines(buffer, lines) < 1) {
        s.Send(kRestoreErased);
        return true;
    }
    s.drawn = lines.front();
    const bool inserted = PlaceDrawnWire(s);
    if (s.options.CheckKpMark && inserted) MarkJunctions(s, everyJunction);
    return true;
}

}  // namespace

void LineDrawSegmentStep(OpContext& op, const LineDrawOptions& options, MarkedJunctions marked) {
    if (!op.HostAtCommandPrompt()) return;
    op.Timer1.enabled = false;
    // Number fields are read before the drawing is touched, so a bad one loses nothing.
    PieceMinimumOf(options.CheckMin, options.EditMin, HeaderVars{});
    if (options.CheckKpMark) KpRange("1", options.junction.EditKpRad);

    const bool everyJunction = marked == MarkedJunctions::kAlongTheWire;
    Segment segment{op, StepPorts(op), options, {}, {}};
    if (!ProcessSegment(segment, everyJunction) || op.LastOp != QueueCode::kNone) {
        op.OpState = kIdle;
        return;
    }
    op.host.SendCommand("\x03LINE ");
    op.OpState = everyJunction ? kDrawLineState : kDrawLineNState;
    op.Timer1.enabled = true;
}

}  // namespace kv
