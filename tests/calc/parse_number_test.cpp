#include "calc/number_text.h"
#include "test_support.h"

#include <limits>
#include <string>
#include <string_view>

using namespace std::literals;
using calc::parseNumber;
using calc::test::sameDouble;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

constexpr const char *kComma = calc::test::kCommaLocale;
constexpr const char *kArabic = calc::test::kArabicSeparatorLocale; // U+066B

struct Case
{
    const char *name;
    std::string_view text;
    double expected;
    const char *locale = "C";
};

// Expected values are C++ literals: the compiler rounds them independently.
constexpr Case kDecimalCases[] = {
    {"empty", ""sv, 0},
    {"letters", "abc"sv, 0},
    {"currency sign first", "$5"sv, 0},
    {"sign only", "-"sv, 0},
    {"period only", "."sv, 0},
    {"two signs", "+-5"sv, 0},
    {"letters end the number", "12abc"sv, 12},
    {"comma ends the number", "1,5"sv, 1},
    {"second period ends the number", "1.2.3"sv, 1.2},
    {"leading period", ".5"sv, 0.5},
    {"trailing period", "5."sv, 5},
    {"plus sign", "+7"sv, 7},
    {"minus sign", "-3"sv, -3},
    {"negative zero keeps its sign", "-0"sv, -0.0},
    {"exponent e", "1.5e3"sv, 1500},
    {"exponent E", "1.5E3"sv, 1500},
    {"exponent D", "1.5D3"sv, 1500},
    {"negative exponent", "25E-1"sv, 2.5},
    {"exponent after bare period", "5.e3"sv, 5000},
    {"exponent letter without digits", "5E"sv, 5},
    {"exponent sign without digits", "5E+"sv, 5},
    {"D exponent without digits", "5Dx"sv, 5},
    {"exponent digits only", "E5"sv, 0},
    {"signed exponent digits only", "-e5"sv, 0},
    {"blanks removed everywhere", " 2 45 7"sv, 2457},
    {"blanks then letters", " 1615 198th Avenue N.E."sv, 1615198},
    {"tab and line feed inside", "\t- 1 2 . 5 e\n+ 2 x"sv, -1250},
    {"blanks around D", "1 D 2"sv, 100},
    {"trailing blank", "42 "sv, 42},
    {"carriage return removed", "1\r2"sv, 12},
    {"Windows line end removed", "12\r\n34"sv, 1234},
    {"NUL ends the number",
        "1\0"
        "2"sv,
        1},
    {"no infinity word", "inf"sv, 0},
    {"40 digits", "3.141592653589793238462643383279502884197"sv,
        3.141592653589793238462643383279502884197},
    {"40 digits with blanks", "3.14159 26535 89793 23846 26433 83279 50288 4197"sv,
        3.141592653589793238462643383279502884197},
    {"tie rounds to even", "9007199254740993"sv, 9007199254740992.0},
    {"just above the tie", "9007199254740993.00000000000000000000000000001"sv, 9007199254740994.0},
    {"just above the tie with blanks", "9 007 199 254 740 993.000 000 000 000 000 000 001"sv,
        9007199254740994.0},
    {"subnormal", "1e-310"sv, 1e-310},
    {"largest double", "1.7976931348623157e308"sv, kMax},
    {"just below the overflow midpoint", "1.797693134862315807e308"sv, kMax},
    {"just above the overflow midpoint", "1.797693134862315808e308"sv, kInf},
    {"smallest subnormal", "4.9406564584124654e-324"sv, kTiny},
    {"just above the underflow midpoint", "2.4703282292062328e-324"sv, kTiny},
    {"just below the underflow midpoint", "2.4703282292062327e-324"sv, 0},
    {"negative underflow keeps the sign", "-2.4703282292062327e-324"sv, -0.0},
    {"beyond range", "1e400"sv, kInf},
    {"negative beyond range", "-1e400"sv, -kInf},
    {"beyond range with blanks", "1 e 400"sv, kInf},
    {"beyond range with D", "1D400"sv, kInf},
    {"huge exponent", "1e99999999999999999999999"sv, kInf},
    {"zero with huge exponent", "0e99999999999999999999999"sv, 0},
    {"too small", "1e-400"sv, 0},
    // The locale's decimal separator, besides the period.
    {"period locale: comma ends the number", "1,5"sv, 1, "en_US.UTF-8"},
    {"period locale: U+066B ends the number", "1\u066B5"sv, 1},
    {"comma locale: comma", "1,5"sv, 1.5, kComma},
    {"comma locale: period", "1.5"sv, 1.5, kComma},
    {"comma locale: written rate", "6,84"sv, 6.84, kComma},
    {"comma locale: second comma ends", "1,2,3"sv, 1.2, kComma},
    {"comma locale: period then comma", "1.2,3"sv, 1.2, kComma},
    {"comma locale: comma then period", "1,2.3"sv, 1.2, kComma},
    {"comma locale: leading comma", "-,5"sv, -0.5, kComma},
    {"comma locale: comma alone", ","sv, 0, kComma},
    {"comma locale: comma and exponent", "1 ,5D3"sv, 1500, kComma},
    {"comma locale: U+066B ends the number", "1\u066B5"sv, 1, kComma},
    {"other French locale", "2,75"sv, 2.75, "fr_FR.UTF-8"},
    {"U+066B locale: U+066B", "1\u066B5"sv, 1.5, kArabic},
    {"U+066B locale: period", "1.5"sv, 1.5, kArabic},
    {"U+066B locale: comma ends the number", "1,5"sv, 1, kArabic},
    {"U+066B locale: second separator ends", "1\u066B2.3"sv, 1.2, kArabic},
    // Decimal digits of any script (each checked in DigitTable), ASCII signs and letters only.
    {"mixed scripts", "1\u0662\u0969\uFF14"sv, 1234},
    {"native fraction and exponent", "-\u06F1.\u06F5e\u06F3"sv, -1500},
    {"native digits, U+066B locale", "\u0666\u066B\u0668\u0664"sv, 6.84, kArabic},
    {"native digits, comma locale", "\u0967,\u096B"sv, 1.5, kComma},
    {"full-width period is no point", "1\uFF0E5"sv, 1},
    {"full-width sign is no sign", "\uFF0D5"sv, 0},
    {"full-width E is no exponent",
        "1\uFF25"
        "2"sv,
        1},
    {"cut short", "5\xD9"sv, 5},
};

constexpr Case kRadixCases[] = {
    {"hex", "&h10"sv, 16},
    {"octal", "&o17"sv, 15},
    {"16-bit minus one", "&HFFFF"sv, -1},
    {"16-bit lowest", "&H8000"sv, -32768},
    {"16-bit by value, not by digits", "&H0000FFFF"sv, -1},
    {"32-bit lowest positive", "&H10000"sv, 65536},
    {"32-bit minus one", "&HFFFFFFFF"sv, -1},
    {"32-bit lowest", "&H80000000"sv, -2147483648.0},
    {"octal 16-bit minus one", "&O177777"sv, -1},
    {"octal 32-bit minus one", "&O37777777777"sv, -1},
    {"blanks inside", " & h f f"sv, 255},
    {"stops at a non-digit", "&H1G"sv, 1},
    {"hex without digits", "&H"sv, 0},
    {"octal without digits", "&Oxyz"sv, 0},
    {"unknown radix letter", "&X1"sv, 0},
    {"no native hex digits", "&H\u0661"sv, 0},
    {"no native octal digits after ASCII", "&O7\u0667"sv, 7},
    {"no full-width radix letter",
        "&\uFF28"
        "1"sv,
        0},
    {"sign before the prefix", "-&H1"sv, 0},
    {"33 bits unwrapped", "&H100000000"sv, 4294967296.0},
    {"53 bits exact", "&H1FFFFFFFFFFFFF"sv, 9007199254740991.0},
    {"54 bits tie to even", "&H20000000000001"sv, 9007199254740992.0},
    {"above the tie far below", "&H200000000000010000000000000001"sv, 0x20000000000002p64},
    {"octal 2 to the 63", "&O1000000000000000000000"sv, 0x1p63},
};

using ParseNumber = calc::test::LocaleTest;

TEST_F(ParseNumber, DecimalTexts)
{
    for (const Case &c : kDecimalCases) {
        if (!availableHere(c.locale))
            continue;
        useLocale(c.locale);
        EXPECT_TRUE(sameDouble(parseNumber(c.text), c.expected)) << c.name << " in " << c.locale;
    }
}

TEST_F(ParseNumber, RadixTexts)
{
    for (const Case &c : kRadixCases)
        EXPECT_TRUE(sameDouble(parseNumber(c.text), c.expected)) << c.name;
}

// Long texts: digits far beyond what a double holds still decide the rounding,
// and leading zeros of any length shift the value exactly.
TEST_F(ParseNumber, LongTexts)
{
    const std::string zeros(1000, '0');
    const struct
    {
        const char *name;
        std::string text;
        double expected;
    } cases[] = {
        {"tie, then zeros", "9007199254740993." + zeros, 9007199254740992.0},
        {"tie, then a far 1", "9007199254740993." + zeros + "1", 9007199254740994.0},
        {"tie, then a far 1, blanks", "9007199254740993 ." + zeros + "1", 9007199254740994.0},
        {"tie, then a far 1, D", "9007199254740993." + zeros + "1D0", 9007199254740994.0},
        {"leading zeros and exponent", "0." + zeros + "15e1001", 1.5},
        {"leading zeros, blanks", "0 ." + zeros + "15e1001", 1.5},
        {"million digits", "1" + std::string(1'000'000, '0'), kInf},
        {"million digits, blanks", "- 1" + std::string(1'000'000, '0'), -kInf},
        {"hex 2 to the 1020", "&H1" + std::string(255, '0'), 0x1p1020},
        {"hex beyond range", "&H" + std::string(300, 'F'), kInf},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(sameDouble(parseNumber(c.text), c.expected)) << c.name;
}

} // namespace
