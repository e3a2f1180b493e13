#include "base/number_text.h"

#include <gtest/gtest.h>

#include "support/expect_throw_message.h"

namespace kv {
namespace {

TEST(FormatReal, IntegersArePlain) {
    EXPECT_EQ(FormatReal(0), "0");
    EXPECT_EQ(FormatReal(-0.0), "0");
    EXPECT_EQ(FormatReal(16), "16");
    EXPECT_EQ(FormatReal(-250), "-250");
    EXPECT_EQ(FormatReal(123456789012345.0), "123456789012345");
}

TEST(FormatReal, DecimalsAreShortestWithFifteenSignificantDigits) {
    EXPECT_EQ(FormatReal(0.5), "0.5");
    EXPECT_EQ(FormatReal(1.1), "1.1");
    EXPECT_EQ(FormatReal(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatReal(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatReal(-12.25), "-12.25");
    EXPECT_EQ(FormatReal(0.0001), "0.0001");
}

TEST(FormatReal, ExponentOnlyForVerySmallOrLargeMagnitudes) {
    EXPECT_EQ(FormatReal(0.00001), "1E-5");
    EXPECT_EQ(FormatReal(-2.5e-7), "-2.5E-7");
    EXPECT_EQ(FormatReal(1e15), "1E15");
    EXPECT_EQ(FormatReal(1.5e20), "1.5E20");
    EXPECT_EQ(FormatReal(1e-100), "1E-100");
}

TEST(FormatReal, RoundTripsThroughParseReal) {
    for (double v : {0.1, 2.675, 1e-5, 98765.4321, -3.14159265358979, 1e300}) {
        EXPECT_DOUBLE_EQ(ParseReal(FormatReal(v)), v) << FormatReal(v);
    }
}

TEST(ParseReal, AcceptsBlanksSignsAndExponents) {
    EXPECT_EQ(ParseReal(" 10.5 "), 10.5);
    EXPECT_EQ(ParseReal("+3"), 3);
    EXPECT_EQ(ParseReal("-.5"), -0.5);
    EXPECT_EQ(ParseReal("1E-6"), 1e-6);
    EXPECT_EQ(ParseReal("2.5e+3"), 2500);
}

TEST(ParseReal, RejectsWhatIsNotANumberWithTheStandardMessage) {
    for (const std::string bad : {"abc", "", "  ", "1.2.3", "10,5", "1e", "inf", "nan", "--1", "0x10", "1 2"})
        EXPECT_THROW_MESSAGE(ParseReal(bad), ConversionError, "'" + bad + "' is not a valid floating point value");
}

TEST(ParseInt, ReadsDecimalIntegersOnly) {
    EXPECT_EQ(ParseInt(" 62 "), 62);
    EXPECT_EQ(ParseInt("-7"), -7);
    int v = 5;
    EXPECT_FALSE(TryParseInt("1.5", v));
    EXPECT_FALSE(TryParseInt("99999999999", v));
    EXPECT_EQ(v, 5);
    EXPECT_THROW_MESSAGE(ParseInt("x"), ConversionError, "'x' is not a valid integer value");
}

}  // namespace
}  // namespace kv
