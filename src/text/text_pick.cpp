#include "text/text_pick.h"

#include "base/number_text.h"
#include "dxf/read_tables.h"
#include "operation/step_round_trip.h"
#include "text/text_dxf.h"

namespace kv {

namespace {

// DIMSCALE as the export's header gives it; missing, 0 or no number counts as 1.
double ExportedDimScale(const DxfBuffer& exported) {
    HeaderVars vars;
    ReadHeaderVars(exported, vars);
    double value = 0;
    return TryParseReal(vars.DimScale, value) && value != 0 ? value : 1.0;
}

}  // namespace

std::optional<PickedText> FinishTextPick(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return std::nullopt;
    const State state = op.OpState;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return std::nullopt;
    PickedText result;
    if (!ExportSelection(op, result.exported)) return std::nullopt;
    result.dimScale = ExportedDimScale(result.exported);
    if (!ReadPickedText(result.exported, result.text)) {
        op.ui.ShowMessage(kPickTextMessage, MessageButtons::Ok);
        RestartSingleSelection(op, state);
        return std::nullopt;
    }
    return result;
}

}  // namespace kv
