#include "calc/number_text.h"
#include "test_support.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <span>
#include <string>

using calc::formatFixed;
using calc::formatGeneral;
using calc::test::withSeparator;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case
{
    const char *name;
    double value;
    const char *expected; // written with a period
};

constexpr Case kFixedCases[] = {
    {"zero", 0, "0.00"},
    {"negative zero", -0.0, "0.00"},
    {"rounds up", 6.8359375, "6.84"},
    {"pads decimals", 62.5, "62.50"},
    {"no grouping", 1234567.891, "1234567.89"},
    {"below a half hundredth", 0.001, "0.00"},
    {"half up, binary just below", 2.675, "2.68"},
    {"half up, exact", 0.125, "0.13"},
    {"half away from zero", -0.125, "-0.13"},
    {"half up, binary just below 1.005", 1.005, "1.01"},
    {"carry into a new digit", 9.995, "10.00"},
    {"carry from hundredths to ones", 0.995, "1.00"},
    {"half a hundredth", 0.005, "0.01"},
    {"just under half a hundredth", 0.0049999, "0.00"},
    {"negative rounding to zero has no sign", -0.004, "0.00"},
    {"negative half a hundredth", -0.005, "-0.01"},
    {"tiny subnormal", 5e-324, "0.00"},
    {"16 digits round at 15 first", 999999999999999.9, "1000000000000000.00"},
    {"tie at 15 digits to even, down", 100000000000000.5, "100000000000000.00"},
    {"tie at 15 digits to even, up", 100000000000001.5, "100000000000002.00"},
    {"beyond 15 digits are zeros", 123456789012345678.0, "123456789012346000.00"},
    {"no exponent", 1e20, "100000000000000000000.00"},
};

constexpr Case kGeneralCases[] = {
    {"zero", 0, "0"},
    {"negative zero", -0.0, "0"},
    {"whole number", 1536, "1536"},
    {"not exact in binary", 102.4, "102.4"},
    {"negative", -1536.5, "-1536.5"},
    {"one third", 1.0 / 3, "0.333333333333333"},
    {"two thirds", 2.0 / 3, "0.666666666666667"},
    {"smallest plain", 0.0001, "0.0001"},
    {"plain with leading zeros", 0.00012345, "0.00012345"},
    {"scientific below 1E-4", 1e-5, "1E-05"},
    {"scientific with digits", 1.2345e-5, "1.2345E-05"},
    {"largest plain", 999999999999999.0, "999999999999999"},
    {"rounds into scientific", 999999999999999.9, "1E+15"},
    {"scientific at 1E+15", 1.024e15, "1.024E+15"},
    {"16 digits", 1234567890123456.0, "1.23456789012346E+15"},
    {"three-digit exponent", 1e100, "1E+100"},
    {"largest double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {"smallest subnormal", 5e-324, "4.94065645841247E-324"},
    {"negative scientific", -2.5e-7, "-2.5E-07"},
    {"tie at 15 digits to even", 100000000000000.5, "100000000000000"},
};

constexpr const char *kSeparators[] = {".", ",", "\u066B"}; // last: Arabic decimal separator

TEST(FormatFixed, Values)
{
    for (const char *separator : kSeparators)
        for (const Case &c : kFixedCases)
            EXPECT_EQ(formatFixed(c.value, separator), withSeparator(c.expected, separator))
                << c.name << ", separator " << separator;
}

TEST(FormatGeneral, Values)
{
    for (const char *separator : kSeparators)
        for (const Case &c : kGeneralCases)
            EXPECT_EQ(formatGeneral(c.value, separator), withSeparator(c.expected, separator))
                << c.name << ", separator " << separator;
}

TEST(FormatFixed, LargestMagnitudes)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(formatFixed(largest, "."), "179769313486232" + std::string(294, '0') + ".00");
    EXPECT_EQ(formatFixed(-1e300, ","), "-1" + std::string(300, '0') + ",00");
}

TEST(FormatNonFinite, DefinedTexts)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    using Format = std::string (*)(double, std::string_view);
    for (Format format : {Format(&calc::formatFixed), Format(&calc::formatGeneral)}) {
        EXPECT_EQ(format(kInf, "."), "Infinity");
        EXPECT_EQ(format(-kInf, "."), "-Infinity");
        EXPECT_EQ(format(nan, "."), "NaN");
    }
}

using FormatInLocale = calc::test::LocaleTest;

// The one-argument formatters follow the locale as it stands at each call.
TEST_F(FormatInLocale, SeparatorFollowsTheCurrentLocale)
{
    useLocale(calc::test::kCommaLocale);
    EXPECT_EQ(formatFixed(6.8359375), "6,84");
    EXPECT_EQ(formatGeneral(102.4), "102,4");
    EXPECT_EQ(formatGeneral(1.024e15), "1,024E+15");

    useLocale("C");
    EXPECT_EQ(formatFixed(6.8359375), "6.84");
    EXPECT_EQ(formatGeneral(102.4), "102.4");

    useLocale(calc::test::kCommaLocale);
    EXPECT_EQ(formatFixed(62.5), "62,50");
}

// What the formatters write in a locale reads back in that locale as the
// value the text shows.
TEST_F(FormatInLocale, TextsReadBackAsShown)
{
    using Format = std::string (*)(double);
    const auto check = [](std::span<const Case> cases, Format format, const char *locale) {
        for (const Case &c : cases) {
            double shown = 0; // beyond the largest double: read as an infinity
            if (std::from_chars(c.expected, c.expected + std::strlen(c.expected), shown).ec
                == std::errc::result_out_of_range)
                shown = kInf;
            const std::string text = format(c.value);
            EXPECT_TRUE(calc::test::sameDouble(calc::parseNumber(text), shown + 0.0))
                << c.name << ": " << text << " in " << locale;
        }
    };
    const char *const locales[] = {"C", "en_US.UTF-8", calc::test::kCommaLocale, "fr_FR.UTF-8",
        calc::test::kArabicSeparatorLocale};
    for (const char *locale : locales) {
        if (!availableHere(locale))
            continue;
        useLocale(locale);
        check(kFixedCases, &calc::formatFixed, locale);
        check(kGeneralCases, &calc::formatGeneral, locale);
    }
}

} // namespace
