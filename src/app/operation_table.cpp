#include "app/operation_table.h"

#include <array>

#include "app/main_form.h"
#include "blocks/block_states.h"
#include "text/text_states.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

using F = TFormKvaneMain;
using enum SavedValues;

constexpr std::string_view kSelectSingle = "SELECT SINGLE ";
constexpr std::string_view kSelectMany = "SELECT ";
constexpr std::string_view kLine = "LINE ";
constexpr State kNoState = kIdle;

constexpr std::array<Operation, 16> kOperations{{
    {QueueCode::kDrawLine, "Draw Line", kDrawLineState, kSnapMode, kLine, false, {"LD.", true}, &F::ButtonDrawClick},
    {QueueCode::kTrimLine, "Trim Line", kLineTrimState, kSnapModeSwitchedOff, kSelectSingle, false, {"LT"},
     &F::ButtonSelectClick},
    {QueueCode::kTrimBlock, "Trim Block", kBlockTrimState, kSnapModeSwitchedOff, kSelectSingle, false, {"BT"},
     &F::ButtonBCutClick},
    {QueueCode::kMoveBlock, "Move Block", kBlockMoveState, kSnapModeSwitchedOff, kSelectSingle, true, {"BM"},
     &F::ButtonBMoveClick},
    {QueueCode::kCopyBlock, "Copy Block", kBlockCopyState, kSnapModeSwitchedOff, kSelectSingle, true, {"BC"},
     &F::ButtonBCopyClick},
    {QueueCode::kEraseBlock, "Erase Block", kBlockEraseState, kSnapModeSwitchedOff, kSelectSingle, true, {"BE"},
     &F::ButtonBEraseClick},
    {QueueCode::kEraseLine, "Erase Line", kLineCutState, kSnapModeSwitchedOff, kSelectSingle, false, {"LE"},
     &F::ButtonLpickClick},
    {QueueCode::kJunctionMark, "IMark", kJunctionPointState, kDimScaleAndLayer, "\x03ID ", false, {"IM"},
     &F::ButtonKpMarkClick},
    {QueueCode::kStretch, "Stretch C", kStretchState, kNothing, "STRETCH C\r", false, {"CS"},
     &F::ButtonCStretchClick},
    // Never queued: it takes over from whatever runs.
    {QueueCode::kNone, "", kNoState, kNothing, "", false, {"UN"}, &F::SpeedButtonUndoClick},
    {QueueCode::kJointLine, "Joint Line", kLineJointState, kSnapModeSwitchedOff, kSelectMany, false, {"LJ"},
     &F::ButtonLJointClick},
    {QueueCode::kDrawLineN, "Draw Line", kDrawLineNState, kSnapMode, kLine, false, {"LDN"}, &F::ButtonLdrawNClick},
    {QueueCode::kTwist, "to TwistWire", kTwistState, kNothing, kLine, false, {"TW"}, &F::ButtonTWClick},
    {QueueCode::kShield, "Draw SealedWire", kShieldState, kNothing, kLine, false, {"SW"}, &F::ButtonSealedClick},
    // The wire-number operation queued again restarts without its dialog.
    {QueueCode::kWireNumberAtPoint, "", kWireNumberPointState, kDimScale, "\x03ID ", false, {}, nullptr},
    {QueueCode::kWireNumberAlongLine, "", kWireNumberLineState, kDimScale, "\x03LINE ", false, {}, nullptr},
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
