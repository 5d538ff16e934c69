// Sequences of actions on a CalculatorState holding any texts. An action that completes writes
// exactly the texts its rule gives and nothing else; one that does not complete writes nothing
// and names a failure that the texts it read explain.
//
// Input: records separated by '|', each an operation letter and its text:
//   m k s r  set mbstext, kbsctext, spetext, kbstext     x y z  set sectime, mintime, hrstime
//   M S C R  convertMegabytes, convertSpeed, calculateTimes, resetAll
//   L        switch LC_NUMERIC: to a comma locale if the text is ",", else to "C"
// Other letters do nothing.
#include "calc/calculator_state.h"
#include "calc/number_text.h"
#include "reference.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using calc::ActionError;
using calc::CalculatorState;
using calc::Failure;
using calc::Field;

constexpr const char *kCommaLocale = "de_DE.UTF-8";

using Action = ActionError (*)(CalculatorState &);

std::string describe(const CalculatorState &state)
{
    return "{mbstext " + fuzzref::quoted(state.mbstext) + ", kbsctext "
        + fuzzref::quoted(state.kbsctext) + ", spetext " + fuzzref::quoted(state.spetext)
        + ", kbstext " + fuzzref::quoted(state.kbstext) + ", sectime "
        + fuzzref::quoted(state.sectime) + ", mintime " + fuzzref::quoted(state.mintime)
        + ", hrstime " + fuzzref::quoted(state.hrstime) + "}";
}

std::string describe(const ActionError &error)
{
    return "{failure " + std::to_string(static_cast<int>(error.failure)) + ", field "
        + std::to_string(static_cast<int>(error.field)) + "}";
}

std::string separator()
{
    return std::localeconv()->decimal_point;
}

// Runs one action both ways. `expected` is the state its rule gives; `reasons` are the errors
// that the texts it read explain: none means it must complete, otherwise it must fail with
// one of them.
void check(const char *name, CalculatorState &state, Action action, const CalculatorState &expected,
    const std::vector<ActionError> &reasons)
{
    const CalculatorState before = state;
    const ActionError error = action(state);
    const bool done = error == ActionError {};
    const std::string what = std::string(name) + " on " + describe(before) + ": ";

    FUZZ_REQUIRE(
        done == reasons.empty(), what + (done ? "completed" : "failed with " + describe(error)));
    if (done) {
        FUZZ_REQUIRE(state == expected,
            what + "wrote " + describe(state) + ", expected " + describe(expected));
        return;
    }
    FUZZ_REQUIRE(state == before, what + "failed but wrote " + describe(state));
    bool explained = false;
    for (const ActionError &reason : reasons)
        explained = explained || error == reason;
    FUZZ_REQUIRE(explained, what + "failed with " + describe(error));
}

void checkConvertMegabytes(CalculatorState &state)
{
    const double mbs = calc::parseNumber(state.mbstext);
    const double kbsc = mbs * 1024;
    CalculatorState expected = state;
    expected.kbsctext = calc::formatGeneral(kbsc, separator());
    std::vector<ActionError> reasons;
    if (!std::isfinite(mbs))
        reasons.push_back({Failure::InputOutOfRange, Field::Megabytes});
    else if (!std::isfinite(kbsc))
        reasons.push_back({Failure::ResultOutOfRange, Field::Megabytes});
    check("convertMegabytes", state, calc::convertMegabytes, expected, reasons);
}

void checkConvertSpeed(CalculatorState &state)
{
    const double spe = calc::parseNumber(state.spetext);
    CalculatorState expected = state;
    expected.kbstext = calc::formatFixed((spe / 1.024) / 8, separator());
    std::vector<ActionError> reasons;
    if (!std::isfinite(spe))
        reasons.push_back({Failure::InputOutOfRange, Field::Speed});
    check("convertSpeed", state, calc::convertSpeed, expected, reasons);
}

void checkCalculateTimes(CalculatorState &state)
{
    const double kbsc = calc::parseNumber(state.kbsctext);
    const double kbs = calc::parseNumber(state.kbstext);
    const double seconds = kbsc / kbs;
    const double minutes = seconds / 60;
    const double hours = minutes / 60;
    CalculatorState expected = state;
    expected.sectime = calc::formatFixed(seconds, separator());
    expected.mintime = calc::formatFixed(minutes, separator());
    expected.hrstime = calc::formatFixed(hours, separator());

    // Where several reasons hold, any of them may be the one reported.
    std::vector<ActionError> reasons;
    if (!std::isfinite(kbsc))
        reasons.push_back({Failure::InputOutOfRange, Field::Kilobytes});
    if (!std::isfinite(kbs))
        reasons.push_back({Failure::InputOutOfRange, Field::TransferRate});
    if (kbs == 0)
        reasons.push_back({Failure::ZeroTransferRate, Field::TransferRate});
    if (reasons.empty() && !std::isfinite(seconds)) {
        reasons.push_back({Failure::ResultOutOfRange, Field::Kilobytes});
        reasons.push_back({Failure::ResultOutOfRange, Field::TransferRate});
    }
    check("calculateTimes", state, calc::calculateTimes, expected, reasons);
}

void checkResetAll(CalculatorState &state)
{
    const CalculatorState before = state;
    const std::string what = "resetAll on " + describe(before) + ": ";
    FUZZ_REQUIRE(calc::resetAll(state) == ActionError {}, what + "did not complete");
    // The starting texts, typed out here rather than taken from the default state.
    FUZZ_REQUIRE(state.mbstext.empty() && state.kbsctext == "0" && state.spetext.empty()
            && state.kbstext == "0" && state.sectime.empty() && state.mintime.empty()
            && state.hrstime.empty(),
        what + "wrote " + describe(state));
    FUZZ_REQUIRE(state == CalculatorState {}, what + "differs from a new state");
}

void setLocale(std::string_view which)
{
    const char *locale = which == "," ? kCommaLocale : "C";
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
        checkConvertMegabytes(state);
        break;
    case 'S':
        checkConvertSpeed(state);
        break;
    case 'C':
        checkCalculateTimes(state);
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
