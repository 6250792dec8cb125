#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace vesk4 {

// How the settings panel reads numbers from its boxes. A number is an optional sign, digits with an
// optional decimal point and fraction, and an optional exponent ("1.5", "-20", "3e2").

// The value of the longest leading part of the text that forms a number, leading blanks skipped;
// 0 when there is none ("12abc" gives 12, "abc" 0). A value too large for a double is infinite.
double leadingNumber(QStringView text);

// Whether the whole text, blanks around it allowed, is one number.
bool isNumber(QStringView text);

// The value rounded to the nearest integer, an exact half to the even one, or nothing when that
// integer does not fit 16 bits (or the value is not finite).
std::optional<int16_t> toInt16(double value);

} // namespace vesk4
