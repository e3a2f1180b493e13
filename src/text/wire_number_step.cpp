#include "text/wire_number_step.h"

#include <string>
#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_writer.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "geometry/geometry.h"
#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"
#include "operation/round_trip_pass.h"
#include "text/text_states.h"
#include "text/wire_number_dxf.h"
#include "text/wire_number_positions.h"
#include "wires/drawn_segment.h"

namespace kv {

namespace {

constexpr std::string_view kNoLinesSelected = "選択線分がありません.  ";

double UprightAngleOf(const TLineEnt& wire) { return UprightTextAngle(AngleOf(wire.P1, wire.P2)); }

double DimScaleOf(std::string_view text) {
    double value = 0;
    return TryParseReal(text, value) && value != 0 ? value : 1.0;
}

void WriteNumbers(OpContext& op, const std::vector<PlacedNumber>& numbers, double dimScale, WireNumbering numbering) {
    const std::vector<std::string> items = WireNumberFile(numbers, dimScale, numbering.settings, numbering.prefixIndex);
    RoundTripPorts ports = StepPorts(op);
    WriteAndInsert(ports, {[&items](Files& files, std::string_view path) { return WriteDxfFile(files, path, items); }});
}

// The lines of the host's previous selection; none when the export brought nothing back.
std::vector<TLineEnt> ExportedLines(OpContext& op) {
    std::vector<TLineEnt> lines;
    DxfBuffer buffer;
    if (ExportSelection(op, buffer)) ReadLines(buffer, lines);
    return lines;
}

// Asks for the next input unless a button is queued: then the operation ends and the tick
// starts that button.
void Continue(OpContext& op, std::string_view command, State state) {
    if (op.LastOp != QueueCode::kNone) return;
    op.host.SendCommand(command);
    op.OpState = state;
    op.Timer1.enabled = true;
}

}  // namespace

void WireNumberAtPointStep(OpContext& op, WireNumbering numbering) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const Point3 at = op.PickedPoint;
    op.host.SendCommand("SELECT SINGLE " + PointArg(at) + "\r");
    std::vector<TLineEnt> wires;
    if (!IsCommandPrompt(op.host.ReadAnswer())) {
        // Nothing at the point: the host still asks for objects.
        op.host.SendCommand("\x03\x03");
    } else if (op.host.SelectionCount() > 0) {
        wires = ExportedLines(op);
    }
    const double angle = wires.empty() ? 0.0 : UprightAngleOf(wires.front());
    WriteNumbers(op, {{at, angle}}, DimScaleOf(op.DimScaleText), numbering);
    Continue(op, "\x03ID ", kWireNumberPointState);
}

void WireNumberAlongLineStep(OpContext& op, WireNumbering numbering) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    DxfBuffer drawn;
    if (!ExportAndEraseLastDrawn(op, drawn)) return;
    HeaderVars header;
    ReadHeaderVars(drawn, header);
    std::vector<TLineEnt> drawnLines;
    if (ReadLines(drawn, drawnLines) < 1) return;
    const TLineEnt fence = drawnLines.front();
    op.host.SendCommand(FenceAlongCommand(fence.P1, fence.P2));
    if (op.host.SelectionCount() < 1) return;
    const std::vector<TLineEnt> wires = ExportedLines(op);
    if (wires.empty()) {
        op.ui.ShowMessage(kNoLinesSelected, MessageButtons::Ok);
    } else if (const std::vector<NumberPosition> positions = FenceCrossings(fence, wires); !positions.empty()) {
        std::vector<PlacedNumber> numbers;
        numbers.reserve(positions.size());
        for (const NumberPosition& p : positions) numbers.push_back({p.point, UprightAngleOf(wires[p.wire])});
        WriteNumbers(op, numbers, DimScaleOf(header.DimScale), numbering);
    }
    Continue(op, kStartLine, kWireNumberLineState);
}

}  // namespace kv
