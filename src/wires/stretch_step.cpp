#include "wires/stretch_step.h"

#include <string>

#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"

namespace kv {

void StretchStep(OpContext& op) {
    const std::string prompt = op.host.ReadCommandLine();
    if (IsSelectObjectsPrompt(prompt)) {
        op.host.SendCommand("\r");
        return;
    }
    if (!IsCommandPrompt(prompt)) return;
    if (op.HistoryShowsCancel()) {
        op.EndOperation();
        return;
    }
    op.host.SendCommand(kStretchCrossing);
}

}  // namespace kv
