#include "support/engine_fixture.h"

namespace kv::test {
namespace {

struct QueuedStart {
    int code;
    int state;
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
    const std::vector<QueuedStart> table = {
        {101, 101, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {151, 151, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {201, 301, "Trim Line", with(snapOff, "SELECT SINGLE ")},
        {301, 901, "Trim Block", with(snapOff, "SELECT SINGLE ")},
        {401, 701, "Move Block", with(snapOff, "SELECT SINGLE ")},
        {501, 801, "Copy Block", with(snapOff, "SELECT SINGLE ")},
        {601, 601, "Erase Block", with(snapOff, "SELECT SINGLE ")},
        {701, 201, "Erase Line", with(snapOff, "SELECT SINGLE ")},
        {801, 11, "IMark", {"\x03", "'DIMSCALE\r", "\x03", "'CLAYER\r", "\x03", "\x03ID "}},
        {901, 51, "Stretch C", {"\x03", "STRETCH C\r"}},
        {1001, 1001, "Joint Line", with(snapOff, "SELECT ")},
        {1201, 1201, "to TwistWire", {"\x03", "LINE "}},
        {1301, 1301, "Draw SealedWire", {"\x03", "LINE "}},
        {1401, 1401, "", {"'DIMSCALE\r", "\x03", "\x03ID "}},
        {1501, 1501, "", {"'DIMSCALE\r", "\x03", "\x03LINE "}},
    };
    form.main.EditKpMark.text = "I_KOUTEN";
    for (const QueuedStart& q : table) {
        form.AbandonOperation();
        form.Caption = "";
        host.PressEscape();
        Typed();
        form.RunQueued(q.code);
        EXPECT_EQ(Op(), std::to_string(q.state) + "/0 on " + q.caption) << q.code;
        EXPECT_EQ(Typed(), q.typed) << q.code;
    }
    form.AbandonOperation();
    form.RunQueued(1101);  // not a queue code
    EXPECT_EQ(form.OpState, 0);

    form.main.CheckSelect.checked = true;  // block buttons then select several objects
    form.ButtonBMoveMouseDown(MouseButton::Right);
    EXPECT_EQ(Typed().back(), "SELECT ");
    EXPECT_EQ(form.OpState, 701);
}

TEST_F(EngineTest, StateWithoutStepYieldsToAQueuedButtonWithSnapTypedBack) {
    form.ButtonBMoveClick();  // state 701 has no step yet
    ASSERT_EQ(host.vars["SNAPMODE"], "0");
    host.PressEnter();  // the host ends the selection
    Tick(5);
    EXPECT_EQ(form.OpState, 701);

    form.ButtonDrawClick();
    EXPECT_EQ(form.LastOp, 101);
    Typed();
    Tick();
    EXPECT_EQ(Typed(), (Texts{"\x03", "SNAPMODE 1\r", "\x03", "'SNAPMODE\r", "\x03", "LINE "}));
    EXPECT_EQ(form.OpState, 101);
    EXPECT_EQ(form.SavedSnapMode, "1");
}

TEST_F(EngineTest, PickerReplacesTheRunningOperationKeepingItsSnapMode) {
    form.ButtonBEraseClick();
    ASSERT_EQ(form.SavedSnapMode, "1");
    form.ButtonDrawClick();
    ASSERT_EQ(form.LastOp, 101);
    Typed();
    form.SpeedButtonGetLayClick();
    EXPECT_EQ(Typed(), (Texts{"\x03", "SNAPMODE 0 ", "SELECT SINGLE "}));
    EXPECT_EQ(form.OpState, 401);
    EXPECT_EQ(form.LastOp, 0);
    EXPECT_EQ(form.SavedSnapMode, "1");

    form.SpeedButton3Click();  // the picture capture reads the snap mode every time
    EXPECT_EQ(form.SavedSnapMode, "0");
    EXPECT_EQ(form.OpState, 451);
}

TEST_F(EngineTest, UnreadableSnapModeIsNeverTypedBack) {
    host.vars["SNAPMODE"] = "";  // the host answered with nothing usable
    form.ButtonLJointClick();
    EXPECT_EQ(form.OpState, 1001);
    Typed();
    form.AbandonOperation();
    form.RestoreSnapMode();
    EXPECT_TRUE(Typed().empty());
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
    EXPECT_EQ(form.OpState, 0);
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
