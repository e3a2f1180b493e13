#include "app/operation_table.h"

#include <array>

#include "app/main_form.h"
#include "blocks/block_states.h"
#include "hostlink/host_commands.h"
#include "text/text_states.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

using F = TFormKvaneMain;
using Q = QueueCode;
using enum SavedValues;

// Queue code, caption, first state, host values saved, first command (and with CheckSelect),
// keyword, button.
constexpr std::array<Operation, 16> kOperations{{
    {Q::kDrawLine, "Draw Line", kDrawLineState, kSnapMode, kStartLine, "", {"LD.", true}, &F::ButtonDrawClick},
    {Q::kTrimLine, "Trim Line", kLineTrimState, kSnapModeSwitchedOff, kSelectSingle, "", {"LT"}, &F::ButtonSelectClick},
    {Q::kTrimBlock,
     "Trim Block",
     kBlockTrimState,
     kSnapModeSwitchedOff,
     kSelectSingle,
     "",
     {"BT"},
     &F::ButtonBCutClick},
    {Q::kMoveBlock,
     "Move Block",
     kBlockMoveState,
     kSnapModeSwitchedOff,
     kSelectSingle,
     kSelectMany,
     {"BM"},
     &F::ButtonBMoveClick},
    {Q::kCopyBlock,
     "Copy Block",
     kBlockCopyState,
     kSnapModeSwitchedOff,
     kSelectSingle,
     kSelectMany,
     {"BC"},
     &F::ButtonBCopyClick},
    {Q::kEraseBlock,
     "Erase Block",
     kBlockEraseState,
     kSnapModeSwitchedOff,
     kSelectSingle,
     kSelectMany,
     {"BE"},
     &F::ButtonBEraseClick},
    {Q::kEraseLine, "Erase Line", kLineCutState, kSnapModeSwitchedOff, kSelectSingle, "", {"LE"}, &F::ButtonLpickClick},
    {Q::kJunctionMark, "IMark", kJunctionPointState, kDimScaleAndLayer, "\x03ID ", "", {"IM"}, &F::ButtonKpMarkClick},
    {Q::kStretch, "Stretch C", kStretchState, kNothing, kStretchCrossing, "", {"CS"}, &F::ButtonCStretchClick},
    // Never queued: it takes over from whatever runs, and its handler does all the work.
    {Q::kNone, "", kIdle, kNothing, "", "", {"UN"}, &F::SpeedButtonUndoClick},
    {Q::kJointLine,
     "Joint Line",
     kLineJointState,
     kSnapModeSwitchedOff,
     kSelectMany,
     "",
     {"LJ"},
     &F::ButtonLJointClick},
    {Q::kDrawLineN, "Draw Line", kDrawLineNState, kSnapMode, kStartLine, "", {"LDN"}, &F::ButtonLdrawNClick},
    {Q::kTwist, "to TwistWire", kTwistState, kNothing, kStartLine, "", {"TW"}, &F::ButtonTWClick},
    {Q::kShield, "Draw SealedWire", kShieldState, kNothing, kStartLine, "", {"SW"}, &F::ButtonSealedClick},
    // The wire-number operation queued again restarts without its dialog.
    {Q::kWireNumberAtPoint, "", kWireNumberPointState, kDimScale, "\x03ID ", "", {}, nullptr},
    {Q::kWireNumberAlongLine, "", kWireNumberLineState, kDimScale, "\x03LINE ", "", {}, nullptr},
}};

}  // namespace

std::span<const Operation> Operations() { return kOperations; }

const Operation* QueuedOperation(QueueCode code) {
    if (code == QueueCode::kNone) return nullptr;
    for (const Operation& operation : kOperations)
        if (operation.queueCode == code) return &operation;
    return nullptr;
}

}  // namespace kv
