#pragma once

#include <cstdio>
#include <string>

// How a fuzz target reports a broken property: on stderr, then a trap, so that
// libFuzzer keeps the input.
namespace fuzzreport {

[[noreturn]] inline void fail(const char *property, const std::string &detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n*** %s\n", property, detail.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

// A double in full.
inline std::string describe(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}

} // namespace fuzzreport

#define FUZZ_REQUIRE(condition, detail)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzzreport::fail(#condition, (detail));                                              \
    } while (false)
