// Sequences of actions on a CalculatorState holding any texts, checked against the reference:
// an action that completes writes exactly the texts the reference gives and nothing else; one
// that does not complete writes nothing and names a failure that the texts it read explain.
//
// Input: records separated by '|', each an operation letter and its text:
//   m k s r  set mbstext, kbsctext, spetext, kbstext     x y z  set sectime, mintime, hrstime
//   M S C R  convertMegabytes, convertSpeed, calculateTimes, resetAll
//   L        switch LC_NUMERIC: to a comma locale if the text is ",", to a U+066B locale if it
//            is "\u066B", else to "C"
// Other letters do nothing.
#include "calc/calculator_state.h"
#include "fuzz_report.h"
#include "reference_model.h"

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using calc::ActionError;
using calc::CalculatorState;

void check(const char *name, CalculatorState &state, ActionError (*action)(CalculatorState &),
    reference::Outcome (*model)(CalculatorState))
{
    const CalculatorState before = state;
    const reference::Outcome expected = model(before);
    const ActionError error = action(state);
    const std::string fault = reference::disagreement(expected, before, state, error);
    FUZZ_REQUIRE(
        fault.empty(), std::string(name) + " on " + reference::describe(before) + ": " + fault);
}

void checkResetAll(CalculatorState &state)
{
    const CalculatorState before = state;
    const std::string what = "resetAll on " + reference::describe(before) + ": ";
    FUZZ_REQUIRE(calc::resetAll(state) == ActionError {}, what + "did not complete");
    // The starting texts, typed out here rather than taken from the default state.
    FUZZ_REQUIRE(state.mbstext.empty() && state.kbsctext == "0" && state.spetext.empty()
            && state.kbstext == "0" && state.sectime.empty() && state.mintime.empty()
            && state.hrstime.empty(),
        what + "wrote " + reference::describe(state));
}

void setLocale(std::string_view which)
{
    const char *locale = which == "," ? "de_DE.UTF-8" : which == "\u066B" ? "ps_AF.UTF-8" : "C";
    FUZZ_REQUIRE(std::setlocale(LC_NUMERIC, locale) != nullptr,
        std::string("locale ") + locale + " is missing");
}

// The letters that set a text, and the text each sets.
struct Setter
{
    char operation;
    std::string CalculatorState::*text;
};
constexpr Setter kSetters[] = {
    {'m', &CalculatorState::mbstext},
    {'k', &CalculatorState::kbsctext},
    {'s', &CalculatorState::spetext},
    {'r', &CalculatorState::kbstext},
    {'x', &CalculatorState::sectime},
    {'y', &CalculatorState::mintime},
    {'z', &CalculatorState::hrstime},
};

void perform(CalculatorState &state, char operation, std::string_view text)
{
    for (const Setter &setter : kSetters) {
        if (setter.operation == operation)
            state.*setter.text = text;
    }
    switch (operation) {
    case 'M':
        check("convertMegabytes", state, calc::convertMegabytes, reference::convertMegabytes);
        break;
    case 'S':
        check("convertSpeed", state, calc::convertSpeed, reference::convertSpeed);
        break;
    case 'C':
        check("calculateTimes", state, calc::calculateTimes, reference::calculateTimes);
        break;
    case 'R':
        checkResetAll(state);
        break;
    case 'L':
        setLocale(text);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    setLocale("C");
    CalculatorState state;
    std::string_view input(reinterpret_cast<const char *>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('|');
        const std::string_view record = input.substr(0, end);
        if (!record.empty())
            perform(state, record.front(), record.substr(1));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return 0;
}
