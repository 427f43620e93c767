// Numbers as the widgets show them: plain decimal integers, and doubles with
// the standard stream's default formatting.
#include <gtest/gtest.h>

#include <climits>

#include "gui/BitmapFont.h"

namespace {

TEST(IntToText, PlainDecimalWithALeadingMinus)
{
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(90), "90");
    EXPECT_EQ(IntToText(-7), "-7");
    EXPECT_EQ(IntToText(INT_MIN), "-2147483648");
}

TEST(DoubleToText, TrailingZerosAndPointAreDropped)
{
    EXPECT_EQ(DoubleToText(1.0), "1");
    EXPECT_EQ(DoubleToText(2.4), "2.4");
    EXPECT_EQ(DoubleToText(-0.5), "-0.5");
}

TEST(DoubleToText, SumsOfStepsShowAsTheRoundValue)
{
    EXPECT_EQ(DoubleToText(1.0 + 0.1 + 0.1 + 0.1), "1.3");
    EXPECT_EQ(DoubleToText(3.4 - 0.2 - 0.2), "3");
}

TEST(DoubleToText, AtMostSixSignificantDigits)
{
    EXPECT_EQ(DoubleToText(3.14159265), "3.14159");
    EXPECT_EQ(DoubleToText(1234567.0), "1.23457e+06");
    EXPECT_EQ(DoubleToText(0.00001), "1e-05");
}

}  // namespace
