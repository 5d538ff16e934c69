#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc::test {

// Equal as doubles down to the sign of zero.
inline ::testing::AssertionResult sameDouble(double actual, double expected)
{
    if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << ::testing::PrintToString(actual) << " (" << std::hexfloat << actual << "), expected "
        << ::testing::PrintToString(expected) << " (" << expected << ")";
}

// A text written with a period, with the separator in its place.
inline std::string withSeparator(std::string text, std::string_view separator)
{
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

// The tests name their locales as glibc does. Windows' C library (msvcrt, as MinGW links it)
// names them otherwise and has no UTF-8 locales, so none whose separator is U+066B: the
// cases in such a locale are left out there. Null when this platform has no such locale.
inline const char *platformLocale(const char *name)
{
#ifdef _WIN32
    static constexpr const char *kWindowsNames[][2]
        = {{"C", "C"}, {"de_DE.UTF-8", "German_Germany.1252"},
            {"fr_FR.UTF-8", "French_France.1252"}, {"en_US.UTF-8", "English_United States.1252"}};
    for (const auto &[glibc, windows] : kWindowsNames) {
        if (std::string_view(name) == glibc)
            return windows;
    }
    return nullptr;
#else
    return name;
#endif
}

// Puts the process into a locale for one test and back into "C" afterwards.
// A locale that cannot be set fails the test.
class LocaleTest : public ::testing::Test
{
protected:
    static bool availableHere(const char *name) { return platformLocale(name) != nullptr; }
    static void useLocale(const char *name)
    {
        ASSERT_TRUE(availableHere(name)) << "locale " << name << " has no name here";
        ASSERT_NE(std::setlocale(LC_ALL, platformLocale(name)), nullptr)
            << "locale " << name << " is missing";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

inline constexpr const char *kCommaLocale = "de_DE.UTF-8";
// Its decimal separator is U+066B, two bytes in UTF-8.
inline constexpr const char *kArabicSeparatorLocale = "ps_AF.UTF-8";

} // namespace calc::test
