#pragma once

#include <string>
#include <string_view>

// A second, independent reading of the number text rules, used to check the
// real one on generated input. It leans on the C library where the real code
// must not: strtod_l and snprintf in the "C" locale.
namespace reference {

double parse(std::string text);
std::string fixed(double value, std::string_view separator);
std::string general(double value, std::string_view separator);

// The decimal point of the current LC_NUMERIC locale, through nl_langinfo (on Windows,
// through printf).
std::string localeSeparator();

} // namespace reference
