#include <functional>

#include "support/engine_fixture.h"

namespace kv::test {
namespace {

using DrawLineTest = EngineTest;

// The segment's round trip itself runs against the stand-in host (the line-drawing
// scenarios); this host writes no export, so the segment comes back and the tool stops.
TEST_F(DrawLineTest, SegmentEndsLineAndASegmentThatCannotBeExportedComesBack) {
    form.ButtonDrawClick();
    EXPECT_EQ(ws.foreground, host.Windows().frame);
    EXPECT_EQ(form.SavedSnapMode, "1");
    EXPECT_EQ(host.vars["SNAPMODE"], "1");  // line drawing keeps the snap
    EXPECT_EQ(form.Timer1.interval, 50);
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
    EXPECT_EQ(Op(), "0/0 off -");
    EXPECT_EQ(form.main.Label2.caption, "102");
    EXPECT_EQ(form.main.Label4.caption, "0");
}

TEST_F(DrawLineTest, SecondVariantRunsStates151And152) {
    form.main.CheckKpMark.checked = true;
    form.CheckKpMarkClick();
    form.ButtonLdrawNClick();
    EXPECT_EQ(form.OpState, 151);
    DrawSegment(0, 0, 5, 5);
    EXPECT_EQ(form.OpState, 152);
}

// Escape in the host, Enter without a segment or the palette's cancel button (which types the
// cancel and leaves the state to the next tick) all end the operation.
TEST_F(DrawLineTest, LineEndedInTheHostEndsTheOperation) {
    const std::function<void()> endings[] = {
        [this] { host.PressEscape(); },
        [this] { host.PressEnter(); },
        [this] {
            Typed();
            form.SpeedButton2Click();
            EXPECT_EQ(Typed(), Texts{"\x03"});
            EXPECT_EQ(form.OpState, 101);
        },
    };
    for (const auto& end : endings) {
        form.ButtonDrawMouseDown(MouseButton::Left);  // only the right button starts
        EXPECT_EQ(form.OpState, 0);
        form.ButtonDrawMouseDown(MouseButton::Right);
        host.Pick(0, 0);
        Tick();
        end();
        Tick();
        EXPECT_EQ(Op(), "0/0 off -");
        EXPECT_EQ(form.main.Label4.caption, "0");
        EXPECT_EQ(host.segments, 0);
    }
}

TEST_F(DrawLineTest, NothingCheckedInBlockFiguresMakesDrawLineDoNothing) {
    form.main.CheckLine.checked = form.main.CheckCircle.checked = form.main.CheckArc.checked = form.main.CheckLWP.checked = false;
    form.ButtonDrawClick();
    form.ButtonLdrawNClick();
    EXPECT_EQ(Op(), "0/0 off -");
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(ui.messages.empty());

    form.ButtonSelectClick();
    EXPECT_EQ(ui.messages, Texts{"検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  "});
    EXPECT_EQ(form.OpState, 0);

    form.main.CheckLWP.checked = true;  // any one of the four will do
    form.ButtonDrawClick();
    EXPECT_EQ(form.OpState, 101);
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

// A button pressed while drawing is queued: its cancel goes out at once, and it runs at the
// next tick with the snap mode saved afresh (the user may have changed it meanwhile).
struct QueuedButton {
    const char* name;
    bool afterSegment;
    void (TFormKvaneMain::*click)();
    int queued;
    int state;
    const char* caption;
    Texts typedAtTick;  // the last texts typed at that tick
};

class DrawLineButtonTest : public EngineTest, public ::testing::WithParamInterface<QueuedButton> {};

TEST_P(DrawLineButtonTest, ButtonWhileDrawingRunsAtTheNextTick) {
    const QueuedButton& q = GetParam();
    form.ButtonDrawClick();
    host.Pick(0, 0);
    if (q.afterSegment) host.Pick(10, 0);
    Tick();
    host.vars["SNAPMODE"] = "0";
    Typed();
    (form.*q.click)();
    EXPECT_EQ(form.LastOp, q.queued);
    Tick();
    EXPECT_EQ(Op(), std::to_string(q.state) + "/0 on " + q.caption);
    EXPECT_EQ(form.SavedSnapMode, "0");
    const Texts typed = Typed();
    ASSERT_GE(typed.size(), q.typedAtTick.size());
    EXPECT_EQ(Texts(typed.end() - static_cast<long>(q.typedAtTick.size()), typed.end()), q.typedAtTick);
    EXPECT_EQ(host.segments, q.afterSegment ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Queued, DrawLineButtonTest,
    ::testing::Values(
        QueuedButton{"SameButton", false, &TFormKvaneMain::ButtonDrawClick, 101, 101, "Draw Line",
                     {"\x03", "\x03", "'SNAPMODE\r", "\x03", "LINE "}},
        QueuedButton{"TrimLine", false, &TFormKvaneMain::ButtonSelectClick, 201, 301, "Trim Line",
                     {"\x03", "\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 ", "SELECT SINGLE "}},
        QueuedButton{"TrimBlockAfterSegment", true, &TFormKvaneMain::ButtonBCutClick, 301, 901, "Trim Block",
                     {"\x03", "'SNAPMODE\r", "\x03", "SNAPMODE 0 ", "SELECT SINGLE "}}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(Op(), "0/0 off Undo B");
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
    EXPECT_EQ(form.SavedSnapMode, "");
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
    EXPECT_EQ(form.OpState, 101);
    EXPECT_TRUE(ui.messages.empty());

    host.Start();  // a new host: the button's cancel reaches it, the operation restarts
    form.ButtonDrawClick();
    EXPECT_EQ(form.LastOp, 101);
    Tick();
    EXPECT_EQ(Op(), "101/0 on Draw Line");
    DrawSegment(0, 0, 3, 4);
    EXPECT_EQ(form.OpState, 102);
}

}  // namespace
}  // namespace kv::test
