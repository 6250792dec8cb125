// Reading numbers from the settings panel's boxes.
#include "document/number_text.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>

namespace vesk4 {
namespace {

TEST(NumberText, LeadingNumberTakesTheLongestNumberAfterBlanks)
{
    EXPECT_EQ(leadingNumber(u"12"), 12);
    EXPECT_EQ(leadingNumber(u"  12abc"), 12);
    EXPECT_EQ(leadingNumber(u" -5"), -5);
    EXPECT_EQ(leadingNumber(u"+7x"), 7);
    EXPECT_EQ(leadingNumber(u"2.5"), 2.5);
    EXPECT_EQ(leadingNumber(u".5"), 0.5);
    EXPECT_EQ(leadingNumber(u"3."), 3);
    EXPECT_EQ(leadingNumber(u"1e2"), 100);
    EXPECT_EQ(leadingNumber(u"1e"), 1); // no digits after the e: the number ends before it
    EXPECT_EQ(leadingNumber(u"1e+"), 1);
    EXPECT_EQ(leadingNumber(u"12 3"), 12);
}

TEST(NumberText, LeadingNumberIsZeroWithoutDigits)
{
    for (const char16_t *text : {u"", u"   ", u"abc", u"-", u".", u"-.", u"e5", u"１２"})
        EXPECT_EQ(leadingNumber(text), 0) << QString::fromUtf16(text).toStdString();
}

TEST(NumberText, HugeNumbersDoNotFitSixteenBits)
{
    EXPECT_TRUE(std::isinf(leadingNumber(u"1e999")));
    EXPECT_FALSE(toInt16(leadingNumber(u"1e999")));
    EXPECT_FALSE(toInt16(leadingNumber(u"99999999999999999999999")));
    EXPECT_FALSE(toInt16(std::nan("")));
}

TEST(NumberText, WholeTextMustBeOneNumber)
{
    for (const char16_t *text : {u"0", u"99", u" 12 ", u"-3", u"2.5", u"1e3"})
        EXPECT_TRUE(isNumber(text)) << QString::fromUtf16(text).toStdString();
    for (const char16_t *text : {u"", u" ", u"12a", u"a12", u"1 2", u"-", u"1e", u"0x10"})
        EXPECT_FALSE(isNumber(text)) << QString::fromUtf16(text).toStdString();
}

TEST(NumberText, ConversionRoundsHalfToEvenWithinSixteenBits)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5)); // rounds to 32768
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_FALSE(toInt16(-32769));
}

} // namespace
} // namespace vesk4
