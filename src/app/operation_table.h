// The operations the palette's buttons start, one row each, in the order in which the keyword
// watcher tests their keywords. The buttons, the queue and the watcher all read this table.
#pragma once

#include <span>
#include <string_view>

#include "operation/op_state.h"

namespace kv {

class TFormKvaneMain;

// What an operation reads from the host before its first command, when idle. Switching the
// snap off readies the selection that follows; the saved value is typed back after it.
enum class SavedValues { kNothing, kSnapMode, kSnapModeSwitchedOff, kDimScale, kDimScaleAndLayer };

// A keyword typed on the host's command line: the letters followed by the terminator of
// EditLastChar, or, with a terminator of their own, the letters alone.
struct KeywordText {
    std::string_view letters;  // empty: the operation has none
    bool ownTerminator = false;
};

struct Operation {
    QueueCode queueCode;       // kNone: never queued
    std::string_view caption;  // the form's caption while the operation runs
    State firstState;
    SavedValues saves;
    std::string_view firstCommand;
    std::string_view firstWithCheckSelect;  // the first command when CheckSelect is checked; empty: the same
    KeywordText keyword;
    // What a queued code and the keyword run; null when the queue starts the row itself.
    void (TFormKvaneMain::*button)();
};

std::span<const Operation> Operations();

// The row holding a queue code; null for kNone and for a number that is no queue code.
const Operation* QueuedOperation(QueueCode code);

}  // namespace kv
