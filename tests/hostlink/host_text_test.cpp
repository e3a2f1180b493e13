#include "hostlink/host_text.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(HostText, MarkersAndLines) {
    EXPECT_EQ(TextBetween("<", ">", ">>CLAYER の新しい値を入力 <\"0\">: "), "\"0\"");
    EXPECT_EQ(TextBetween("<", ">", "尺度 <1> または < 2.5 >: "), "2.5");
    EXPECT_EQ(TextBetween("<<", ">", "a<<<b>"), "<b");  // overlapping markers cut from the left
    for (const char* text : {"コマンド: ", "値 <12", "値 <>: ", "値 <1> 次 <"})
        EXPECT_EQ(TextBetween("<", ">", text), "") << text;
    EXPECT_EQ(TextBetween("", ">", "a>b"), "");
    EXPECT_EQ(TextAfterLast("=", "X = 1 Y = 2 \r\n"), "2");
    EXPECT_EQ(TextAfterLast("=", "no marker"), "");

    EXPECT_EQ(LastLine("コマンド: LINE\r\n1 点目を指定: *キャンセル*\r\n"), "1 点目を指定: *キャンセル*");
    EXPECT_EQ(LastLine("a\r\n\r\n"), "");  // only one closing break is dropped
    EXPECT_EQ(LastLine("\r\n"), "");
    EXPECT_EQ(LastLine("a\nbc\n"), "bc");
}

TEST(SelectionCountInHistory, ReadsTheNewestReportOfTheLastSelection) {
    const std::string picks =
        "コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1\r\n"
        "オブジェクトを選択: 認識された数: 1、総数 13\r\nオブジェクトを選択: \r\n";
    const std::pair<std::string, int> cases[] = {
        {picks, 13},
        {picks + "コマンド: SELECT\r\nオブジェクトを選択: 認識された数: 1\r\n", 1},
        {"SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 認識された数: 0", 0},
        {"SELECT\r\nｵﾌﾞｼﾞｪｸﾄを選択: 総数 4\r\nｵﾌﾞｼﾞｪｸﾄを選択: ", 4},
        {"SELECT\r\n認識された数: 1、総数 3", 3},  // the total as the newest line
        {"", -1},
        {"オブジェクトを選択: 認識された数: 1", -1},  // no SELECT
        {"コマンド: SELECT\r\nオブジェクトを選択: *キャンセル*", -1},
        {"SELECT\r\n認識された数: abc\r\nオブジェクトを選択: ", -1},
        {"SELECT\r\n総数 2 個\r\n", -1},
        {"SELECT\r\n\x01\xff\xfe 総数 \xe3\x81", -1},
    };
    for (const auto& [history, count] : cases) EXPECT_EQ(SelectionCountInHistory(history), count) << history;
}

TEST(ParsePoint, ReadsTwoOrThreeNumbersAndKeepsWhatWasReadBeforeAnError) {
    Point3 p{7, 8, 9};
    for (const char* text : {"12.5", "", "\"", ",", "inf,nan"}) EXPECT_FALSE(ParsePoint(text, p)) << text;
    EXPECT_EQ(p, (Point3{7, 8, 9}));
    EXPECT_TRUE(ParsePoint("10.5,-20", p));
    EXPECT_EQ(p, (Point3{10.5, -20, 9}));
    EXPECT_TRUE(ParsePoint("\"4, 5,1E3\"", p));
    EXPECT_EQ(p, (Point3{4, 5, 1000}));
    EXPECT_FALSE(ParsePoint("1,abc", p));
    EXPECT_EQ(p, (Point3{1, 5, 1000}));
    EXPECT_FALSE(ParsePoint("2,3,4,5", p));
    EXPECT_EQ(p, (Point3{2, 3, 1000}));
}

TEST(TrimTrailingZeros, KeepsOneDigitAfterThePointAndLeavesOtherFormsAlone) {
    const std::pair<const char*, const char*> cases[] = {{"1.2500", "1.25"}, {"3.000", "3.0"}, {"-10.10", "-10.1"},
                                                         {"7.", "7."},       {"100", "100"},   {"1.50E10", "1.50E10"}};
    for (const auto& [number, trimmed] : cases) EXPECT_EQ(TrimTrailingZeros(number), trimmed);
}

}  // namespace
}  // namespace kv
