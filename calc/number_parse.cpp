#include "calc/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>

// Reading a number out of UTF-8 text. The blanks go first; the digits of a
// decimal number are then gathered as ASCII and rounded by std::from_chars,
// which ignores the locale and rounds correctly.
namespace calc {
namespace {

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

constexpr bool isExponentLetter(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The first code point of every run of ten decimal digits (Unicode 14.0,
// general category Nd) beyond ASCII. Each run holds the digits 0 to 9 in order.
constexpr char32_t kDigitZeros[] = {0x660, 0x6F0, 0x7C0, 0x966, 0x9E6, 0xA66, 0xAE6, 0xB66, 0xBE6,
    0xC66, 0xCE6, 0xD66, 0xDE6, 0xE50, 0xED0, 0xF20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0,
    0x1A80, 0x1A90, 0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50,
    0xABF0, 0xFF10, 0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0,
    0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0,
    0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0};

// The code point of the UTF-8 sequence of two to four bytes that starts the
// text, and its length; a length of 0 when no well-formed one does.
struct CodePoint
{
    char32_t value = 0;
    std::size_t length = 0;
};

CodePoint decodeUtf8(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0; // stays 0 for a byte that leads no such sequence
    if (lead >= 0xC0 && lead < 0xF8)
        length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 0 || text.size() < length)
        return {};
    char32_t value = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {};
        value = value << 6 | (next & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000}; // by length
    if (value < kShortest[length])
        return {}; // an overlong form
    return {value, length};
}

// The value of the decimal digit (ASCII or any other Unicode decimal digit)
// that starts the text, and the bytes it takes; a length of 0 when none does.
struct Digit
{
    int value = 0;
    std::size_t length = 0;
};

Digit digitAt(std::string_view text)
{
    if (text.empty())
        return {};
    if (text[0] >= '0' && text[0] <= '9')
        return {text[0] - '0', 1};
    const CodePoint c = decodeUtf8(text);
    const auto *const after
        = std::upper_bound(std::begin(kDigitZeros), std::end(kDigitZeros), c.value);
    if (c.length == 0 || after == std::begin(kDigitZeros) || c.value - after[-1] > 9)
        return {};
    return {static_cast<int>(c.value - after[-1]), c.length};
}

// The length of the decimal separator that starts the text: a period, or the
// locale's own separator; 0 when neither does.
std::size_t separatorAt(std::string_view text, std::string_view localeSeparator)
{
    if (text.starts_with('.'))
        return 1;
    return text.starts_with(localeSeparator) ? localeSeparator.size() : 0;
}

double signedZero(bool negative)
{
    return negative ? -0.0 : 0.0;
}

double infinity(bool negative)
{
    const double inf = std::numeric_limits<double>::infinity();
    return negative ? -inf : inf;
}

// Every double and every midpoint between two doubles has at most 767
// significant decimal digits, so the first 800 digits plus one nonzero
// "sticky" digit for the rest round exactly as the whole digit string would.
constexpr std::size_t kMaxSignificantDigits = 800;
// Beyond these decimal exponents (value = 0.d1d2... x 10^exponent) the value
// is certainly above the largest double or below half the smallest one.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;
// Exponent digits beyond this are not needed to tell overflow or underflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// A decimal number at the start of a text without blanks.
double parseDecimal(std::string_view text, std::string_view localeSeparator)
{
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }

    std::string digits; // significant digits, at most kMaxSignificantDigits
    bool sticky = false; // a nonzero digit was dropped
    bool anyDigit = false;
    std::int64_t exponent = 0; // value = 0.digits x 10^exponent
    const auto takeDigit = [&](int digit) {
        if (digits.size() < kMaxSignificantDigits)
            digits += static_cast<char>('0' + digit);
        else
            sticky = sticky || digit != 0;
    };
    for (Digit d; (d = digitAt(text)).length > 0; text.remove_prefix(d.length)) {
        anyDigit = true;
        if (digits.empty() && d.value == 0)
            continue; // leading zero
        takeDigit(d.value);
        ++exponent;
    }
    if (const std::size_t point = separatorAt(text, localeSeparator)) {
        text.remove_prefix(point);
        for (Digit d; (d = digitAt(text)).length > 0; text.remove_prefix(d.length)) {
            anyDigit = true;
            if (digits.empty() && d.value == 0)
                --exponent; // zero between the point and the first significant digit
            else
                takeDigit(d.value);
        }
    }
    if (!anyDigit)
        return 0.0;

    // An exponent letter with no digit after it adds nothing: "5E" reads as 5.
    if (!text.empty() && isExponentLetter(text[0])) {
        text.remove_prefix(1);
        bool exponentNegative = false;
        if (text.starts_with('+') || text.starts_with('-')) {
            exponentNegative = text[0] == '-';
            text.remove_prefix(1);
        }
        std::int64_t value = 0;
        for (Digit d; (d = digitAt(text)).length > 0; text.remove_prefix(d.length))
            value = std::min(value * 10 + d.value, kExponentCap);
        exponent += exponentNegative ? -value : value;
    }

    if (digits.empty())
        return signedZero(negative);
    if (exponent > kOverflowExponent)
        return infinity(negative);
    if (exponent < kUnderflowExponent)
        return signedZero(negative);

    if (sticky)
        digits += '1';
    const auto scale = exponent - static_cast<std::int64_t>(digits.size());
    digits += 'e' + std::to_string(scale);
    double magnitude = 0;
    const char *const first = digits.data();
    if (std::from_chars(first, first + digits.size(), magnitude).ec
        == std::errc::result_out_of_range)
        return exponent > 0 ? infinity(negative) : signedZero(negative);
    return negative ? -magnitude : magnitude;
}

// The digits after "&H" or "&O": up to FFFF a 16-bit two's-complement integer,
// up to FFFFFFFF a 32-bit one, beyond that the unsigned value rounded to a
// double.
double parseRadix(std::string_view text, unsigned bitsPerDigit)
{
    const unsigned base = 1u << bitsPerDigit;
    std::uint64_t top = 0; // the leading 64 bits
    std::int64_t droppedBits = 0; // bits below them
    bool sticky = false; // a dropped bit was 1
    for (const char c : text) {
        unsigned digit = base;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
            digit = static_cast<unsigned>((c | 0x20) - 'a' + 10);
        if (digit >= base)
            break;
        if (top >> (64 - bitsPerDigit) == 0) {
            top = top << bitsPerDigit | digit;
            continue;
        }
        for (unsigned bit = bitsPerDigit; bit-- > 0;) {
            if (top >> 63 == 0) {
                top = top << 1 | ((digit >> bit) & 1);
            } else {
                ++droppedBits;
                sticky = sticky || ((digit >> bit) & 1);
            }
        }
    }

    if (droppedBits == 0 && top <= 0xFFFF)
        return top >= 0x8000 ? static_cast<double>(top) - 0x10000 : static_cast<double>(top);
    if (droppedBits == 0 && top <= 0xFFFFFFFF)
        return top >= 0x80000000 ? static_cast<double>(top) - 0x100000000
                                 : static_cast<double>(top);

    // Round the leading 53 bits to nearest, ties to even.
    const int shift = std::countl_zero(top);
    top <<= shift;
    std::uint64_t mantissa = top >> 11;
    const std::uint64_t rest = top & 0x7FF;
    if (rest > 0x400 || (rest == 0x400 && (sticky || (mantissa & 1))))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa),
        static_cast<int>(std::min<std::int64_t>(11 - shift + droppedBits, 1 << 20)));
}

} // namespace

double parseNumber(std::string_view text)
{
    std::string compact; // the text without its blanks
    std::copy_if(
        text.begin(), text.end(), std::back_inserter(compact), [](char c) { return !isBlank(c); });
    const std::string_view rest = compact;
    if (!rest.starts_with('&'))
        return parseDecimal(rest, localeDecimalSeparator());
    const char letter = rest.size() > 1 ? static_cast<char>(rest[1] | 0x20) : '\0';
    if (letter != 'h' && letter != 'o')
        return 0.0; // '&' starts no decimal number either
    return parseRadix(rest.substr(2), letter == 'h' ? 4 : 3);
}

} // namespace calc
