#include "operation/segment_wait.h"

#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {
// The host asks for the next point only after a first point was given; once the
// history's last line asks it too, a whole segment stands.
constexpr std::string_view kNextPointPrompt = "次の点を指定";
}  // namespace

void WaitForSegmentStep(OpContext& op, State segmentState) {
    const std::string prompt = op.host.ReadCommandLine();
    if (!op.host.AnsweredSinceSend()) return;
    if (IsCommandPrompt(prompt)) {
        op.EndOperation();
        return;
    }
    if (!Contains(prompt, kNextPointPrompt)) return;
    if (!Contains(op.host.CopyHistoryLastLine(), kNextPointPrompt)) return;
    op.host.SendCommand("\r");
    op.OpState = segmentState;
}

}  // namespace kv
