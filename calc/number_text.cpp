#include "calc/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

// Reading a number out of text. The digits go through std::from_chars, which
// ignores the locale and rounds correctly; this file finds where the number
// ends and shapes the text into a form from_chars accepts.
namespace calc {
namespace {

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isExponentLetter(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Walks the text as if its blanks had been removed. '\0' stands for the end:
// no number continues with it, so an embedded NUL ends a number as well.
class Cursor
{
public:
    Cursor(std::string_view text, std::size_t pos)
        : m_text(text)
        , m_pos(pos)
    { }

    char peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void advance() { ++m_pos; } // only after peek()
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

private:
    std::string_view m_text;
    std::size_t m_pos;
};

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

// The general path: blanks anywhere, a "D" exponent, any length, and values
// beyond the range of a double.
double parseDecimalSlow(std::string_view text, std::size_t start)
{
    Cursor in(text, start);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    char buffer[kMaxSignificantDigits + 32];
    std::size_t count = 0; // significant digits kept in buffer
    bool sticky = false; // a nonzero digit was dropped
    bool anyDigit = false;
    std::int64_t exponent = 0; // value = 0.buffer x 10^exponent

    auto takeDigit = [&](char c) {
        if (count < kMaxSignificantDigits)
            buffer[count++] = c;
        else
            sticky = sticky || c != '0';
    };
    for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek()) {
        anyDigit = true;
        if (count == 0 && c == '0')
            continue; // leading zero
        takeDigit(c);
        ++exponent;
    }
    if (in.peek() == '.') {
        in.advance();
        for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek()) {
            anyDigit = true;
            if (count == 0 && c == '0')
                --exponent; // zero between the point and the first significant digit
            else
                takeDigit(c);
        }
    }
    if (!anyDigit)
        return 0.0;

    if (isExponentLetter(in.peek())) {
        const std::size_t letter = in.position();
        in.advance();
        bool exponentNegative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            exponentNegative = in.peek() == '-';
            in.advance();
        }
        if (!isDigit(in.peek())) {
            in.rewind(letter); // "5E" and "5E+" end before the letter
        } else {
            std::int64_t value = 0;
            for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek())
                value = std::min(value * 10 + (c - '0'), kExponentCap);
            exponent += exponentNegative ? -value : value;
        }
    }

    if (count == 0)
        return signedZero(negative);
    if (exponent > kOverflowExponent)
        return infinity(negative);
    if (exponent < kUnderflowExponent)
        return signedZero(negative);

    if (sticky)
        buffer[count++] = '1';
    buffer[count++] = 'e';
    const std::int64_t scale = exponent - static_cast<std::int64_t>(count - 1);
    char *end = std::to_chars(buffer + count, buffer + sizeof buffer, scale).ptr;

    double magnitude = 0;
    if (std::from_chars(buffer, end, magnitude).ec == std::errc::result_out_of_range)
        return exponent > 0 ? infinity(negative) : signedZero(negative);
    return negative ? -magnitude : magnitude;
}

// "&H" and "&O" numbers: up to FFFF a 16-bit two's-complement integer, up to
// FFFFFFFF a 32-bit one, beyond that the unsigned value rounded to a double.
double parseRadix(Cursor in, unsigned bitsPerDigit)
{
    const unsigned base = 1u << bitsPerDigit;
    std::uint64_t top = 0; // the leading 64 bits
    std::int64_t droppedBits = 0; // bits below them
    bool sticky = false; // a dropped bit was 1
    for (;;) {
        const char c = in.peek();
        unsigned digit = base;
        if (isDigit(c))
            digit = static_cast<unsigned>(c - '0');
        else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
            digit = static_cast<unsigned>((c | 0x20) - 'a' + 10);
        if (digit >= base)
            break;
        in.advance();
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

double parseRadixOrZero(std::string_view text, std::size_t ampersand)
{
    Cursor in(text, ampersand + 1);
    const char letter = static_cast<char>(in.peek() | 0x20);
    if (letter != 'h' && letter != 'o')
        return 0.0; // '&' starts no decimal number either
    in.advance();
    return parseRadix(in, letter == 'h' ? 4 : 3);
}

} // namespace

double parseNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    if (start < text.size() && text[start] == '&')
        return parseRadixOrZero(text, start);

    // The common case goes to from_chars as it stands: a number that starts
    // with a digit or a period (from_chars would also take "inf" and "nan"),
    // and that ends where dropping blanks could not make it go on: not at a
    // blank, and not at an exponent letter ("1D3", "1E 3").
    const char *first = text.data() + start;
    const char *const last = text.data() + text.size();
    const char *p = first;
    if (p != last && (*p == '+' || *p == '-')) {
        if (*p == '+')
            first = p + 1; // from_chars rejects a '+'
        ++p;
    }
    if (p != last && (isDigit(*p) || *p == '.')) {
        double value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc() && (end == last || !(isBlank(*end) || isExponentLetter(*end))))
            return value;
    }
    return parseDecimalSlow(text, start);
}

} // namespace calc
