#include "app/keyword_watcher.h"

#include <functional>
#include <utility>

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

// A keyword left on the idle host's line while an operation runs is pressed at the first
// tick after the operation has ended.
TEST_F(KeywordWatcherTest, KeywordWaitsForTheRunningOperation) {
    TypeAtHost("lt.");
    form.op.OpState = kBlockTrimState;
    Watch(3);
    EXPECT_TRUE(Typed().empty());
    EXPECT_EQ(form.op.OpState, kBlockTrimState);
    form.op.AbandonOperation();
    Watch();
    EXPECT_EQ(form.op.OpState, kLineTrimState);
}

// A message box lets the timers through, as the real one's modal loop does.
class TickingUi : public scenario::ScriptedUi {
public:
    std::function<void()> inside;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override {
        if (inside) std::exchange(inside, nullptr)();
        return ScriptedUi::ShowMessage(text, buttons);
    }
};

TEST_F(KeywordWatcherTest, RefusalMessageDoesNotLetTheWatcherPressAgainInsideIt) {
    TickingUi ticking;
    TFormKvaneMain palette{run.desktop, ticking, run.clock, run.files, form.op.executablePath};
    TypeAtHost("im.");  // no junction-mark block set
    ticking.inside = [&] {
        for (int i = 0; i < 3; ++i) palette.Timer2Timer();
    };
    palette.Timer2Timer();
    EXPECT_EQ(ticking.messages, Texts{"交点用ﾌﾞﾛｯｸ名が登録されていません.  "});
    EXPECT_EQ(palette.op.OpState, kIdle);
}

}  // namespace
}  // namespace kv::test
