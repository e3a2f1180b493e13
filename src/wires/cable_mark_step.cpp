#include "wires/cable_mark_step.h"

#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_writer.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "hostlink/host_commands.h"
#include "operation/round_trip_pass.h"
#include "wires/drawn_segment.h"
#include "wires/shield_mark.h"
#include "wires/twist_mark.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

constexpr double kShieldWidthFactor = 1.25;

struct Guide {
    TLineEnt line;
    double dimScale = 1.0;
};

// The drawn guide segment, taken out of the drawing; nothing when it did not come back.
std::optional<Guide> TakeGuide(OpContext& op) {
    DxfBuffer buffer;
    if (!ExportAndEraseLastDrawn(op, buffer)) return std::nullopt;
    HeaderVars header;
    ReadHeaderVars(buffer, header);
    std::vector<TLineEnt> lines;
    if (ReadLines(buffer, lines) < 1) return std::nullopt;
    Guide guide{lines.front()};
    if (!TryParseReal(header.DimScale, guide.dimScale) || guide.dimScale <= 0) guide.dimScale = 1.0;
    return guide;
}

RoundTripFile FileOf(DxfBuffer& ltypeSource, const std::vector<std::string>& items) {
    return {[frame = DxfFrame(ltypeSource, items)](Files& files, std::string_view path) {
        return WriteDxfFile(files, path, frame);
    }};
}

void Twist(OpContext& op, const Guide& guide) {
    const RoundTripResult trip = RunRoundTrip(op, [&](DxfBuffer& exported) -> std::vector<RoundTripFile> {
        std::vector<TLineEnt> wires;
        if (ReadLines(exported, wires) != 2) {
            op.ui.ShowMessage(kNotTwoWiresMessage, MessageButtons::Ok);
            return {};
        }
        const std::vector<std::string> items = TwistItems(guide.line, wires[0], wires[1]);
        if (items.empty()) return {};
        return {FileOf(exported, items)};
    });
    if (trip == RoundTripResult::kInserted) op.host.SendCommand(kCancelErasePreviousBlank);
}

void Shield(OpContext& op, const Guide& guide) {
    bool plainLine = false;
    RunRoundTrip(op, [&](DxfBuffer& exported) -> std::vector<RoundTripFile> {
        std::vector<TLineEnt> wires;
        if (ReadLines(exported, wires) < 1) {
            op.ui.ShowMessage(kNoWiresMessage, MessageButtons::Ok);
            return {};
        }
        const std::vector<Point3> crossings = ShieldCrossings(guide.line, wires);
        if (crossings.empty()) return {};
        plainLine = GuideStartsOnWire(guide.line, crossings);
        if (plainLine) return {};
        const double w = guide.dimScale * kShieldWidthFactor;
        return {FileOf(exported, ShieldItems(guide.line, crossings, w, wires.front()))};
    });
    if (plainLine) op.host.SendCommand(LineCommand(guide.line.P1, guide.line.P2));
}

}  // namespace

void CableMarkStep(OpContext& op, CableMark mark) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const std::optional<Guide> guide = TakeGuide(op);
    if (!guide) return;
    op.host.SendCommand(FenceAlongCommand(guide->line.P1, guide->line.P2));
    if (op.host.SelectionCount() <= 0) return;
    if (mark == CableMark::kTwist) Twist(op, *guide);
    else Shield(op, *guide);
    if (op.LastOp != QueueCode::kNone) return;
    op.host.SendCommand(kStartLine);
    op.OpState = mark == CableMark::kTwist ? kTwistState : kShieldState;
    op.Timer1.enabled = true;
}

}  // namespace kv
