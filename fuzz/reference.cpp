#include "reference.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace fuzzref {

namespace {

// A finite value rounded to 15 significant digits: |value| = d.dddddddddddddd x 10^exponent.
struct Digits15
{
    bool negative = false;
    std::string digits; // always 15
    int exponent = 0;
};

// std::to_chars is exact and ignores the locale; it breaks a tie to even.
Digits15 toDigits15(double value)
{
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr); // "d.ddddddddddddddde+XX"
    Digits15 rounded;
    rounded.negative = std::signbit(value);
    rounded.digits = text.substr(0, 1) + text.substr(2, 14);
    rounded.exponent = std::stoi(text.substr(17));
    return rounded;
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// Adds one to a string of decimal digits ("" counts as 0).
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

void fail(const char *property, const std::string &detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n*** %s\n", property, detail.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    return out + "\"";
}

std::string describe(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}

double readNumber(const std::string &text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    char *end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale);
    FUZZ_REQUIRE(end == text.c_str() + text.size(), "reference could not read " + quoted(text));
    return value;
}

double round15(double value)
{
    if (!std::isfinite(value))
        return value;
    const Digits15 rounded = toDigits15(value);
    return readNumber((rounded.negative ? "-" : "") + rounded.digits.substr(0, 1) + "."
        + rounded.digits.substr(1) + "e" + std::to_string(rounded.exponent));
}

std::string expectedFixed(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Digits15 rounded = toDigits15(value);
    // The digits from the leading one down to the hundredths, i.e. |value| x 100 as a whole
    // number, then a half at the next digit rounds away from zero.
    const int kept = rounded.exponent + 3;
    std::string hundredths;
    if (kept >= 15) {
        hundredths = rounded.digits + std::string(static_cast<std::size_t>(kept - 15), '0');
    } else {
        if (kept > 0)
            hundredths = rounded.digits.substr(0, static_cast<std::size_t>(kept));
        if (kept >= 0 && rounded.digits[static_cast<std::size_t>(kept)] >= '5')
            increment(hundredths);
    }
    hundredths.erase(0, hundredths.find_first_not_of('0'));
    const bool zero = hundredths.empty();
    while (hundredths.size() < 3)
        hundredths.insert(hundredths.begin(), '0');
    const std::size_t point = hundredths.size() - 2;
    return std::string(rounded.negative && !zero ? "-" : "") + hundredths.substr(0, point)
        + std::string(decimalSeparator) + hundredths.substr(point);
}

std::string expectedGeneral(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        return "0";
    const Digits15 rounded = toDigits15(value);
    std::string digits = rounded.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const std::string sign = rounded.negative ? "-" : "";
    const std::string separator(decimalSeparator);
    const int exponent = rounded.exponent;

    if (exponent < -4 || exponent >= 15) {
        char power[16];
        const char powerSign = exponent < 0 ? '-' : '+';
        std::snprintf(power, sizeof power, "E%c%02d", powerSign, std::abs(exponent));
        const std::string fraction = digits.size() > 1 ? separator + digits.substr(1) : "";
        return sign + digits.substr(0, 1) + fraction + power;
    }
    if (exponent < 0)
        return sign + "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0')
            + digits;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole)
        return sign + digits + std::string(whole - digits.size(), '0');
    return sign + digits.substr(0, whole) + separator + digits.substr(whole);
}

} // namespace fuzzref
