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
    const char *end = std::to_chars(
        text, text + sizeof text, value, std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    Decimal decimal {};
    const char *p = text;
    decimal.negative = *p == '-';
    if (decimal.negative)
        ++p;
    decimal.digits[0] = *p;
    p += 2; // the digit and the point
    for (int i = 1; i < kSignificantDigits; ++i)
        decimal.digits[i] = *p++;
    ++p; // 'e'
    const bool exponentNegative = *p++ == '-';
    std::from_chars(p, end, decimal.exponent);
    if (exponentNegative)
        decimal.exponent = -decimal.exponent;
    return decimal;
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
    char hundredths[3 + 309 + 2] = {'0', '0', '0'};
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

    int first = 0;
    while (first < length - 3 && hundredths[first] == '0')
        ++first;
    bool nonZero = false;
    for (int i = first; i < length; ++i)
        nonZero = nonZero || hundredths[i] != '0';

    std::string text;
    text.reserve(static_cast<std::size_t>(length - first) + decimalSeparator.size() + 1);
    if (decimal.negative && nonZero)
        text += '-';
    text.append(hundredths + first, hundredths + length - 2);
    text += decimalSeparator;
    text.append(hundredths + length - 2, hundredths + length);
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
    const char *digits = decimal.digits;
    const int exponent = decimal.exponent;

    std::string text;
    if (decimal.negative)
        text += '-';
    if (exponent < -4 || exponent >= kSignificantDigits) {
        text += digits[0];
        if (count > 1) {
            text += decimalSeparator;
            text.append(digits + 1, digits + count);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        char exponentDigits[4];
        text.append(
            exponentDigits, std::to_chars(exponentDigits, exponentDigits + 4, magnitude).ptr);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        text.append(digits, digits + std::min(count, integerDigits));
        if (count < integerDigits)
            text.append(static_cast<std::size_t>(integerDigits - count), '0');
        if (count > integerDigits) {
            text += decimalSeparator;
            text.append(digits + integerDigits, digits + count);
        }
    } else {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits, digits + count);
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
