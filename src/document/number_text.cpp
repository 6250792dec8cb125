#include "document/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace vesk4 {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct Scan {
    qsizetype end = 0; // one past the last character of the number
    bool found = false; // at least one digit before any exponent
};

// Finds the longest number starting at `from`.
Scan scanNumber(QStringView text, qsizetype from)
{
    qsizetype i = from;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < n && isDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        bool fraction = false;
        while (j < n && isDigit(text[j])) {
            ++j;
            fraction = true;
        }
        if (digits || fraction) {
            i = j;
            digits = true;
        }
    }
    if (!digits)
        return {};
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return {i, true};
}

qsizetype skipBlanks(QStringView text, qsizetype i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

} // namespace

double leadingNumber(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const Scan scan = scanNumber(text, start);
    if (!scan.found)
        return 0;
    // Only ASCII characters were scanned, so the Latin-1 form is exact.
    const std::string digits = text.sliced(start, scan.end - start).toLatin1().toStdString();
    // Read in the "C" locale: the application object switches the process to the user's locale,
    // whose decimal separator may be a comma, and plain strtod would stop at the point there.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return cLocale ? strtod_l(digits.c_str(), nullptr, cLocale) : std::strtod(digits.c_str(), nullptr);
}

bool isNumber(QStringView text)
{
    const Scan scan = scanNumber(text, skipBlanks(text, 0));
    return scan.found && skipBlanks(text, scan.end) == text.size();
}

std::optional<int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(rounded);
}

} // namespace vesk4
