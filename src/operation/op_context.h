// The working values of the running operation and the helpers every step uses. The main form
// holds one; feature steps take it by reference.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "hostlink/host_link.h"
#include "operation/op_state.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/form_controls.h"
#include "platform/ui.h"

namespace kv {

class OpContext {
public:
    // The form's operation timer and undo button, which the steps switch.
    OpContext(TimerControl& timer1, ButtonControl& undoButton, WindowSystem& windows, Ui& ui, Clock& clock,
              Files& files, std::string executablePath);
    ~OpContext() = default;
    OpContext(const OpContext&) = delete;
    OpContext& operator=(const OpContext&) = delete;

    State OpState = kIdle;
    QueueCode LastOp = QueueCode::kNone;  // a button pressed during the operation
    std::string SavedSnapMode;
    std::string SavedLayer;
    std::string DimScaleText;
    Point3 PickedPoint;

    TimerControl& Timer1;  // drives the operation steps
    ButtonControl& SpeedButtonUndo;

    HostLink host;
    WindowSystem& windows;  // the host's drawing view and the mouse pointer (picture capture)
    Ui& ui;
    Clock& clock;
    Files& files;
    const std::string executablePath;

    // The waiting test: the host's prompt equals a command prompt exactly.
    bool HostAtCommandPrompt();
    // The last history line holds the host's cancel word.
    bool HistoryShowsCancel();

    void SetUndoMark();

    // SNAPMODE handling around selections. The switch-off is remembered so that an
    // operation ended by an error still types the saved value back.
    void SaveSnapMode();
    void SwitchSnapOff();
    void RestoreSnapMode();
    // DIMSCALE as text; "1.0" when it reads as empty, zero or not a number.
    void SaveDimScale();

    // Records the command that types back a host value this operation changed;
    // a later record for the same name replaces the earlier one.
    void RememberRestore(std::string_view name, std::string command);
    void ForgetRestore(std::string_view name);
    // Ends the running operation without its closing step: Timer1 off, state 0,
    // every remembered host value typed back.
    void AbandonOperation();
    void EndOperation();
    void TypeBackRestores();
    // The operation ended by its own step: nothing is left to type back.
    void ClearRestores() { restores_.clear(); }

private:
    struct Restore {
        std::string name;
        std::string command;
    };
    std::vector<Restore> restores_;
};

// True when `line` holds the host's cancel word (either width).
bool IsCancelLine(std::string_view line);

}  // namespace kv
