#include "engine/keyword_watcher.h"

#include "engine_fixture.h"

namespace kv::test {
namespace {

constexpr const char* kFull = "コマンド: ";
constexpr const char* kHalf = "ｺﾏﾝﾄﾞ: ";

std::optional<Keyword> Find(const std::string& prompt, std::string_view terminator = ".") {
    return FindKeyword(prompt, terminator);
}

TEST(FindKeywordTest, LettersAndTerminatorInEitherCaseAfterEitherPrompt) {
    EXPECT_EQ(Find(std::string(kFull) + "lt."), Keyword::TrimLine);
    EXPECT_EQ(Find(std::string(kFull) + "LT"), std::nullopt);
    EXPECT_EQ(Find(std::string(kHalf) + "xbt.x"), Keyword::TrimBlock);
    EXPECT_EQ(Find(std::string(kHalf) + "Ld."), Keyword::DrawLine);
    // "LDN." does not hold "LD.", so the second variant is reachable.
    EXPECT_EQ(Find(std::string(kFull) + "ldn."), Keyword::DrawLineN);
    // The table's order decides, not the position on the line.
    EXPECT_EQ(Find(std::string(kFull) + "BT.LT."), Keyword::TrimLine);
    EXPECT_EQ(Find(std::string(kFull) + "SW.LD."), Keyword::DrawLine);
}

TEST(FindKeywordTest, OnlyAnIdleHostsLineCounts) {
    EXPECT_EQ(Find("オブジェクトを選択: LT."), std::nullopt);
    EXPECT_EQ(Find("LT. コマンド: "), std::nullopt);
    EXPECT_EQ(Find(""), std::nullopt);
    EXPECT_EQ(Find("\x01\xff\xfe LD."), std::nullopt);
    EXPECT_EQ(Find("ｺﾏﾝﾄﾞ:LT."), std::nullopt);  // the blank belongs to the prompt
}

TEST(FindKeywordTest, TerminatorIsTrimmedAndMayBeLongerOrALetter) {
    EXPECT_EQ(Find(std::string(kFull) + "LT,", " , "), Keyword::TrimLine);
    EXPECT_EQ(Find(std::string(kFull) + "LT.", ","), std::nullopt);
    // Draw Line keeps its own full stop whatever the terminator.
    EXPECT_EQ(Find(std::string(kFull) + "LD,", ","), std::nullopt);
    EXPECT_EQ(Find(std::string(kFull) + "LD.", ","), Keyword::DrawLine);
    EXPECT_EQ(Find(std::string(kFull) + "bm.", ".."), std::nullopt);
    EXPECT_EQ(Find(std::string(kFull) + "bm..", ".."), Keyword::MoveBlock);
    EXPECT_EQ(Find(std::string(kFull) + "ltq", "q"), Keyword::TrimLine);
    EXPECT_EQ(Find(std::string(kFull) + "LTQ", "q"), Keyword::TrimLine);
    // A blank terminator means the full stop, so host commands are not caught as typed.
    EXPECT_EQ(Find(std::string(kFull) + "SELECT", " "), std::nullopt);
    EXPECT_EQ(Find(std::string(kFull) + "UNDO", ""), std::nullopt);
    EXPECT_EQ(Find(std::string(kFull) + "un.", ""), Keyword::Undo);
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

struct KeywordCase {
    const char* typed;
    int state;
    const char* caption;
};

TEST_F(KeywordWatcherTest, EveryKeywordPressesItsButton) {
    form.EditKpMark.text = "I_KOUTEN";
    const std::vector<KeywordCase> table = {
        {"ld.", 101, "Draw Line"},        {"lt.", 301, "Trim Line"},     {"bt.", 901, "Trim Block"},
        {"bm.", 701, "Move Block"},       {"bc.", 801, "Copy Block"},    {"be.", 601, "Erase Block"},
        {"le.", 201, "Erase Line"},       {"im.", 11, "IMark"},          {"cs.", 51, "Stretch C"},
        {"lj.", 1001, "Joint Line"},      {"ldn.", 151, "Draw Line"},    {"tw.", 1201, "to TwistWire"},
        {"sw.", 1301, "Draw SealedWire"},
    };
    for (const KeywordCase& k : table) {
        form.AbandonOperation();
        host.PressEscape();
        TypeAtHost(k.typed);
        Watch();
        EXPECT_EQ(form.OpState, k.state) << k.typed;
        EXPECT_EQ(form.Caption, k.caption) << k.typed;
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

TEST_F(KeywordWatcherTest, WatcherOffOrOperationRunningPressesNothing) {
    TypeAtHost("lt.");
    form.CheckCmdLine.checked = false;
    Watch(3);
    EXPECT_TRUE(Typed().empty());

    form.CheckCmdLine.checked = true;
    form.OpState = 901;  // an operation waits while the keyword is on the idle host's line
    Watch(3);
    EXPECT_TRUE(Typed().empty());
    EXPECT_EQ(form.OpState, 901);

    // The first tick after the operation has ended finds the keyword still there.
    form.AbandonOperation();
    Watch();
    EXPECT_EQ(form.OpState, 301);
}

TEST_F(KeywordWatcherTest, RefusedButtonIsNotPressedAgainUntilTheLineChanges) {
    form.CheckLine.checked = form.CheckCircle.checked = form.CheckArc.checked = false;
    TypeAtHost("lt.");
    Watch(5);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "検出するﾌﾞﾛｯｸの図形がﾁｪｯｸされていません.  ");
    EXPECT_TRUE(Typed().empty());

    // Checking a box is not enough: the user types the keyword again.
    form.CheckLine.checked = true;
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

TEST_F(KeywordWatcherTest, MissingHostPressesNothing) {
    TypeAtHost("bt.");
    host.Quit();
    Watch(3);
    EXPECT_EQ(form.OpState, 0);
    EXPECT_TRUE(Typed().empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KeywordWatcherTest, TerminatorComesFromTheEditBox) {
    form.EditLastChar.text = ",";
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
