#include "engine_fixture.h"

namespace kv::test {
namespace {

using DrawLineTest = EngineTest;

TEST_F(DrawLineTest, ButtonStartsLineFromIdleWithSnapModeSaved) {
    form.ButtonDrawClick();
    EXPECT_EQ(form.Caption, "Draw Line");
    EXPECT_EQ(ws.foreground, host.Windows().frame);
    EXPECT_EQ(Typed(), (Texts{"\x03", "'SNAPMODE\r", "\x03", "LINE "}));
    EXPECT_EQ(form.SavedSnapMode, "1");
    EXPECT_EQ(host.vars["SNAPMODE"], "1");  // line drawing keeps the snap
    EXPECT_EQ(form.OpState, 101);
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(form.Timer1.interval, 50);
}

// The segment's round trip itself runs against the stand-in host (the line-drawing
// scenarios); this host writes no export, so the segment comes back and the tool stops.
TEST_F(DrawLineTest, SegmentEndsLineAndASegmentThatCannotBeExportedComesBack) {
    form.ButtonDrawClick();
    Typed();
    host.Pick(0, 0);
    Tick(3);
    EXPECT_EQ(form.OpState, 101);  // one point is no segment
    EXPECT_TRUE(Typed().empty());

    host.Pick(10, 0);
    Tick();
    EXPECT_EQ(Typed(), Texts{"\r"});
    EXPECT_EQ(form.OpState, 102);
    EXPECT_TRUE(host.Idle());
    EXPECT_EQ(host.segments, 1);

    Tick();
    EXPECT_EQ(Typed(), (Texts{"\x03" "FILEDIA 0 ", "DXFOUT /opt/kv/kvane2k.dxf\rV 2000 O SINGLE LAST 16 ",
                              "'FILEDIA 1 ", "ERASE SINGLE LAST ", "\x03UNDO M ", "OOPS "}));
    EXPECT_TRUE(form.SpeedButtonUndo.enabled);
    EXPECT_EQ(host.undoMarks.size(), 1u);
    EXPECT_EQ(form.OpState, 0);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Label2.caption, "102");
    EXPECT_EQ(form.Label4.caption, "0");
}

TEST_F(DrawLineTest, SecondVariantRunsStates151And152) {
    form.CheckKpMark.checked = true;
    form.CheckKpMarkClick();
    ASSERT_TRUE(form.ButtonLdrawN.enabled);
    form.ButtonLdrawNClick();
    EXPECT_EQ(form.OpState, 151);
    EXPECT_EQ(form.Caption, "Draw Line");
    DrawSegment(0, 0, 5, 5);
    EXPECT_EQ(form.OpState, 152);
    EXPECT_EQ(host.segments, 1);
}

TEST_F(DrawLineTest, EscapeInTheHostEndsTheOperation) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    Tick();
    host.PressEscape();
    Tick();
    EXPECT_EQ(form.OpState, 0);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Caption, kAppTitle);
    EXPECT_EQ(form.Label4.caption, "0");

    form.ButtonDrawMouseDown(MouseButton::Left);  // only the right button starts
    EXPECT_EQ(form.OpState, 0);
    form.ButtonDrawMouseDown(MouseButton::Right);
    host.PressEnter();  // LINE ended without a segment
    Tick();
    EXPECT_EQ(form.OpState, 0);
    EXPECT_EQ(host.segments, 0);
}

TEST_F(DrawLineTest, CancelButtonEndsLineAndTheTickNoticesIt) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    Typed();
    form.SpeedButton2Click();
    EXPECT_EQ(Typed(), Texts{"\x03"});
    EXPECT_EQ(form.OpState, 101);  // the button itself leaves the state alone
    Tick();
    EXPECT_EQ(form.OpState, 0);
}

TEST_F(DrawLineTest, NothingCheckedInBlockFiguresMakesDrawLineDoNothing) {
    form.CheckLine.checked = form.CheckCircle.checked = form.CheckArc.checked = form.CheckLWP.checked = false;
    form.ButtonDrawClick();
    form.ButtonLdrawNClick();
    EXPECT_EQ(form.OpState, 0);
    EXPECT_EQ(form.Caption, kAppTitle);
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(ui.messages.empty());

    form.ButtonSelectClick();
    EXPECT_EQ(ui.messages, Texts{"検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  "});
    EXPECT_EQ(form.OpState, 0);

    form.CheckLWP.checked = true;  // any one of the four will do
    form.ButtonDrawClick();
    EXPECT_EQ(form.OpState, 101);
}

TEST_F(DrawLineTest, SameButtonTwiceRestartsLineFromIdle) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    Typed();
    form.ButtonDrawClick();
    EXPECT_EQ(form.LastOp, 101);
    EXPECT_EQ(Typed(), Texts{"\x03"});
    Tick();
    EXPECT_EQ(form.LastOp, 0);
    EXPECT_EQ(form.OpState, 101);
    EXPECT_EQ(Typed(), (Texts{"\x03", "'SNAPMODE\r", "\x03", "LINE "}));
    EXPECT_EQ(form.Caption, "Draw Line");
}

TEST_F(DrawLineTest, AnotherButtonWhileDrawingRunsAtTheNextTickWithSnapSavedAfresh) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    host.vars["SNAPMODE"] = "0";  // the user changed it meanwhile
    form.ButtonSelectClick();
    EXPECT_EQ(form.LastOp, 201);
    EXPECT_EQ(form.OpState, 101);
    Typed();
    Tick();
    EXPECT_EQ(form.OpState, 301);
    EXPECT_EQ(form.Caption, "Trim Line");
    EXPECT_EQ(form.SavedSnapMode, "0");
    EXPECT_EQ(Typed(), (Texts{"\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 ", "SELECT SINGLE "}));
    EXPECT_EQ(host.segments, 0);
}

TEST_F(DrawLineTest, BadNumberFieldStopsBeforeTheSegmentIsTouched) {
    auto drawAndProcess = [this] {
        form.ButtonDrawClick();
        DrawSegment(0, 0, 10, 0);
        Typed();
        Tick();
        EXPECT_TRUE(Typed().empty());  // no export, no erase: the segment stays as drawn
        EXPECT_EQ(form.OpState, 0);
    };
    form.CheckKpMark.checked = true;
    form.EditKpRad.text = "1,5";
    drawAndProcess();
    form.CheckKpMark.checked = false;
    form.CheckMin.checked = true;
    form.EditMin.text = "x";
    drawAndProcess();
    EXPECT_EQ(ui.messages,
              (Texts{"'1,5' is not a valid floating point value", "'x' is not a valid floating point value"}));
    EXPECT_EQ(host.segments, 2);
}

TEST_F(DrawLineTest, ButtonPressedAfterTheSegmentEndsTheLoopAndStartsItsOperation) {
    form.ButtonDrawClick();
    DrawSegment(0, 0, 10, 0);
    ASSERT_EQ(form.OpState, 102);
    form.ButtonBCutClick();
    Typed();
    Tick();
    const Texts typed = Typed();
    ASSERT_GE(typed.size(), 5u);
    EXPECT_EQ(Texts(typed.end() - 5, typed.end()),
              (Texts{"\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 ", "SELECT SINGLE "}));
    EXPECT_EQ(form.OpState, 901);
    EXPECT_EQ(form.Caption, "Trim Block");
}

TEST_F(DrawLineTest, UndoStepsBackToTheMarkAndDropsAQueuedButton) {
    form.ButtonDrawClick();
    DrawSegment(0, 0, 10, 0);
    Tick();
    ASSERT_TRUE(form.SpeedButtonUndo.enabled);
    form.ButtonSelectClick();
    form.ButtonBCutClick();
    ASSERT_EQ(form.LastOp, 301);
    Typed();
    form.SpeedButtonUndoClick();
    // Trim Line had switched snapping off: it is typed back after the step back.
    EXPECT_EQ(Typed(), (Texts{"\x03UNDO B ", "\x03", "SNAPMODE 1\r"}));
    EXPECT_TRUE(host.undoMarks.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(form.SpeedButtonUndo.enabled);
    EXPECT_EQ(form.OpState, 0);
    EXPECT_EQ(form.LastOp, 0);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Caption, "Undo B");
}

TEST_F(DrawLineTest, UndoWithoutMarkKeepsTheDrawingAndSaysSo) {
    host.Type("LINE 0,0 5,0 \r");
    ASSERT_EQ(host.segments, 1);
    Typed();
    form.SpeedButtonUndoClick();
    EXPECT_EQ(Typed(), (Texts{"\x03UNDO B ", "\x03"}));
    EXPECT_EQ(ui.messages, Texts{"UNDO 出来ませんでした.  "});
    EXPECT_EQ(host.segments, 1);
    EXPECT_TRUE(host.Idle());
}

TEST_F(DrawLineTest, GarbledPromptKeepsWaitingWithoutTyping) {
    form.ButtonDrawClick();
    Typed();
    for (const char* shown : {"ｺﾏﾝﾄﾞ:", "コマンド:  ", "コマンド: LD.", "文字", ""}) {
        host.ShowPrompt(shown);
        host.Pick(0, 0);
        host.Pick(1, 0);
        Tick(2);
        EXPECT_EQ(form.OpState, 101) << shown;
        EXPECT_TRUE(Typed().empty()) << shown;
    }
    host.ShowPrompt(std::nullopt);
    Tick();
    EXPECT_EQ(form.OpState, 102);
}

TEST_F(DrawLineTest, HostNotRunningShowsNothingAndANewButtonTakesOver) {
    host.Quit();
    form.ButtonDrawClick();
    EXPECT_EQ(form.OpState, 101);
    EXPECT_EQ(form.SavedSnapMode, "");
    Tick(100);
    EXPECT_EQ(form.OpState, 101);
    EXPECT_TRUE(form.Timer1.enabled);

    form.ButtonSelectClick();
    EXPECT_EQ(form.OpState, 301);
    EXPECT_EQ(form.LastOp, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ws.TypedTexts().empty());
}

TEST_F(DrawLineTest, HostGoneInTheMiddleWaitsUntilTheNextButton) {
    form.ButtonDrawClick();
    host.Pick(0, 0);
    Tick();
    host.Quit();
    Tick(20);
    EXPECT_EQ(form.OpState, 101);
    EXPECT_TRUE(ui.messages.empty());

    host.Start();  // a new host: the button's cancel reaches it, the operation restarts
    form.ButtonDrawClick();
    EXPECT_EQ(form.LastOp, 101);
    Tick();
    EXPECT_EQ(form.OpState, 101);
    EXPECT_EQ(form.LastOp, 0);
    DrawSegment(0, 0, 3, 4);
    EXPECT_EQ(form.OpState, 102);
}

}  // namespace
}  // namespace kv::test
