#include <gtest/gtest.h>

#include "scenario_lines.h"
#include "step_args.h"
#include "support/expect_throw_message.h"

namespace kv::scenario {
namespace {

std::vector<std::string> Texts(const ScenarioLine& line) {
    std::vector<std::string> out;
    for (const Word& w : line.words) out.push_back(w.text);
    return out;
}

TEST(SplitScenarioLines, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    const auto lines = SplitScenarioLines("\xEF\xBB\xBFtitle A story\r\n\n# only a comment\n  pick 1,2 # the corner\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 1);
    EXPECT_EQ(Texts(lines[0]), (std::vector<std::string>{"title", "A", "story"}));
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(Texts(lines[1]), (std::vector<std::string>{"pick", "1,2"}));
}

TEST(SplitScenarioLines, QuotesKeepBlanksAndHashesAndTakeEscapes) {
    const auto lines = SplitScenarioLines(R"(type "\x03LINE # not a comment \r" "" "a\"b\\c\e")");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Texts(lines[0]), (std::vector<std::string>{"type", "\x03LINE # not a comment \r", "", "a\"b\\c\x1b"}));
    EXPECT_TRUE(lines[0].words[2].quoted);
}

TEST(SplitScenarioLines, OptionsAreSeenBeforeAnyQuote) {
    const auto lines = SplitScenarioLines(R"(text 0,0 "a=b" style="My Style" =x)");
    const std::vector<Word>& w = lines[0].words;
    EXPECT_EQ(w[2].equals, std::string::npos);
    EXPECT_EQ(w[3].text, "style=My Style");
    EXPECT_EQ(w[3].equals, 5u);
    EXPECT_EQ(w[4].equals, 0u);  // no key: not an option
}

TEST(SplitScenarioLines, MistakesNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"title x\ntype \"open", "line 2: a quoted text is not closed"},
        {"type \"\\q\"", "line 1: unknown escape \\q"},
        {"type \"\\x3\"", "line 1: \\x needs two hexadecimal digits"},
        {"type \"\\", "line 1: a backslash ends the line"},
    };
    for (const auto& c : cases) EXPECT_THROW_MESSAGE(SplitScenarioLines(c.first), ScenarioError, c.second);
}

Args ArgsOf(std::string_view text) { return Args(SplitScenarioLines(text).at(0), 1); }

TEST(Args, TakesPositionalsOptionsAndFlags) {
    Args args = ArgsOf("pline 0,0 10,0,5 closed bulges=0,1 layer=W");
    EXPECT_TRUE(args.NextIsPoint());
    EXPECT_EQ(args.Point("a").x, 0);
    EXPECT_EQ(args.Point("b").z, 5);
    EXPECT_FALSE(args.NextIsPoint());
    EXPECT_EQ(args.RealListOption("bulges"), (std::vector<double>{0, 1}));
    EXPECT_TRUE(args.Flag("closed"));
    EXPECT_THROW(args.Done(), ScenarioError);  // layer= not taken
    EXPECT_EQ(args.Option("layer"), "W");
    EXPECT_NO_THROW(args.Done());
}

TEST(Args, BadValuesSayWhatWasExpected) {
    const auto take = [](std::string_view text, auto read) {
        Args args = ArgsOf(text);
        read(args);
        args.Done();
    };
    EXPECT_THROW_MESSAGE(take("pick 1;2", [](Args& a) { a.Point("point"); }), ScenarioError,
                         "line 1: point: '1;2' is not a point x,y or x,y,z");
    EXPECT_THROW_MESSAGE(take("pick", [](Args& a) { a.Point("point"); }), ScenarioError, "line 1: missing point");
    EXPECT_THROW_MESSAGE(take("line color=257", [](Args& a) { a.ColorOption("color"); }), ScenarioError,
                         "line 1: color=: '257' is not a colour (0 to 256 or a name such as bylayer, red)");
    EXPECT_NO_THROW(take("line color=Red", [](Args& a) { a.ColorOption("color"); }));
    EXPECT_THROW_MESSAGE(take("wait 1 2", [](Args& a) { a.Int("ms"); }), ScenarioError, "line 1: unexpected '2'");
    EXPECT_THROW_MESSAGE(take("x a=1 a=2", [](Args&) {}), ScenarioError, "line 1: option a= is given twice");
    EXPECT_THROW_MESSAGE(take("x colour=1", [](Args&) {}), ScenarioError, "line 1: unknown option colour=");
}

}  // namespace
}  // namespace kv::scenario
