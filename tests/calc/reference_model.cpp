#include "reference_model.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#ifndef _WIN32
#include <langinfo.h>
#endif

namespace reference {
namespace {

const std::string kDigits = "0123456789";

// The last digit, nine, of each run of ten decimal digits beyond ASCII: the
// characters of general category Nd in Unicode 14.0.
constexpr char kNines[] = "\u0669\u06F9\u07C9\u096F\u09EF\u0A6F\u0AEF\u0B6F\u0BEF\u0C6F\u0CEF"
                          "\u0D6F\u0DEF\u0E59\u0ED9\u0F29\u1049\u1099\u17E9\u1819\u194F\u19D9"
                          "\u1A89\u1A99\u1B59\u1BB9\u1C49\u1C59\uA629\uA8D9\uA909\uA9D9\uA9F9"
                          "\uAA59\uABF9\uFF19\U000104A9\U00010D39\U0001106F\U000110F9"
                          "\U0001113F\U000111D9\U000112F9\U00011459\U000114D9\U00011659"
                          "\U000116C9\U00011739\U000118E9\U00011959\U00011C59\U00011D59"
                          "\U00011DA9\U00016A69\U00016AC9\U00016B59\U0001D7D7\U0001D7E1"
                          "\U0001D7EB\U0001D7F5\U0001D7FF\U0001E149\U0001E2F9\U0001E959"
                          "\U0001FBF9";

bool isOneOf(char c, std::string_view set)
{
    return set.find(c) != std::string_view::npos;
}

// The length of the well-formed UTF-8 character at `at` (the table of
// well-formed byte sequences in chapter 3 of the Unicode standard), or 1 for
// an ASCII or a stray byte.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    struct Form
    {
        unsigned char leadFirst, leadLast, secondFirst, secondLast;
        std::size_t length;
    };
    static constexpr Form kForms[] = {{0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3},
        {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3},
        {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4}};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    for (const Form &form : kForms) {
        if (byte(0) < form.leadFirst || byte(0) > form.leadLast)
            continue;
        if (at + form.length > text.size() || byte(1) < form.secondFirst
            || byte(1) > form.secondLast)
            return 1;
        for (std::size_t i = 2; i < form.length; ++i) {
            if (byte(i) < 0x80 || byte(i) > 0xBF)
                return 1;
        }
        return form.length;
    }
    return 1;
}

// The code point of a well-formed character of two to four bytes.
char32_t codePoint(std::string_view character)
{
    char32_t value = static_cast<unsigned char>(character[0]) & (0xFF >> (character.size() + 1));
    for (const char c : character.substr(1))
        value = (value << 6) | (static_cast<unsigned char>(c) & 0x3F);
    return value;
}

// The value of a decimal digit beyond ASCII, or -1: the digit v of a run is
// 9 - v code points below the run's nine.
int digitValue(char32_t c)
{
    static const std::u32string nines = [] {
        std::u32string decoded;
        const std::string_view text = kNines;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t length = characterLength(text, at);
            decoded += codePoint(text.substr(at, length));
            at += length;
        }
        return decoded;
    }();
    for (int below = 0; below <= 9; ++below) {
        if (nines.find(c + static_cast<char32_t>(below)) != std::u32string::npos)
            return 9 - below;
    }
    return -1;
}

// The text with every decimal digit written in ASCII and the locale's
// separator written as a period.
std::string inAscii(const std::string &text, const std::string &separator)
{
    std::string ascii;
    for (std::size_t at = 0; at < text.size();) {
        if (!separator.empty() && text.compare(at, separator.size(), separator) == 0) {
            ascii += '.';
            at += separator.size();
            continue;
        }
        const std::size_t length = characterLength(text, at);
        const int digit
            = length > 1 ? digitValue(codePoint(std::string_view(text).substr(at, length))) : -1;
        if (digit >= 0)
            ascii += static_cast<char>('0' + digit);
        else
            ascii.append(text, at, length);
        at += length;
    }
    return ascii;
}

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

double strtodInCLocale(const std::string &text)
{
    return inCLocale([&] { return std::strtod(text.c_str(), nullptr); });
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

double strtodInCLocale(const std::string &text)
{
    return strtod_l(text.c_str(), nullptr, cLocale());
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

// "&H" and "&O" numbers, as hexadecimal digits without leading zeros: up to
// eight of them as 16-bit or 32-bit two's complement, more through strtod.
double parseRadix(const std::string &text)
{
    const bool hex = text[1] == 'H' || text[1] == 'h';
    std::string digits
        = text.substr(2, runLength(text, 2, hex ? kDigits + "abcdefABCDEF" : "01234567"));
    if (!hex) {
        std::string bits;
        for (const char c : digits) {
            for (int bit = 2; bit >= 0; --bit)
                bits += ((c - '0') >> bit & 1) ? '1' : '0';
        }
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        digits.clear();
        for (std::size_t i = 0; i < bits.size(); i += 4)
            digits += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    }
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.empty())
        return 0;
    if (digits.size() > 8)
        return strtodInCLocale("0x" + digits);
    const unsigned long long value = std::stoull(digits, nullptr, 16);
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(value));
}

std::string nonFinite(double value)
{
    return std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
}

std::string describe(const calc::ActionError &error)
{
    return "{failure " + std::to_string(static_cast<int>(error.failure)) + ", field "
        + std::to_string(static_cast<int>(error.field)) + "}";
}

} // namespace

double parse(std::string text)
{
    std::erase_if(text, [](char c) { return isOneOf(c, " \t\n\r"); });
    if (text.size() >= 2 && text[0] == '&' && isOneOf(text[1], "HhOo"))
        return parseRadix(text);
    text = inAscii(text, localeSeparator());

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

    if (at < text.size() && isOneOf(text[at], "eEdD")) {
        const std::size_t sign = at + 1 < text.size() && isOneOf(text[at + 1], "+-") ? 1 : 0;
        const std::size_t digits = runLength(text, at + 1 + sign, kDigits);
        if (digits > 0)
            number += "e" + text.substr(at + 1, sign + digits);
    }
    return strtodInCLocale(number);
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

Outcome convertMegabytes(calc::CalculatorState state)
{
    using enum calc::Failure;
    const double megabytes = parse(state.mbstext);
    const double kilobytes = megabytes * 1024;
    if (!std::isfinite(megabytes))
        return {state, {{InputOutOfRange, calc::Field::Megabytes}}};
    if (!std::isfinite(kilobytes))
        return {state, {{ResultOutOfRange, calc::Field::Megabytes}}};
    state.kbsctext = general(kilobytes, localeSeparator());
    return {state, {}};
}

Outcome convertSpeed(calc::CalculatorState state)
{
    const double speed = parse(state.spetext);
    if (!std::isfinite(speed))
        return {state, {{calc::Failure::InputOutOfRange, calc::Field::Speed}}};
    state.kbstext = fixed(speed / 1.024 / 8, localeSeparator());
    return {state, {}};
}

Outcome calculateTimes(calc::CalculatorState state)
{
    using enum calc::Failure;
    using calc::Field;
    const double kilobytes = parse(state.kbsctext);
    const double rate = parse(state.kbstext);
    const double seconds = kilobytes / rate;
    std::vector<calc::ActionError> reasons;
    if (!std::isfinite(kilobytes))
        reasons.push_back({InputOutOfRange, Field::Kilobytes});
    if (!std::isfinite(rate))
        reasons.push_back({InputOutOfRange, Field::TransferRate});
    if (rate == 0)
        reasons.push_back({ZeroTransferRate, Field::TransferRate});
    if (reasons.empty() && !std::isfinite(seconds)) {
        reasons.push_back({ResultOutOfRange, Field::Kilobytes});
        reasons.push_back({ResultOutOfRange, Field::TransferRate});
    }
    if (!reasons.empty())
        return {state, reasons};
    const std::string separator = localeSeparator();
    state.sectime = fixed(seconds, separator);
    state.mintime = fixed(seconds / 60, separator);
    state.hrstime = fixed(seconds / 60 / 60, separator);
    return {state, {}};
}

std::string disagreement(const Outcome &expected, const calc::CalculatorState &before,
    const calc::CalculatorState &after, const calc::ActionError &error)
{
    const bool completed = error == calc::ActionError {};
    if (completed != expected.reasons.empty())
        return completed ? "completed" : "failed with " + describe(error);
    if (completed && after != expected.state)
        return "wrote " + describe(after) + ", expected " + describe(expected.state);
    if (!completed && after != before)
        return "failed but wrote " + describe(after);
    if (!completed && std::ranges::find(expected.reasons, error) == expected.reasons.end())
        return "failed with " + describe(error);
    return {};
}

std::string describe(const calc::CalculatorState &state)
{
    return "{mbstext " + quoted(state.mbstext) + ", kbsctext " + quoted(state.kbsctext)
        + ", spetext " + quoted(state.spetext) + ", kbstext " + quoted(state.kbstext) + ", sectime "
        + quoted(state.sectime) + ", mintime " + quoted(state.mintime) + ", hrstime "
        + quoted(state.hrstime) + "}";
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

} // namespace reference
