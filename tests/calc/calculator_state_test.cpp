#include "calc/calculator_state.h"
#include "test_support.h"

#include <clocale>
#include <span>

using calc::ActionError;
using calc::CalculatorState;
using calc::Failure;
using calc::Field;

namespace {

using Action = ActionError (*)(CalculatorState &);
using Text = std::string CalculatorState::*;

// Every other text starts distinct, so that any stray write shows.
const CalculatorState kFilled {"mbs?", "kbsc?", "spe?", "kbs?", "sec?", "min?", "hrs?"};
constexpr ActionError kDone {};

struct Case
{
    const char *name;
    const char *input;
    const char *output; // ignored when the action fails
    ActionError error;
};

constexpr Case kMegabyteCases[] = {
    {"starting text", "", "0", kDone},
    {"whole", "700", "716800", kDone},
    {"comma ends the number", "1,5", "1024", kDone},
    {"general text", "0.1", "102.4", kDone},
    {"negative", "-1.5", "-1536", kDone},
    {"largest that fits", "1.7e305", "1.7408E+308", kDone},
    {"input beyond range", "1e400", "", {Failure::InputOutOfRange, Field::Megabytes}},
    {"result beyond range", "1e308", "", {Failure::ResultOutOfRange, Field::Megabytes}},
};

constexpr Case kSpeedCases[] = {
    {"starting text", "", "0.00", kDone},
    {"512", "512", "62.50", kDone},
    {"56", "56", "6.84", kDone},
    {"1000", "1000", "122.07", kDone},
    {"letters end the number", "56k", "6.84", kDone},
    {"negative", "-56", "-6.84", kDone},
    {"two divisions, not a folded factor", "9.27669e19", "11324084472656200000.00", kDone},
    {"input beyond range", "-1e400", "", {Failure::InputOutOfRange, Field::Speed}},
};

void checkConversion(Action action, Text input, Text output, std::span<const Case> cases)
{
    for (const Case &c : cases) {
        CalculatorState state = kFilled;
        state.*input = c.input;
        CalculatorState expected = state;
        if (c.error == kDone)
            expected.*output = c.output;
        EXPECT_EQ(action(state), c.error) << c.name;
        EXPECT_EQ(state, expected) << c.name;
    }
}

TEST(Actions, ConvertMegabytes)
{
    checkConversion(calc::convertMegabytes, &CalculatorState::mbstext, &CalculatorState::kbsctext,
        kMegabyteCases);
}

TEST(Actions, ConvertSpeed)
{
    checkConversion(
        calc::convertSpeed, &CalculatorState::spetext, &CalculatorState::kbstext, kSpeedCases);
}

struct TimesCase
{
    const char *name, *kbsc, *kbs, *seconds, *minutes, *hours;
    ActionError error;
};

constexpr ActionError kZeroRate {Failure::ZeroTransferRate, Field::TransferRate};
constexpr TimesCase kTimesCases[] = {
    {"example", "716800", "62.5", "11468.80", "191.15", "3.19", kDone},
    {"rate 1", "1024", "1", "1024.00", "17.07", "0.28", kDone},
    {"negative", "-100", "10", "-10.00", "-0.17", "0.00", kDone},
    {"starting texts", "0", "0", "", "", "", kZeroRate},
    {"rate empty", "5", "", "", "", "", kZeroRate},
    {"rate not a number", "5", "fast", "", "", "", kZeroRate},
    {"rate negative zero", "5", "-0.00", "", "", "", kZeroRate},
    {"kilobytes beyond range first", "1e999", "1e999", "", "", "",
        {Failure::InputOutOfRange, Field::Kilobytes}},
    {"kilobytes beyond range before rate 0", "-1e999", "0", "", "", "",
        {Failure::InputOutOfRange, Field::Kilobytes}},
    {"rate beyond range", "0", "1e999", "", "", "",
        {Failure::InputOutOfRange, Field::TransferRate}},
    {"quotient beyond range", "1e308", "1e-308", "", "", "",
        {Failure::ResultOutOfRange, Field::Kilobytes}},
};

TEST(Actions, CalculateTimes)
{
    for (const TimesCase &c : kTimesCases) {
        CalculatorState state = kFilled;
        state.kbsctext = c.kbsc;
        state.kbstext = c.kbs;
        CalculatorState expected = state;
        if (c.error == kDone) {
            expected.sectime = c.seconds;
            expected.mintime = c.minutes;
            expected.hrstime = c.hours;
        }
        EXPECT_EQ(calc::calculateTimes(state), c.error) << c.name;
        EXPECT_EQ(state, expected) << c.name;
    }
}

TEST(Actions, StartAndReset)
{
    const CalculatorState start {"", "0", "", "0", "", "", ""};
    EXPECT_EQ(CalculatorState {}, start);
    CalculatorState state = kFilled;
    EXPECT_EQ(calc::resetAll(state), kDone);
    EXPECT_EQ(state, start);
}

// Calculating does not convert: it uses the kilobytes as they stand.
TEST(Actions, CalculatingUsesTheBoxesAsTheyStand)
{
    CalculatorState state {"1", "0", "", "1", "", "", ""};
    calc::convertMegabytes(state);
    state.mbstext = "2";
    EXPECT_EQ(calc::calculateTimes(state), kDone);
    EXPECT_EQ(state.sectime, "1024.00");
}

using ActionsInLocales = calc::test::LocaleTest;

// The three steps as the window guides them: what one step writes, the next
// reads back as the value it shows, so every locale gives the same times.
TEST_F(ActionsInLocales, ThreeStepsGiveTheSameTimes)
{
    const struct
    {
        const char *megabytes, *speed, *kilobytes, *rate, *seconds, *minutes, *hours;
    } rounds[] = {
        {"700", "56", "716800", "6.84", "104795.32", "1746.59", "29.11"},
        {"0.1", "56", "102.4", "6.84", "14.97", "0.25", "0.00"},
    };
    const char *const locales[]
        = {"C", calc::test::kCommaLocale, "fr_FR.UTF-8", calc::test::kArabicSeparatorLocale};
    for (const char *locale : locales) {
        if (!availableHere(locale))
            continue;
        useLocale(locale);
        const std::string separator = std::localeconv()->decimal_point;
        const auto local
            = [&](const char *text) { return calc::test::withSeparator(text, separator); };
        for (const auto &r : rounds) {
            CalculatorState state {r.megabytes, "0", r.speed, "0", "", "", ""};
            EXPECT_EQ(calc::convertMegabytes(state), kDone);
            EXPECT_EQ(calc::convertSpeed(state), kDone);
            EXPECT_EQ(calc::calculateTimes(state), kDone);
            const CalculatorState expected {r.megabytes, local(r.kilobytes), r.speed, local(r.rate),
                local(r.seconds), local(r.minutes), local(r.hours)};
            EXPECT_EQ(state, expected) << r.megabytes << " MB in " << locale;
        }
    }
}

} // namespace
