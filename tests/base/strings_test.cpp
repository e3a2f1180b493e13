#include "base/strings.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersOnBothEnds) {
    EXPECT_EQ(Trim("  LINE\r\n"), "LINE");
    EXPECT_EQ(Trim("\t\x03 a b \x1f"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(TrimRight("  x  \r"), "  x");
}

TEST(Trim, KeepsMultiByteCharacters) { EXPECT_EQ(Trim(" コマンド: "), "コマンド:"); }

TEST(UpperAscii, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperAscii("ld.ｺﾏﾝﾄﾞ"), "LD.ｺﾏﾝﾄﾞ");
    EXPECT_TRUE(EqualsIgnoreCaseAscii("Edit", "EDIT"));
    EXPECT_FALSE(EqualsIgnoreCaseAscii("Edit", "Edits"));
}

TEST(Split, KeepsEmptyParts) {
    EXPECT_EQ(Split("WIRE,0,-7", ','), (std::vector<std::string>{"WIRE", "0", "-7"}));
    EXPECT_EQ(Split(",", ','), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Split("", ','), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace kv
