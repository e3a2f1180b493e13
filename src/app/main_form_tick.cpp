#include "app/main_form.h"

#include "app/step_table.h"

namespace kv {

namespace {

// Ticks that arrive while one is running (through ProcessMessages) are dropped.
class TickScope {
public:
    explicit TickScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickScope() { flag_ = false; }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

void TFormKvaneMain::Timer1Timer() {
    if (!Timer1.enabled || ticking_) return;
    {
        TickScope scope(ticking_);
        StepTick();
    }
    if (TextButtonToReopen == 0) return;
    const int button = TextButtonToReopen;
    TextButtonToReopen = 0;
    StartTextButton(button);
}

void TFormKvaneMain::StepTick() {
    main.Label2.caption = std::to_string(Number(op.OpState));
    if (ProcessMessages) ProcessMessages();
    Guarded([this] {
        if (op.OpState != kIdle) {
            // Every state has a step; one without would never end, nor let a queued button run.
            const StepFunction step = StepOf(op.OpState);
            step ? step(*this) : op.AbandonOperation();
        }
        if (op.OpState != kIdle) return;
        op.ClearRestores();
        RestoreTitleUnlessBlockTab();
        if (op.LastOp == QueueCode::kNone) return;
        const QueueCode code = op.LastOp;
        op.LastOp = QueueCode::kNone;
        RunQueued(code);
    });
    main.Label4.caption = std::to_string(Number(op.OpState));
}

}  // namespace kv
