#include "wires/junction_tool_step.h"

#include "hostlink/host_commands.h"
#include "operation/point_reading.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

// Between the two, an error on the way types the saved layer back as well.
void UseMarkLayer(OpContext& op, const JunctionOptions& options) {
    op.host.SendCommand(MakeLayerCommand(options.EditKpLayer));
    op.RememberRestore(kCurrentLayerVariable, CurrentLayerCommand(op.SavedLayer));
}

void RestoreLayer(OpContext& op) {
    op.host.SendCommand(CurrentLayerCommand(op.SavedLayer));
    op.ForgetRestore(kCurrentLayerVariable);
}

}  // namespace

void JunctionPointStep(OpContext& op, const JunctionOptions& options) {
    if (!op.HostAtCommandPrompt()) return;
    ReadPickedPointStep(op, kJunctionToggleState);
    if (op.OpState == kIdle && options.FixedLayer()) RestoreLayer(op);
}

void JunctionToggleStep(OpContext& op, const JunctionOptions& options) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const double r = KpRange(op.DimScaleText, options.EditKpRad);
    const Point3& p = op.PickedPoint;
    op.host.SendCommand(WindowCommand({p.x + r, p.y + r, 0}, {p.x - r, p.y - r, 0}));
    const std::string mark = options.MarkName();
    if (op.host.SelectionCount() > 0) {
        op.host.SendCommand(kErasePrevious);
    } else if (!mark.empty()) {
        if (options.FixedLayer()) UseMarkLayer(op, options);
        op.host.SendCommand(MarkInsertCommand(mark, op.DimScaleText, p));
        op.host.SendCommand("\x03");
        if (options.FixedLayer()) RestoreLayer(op);
    }
    op.host.SendCommand("\x03ID ");
    op.OpState = kJunctionPointState;
    op.Timer1.enabled = true;
}

}  // namespace kv
