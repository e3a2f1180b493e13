#include "app/keyword_watcher.h"

#include "support/engine_fixture.h"

namespace kv::test {
namespace {

// The prompt may be full or half width; letters and terminator match in either case; the
// table's order decides, not the position on the line; "LD." keeps its own full stop; a blank
// terminator means the full stop, so host commands are not caught as typed.
TEST(FindKeywordTest, KeywordOnAnIdleHostsLine) {
    struct Case {
        std::string prompt;
        const char* terminator;
        std::optional<Keyword> found;
    };
    const std::string full = "コマンド: ", half = "ｺﾏﾝﾄﾞ: ";
    const Case cases[] = {
        {full + "lt.", ".", Keyword::TrimLine},      {full + "LT", ".", std::nullopt},
        {half + "xbt.x", ".", Keyword::TrimBlock},   {half + "Ld.", ".", Keyword::DrawLine},
        {full + "ldn.", ".", Keyword::DrawLineN},    {full + "BT.LT.", ".", Keyword::TrimLine},
        {full + "SW.LD.", ".", Keyword::DrawLine},   {"オブジェクトを選択: LT.", ".", std::nullopt},
        {"LT. コマンド: ", ".", std::nullopt},       {"", ".", std::nullopt},
        {"\x01\xff\xfe LD.", ".", std::nullopt},    {"ｺﾏﾝﾄﾞ:LT.", ".", std::nullopt},
        {full + "LT,", " , ", Keyword::TrimLine},    {full + "LT.", ",", std::nullopt},
        {full + "LD,", ",", std::nullopt},           {full + "LD.", ",", Keyword::DrawLine},
        {full + "bm.", "..", std::nullopt},          {full + "bm..", "..", Keyword::MoveBlock},
        {full + "ltq", "q", Keyword::TrimLine},      {full + "LTQ", "q", Keyword::TrimLine},
        {full + "SELECT", " ", std::nullopt},        {full + "UNDO", "", std::nullopt},
        {full + "un.", "", Keyword::Undo},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindKeyword(c.prompt, c.terminator), c.found) << c.prompt << " " << c.terminator;
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
        int state;
        const char* caption;
    };
    const Case table[] = {
        {"ld.", 101, "Draw Line"},        {"lt.", 301, "Trim Line"},     {"bt.", 901, "Trim Block"},
        {"bm.", 701, "Move Block"},       {"bc.", 801, "Copy Block"},    {"be.", 601, "Erase Block"},
        {"le.", 201, "Erase Line"},       {"im.", 11, "IMark"},          {"cs.", 51, "Stretch C"},
        {"lj.", 1001, "Joint Line"},      {"ldn.", 151, "Draw Line"},    {"tw.", 1201, "to TwistWire"},
        {"sw.", 1301, "Draw SealedWire"},
    };
    for (const Case& k : table) {
        form.AbandonOperation();
        host.PressEscape();
        TypeAtHost(k.typed);
        Watch();
        EXPECT_EQ(Op(), std::to_string(k.state) + "/0 on " + k.caption);
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
    form.OpState = 901;  // an operation waits while the keyword is on the idle host's line
    Watch(3);
    EXPECT_TRUE(Typed().empty());
    EXPECT_EQ(form.OpState, 901);

    // The first tick after the operation has ended finds the keyword still there.
    form.AbandonOperation();
    Watch();
    EXPECT_EQ(form.OpState, 301);

    form.AbandonOperation();
    host.PressEscape();
    TypeAtHost("bt.");
    host.Quit();
    Watch(3);
    EXPECT_EQ(form.OpState, 0);
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
    EXPECT_EQ(form.OpState, 0);
    host.PressEscape();
    Watch();
    TypeAtHost("lt.");
    Watch();
    EXPECT_EQ(form.OpState, 301);
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
    EXPECT_EQ(form.OpState, 0);
}

TEST_F(KeywordWatcherTest, TerminatorComesFromTheEditBox) {
    form.main.EditLastChar.text = ",";
    TypeAtHost("lt.");
    Watch();
    EXPECT_EQ(form.OpState, 0);
    host.PressEscape();
    TypeAtHost("lt,");
    Watch();
    EXPECT_EQ(form.OpState, 301);
}

}  // namespace
}  // namespace kv::test
