#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

// Writing a number as text. std::to_chars gives the value rounded to 15
// significant digits (exact binary-to-decimal, ties to even); every later step
// is an operation on those decimal digits, so no binary rounding creeps in.
namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits: digits[0].digits[1..14] x 10^exponent.
struct Decimal
{
    char digits[kSignificantDigits];
    int exponent;
    bool negative;
};

Decimal toDecimal(double value)
{
    char text[32]; // "-d.dddddddddddddde-308"
    const char *const end = std::to_chars(
        text, text + sizeof text, value, std::chars_format::scientific, kSignificantDigits - 1)
                                .ptr;
    Decimal decimal;
    const char *p = text;
    decimal.negative = *p == '-';
    if (decimal.negative)
        ++p;
    decimal.digits[0] = *p;
    p += 2; // the digit and the point
    std::copy_n(p, kSignificantDigits - 1, decimal.digits + 1);
    p += kSignificantDigits; // the digits and the 'e'
    const bool exponentNegative = *p++ == '-';
    decimal.exponent = 0;
    for (; p != end; ++p)
        decimal.exponent = decimal.exponent * 10 + (*p - '0');
    if (exponentNegative)
        decimal.exponent = -decimal.exponent;
    return decimal;
}

// Fills a string whose length was worked out in advance.
class Filler
{
public:
    explicit Filler(std::string &text)
        : m_out(text.data())
    { }
    void put(char c) { *m_out++ = c; }
    void put(std::string_view s) { m_out = std::copy(s.begin(), s.end(), m_out); }
    void put(const char *from, int count) { m_out = std::copy_n(from, count, m_out); }
    void repeat(char c, int count) { m_out = std::fill_n(m_out, count, c); }

private:
    char *m_out;
};

std::size_t size(int count)
{
    return static_cast<std::size_t>(count);
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NaN";
    return std::signbit(value) ? "-Infinity" : "Infinity";
}

std::string_view currentDecimalSeparator()
{
    const char *point = std::localeconv()->decimal_point;
    return point != nullptr && *point != '\0' ? std::string_view(point) : std::string_view(".");
}

} // namespace

std::string formatFixed(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal decimal = toDecimal(value);

    // The value counted in hundredths, as decimal digits, after three zeros
    // that give room for a carry and for "0.0x".
    char hundredths[3 + 309 + 2]; // not zero-filled: that would cost as much as the rest
    hundredths[0] = hundredths[1] = hundredths[2] = '0';
    int length = 3;
    const int width = decimal.exponent + 3; // digits down to the hundredths
    for (int i = 0; i < width; ++i)
        hundredths[length++] = i < kSignificantDigits ? decimal.digits[i] : '0';
    // Half a hundredth or more rounds away from zero.
    if (width >= 0 && width < kSignificantDigits && decimal.digits[width] >= '5') {
        int i = length - 1;
        while (hundredths[i] == '9')
            hundredths[i--] = '0';
        ++hundredths[i];
    }

    int first = 0; // drop leading zeros, keeping "0.00"
    while (first < length - 3 && hundredths[first] == '0')
        ++first;
    const bool nonZero = hundredths[first] != '0' || hundredths[length - 2] != '0'
        || hundredths[length - 1] != '0';
    const bool minus = decimal.negative && nonZero;
    const int integerDigits = length - 2 - first;

    std::string text(size(minus + integerDigits + 2) + decimalSeparator.size(), '\0');
    Filler out(text);
    if (minus)
        out.put('-');
    out.put(hundredths + first, integerDigits);
    out.put(decimalSeparator);
    out.put(hundredths + length - 2, 2);
    return text;
}

std::string formatGeneral(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal decimal = toDecimal(value);
    if (decimal.digits[0] == '0')
        return "0"; // zero of either sign
    int count = kSignificantDigits;
    while (decimal.digits[count - 1] == '0')
        --count;
    const char *const digits = decimal.digits;
    const int exponent = decimal.exponent;
    const std::size_t separator = decimalSeparator.size();
    const int sign = decimal.negative ? 1 : 0;

    std::string text;
    if (exponent < -4 || exponent >= kSignificantDigits) {
        const int magnitude = std::abs(exponent);
        const int exponentDigits = magnitude < 100 ? 2 : 3;
        text.resize(size(sign + count + 2 + exponentDigits) + (count > 1 ? separator : 0));
        Filler out(text);
        if (sign)
            out.put('-');
        out.put(digits[0]);
        if (count > 1) {
            out.put(decimalSeparator);
            out.put(digits + 1, count - 1);
        }
        out.put('E');
        out.put(exponent < 0 ? '-' : '+');
        if (exponentDigits == 3)
            out.put(static_cast<char>('0' + magnitude / 100));
        out.put(static_cast<char>('0' + magnitude / 10 % 10));
        out.put(static_cast<char>('0' + magnitude % 10));
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        const int fractionDigits = std::max(count - integerDigits, 0);
        text.resize(
            size(sign + integerDigits + fractionDigits) + (fractionDigits > 0 ? separator : 0));
        Filler out(text);
        if (sign)
            out.put('-');
        out.put(digits, std::min(count, integerDigits));
        out.repeat('0', integerDigits - std::min(count, integerDigits));
        if (fractionDigits > 0) {
            out.put(decimalSeparator);
            out.put(digits + integerDigits, fractionDigits);
        }
    } else {
        const int zeros = -exponent - 1; // between the separator and the digits
        text.resize(size(sign + 1 + zeros + count) + separator);
        Filler out(text);
        if (sign)
            out.put('-');
        out.put('0');
        out.put(decimalSeparator);
        out.repeat('0', zeros);
        out.put(digits, count);
    }
    return text;
}

std::string formatFixed(double value)
{
    return formatFixed(value, currentDecimalSeparator());
}

std::string formatGeneral(double value)
{
    return formatGeneral(value, currentDecimalSeparator());
}

} // namespace calc
