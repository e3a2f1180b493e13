#include <stdexcept>

#include "blocks/block_states.h"
#include "support/engine_fixture.h"
#include "text/text_states.h"
#include "wires/wire_states.h"

namespace kv::test {
namespace {

struct QueuedStart {
    QueueCode code;
    State state;
    const char* caption;
    Texts typed;  // after the host-side reads
};

// Every queue code runs its button from idle with the button's first commands.
TEST_F(EngineTest, EveryQueueCodeStartsItsOperation) {
    const Texts snapOff{"\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 "};
    auto with = [](Texts head, const char* last) {
        head.push_back(last);
        return head;
    };
    using enum QueueCode;
    const std::vector<QueuedStart> table = {
        {kDrawLine, kDrawLineState, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {kDrawLineN, kDrawLineNState, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {kTrimLine, kLineTrimState, "Trim Line", with(snapOff, "SELECT SINGLE ")},
        {kTrimBlock, kBlockTrimState, "Trim Block", with(snapOff, "SELECT SINGLE ")},
        {kMoveBlock, kBlockMoveState, "Move Block", with(snapOff, "SELECT SINGLE ")},
        {kCopyBlock, kBlockCopyState, "Copy Block", with(snapOff, "SELECT SINGLE ")},
        {kEraseBlock, kBlockEraseState, "Erase Block", with(snapOff, "SELECT SINGLE ")},
        {kEraseLine, kLineCutState, "Erase Line", with(snapOff, "SELECT SINGLE ")},
        {kJunctionMark, kJunctionPointState, "IMark", {"\x03", "'DIMSCALE\r", "\x03", "'CLAYER\r", "\x03", "\x03ID "}},
        {kStretch, kStretchState, "Stretch C", {"\x03", "STRETCH C\r"}},
        {kJointLine, kLineJointState, "Joint Line", with(snapOff, "SELECT ")},
        {kTwist, kTwistState, "to TwistWire", {"\x03", "LINE "}},
        {kShield, kShieldState, "Draw SealedWire", {"\x03", "LINE "}},
        {kWireNumberAtPoint, kWireNumberPointState, "", {"'DIMSCALE\r", "\x03", "\x03ID "}},
        {kWireNumberAlongLine, kWireNumberLineState, "", {"'DIMSCALE\r", "\x03", "\x03LINE "}},
    };
    form.main.EditKpMark.text = "I_KOUTEN";
    for (const QueuedStart& q : table) {
        form.op.AbandonOperation();
        form.Caption = "";
        host.PressEscape();
        Typed();
        form.RunQueued(q.code);
        EXPECT_EQ(Op(), std::to_string(Number(q.state)) + "/0 on " + q.caption) << Number(q.code);
        EXPECT_EQ(Typed(), q.typed) << Number(q.code);
    }
    form.op.AbandonOperation();
    form.RunQueued(static_cast<QueueCode>(1101));  // no queue code
    EXPECT_EQ(form.op.OpState, kIdle);

    form.main.CheckSelect.checked = true;  // block buttons then select several objects
    form.ButtonBMoveMouseDown(MouseButton::Right);
    EXPECT_EQ(Typed().back(), "SELECT ");
    EXPECT_EQ(form.op.OpState, kBlockMoveState);
}

// Until its tool is built, a state ends at its first tick as if cancelled, and lets a queued
// button run.
TEST_F(EngineTest, StateOfAToolNotBuiltEndsAtOnce) {
    form.ButtonLJointClick();
    ASSERT_EQ(host.vars["SNAPMODE"], "0");
    Typed();
    Tick();
    EXPECT_EQ(Typed(), (Texts{"\x03", "SNAPMODE 1\r"}));
    EXPECT_EQ(Op(), "0/0 off -");

    form.ButtonLJointClick();
    form.ButtonDrawClick();
    EXPECT_EQ(form.op.LastOp, QueueCode::kDrawLine);
    Tick();
    EXPECT_EQ(Op(), "101/0 on Draw Line");
    EXPECT_EQ(host.vars["SNAPMODE"], "1");
}

TEST_F(EngineTest, PickerReplacesTheRunningOperationKeepingItsSnapMode) {
    form.ButtonBEraseClick();
    ASSERT_EQ(form.op.SavedSnapMode, "1");
    form.ButtonDrawClick();
    ASSERT_EQ(form.op.LastOp, QueueCode::kDrawLine);
    Typed();
    form.SpeedButtonGetLayClick();
    EXPECT_EQ(Typed(), (Texts{"\x03", "SNAPMODE 0 ", "SELECT SINGLE "}));
    EXPECT_EQ(form.op.OpState, kLayerPickState);
    EXPECT_EQ(form.op.LastOp, QueueCode::kNone);
    EXPECT_EQ(form.op.SavedSnapMode, "1");

    form.SpeedButton3Click();  // the picture capture reads the snap mode every time
    EXPECT_EQ(form.op.SavedSnapMode, "0");
    EXPECT_EQ(form.op.OpState, kPictureCaptureState);
}

TEST_F(EngineTest, UnreadableSnapModeIsNeverTypedBack) {
    host.vars["SNAPMODE"] = "";  // the host answered with nothing usable
    form.ButtonLJointClick();
    EXPECT_EQ(form.op.OpState, kLineJointState);
    Typed();
    form.op.AbandonOperation();
    form.op.RestoreSnapMode();
    EXPECT_TRUE(Typed().empty());
}

// Whatever fails in a tick or a handler is shown once; the palette is left idle, with the
// snap mode typed back and a queued button dropped, and stays usable.
TEST_F(EngineTest, FailureAnywhereIsShownAndLeavesThePaletteIdle) {
    const auto pass = ws.onCopyData;
    int failures = 0;  // the next texts typed that fail
    ws.onCopyData = [&](WindowHandle target, std::string_view text) {
        if (failures > 0) {
            --failures;
            throw std::runtime_error("host link lost");
        }
        pass(target, text);
    };
    form.ButtonSelectClick();
    ASSERT_EQ(host.vars["SNAPMODE"], "0");
    form.ButtonDrawClick();  // its cancel ends the pick with nothing picked
    failures = 1;
    Typed();
    Tick();
    EXPECT_EQ(ui.messages, Texts{"host link lost"});
    EXPECT_EQ(Typed(), (Texts{"SNAPMODE 1\r", "\x03", "SNAPMODE 1\r"}));
    EXPECT_EQ(host.vars["SNAPMODE"], "1");
    EXPECT_EQ(Op(), "0/0 off -");

    // A handler whose clean-up fails as well.
    form.ButtonSelectClick();
    form.ButtonDrawClick();
    failures = 100;
    form.ButtonBCutClick();
    EXPECT_EQ(ui.messages.back(), "host link lost");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(Op(), "0/0 off -");
    failures = 0;
    form.ButtonDrawClick();
    EXPECT_EQ(Op(), "101/0 on Draw Line");
}

TEST_F(EngineTest, OperationEndingOnTheBlockTabKeepsItsCaption) {
    form.PageControl1.activePageIndex = kBlockTabIndex;
    form.ButtonDrawClick();
    host.PressEscape();
    Tick();
    EXPECT_EQ(Op(), "0/0 off Draw Line");
    form.PageControl1.activePageIndex = 0;
    form.PageControl1Change();
    EXPECT_EQ(form.Caption, kAppTitle);
}

TEST_F(EngineTest, TickLetsPendingMessagesThroughFirstNeverNestsAndNeedsTheTimer) {
    form.ButtonDrawClick();
    form.Timer1.enabled = false;
    Tick();
    EXPECT_EQ(form.main.Label2.caption, "");

    form.Timer1.enabled = true;
    int nested = 0;
    form.ProcessMessages = [&] {
        form.Timer1Timer();  // a timer message waiting in the queue
        ++nested;
        host.PressEscape();  // the user ended LINE while the palette was busy
    };
    Tick();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(form.op.OpState, kIdle);
    EXPECT_EQ(form.main.Label2.caption, "101");
}

TEST_F(EngineTest, SmallControlsOfTheMainTab) {
    form.main.CheckKpMark.checked = true;
    form.CheckKpMarkClick();
    EXPECT_TRUE(form.main.ButtonLdrawN.enabled);
    form.main.CheckKpMark.checked = false;
    form.CheckKpMarkClick();
    EXPECT_FALSE(form.main.ButtonLdrawN.enabled);

    form.SpeedButtonHeightClick();
    EXPECT_EQ(form.ClientHeight, 320);
    EXPECT_EQ(form.PageControl1.height, 318);
    for (const ButtonControl* b : {&form.main.SpeedButtonHeight, &form.text.SpeedButton4, &form.block.SpeedButton6,
                                   &form.polyline.SpeedButton17})
        EXPECT_EQ(b->caption, "↑");
    form.SpeedButtonHeightClick();
    EXPECT_EQ(form.ClientHeight, 76);
    EXPECT_EQ(form.polyline.SpeedButton17.caption, "↓");

    std::string kept;
    for (char key : std::string("1.5a-,\r\b9")) {
        form.EditKpRadKeyPress(key);
        if (key != 0) kept += key;
    }
    EXPECT_EQ(kept, "1.5\r\b9");

    form.ButtonTextClick();
    ASSERT_EQ(ui.launched.size(), 1u);
    EXPECT_EQ(ui.launched[0], (std::pair<std::string, std::string>{"/opt/kv/mikosu.exe", "/E"}));
}

}  // namespace
}  // namespace kv::test
