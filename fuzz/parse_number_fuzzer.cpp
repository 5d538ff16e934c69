// parseNumber on any text: it never yields NaN, it agrees with a reading of the rules built on
// the C library's strtod, and blanks inserted anywhere or removed change nothing.
#include "calc/number_text.h"
#include "reference.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits after "&H" or "&O" as a value: up to FFFF a 16-bit and up to FFFFFFFF a 32-bit
// two's-complement integer, beyond that the unsigned whole number rounded to a double.
double radixValue(std::string_view text, int base)
{
    const int bitsPerDigit = base == 16 ? 4 : 3;
    std::string bits;
    for (const char c : text) {
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (base == 16 && ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'))
            digit = (c | 0x20) - 'a' + 10;
        if (digit < 0 || digit >= base)
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += ((digit >> bit) & 1) ? '1' : '0';
    }
    bits.erase(0, bits.find_first_not_of('0'));
    if (bits.size() <= 32) {
        std::int64_t value = 0;
        for (const char bit : bits)
            value = value * 2 + (bit - '0');
        if (bits.size() == 16)
            value -= std::int64_t {1} << 16;
        else if (bits.size() == 32)
            value -= std::int64_t {1} << 32;
        return static_cast<double>(value);
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex = "0x";
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return fuzzref::readNumber(hex);
}

// The rules read again: drop the blanks, pick out the characters of the leading number and
// let strtod give the nearest double.
double referenceParse(std::string_view text)
{
    std::string s;
    for (const char c : text) {
        if (!isBlank(c))
            s += c;
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] | 0x20) == 'h')
        return radixValue(std::string_view(s).substr(2), 16);
    if (s.size() >= 2 && s[0] == '&' && (s[1] | 0x20) == 'o')
        return radixValue(std::string_view(s).substr(2), 8);

    std::size_t pos = 0;
    const auto digitsAt = [&s](std::size_t from) {
        std::size_t end = from;
        while (end < s.size() && isDigit(s[end]))
            ++end;
        return end;
    };
    std::string number;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        number += s[pos++];
    std::size_t end = digitsAt(pos);
    const std::string whole = s.substr(pos, end - pos);
    pos = end;
    std::string fraction;
    if (pos < s.size() && s[pos] == '.') {
        end = digitsAt(pos + 1);
        fraction = s.substr(pos + 1, end - pos - 1);
        pos = end;
    }
    if (whole.empty() && fraction.empty())
        return 0;
    number += (whole.empty() ? "0" : whole) + "." + fraction;
    if (pos < s.size() && std::string_view("eEdD").find(s[pos]) != std::string_view::npos) {
        std::size_t at = pos + 1;
        std::string sign;
        if (at < s.size() && (s[at] == '+' || s[at] == '-'))
            sign = s[at++];
        end = digitsAt(at);
        if (end > at)
            number += "e" + sign + s.substr(at, end - at);
    }
    return fuzzref::readNumber(number);
}

// A cheap generator seeded from the input, so that each input always gets the same blanks.
struct Random
{
    std::uint64_t state;
    std::uint32_t next()
    {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::uint32_t>(state >> 33);
    }
};

void requireSameReading(
    std::string_view original, double expected, const std::string &text, const char *how)
{
    const double value = calc::parseNumber(text);
    FUZZ_REQUIRE(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
        std::string(how) + ": " + fuzzref::quoted(original) + " reads as "
            + fuzzref::describe(expected) + " but " + fuzzref::quoted(text) + " as "
            + fuzzref::describe(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = calc::parseNumber(text);
    FUZZ_REQUIRE(!std::isnan(value), fuzzref::quoted(text) + " reads as NaN");

    const double expected = referenceParse(text);
    FUZZ_REQUIRE(value == expected,
        fuzzref::quoted(text) + " reads as " + fuzzref::describe(value) + ", the rules give "
            + fuzzref::describe(expected));

    std::string stripped;
    std::string spread;
    std::string sprinkled;
    std::uint64_t seed = 14695981039346656037u;
    for (const char c : text) {
        seed = (seed ^ static_cast<unsigned char>(c)) * 1099511628211u;
        if (!isBlank(c))
            stripped += c;
    }
    Random random {seed};
    constexpr char blanks[] = {' ', '\t', '\n'};
    for (const char c : text) {
        spread += c;
        spread += blanks[random.next() % 3];
        while (random.next() % 4 == 0)
            sprinkled += blanks[random.next() % 3];
        sprinkled += c;
    }
    requireSameReading(text, value, stripped, "blanks removed");
    requireSameReading(text, value, spread, "a blank after every character");
    requireSameReading(text, value, sprinkled, "blanks inserted");
    return 0;
}
