#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdint>
#include <string>

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

// Puts the process into a locale for one test and back into "C" afterwards.
// A locale that cannot be set fails the test.
class LocaleTest : public ::testing::Test
{
protected:
    static void useLocale(const char *name)
    {
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "locale " << name << " is missing";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

// German, whose decimal separator is a comma, as each C library names it.
#ifdef _WIN32
inline constexpr const char *kCommaLocale = "German_Germany.1252";
#else
inline constexpr const char *kCommaLocale = "de_DE.UTF-8";
#endif

} // namespace calc::test
