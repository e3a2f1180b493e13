#include "hostlink/host_text.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(TextBetween, TakesTheTrimmedTextAfterTheLastLeftMarker) {
    EXPECT_EQ(TextBetween("<", ">", ">>CLAYER の新しい値を入力 <\"0\">: "), "\"0\"");
    EXPECT_EQ(TextBetween("<", ">", "尺度 <1> または < 2.5 >: "), "2.5");
    EXPECT_EQ(TextBetween("<<", ">", "a<<<b>"), "<b");  // overlapping markers cut from the left
    EXPECT_EQ(TextBetween("=", "(", "VIEWCTR = 1,2,3 (読み込み専用)"), "1,2,3");
    for (const char* text : {"コマンド: ", "値 <12", "値 <>: ", "値 <1> 次 <"})
        EXPECT_EQ(TextBetween("<", ">", text), "") << text;
    EXPECT_EQ(TextBetween("", ">", "a>b"), "");
}

TEST(TextAfterLast, TrimsTheRestAfterTheLastMarker) {
    EXPECT_EQ(TextAfterLast("=", "X = 1 Y = 2 \r\n"), "2");
    EXPECT_EQ(TextAfterLast("=", "no marker"), "");
    EXPECT_EQ(TextAfterLast("", "a"), "");
}

TEST(LastLine, DropsOneClosingLineBreak) {
    EXPECT_EQ(LastLine("コマンド: LINE\r\n1 点目を指定: *キャンセル*\r\n"), "1 点目を指定: *キャンセル*");
    EXPECT_EQ(LastLine("a\r\nb"), "b");
    EXPECT_EQ(LastLine("a\r\n\r\n"), "");
    EXPECT_EQ(LastLine("\r\n"), "");
    EXPECT_EQ(LastLine("a\nbc\n"), "bc");  // a lone LF closes the line; the text before it stays
}

TEST(SelectionCountInHistory, ReadsTheNewestReportOfTheLastSelection) {
    const std::string picks =
        "コマンド: SELECT\r\n"
        "オブジェクトを選択: 認識された数: 1\r\n"
        "オブジェクトを選択: 認識された数: 1、総数 13\r\n"
        "オブジェクトを選択: \r\n";
    EXPECT_EQ(SelectionCountInHistory(picks), 13);
    EXPECT_EQ(SelectionCountInHistory(picks + "コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1\r\n"), 1);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 認識された数: 0"), 0);
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 総数 4\r\nｵﾌﾞｼﾞｪｸﾄを選択: "), 4);
    // The total may be the newest line, before the next selection prompt.
    EXPECT_EQ(SelectionCountInHistory("SELECT\r\n認識された数: 1、総数 3"), 3);
}

TEST(SelectionCountInHistory, GivesMinusOneWhenNoCountCanBeRead) {
    for (const char* history : {"", "オブジェクトを選択: 認識された数: 1",  // no SELECT
                                "コマンド: SELECT\r\nオブジェクトを選択: *キャンセル*",
                                "SELECT\r\n認識された数: abc\r\nオブジェクトを選択: ", "SELECT\r\n総数 2 個\r\n",
                                "SELECT\r\n\x01\xff\xfe 総数 \xe3\x81"})
        EXPECT_EQ(SelectionCountInHistory(history), -1) << history;
}

TEST(ParsePoint, ReadsTwoOrThreeNumbers) {
    Point3 p{7, 8, 9};
    EXPECT_TRUE(ParsePoint("10.5,-20", p));
    EXPECT_EQ(p, (Point3{10.5, -20, 9}));
    EXPECT_TRUE(ParsePoint("\"4, 5,6\"", p));
    EXPECT_EQ(p, (Point3{4, 5, 6}));
    EXPECT_TRUE(ParsePoint("1E3,2.5e-1,0", p));
    EXPECT_EQ(p, (Point3{1000, 0.25, 0}));
}

TEST(ParsePoint, FailsOnMalformedTextKeepingWhatWasRead) {
    Point3 p{7, 8, 9};
    for (const char* text : {"12.5", "", "\"", ",", "inf,nan"}) EXPECT_FALSE(ParsePoint(text, p)) << text;
    EXPECT_EQ(p, (Point3{7, 8, 9}));
    EXPECT_FALSE(ParsePoint("1,abc", p));
    EXPECT_EQ(p, (Point3{1, 8, 9}));
    EXPECT_FALSE(ParsePoint("2,3,4,5", p));
    EXPECT_EQ(p, (Point3{2, 3, 9}));
    EXPECT_FALSE(ParsePoint("1,2,3 (読み込み専用)", p));
}

TEST(TrimTrailingZeros, KeepsOneDigitAfterThePointAndLeavesOtherFormsAlone) {
    EXPECT_EQ(TrimTrailingZeros("1.2500"), "1.25");
    EXPECT_EQ(TrimTrailingZeros("3.000"), "3.0");
    EXPECT_EQ(TrimTrailingZeros("-10.10"), "-10.1");
    EXPECT_EQ(TrimTrailingZeros("7."), "7.");
    EXPECT_EQ(TrimTrailingZeros("100"), "100");
    EXPECT_EQ(TrimTrailingZeros("1.50E10"), "1.50E10");
}

}  // namespace
}  // namespace kv
