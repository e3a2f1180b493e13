#include "hostlink/host_text.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(CommandPrompt, OnlyTheExactIdleTextsCount) {
    EXPECT_TRUE(IsCommandPrompt("コマンド: "));
    EXPECT_TRUE(IsCommandPrompt("ｺﾏﾝﾄﾞ: "));
    EXPECT_FALSE(IsCommandPrompt("コマンド:"));
    EXPECT_FALSE(IsCommandPrompt("コマンド: LINE"));
    EXPECT_FALSE(IsCommandPrompt("オブジェクトを選択: "));
    EXPECT_FALSE(IsCommandPrompt(""));
}

TEST(TextBetween, TakesTheValueAfterTheLastLeftMarker) {
    EXPECT_EQ(TextBetween("<", ">", "SNAPMODE の新しい値を入力 <0>: "), "0");
    EXPECT_EQ(TextBetween("<", ">", ">>CLAYER の新しい値を入力 <\"0\">: "), "\"0\"");
    EXPECT_EQ(TextBetween("<", ">", "尺度 <1> または <2.5>: "), "2.5");
    EXPECT_EQ(TextBetween("<", ">", "VIEWCTR <  10,20,0 >"), "10,20,0");
}

TEST(TextBetween, IsEmptyWhenAMarkerIsMissingOrNothingStandsBetween) {
    EXPECT_EQ(TextBetween("<", ">", "コマンド: "), "");
    EXPECT_EQ(TextBetween("<", ">", "値 <12"), "");
    EXPECT_EQ(TextBetween("<", ">", "値 <>: "), "");
    EXPECT_EQ(TextBetween("<", ">", "値 <1> 次 <"), "");
    EXPECT_EQ(TextBetween("", ">", "a>b"), "");
    EXPECT_EQ(TextBetween("<", "", "<a"), "");
    EXPECT_EQ(TextBetween("=", "(", "VIEWCTR = 1,2,3 (読み込み専用)"), "1,2,3");
}

TEST(TextBetween, OverlappingLeftMarkersAreCutFromTheLeft) {
    EXPECT_EQ(TextBetween("<<", ">", "a<<<b>"), "<b");
}

TEST(TextAfterLast, TrimsTheRestAfterTheLastMarker) {
    EXPECT_EQ(TextAfterLast("=", "X = 1 Y = 2 \r\n"), "2");
    EXPECT_EQ(TextAfterLast("=", "no marker"), "");
    EXPECT_EQ(TextAfterLast("", "a"), "");
    EXPECT_EQ(TextAfterLast("=", "A ="), "");
}

TEST(LastLine, DropsOneClosingLineBreak) {
    EXPECT_EQ(LastLine("コマンド: LINE\r\n1 点目を指定: *キャンセル*\r\n"), "1 点目を指定: *キャンセル*");
    EXPECT_EQ(LastLine("a\r\nb"), "b");
    EXPECT_EQ(LastLine("only"), "only");
    EXPECT_EQ(LastLine("a\r\n\r\n"), "");
    EXPECT_EQ(LastLine(""), "");
    EXPECT_EQ(LastLine("\r\n"), "");
    // A lone LF closes the line too; the character before it is kept.
    EXPECT_EQ(LastLine("a\nbc\n"), "bc");
}

TEST(SelectionCountInHistory, ReadsTheFirstPickReport) {
    EXPECT_EQ(SelectionCountInHistory("コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1\r\n"), 1);
    EXPECT_EQ(SelectionCountInHistory("コマンド: SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 認識された数: 0"), 0);
}

TEST(SelectionCountInHistory, PrefersTheRunningTotal) {
    const std::string history =
        "コマンド: SELECT\r\n"
        "オブジェクトを選択: 認識された数: 1\r\n"
        "オブジェクトを選択: 認識された数: 1、総数 2\r\n"
        "オブジェクトを選択: 認識された数: 1、総数 13\r\n"
        "オブジェクトを選択: \r\n";
    EXPECT_EQ(SelectionCountInHistory(history), 13);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 総数 4\r\nｵﾌﾞｼﾞｪｸﾄを選択: "), 4);
    // The report may be the newest line, with no selection prompt after it yet.
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\nオブジェクトを選択: 認識された数: 1、総数 3"), 3);
}

TEST(SelectionCountInHistory, LooksOnlyAfterTheLastSelectCommand) {
    const std::string history =
        "コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1、総数 5\r\nオブジェクトを選択: \r\n"
        "コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1\r\n";
    EXPECT_EQ(SelectionCountInHistory(history), 1);
}

TEST(SelectionCountInHistory, GivesMinusOneWhenNoCountCanBeRead) {
    EXPECT_EQ(SelectionCountInHistory(""), -1);
    EXPECT_EQ(SelectionCountInHistory("オブジェクトを選択: 認識された数: 1"), -1);  // no SELECT
    EXPECT_EQ(SelectionCountInHistory("コマンド: SELECT\r\nオブジェクトを選択: *キャンセル*"), -1);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\n認識された数: abc\r\nオブジェクトを選択: "), -1);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\n総数 2 個\r\n"), -1);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\n\x01\xff\xfe 総数 \xe3\x81"), -1);
}

TEST(ParsePoint, ReadsTwoOrThreeNumbers) {
    Point3 p{7, 8, 9};
    EXPECT_TRUE(ParsePoint("10.5,-20", p));
    EXPECT_EQ(p, (Point3{10.5, -20, 9}));
    EXPECT_TRUE(ParsePoint("1, 2, 3", p));
    EXPECT_EQ(p, (Point3{1, 2, 3}));
    EXPECT_TRUE(ParsePoint("\"4,5,6\"", p));
    EXPECT_EQ(p, (Point3{4, 5, 6}));
    EXPECT_TRUE(ParsePoint("1E3,2.5e-1,0", p));
    EXPECT_EQ(p, (Point3{1000, 0.25, 0}));
}

TEST(ParsePoint, FailsOnMalformedTextKeepingWhatWasRead) {
    Point3 p{7, 8, 9};
    EXPECT_FALSE(ParsePoint("12.5", p));
    EXPECT_EQ(p, (Point3{7, 8, 9}));
    EXPECT_FALSE(ParsePoint("", p));
    EXPECT_FALSE(ParsePoint("\"", p));
    EXPECT_FALSE(ParsePoint(",", p));
    EXPECT_FALSE(ParsePoint("1,abc", p));
    EXPECT_EQ(p, (Point3{1, 8, 9}));
    EXPECT_FALSE(ParsePoint("2,3,", p));
    EXPECT_EQ(p, (Point3{2, 3, 9}));
    EXPECT_FALSE(ParsePoint("1,2,3,4", p));
    EXPECT_FALSE(ParsePoint("1,2,3 (読み込み専用)", p));
    EXPECT_FALSE(ParsePoint("inf,nan", p));
}

TEST(TrimTrailingZeros, KeepsOneDigitAfterThePoint) {
    EXPECT_EQ(TrimTrailingZeros("1.2500"), "1.25");
    EXPECT_EQ(TrimTrailingZeros("3.000"), "3.0");
    EXPECT_EQ(TrimTrailingZeros("3.0"), "3.0");
    EXPECT_EQ(TrimTrailingZeros("-0.50"), "-0.5");
    EXPECT_EQ(TrimTrailingZeros("10.10"), "10.1");
    EXPECT_EQ(TrimTrailingZeros("7."), "7.");
    EXPECT_EQ(TrimTrailingZeros(""), "");
}

TEST(TrimTrailingZeros, LeavesNumbersWithoutAPlainFractionAlone) {
    EXPECT_EQ(TrimTrailingZeros("100"), "100");
    EXPECT_EQ(TrimTrailingZeros("1.50E10"), "1.50E10");
    EXPECT_EQ(TrimTrailingZeros("2.5E-100"), "2.5E-100");
}

}  // namespace
}  // namespace kv
