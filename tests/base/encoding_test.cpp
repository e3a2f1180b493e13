#include "base/encoding.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Encoding, JapaneseRoundTripsThroughCodePage932) {
    const std::string text = "コマンド: ｷｬﾝｾﾙ 画層 ＭＳ Ｐゴシック";
    std::string ansi = Utf8ToAnsi(text);
    EXPECT_EQ(ansi.substr(0, 2), "\x83\x52");  // "コ" in CP932
    EXPECT_EQ(Utf8ToAnsi("ｷ"), "\xB7");        // half-width katakana is one byte
    EXPECT_EQ(AnsiToUtf8(ansi), text);
}

// One '?' per character the code page lacks or per broken sequence; what follows survives.
TEST(Encoding, EachBadUtf8SequenceBecomesOneQuestionMark) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b"},  // an emoji has no CP932 form
        {"ab\xFF"
         "cd",
         "ab?cd"},
        {"ab\xFF\r\ncd", "ab?\r\ncd"},
        {"ab\xE3\x81\r\n", "ab?\r\n"},  // a character cut short
        {"\x80\x80x", "??x"},
    };
    for (const auto& [utf8, ansi] : cases) EXPECT_EQ(Utf8ToAnsi(utf8), ansi) << utf8;
}

TEST(Encoding, InvalidAnsiBytesAreReplacedNotDropped) {
    // 0x81 is a lead byte; neither the end of the text nor a CR makes a character of it.
    EXPECT_EQ(AnsiToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(AnsiToUtf8("a\x81\r\nb"), "a\xEF\xBF\xBD\r\nb");
}

}  // namespace
}  // namespace kv
