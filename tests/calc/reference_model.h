#pragma once

#include "calc/calculator_state.h"

#include <string>
#include <string_view>
#include <vector>

// A second, independent reading of the number text rules and the actions,
// which the agreement tests and the fuzz targets check the real ones against.
// It leans on the C library where the real code must not (strtod and snprintf
// in the "C" locale, nl_langinfo or printf for the separator) and holds its own
// copy of the Unicode digits, written out another way.
namespace reference {

// Reads in the current locale.
double parse(std::string text);
std::string fixed(double value, std::string_view separator);
std::string general(double value, std::string_view separator);

// The decimal point of the current LC_NUMERIC locale, through nl_langinfo (on Windows,
// through printf).
std::string localeSeparator();

// What an action must do to a state, in the current locale: the state it
// leaves when it completes, or the errors that explain why it does not (any
// one of them may be reported).
struct Outcome
{
    calc::CalculatorState state;
    std::vector<calc::ActionError> reasons; // empty: it completes
};
Outcome convertMegabytes(calc::CalculatorState state);
Outcome convertSpeed(calc::CalculatorState state);
Outcome calculateTimes(calc::CalculatorState state);

// How an action that left `after` and returned `error` on `before` differs
// from `expected`; empty when it does not.
std::string disagreement(const Outcome &expected, const calc::CalculatorState &before,
    const calc::CalculatorState &after, const calc::ActionError &error);

// A state's texts, with their unprintable bytes escaped.
std::string describe(const calc::CalculatorState &state);
std::string quoted(std::string_view text);

} // namespace reference
