#include "operation/point_reading.h"

#include "base/number_text.h"
#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

bool ParseIdAnswer(std::string_view line, Point3& point) {
    if (!Contains(line, "X =") || !Contains(line, "Y =") || !Contains(line, "Z =")) return false;
    const double x = ParseReal(TextBetween("X =", "Y =", line));
    const double y = ParseReal(TextBetween("Y =", "Z =", line));
    const double z = ParseReal(TextAfterLast("Z =", line));
    point = {x, y, z};
    return true;
}

void ReadPickedPointStep(OpContext& op, State next) {
    if (!op.HostAtCommandPrompt()) return;
    op.Timer1.enabled = false;
    const std::string line = op.host.CopyHistoryLastLine();
    if (IsCancelLine(line) || !ParseIdAnswer(line, op.PickedPoint)) {
        op.OpState = kIdle;
        return;
    }
    op.OpState = next;
    op.Timer1.enabled = true;
}

}  // namespace kv
