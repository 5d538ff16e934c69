#include "reference_model.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#ifndef _WIN32
#include <langinfo.h>
#endif

namespace reference {
namespace {

const std::string kDigits = "0123456789";

// The C library in the "C" locale whatever the process's locale. POSIX takes a locale object
// per call or per thread. Windows has no uselocale, and its C library's _strtod_l gets huge
// exponents wrong (0.09e-75836039060248 reads as infinity), so there the numeric category is
// switched around MinGW's own strtod and printf (the tests run on one thread).
#ifdef _WIN32
template<typename Call>
auto inCLocale(Call call)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    auto result = call();
    std::setlocale(LC_NUMERIC, previous.c_str());
    return result;
}

double strtodInCLocale(const char *text)
{
    return inCLocale([&] { return std::strtod(text, nullptr); });
}

std::string printInCLocale(const char *format, double value)
{
    return inCLocale([&] {
        char text[400];
        std::snprintf(text, sizeof text, format, value);
        return std::string(text);
    });
}
#else
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

double strtodInCLocale(const char *text)
{
    return strtod_l(text, nullptr, cLocale());
}

std::string printInCLocale(const char *format, double value)
{
    const locale_t previous = uselocale(cLocale());
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    uselocale(previous);
    return text;
}
#endif

// Length of the run of characters from `set` starting at `from`.
std::size_t runLength(const std::string &text, std::size_t from, const std::string &set)
{
    if (from >= text.size())
        return 0;
    const std::size_t end = text.find_first_not_of(set, from);
    return (end == std::string::npos ? text.size() : end) - from;
}

double parseRadix(const std::string &text)
{
    const bool hex = text[1] == 'H' || text[1] == 'h';
    const std::size_t length = runLength(text, 2, hex ? kDigits + "abcdefABCDEF" : "01234567");
    if (length == 0)
        return 0;
    const unsigned long long value = std::stoull(text.substr(2, length), nullptr, hex ? 16 : 8);
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(value));
    if (value <= 0xFFFFFFFF)
        return static_cast<double>(static_cast<std::int32_t>(value));
    return static_cast<double>(value);
}

std::string nonFinite(double value)
{
    return std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
}

} // namespace

double parse(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    if (text.size() >= 2 && text[0] == '&' && std::strchr("HhOo", text[1]) != nullptr)
        return parseRadix(text);

    std::string number; // rebuilt in the form strtod takes
    std::size_t at = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number = text[0];
        at = 1;
    }
    const std::size_t integerDigits = runLength(text, at, kDigits);
    std::size_t fractionDigits = 0;
    std::size_t mantissaLength = integerDigits;
    if (at + integerDigits < text.size() && text[at + integerDigits] == '.') {
        fractionDigits = runLength(text, at + integerDigits + 1, kDigits);
        mantissaLength += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return 0;
    number += text.substr(at, mantissaLength);
    at += mantissaLength;

    if (at < text.size() && std::strchr("eEdD", text[at]) != nullptr) {
        const std::size_t sign = at + 1 < text.size() && std::strchr("+-", text[at + 1]) ? 1 : 0;
        const std::size_t digits = runLength(text, at + 1 + sign, kDigits);
        if (digits > 0)
            number += "e" + text.substr(at + 1, sign + digits);
    }
    return strtodInCLocale(number.c_str());
}

std::string fixed(double value, std::string_view separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    // "d.dddddddddddddde+XX": the value rounded to 15 significant digits.
    const std::string scientific = printInCLocale("%.14e", std::fabs(value));
    const unsigned long long significand
        = std::stoull(scientific.substr(0, 1) + scientific.substr(2, 14));
    const int exponent = std::atoi(scientific.c_str() + 17);

    // The value in hundredths is significand x 10^(exponent - 12), rounded
    // half away from zero as integer arithmetic.
    std::string hundredths;
    if (exponent >= 12) {
        hundredths = std::to_string(significand) + std::string(exponent - 12, '0');
    } else {
        const int drop = 12 - exponent;
        unsigned long long whole = 0;
        if (drop <= 18) {
            unsigned long long divisor = 1;
            for (int i = 0; i < drop; ++i)
                divisor *= 10;
            whole = significand / divisor + ((significand % divisor) * 2 >= divisor ? 1 : 0);
        }
        hundredths = std::to_string(whole);
    }
    const bool isZero = hundredths.find_first_not_of('0') == std::string::npos;
    if (isZero)
        hundredths = "0";
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    hundredths.insert(hundredths.size() - 2, separator);
    return (value < 0 && !isZero ? "-" : "") + hundredths;
}

std::string general(double value, std::string_view separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    // %G switches to E form by the same rule: exponent below -4 or not below
    // the precision, with trailing zeros dropped.
    std::string text = printInCLocale("%.15G", value);
    if (text == "-0")
        return "0";
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

std::string localeSeparator()
{
#ifdef _WIN32
    // No nl_langinfo: what printf writes between the digits of 0.5.
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    const std::string written = text;
    return written.substr(1, written.size() - 2);
#else
    return nl_langinfo(RADIXCHAR);
#endif
}

} // namespace reference
