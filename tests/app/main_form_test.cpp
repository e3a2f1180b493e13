#include "base/strings.h"
#include "blocks/block_states.h"
#include "library/library_states.h"
#include "polyline/polyline_states.h"
#include "support/engine_fixture.h"
#include "text/text_states.h"
#include "wires/wire_states.h"

namespace kv::test {
namespace {

// Every operation starts from idle with its first commands, after the host-side reads:
// from its keyword where it has one (the cancel first throws the keyword away in the host),
// else from the queue.
TEST_F(EngineTest, EveryOperationStartsWithItsFirstCommands) {
    struct Start {
        const char* keyword;
        QueueCode code;
        State state;
        const char* caption;
        Texts typed;
    };
    const Texts snapOff{"\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 "};
    auto with = [](Texts head, const char* last) {
        head.push_back(last);
        return head;
    };
    using enum QueueCode;
    const std::vector<Start> table = {
        {"ld.", kDrawLine, kDrawLineState, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {"ldn.", kDrawLineN, kDrawLineNState, "Draw Line", {"\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        {"lt.", kTrimLine, kLineTrimState, "Trim Line", with(snapOff, "SELECT SINGLE ")},
        {"bt.", kTrimBlock, kBlockTrimState, "Trim Block", with(snapOff, "SELECT SINGLE ")},
        {"bm.", kMoveBlock, kBlockMoveState, "Move Block", with(snapOff, "SELECT SINGLE ")},
        {"bc.", kCopyBlock, kBlockCopyState, "Copy Block", with(snapOff, "SELECT SINGLE ")},
        {"be.", kEraseBlock, kBlockEraseState, "Erase Block", with(snapOff, "SELECT SINGLE ")},
        {"le.", kEraseLine, kLineCutState, "Erase Line", with(snapOff, "SELECT SINGLE ")},
        {"im.",
         kJunctionMark,
         kJunctionPointState,
         "IMark",
         {"\x03", "'DIMSCALE\r", "\x03", "'CLAYER\r", "\x03", "\x03ID "}},
        {"cs.", kStretch, kStretchState, "Stretch C", {"\x03", "STRETCH C\r"}},
        {"lj.", kJointLine, kLineJointState, "Joint Line", with(snapOff, "SELECT ")},
        {"tw.", kTwist, kTwistState, "to TwistWire", {"\x03", "LINE "}},
        {"sw.", kShield, kShieldState, "Draw SealedWire", {"\x03", "LINE "}},
        {nullptr, kWireNumberAtPoint, kWireNumberPointState, "", {"'DIMSCALE\r", "\x03", "\x03ID "}},
        {nullptr, kWireNumberAlongLine, kWireNumberLineState, "", {"'DIMSCALE\r", "\x03", "\x03LINE "}},
    };
    form.main.EditKpMark.text = "I_KOUTEN";
    for (const Start& s : table) {
        form.op.AbandonOperation();
        form.Caption = "";
        host.PressEscape();
        if (s.keyword) host.Type(s.keyword);
        Typed();
        s.keyword ? form.Timer2Timer() : form.RunQueued(s.code);
        EXPECT_EQ(Op(), std::to_string(Number(s.state)) + "/0 on " + s.caption) << Number(s.code);
        EXPECT_EQ(Typed(), s.typed) << Number(s.code);
        if (s.keyword) {
            EXPECT_FALSE(Contains(UpperAscii(host.PromptLine()), UpperAscii(s.keyword))) << s.keyword;
        }
    }
    form.op.AbandonOperation();
    form.RunQueued(static_cast<QueueCode>(1101));  // no queue code
    EXPECT_EQ(form.op.OpState, kIdle);

    form.main.CheckSelect.checked = true;  // block buttons then select several objects
    form.ButtonBMoveMouseDown(MouseButton::Right);
    EXPECT_EQ(Typed().back(), "SELECT ");
    EXPECT_EQ(form.op.OpState, kBlockMoveState);
}

// Unlike the other pick buttons, the picture capture reads the snap mode anew over a running tool.
// The operation a picker replaces types its values back first: the snap mode the pick saves is
// the user's, not the 0 that operation had switched to.
TEST_F(EngineTest, PickerDuringAnOperationSavesTheUsersSnapMode) {
    vars.snapMode = 1;
    form.ButtonBEraseClick();  // switches snapping off
    form.SpeedButton3Click();
    EXPECT_EQ(form.op.SavedSnapMode, "1");
    EXPECT_EQ(form.op.OpState, kPictureCaptureState);
}

// A file dialog open in the host swallows the palette's reading of the snap mode.
TEST_F(EngineTest, UnreadableSnapModeIsNeverTypedBack) {
    host.Type("DXFOUT ");
    ASSERT_TRUE(host.DialogOpen());
    form.ButtonLJointClick();
    EXPECT_EQ(form.op.OpState, kLineJointState);
    EXPECT_EQ(form.op.SavedSnapMode, "");
    Typed();
    form.op.AbandonOperation();
    form.op.RestoreSnapMode();
    EXPECT_TRUE(Typed().empty());
}

// Whatever fails in a tick or a handler is shown once; the palette is left idle, with the
// snap mode typed back and a queued button dropped, and stays usable.
TEST_F(EngineTest, FailureAnywhereIsShownAndLeavesThePaletteIdle) {
    int& failures = run.desktop.failingSends;
    vars.snapMode = 1;
    form.ButtonSelectClick();
    ASSERT_EQ(vars.snapMode, 0);
    form.ButtonDrawClick();  // its cancel ends the pick with nothing picked
    failures = 1;
    Typed();
    form.Timer1Timer();
    EXPECT_EQ(ui.messages, Texts{"host link lost"});
    EXPECT_EQ(Typed(), (Texts{"\x03", "SNAPMODE 1\r"}));  // the snap mode that failed, typed again
    EXPECT_EQ(vars.snapMode, 1);
    EXPECT_EQ(form.op.OpState, kIdle);
    EXPECT_EQ(form.op.LastOp, QueueCode::kNone);
    EXPECT_FALSE(form.Timer1.enabled);

    // A handler whose clean-up fails as well.
    form.ButtonSelectClick();
    form.ButtonDrawClick();
    failures = 100;
    form.ButtonBCutClick();
    EXPECT_EQ(ui.messages.back(), "host link lost\nAutoCAD の設定値 (SNAPMODE など) が戻っていない可能性があります.  ");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(form.op.OpState, kIdle);
    EXPECT_EQ(form.Caption, kAppTitle);
    failures = 0;
    form.ButtonDrawClick();
    EXPECT_EQ(form.op.OpState, kDrawLineState);
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

TEST_F(EngineTest, RadiusBoxTakesDigitsPointAndEditingKeysOnly) {
    std::string kept;
    for (char key : std::string("1.5a-,\r\b9")) {
        form.EditKpRadKeyPress(key);
        if (key != 0) kept += key;
    }
    EXPECT_EQ(kept, "1.5\r\b9");
}

}  // namespace
}  // namespace kv::test
