#include "wires/stretch_step.h"

#include <string>

#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"

namespace kv {

void StretchStep(OpContext& op) {
    const std::string prompt = op.host.ReadCommandLine();
    // Until then the prompt may still be the one the last answer was typed into.
    if (!op.host.AnsweredSinceSend()) return;
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
