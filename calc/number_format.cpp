#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

// Writing a number as text. std::to_chars gives the value rounded to 15
// significant digits (exact binary-to-decimal, ties to even); every later step
// works on those decimal digits, so no binary rounding creeps in.
namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits: d.dddddddddddddd x 10^exponent.
struct Decimal
{
    std::string digits; // always 15
    int exponent = 0;
    bool negative = false;
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
    decimal.digits = std::string(1, p[0]) + std::string(p + 2, kSignificantDigits - 1);
    p += kSignificantDigits + 2; // the digits, the point and the 'e'
    std::from_chars(*p == '+' ? p + 1 : p, end, decimal.exponent);
    return decimal;
}

// Adds one to a string of decimal digits.
void increment(std::string &digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NaN";
    return std::signbit(value) ? "-Infinity" : "Infinity";
}

} // namespace

std::string formatFixed(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal decimal = toDecimal(value);

    // The value counted in hundredths: the digits down to the hundredths, then
    // half a hundredth or more rounds away from zero.
    const int width = decimal.exponent + 3;
    std::string hundredths;
    if (width > 0) {
        hundredths = decimal.digits.substr(0, static_cast<std::size_t>(width));
        hundredths.append(static_cast<std::size_t>(std::max(width - kSignificantDigits, 0)), '0');
    }
    if (width >= 0 && width < kSignificantDigits
        && decimal.digits[static_cast<std::size_t>(width)] >= '5')
        increment(hundredths);

    hundredths.erase(0, hundredths.find_first_not_of('0'));
    const bool zero = hundredths.empty();
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    const std::size_t point = hundredths.size() - 2;
    std::string text = decimal.negative && !zero ? "-" : "";
    text.append(hundredths, 0, point);
    text += decimalSeparator;
    text.append(hundredths, point);
    return text;
}

std::string formatGeneral(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal decimal = toDecimal(value);
    if (decimal.digits[0] == '0')
        return "0"; // zero of either sign
    std::string digits = decimal.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = decimal.exponent;

    std::string text = decimal.negative ? "-" : "";
    if (exponent < -4 || exponent >= kSignificantDigits) {
        text += digits[0];
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string power = std::to_string(std::abs(exponent));
        if (power.size() < 2)
            text += '0';
        text += power;
    } else if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        if (digits.size() < whole)
            digits.resize(whole, '0');
        text.append(digits, 0, whole);
        if (digits.size() > whole) {
            text += decimalSeparator;
            text.append(digits, whole);
        }
    }
    return text;
}

std::string_view localeDecimalSeparator()
{
    const char *point = std::localeconv()->decimal_point;
    return point != nullptr && *point != '\0' ? std::string_view(point) : std::string_view(".");
}

std::string formatFixed(double value)
{
    return formatFixed(value, localeDecimalSeparator());
}

std::string formatGeneral(double value)
{
    return formatGeneral(value, localeDecimalSeparator());
}

} // namespace calc
