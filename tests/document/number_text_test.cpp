// Reading numbers from the settings panel's boxes.
#include "document/number_text.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>

namespace vesk4 {
namespace {

std::string shown(const char16_t *text)
{
    return QString::fromUtf16(text).toStdString();
}

TEST(NumberText, LeadingNumberTakesTheLongestNumberAfterBlanks)
{
    const struct {
        const char16_t *text;
        double value;
    } table[] = {
        {u"12", 12},   {u"  12abc", 12}, {u" -5", -5},  {u"+7x", 7},  {u"2.5", 2.5},
        {u".5", 0.5},  {u"3.", 3},       {u"1e2", 100}, {u"1e", 1},   {u"1e+", 1},
        {u"12 3", 12}, {u"", 0},         {u"   ", 0},   {u"abc", 0},  {u"-", 0},
        {u".", 0},     {u"-.", 0},       {u"e5", 0},    {u"１２", 0}, // full-width digits are not digits
    };
    for (const auto &t : table)
        EXPECT_EQ(leadingNumber(t.text), t.value) << shown(t.text);
    EXPECT_TRUE(std::isinf(leadingNumber(u"1e999")));
}

TEST(NumberText, WholeTextMustBeOneNumber)
{
    for (const char16_t *text : {u"0", u"99", u" 12 ", u"-3", u"2.5", u"1e3"})
        EXPECT_TRUE(isNumber(text)) << shown(text);
    for (const char16_t *text : {u"", u" ", u"12a", u"a12", u"1 2", u"-", u"1e", u"0x10"})
        EXPECT_FALSE(isNumber(text)) << shown(text);
}

TEST(NumberText, ConversionRoundsHalfToEvenWithinSixteenBits)
{
    const struct {
        double value;
        std::optional<int16_t> converted;
    } table[] = {
        {2.5, 2},         {3.5, 4},     {-2.5, -2}, {32767, 32767}, {32767.4, 32767},   {32767.5, {}},
        {-32768, -32768}, {-32769, {}}, {1e23, {}}, {INFINITY, {}}, {std::nan(""), {}},
    };
    for (const auto &t : table)
        EXPECT_EQ(toInt16(t.value), t.converted) << t.value;
}

} // namespace
} // namespace vesk4
