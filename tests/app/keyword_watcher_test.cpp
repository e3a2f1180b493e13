#include "app/keyword_watcher.h"

#include "blocks/block_states.h"
#include "support/engine_fixture.h"
#include "wires/wire_states.h"

namespace kv::test {
namespace {

// The prompt may be full or half width; letters and terminator match in either case; the
// table's order decides, not the position on the line; "LD." keeps its own full stop; a blank
// terminator means the full stop, so host commands are not caught as typed.
TEST(FindKeywordTest, KeywordOnAnIdleHostsLine) {
    struct Case {
        std::string prompt;
        const char* terminator;
        std::string_view found;  // the keyword's letters; empty: none
    };
    const std::string full = "コマンド: ", half = "ｺﾏﾝﾄﾞ: ";
    const Case cases[] = {
        {full + "lt.", ".", "LT"},     {full + "LT", ".", ""},
        {half + "xbt.x", ".", "BT"},   {half + "Ld.", ".", "LD."},
        {full + "ldn.", ".", "LDN"},   {full + "BT.LT.", ".", "LT"},
        {full + "SW.LD.", ".", "LD."}, {"オブジェクトを選択: LT.", ".", ""},
        {"LT. コマンド: ", ".", ""},   {"", ".", ""},
        {"\x01\xff\xfe LD.", ".", ""}, {"ｺﾏﾝﾄﾞ:LT.", ".", ""},
        {full + "LT,", " , ", "LT"},   {full + "LT.", ",", ""},
        {full + "LD,", ",", ""},       {full + "LD.", ",", "LD."},
        {full + "bm.", "..", ""},      {full + "bm..", "..", "BM"},
        {full + "ltq", "q", "LT"},     {full + "LTQ", "q", "LT"},
        {full + "SELECT", " ", ""},    {full + "UNDO", "", ""},
        {full + "un.", "", "UN"},
    };
    for (const Case& c : cases) {
        const Operation* found = FindKeyword(c.prompt, c.terminator);
        EXPECT_EQ(found ? found->keyword.letters : "", c.found) << c.prompt << " " << c.terminator;
    }
}

class KeywordWatcherTest : public EngineTest {
protected:
    void Watch(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) form.Timer2Timer();
    }
    // The user types a keyword at the idle host; the palette sees nothing until it ticks.
    void TypeAtHost(std::string_view text) {
        host.Type(text);
        Typed();
    }
};

TEST_F(KeywordWatcherTest, EveryKeywordPressesItsButton) {
    form.main.EditKpMark.text = "I_KOUTEN";
    struct Case {
        const char* typed;
        State state;
        const char* caption;
    };
    const Case table[] = {
        {"ld.", kDrawLineState, "Draw Line"},     {"lt.", kLineTrimState, "Trim Line"},
        {"bt.", kBlockTrimState, "Trim Block"},   {"bm.", kBlockMoveState, "Move Block"},
        {"bc.", kBlockCopyState, "Copy Block"},   {"be.", kBlockEraseState, "Erase Block"},
        {"le.", kLineCutState, "Erase Line"},     {"im.", kJunctionPointState, "IMark"},
        {"cs.", kStretchState, "Stretch C"},      {"lj.", kLineJointState, "Joint Line"},
        {"ldn.", kDrawLineNState, "Draw Line"},   {"tw.", kTwistState, "to TwistWire"},
        {"sw.", kShieldState, "Draw SealedWire"},
    };
    for (const Case& k : table) {
        form.op.AbandonOperation();
        host.PressEscape();
        TypeAtHost(k.typed);
        Watch();
        EXPECT_EQ(Op(), std::to_string(Number(k.state)) + "/0 on " + k.caption);
        const Texts typed = Typed();
        ASSERT_FALSE(typed.empty()) << k.typed;
        EXPECT_EQ(typed.front(), "\x03") << k.typed;  // throws the keyword away in the host
        EXPECT_FALSE(Contains(UpperAscii(host.Prompt()), UpperAscii(k.typed))) << k.typed;
    }
}

TEST_F(KeywordWatcherTest, UndoKeywordRunsWhateverTheButtonsState) {
    ASSERT_FALSE(form.SpeedButtonUndo.enabled);
    host.Type("\x03UNDO M ");  // a mark to go back to
    TypeAtHost("un.");
    Watch();
    EXPECT_EQ(Typed().front(), "\x03UNDO B ");
    EXPECT_TRUE(host.undoMarks.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KeywordWatcherTest, WatcherOffOperationRunningOrHostGonePressesNothing) {
    TypeAtHost("lt.");
    form.main.CheckCmdLine.checked = false;
    Watch(3);
    EXPECT_TRUE(Typed().empty());

    form.main.CheckCmdLine.checked = true;
    form.op.OpState = kBlockTrimState;  // an operation waits while the keyword is on the idle host's line
    Watch(3);
    EXPECT_TRUE(Typed().empty());
    EXPECT_EQ(form.op.OpState, kBlockTrimState);

    // The first tick after the operation has ended finds the keyword still there.
    form.op.AbandonOperation();
    Watch();
    EXPECT_EQ(form.op.OpState, kLineTrimState);

    form.op.AbandonOperation();
    host.PressEscape();
    TypeAtHost("bt.");
    host.Quit();
    Watch(3);
    EXPECT_EQ(form.op.OpState, kIdle);
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KeywordWatcherTest, RefusedButtonIsNotPressedAgainUntilTheLineChanges) {
    form.main.CheckLine.checked = form.main.CheckCircle.checked = form.main.CheckArc.checked = false;
    TypeAtHost("lt.");
    Watch(5);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  ");
    EXPECT_TRUE(Typed().empty());

    // Checking a box is not enough: the user types the keyword again.
    form.main.CheckLine.checked = true;
    Watch(2);
    EXPECT_EQ(form.op.OpState, kIdle);
    host.PressEscape();
    Watch();
    TypeAtHost("lt.");
    Watch();
    EXPECT_EQ(form.op.OpState, kLineTrimState);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(KeywordWatcherTest, RefusalMessageDoesNotLetTheWatcherPressAgainInsideIt) {
    TypeAtHost("im.");  // no junction-mark block set
    int ticksInside = 0;
    ui.whileShown = [&] {
        if (++ticksInside == 1) Watch(3);
    };
    Watch();
    EXPECT_EQ(ui.messages, Texts{"交点用ﾌﾞﾛｯｸ名が登録されていません.  "});
    EXPECT_EQ(form.op.OpState, kIdle);
}

TEST_F(KeywordWatcherTest, TerminatorComesFromTheEditBox) {
    form.main.EditLastChar.text = ",";
    TypeAtHost("lt.");
    Watch();
    EXPECT_EQ(form.op.OpState, kIdle);
    host.PressEscape();
    TypeAtHost("lt,");
    Watch();
    EXPECT_EQ(form.op.OpState, kLineTrimState);
}

}  // namespace
}  // namespace kv::test
