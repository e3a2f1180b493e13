#include "text/count_text.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace kv {
namespace {

std::vector<std::string> Series(std::string_view list, std::string counter, bool hex, int count) {
    std::vector<std::string> texts;
    int index = 0;
    for (int i = 0; i < count; ++i) texts.push_back(NextCountText(list, counter, "", hex, index));
    return texts;
}

TEST(NextCountText, PrefixListsCycleAndAdvanceAfterTheirLastItem) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Series("R,S,T", "1", false, 4), (V{"R1", "S1", "T1", "R2"}));
    EXPECT_EQ(Series("", "099", false, 3), (V{"099", "100", "101"}));
    EXPECT_EQ(Series("A-", "009", false, 2), (V{"A-009", "A-010"}));
    EXPECT_EQ(Series("\"P 1\", N", "1", false, 3), (V{"P 11", "N1", "P 12"}));
    EXPECT_EQ(Series("R S,T", "1", false, 4), (V{"R1", "S1", "T1", "R2"}));
}

// Widths and carries are played by the counter stories; here the readings a story does not reach.
TEST(NextCountText, ADecimalCounterThatIsNoDecimalIsReadAsHexadecimal) {
    struct Case {
        const char* counter;
        bool hex;
        const char* next;
    };
    for (const Case& c : {Case{"09", true, "0A"}, Case{"0A", false, "11"}, Case{"0", false, "1"}}) {
        std::string counter = c.counter;
        int index = 0;
        EXPECT_EQ(NextCountText("X", counter, "-", c.hex, index), std::string("X") + c.counter + "-") << c.counter;
        EXPECT_EQ(counter, c.next) << c.counter;
        EXPECT_EQ(index, 1);
    }
}

TEST(NextCountText, ACounterThatIsNoNumberThrowsAndStaysAsItWas) {
    for (const char* bad : {"", "XYZ", "1.5", "123456789AB"}) {
        std::string counter = bad;
        int index = 0;
        EXPECT_THROW(NextCountText("R", counter, "", false, index), ConversionError) << bad;
        EXPECT_EQ(counter, bad);
        EXPECT_EQ(index, 0);
    }
}

TEST(ZeroPad, PadsShortTextsOnly) {
    EXPECT_EQ(ZeroPad("7", 3), "007");
    EXPECT_EQ(ZeroPad("1234", 3), "1234");
    EXPECT_EQ(ZeroPad("", 2), "00");
}

TEST(SplitNumber, FindsTheLastOrTheFirstRunOfDigits) {
    struct Case {
        const char* text;
        bool fromEnd;
        SplitText split;
    };
    for (const Case& c : {Case{"R101A", true, {"R", "101", "A"}}, Case{"A-009", true, {"A-", "009", ""}},
                          Case{"X1-22Y\r\n", true, {"X1-", "22", "Y"}}, Case{"X1-22Y", false, {"X", "1", "-22Y"}},
                          Case{"ABC", true, {"ABC", "", ""}}, Case{"ABC", false, {"ABC", "", ""}},
                          Case{"42", false, {"", "42", ""}}, Case{"番号12号", true, {"番号", "12", "号"}}}) {
        const SplitText got = SplitNumber(c.text, c.fromEnd);
        EXPECT_EQ(got.prefix + "|" + got.number + "|" + got.suffix,
                  c.split.prefix + "|" + c.split.number + "|" + c.split.suffix)
            << c.text;
    }
}

}  // namespace
}  // namespace kv
