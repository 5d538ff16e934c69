#pragma once

#include <string>
#include <string_view>

// What the fuzz targets compare the calculator against: the number text rules worked out a
// second way, on the C library's correctly rounded conversions, plus the report of a broken
// property. Nothing here calls the code under test.
namespace fuzzref {

// Reports a broken property on stderr and stops the run, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char *property, const std::string &detail);

#define FUZZ_REQUIRE(condition, detail)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzzref::fail(#condition, (detail));                                                 \
    } while (false)

// A text with its unprintable bytes escaped, in double quotes; a double in full.
std::string quoted(std::string_view text);
std::string describe(double value);

// The C library's reading of a number text, with a period as the decimal point whatever the
// locale. Accepts what strtod does, hexadecimal ("0x1p3") included.
double readNumber(const std::string &text);

// The value rounded to 15 significant digits, ties to even.
double round15(double value);

// The "Fixed" and general number texts that the rules give for a value.
std::string expectedFixed(double value, std::string_view decimalSeparator);
std::string expectedGeneral(double value, std::string_view decimalSeparator);

} // namespace fuzzref
