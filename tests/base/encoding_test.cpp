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

TEST(Encoding, AsciiIsUnchanged) {
    EXPECT_EQ(Utf8ToAnsi("LINE 0,0\r"), "LINE 0,0\r");
    EXPECT_EQ(AnsiToUtf8("-INSERT *C:\\a.dxf"), "-INSERT *C:\\a.dxf");
}

TEST(Encoding, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji has no CP932 form
}

TEST(Encoding, InvalidAnsiBytesAreReplacedNotDropped) {
    // 0x81 is a lead byte; followed by a NUL it is no character.
    std::string out = AnsiToUtf8(std::string("a\x81", 2));
    EXPECT_EQ(out.substr(0, 1), "a");
    EXPECT_GT(out.size(), 1u);
}

}  // namespace
}  // namespace kv
