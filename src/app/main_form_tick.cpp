#include "app/main_form.h"

#include "operation/segment_wait.h"
#include "operation/point_reading.h"

namespace kv {

namespace {

// Ticks that arrive while one is running (through ProcessMessages) are dropped.
class TickScope {
public:
    explicit TickScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickScope() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

void TFormKvaneMain::Timer1Timer() {
    if (!Timer1.enabled || ticking_) return;
    TickScope scope(ticking_);
    main.Label2.caption = std::to_string(OpState);
    if (ProcessMessages) ProcessMessages();
    Guarded([this] {
        // A state without a step would never end, and a queued button never run.
        if (!RunStep() && LastOp != 0) AbandonOperation();
        if (OpState != 0) return;
        ClearRestores();
        RestoreTitleUnlessBlockTab();
        if (LastOp == 0) return;
        const int code = LastOp;
        LastOp = 0;
        RunQueued(code);
    });
    main.Label4.caption = std::to_string(OpState);
}

bool TFormKvaneMain::RunStep() {
    switch (OpState) {
    case 11:
    case 12:
        JunctionToolStep();
        return true;
    case 551:
        JunctionBlockPick();
        return true;
    case 1401:
        ReadPickedPointStep(*this);
        return true;
    case 101:
    case 151:
    case 1201:
    case 1301:
    case 1501:
        WaitForSegmentStep(*this);
        return true;
    case 102:
    case 152:
        LineDrawStep();
        return true;
    default:
        return RunTrimStep();
    }
}

}  // namespace kv
