#include "support/engine_fixture.h"
#include "blocks/block_states.h"
#include "wires/wire_states.h"

namespace kv::test {
namespace {

using DrawLineTest = EngineTest;

TEST_F(DrawLineTest, NothingCheckedInBlockFiguresMakesDrawLineDoNothing) {
    form.main.CheckLine.checked = form.main.CheckCircle.checked = form.main.CheckArc.checked =
        form.main.CheckLWP.checked = false;
    form.ButtonDrawClick();
    form.ButtonLdrawNClick();
    EXPECT_EQ(Op(), "0/0 off -");
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(ui.messages.empty());

    form.ButtonSelectClick();
    EXPECT_EQ(ui.messages, Texts{"検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  "});
    EXPECT_EQ(form.op.OpState, kIdle);

    form.main.CheckLWP.checked = true;  // any one of the four will do
    form.ButtonDrawClick();
    EXPECT_EQ(form.op.OpState, kDrawLineState);
}

TEST_F(DrawLineTest, BadNumberFieldStopsBeforeTheSegmentIsTouched) {
    auto drawAndProcess = [this] {
        form.ButtonDrawClick();
        DrawSegment(0, 0, 10, 0);
        Typed();
        Tick();
        EXPECT_TRUE(Typed().empty());  // no export, no erase: the segment stays as drawn
        EXPECT_EQ(form.op.OpState, kIdle);
    };
    form.main.CheckKpMark.checked = true;
    form.main.EditKpRad.text = "1,5";
    drawAndProcess();
    form.main.CheckKpMark.checked = false;
    form.main.CheckMin.checked = true;
    form.main.EditMin.text = "x";
    drawAndProcess();
    EXPECT_EQ(ui.messages,
              (Texts{"'1,5' is not a valid floating point value", "'x' is not a valid floating point value"}));
    EXPECT_EQ(host.segments, 2);
}

TEST_F(DrawLineTest, UndoStepsBackToTheMarkAndTheNextTickRunsAQueuedButton) {
    form.ButtonDrawClick();
    DrawSegment(0, 0, 10, 0);
    Tick();
    ASSERT_TRUE(form.SpeedButtonUndo.enabled);
    form.ButtonSelectClick();
    form.ButtonBCutClick();
    ASSERT_EQ(form.op.LastOp, QueueCode::kTrimBlock);
    Typed();
    form.SpeedButtonUndoClick();
    // Trim Line had switched snapping off: it is typed back after the step back.
    EXPECT_EQ(Typed(), (Texts{"\x03UNDO B ", "\x03", "SNAPMODE 1\r"}));
    EXPECT_TRUE(host.undoMarks.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(form.SpeedButtonUndo.enabled);
    EXPECT_EQ(Op(), "0/" + std::to_string(Number(QueueCode::kTrimBlock)) + " on Undo B");
    Tick();
    EXPECT_EQ(Op(), std::to_string(Number(kBlockTrimState)) + "/0 on Trim Block");
}

TEST_F(DrawLineTest, GarbledPromptKeepsWaitingWithoutTyping) {
    form.ButtonDrawClick();
    Typed();
    for (const char* shown : {"ｺﾏﾝﾄﾞ:", "コマンド:  ", "コマンド: LD.", "文字", ""}) {
        host.ShowPrompt(shown);
        host.Pick(0, 0);
        host.Pick(1, 0);
        Tick(2);
        EXPECT_EQ(form.op.OpState, kDrawLineState) << shown;
        EXPECT_TRUE(Typed().empty()) << shown;
    }
    host.ShowPrompt(std::nullopt);
    Tick();
    EXPECT_EQ(form.op.OpState, kDrawLineSegmentState);
}

TEST_F(DrawLineTest, HostNotRunningShowsNothingAndANewButtonTakesOver) {
    host.Quit();
    form.ButtonDrawClick();
    EXPECT_EQ(form.op.SavedSnapMode, "");
    Tick(100);
    EXPECT_EQ(Op(), "101/0 on Draw Line");

    form.ButtonSelectClick();
    EXPECT_EQ(Op(), "301/0 on Trim Line");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ws.TypedTexts().empty());
}

TEST_F(DrawLineTest, HostGoneInTheMiddleWaitsUntilTheNextButton) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    Tick();
    host.Quit();
    Tick(20);
    EXPECT_EQ(form.op.OpState, kDrawLineState);
    EXPECT_TRUE(ui.messages.empty());

    host.Start();  // a new host: the button's cancel reaches it, the operation restarts
    form.ButtonDrawClick();
    EXPECT_EQ(form.op.LastOp, QueueCode::kDrawLine);
    Tick();
    EXPECT_EQ(Op(), "101/0 on Draw Line");
    DrawSegment(0, 0, 3, 4);
    EXPECT_EQ(form.op.OpState, kDrawLineSegmentState);
}

}  // namespace
}  // namespace kv::test
