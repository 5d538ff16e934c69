#include "calc/calculator_state.h"
#include "calc/number_text.h"
#include "reference_model.h"
#include "test_support.h"

#include <bit>
#include <cmath>
#include <random>

using calc::CalculatorState;

namespace {

constexpr int kRounds = 20000;
constexpr int kMaxReportedFailures = 10;

class Generator
{
public:
    explicit Generator(std::uint64_t seed)
        : m_random(seed)
    { }

    // Texts that mostly hold a number, with signs, exponents, radix prefixes,
    // blanks anywhere and junk after it.
    std::string text()
    {
        std::string t;
        if (chance(10)) {
            t = "&";
            t += pick("HhOo");
            const bool hex = t[1] == 'H' || t[1] == 'h';
            appendFrom(t, hex ? "0123456789abcdefABCDEF" : "01234567", below(12));
        } else {
            if (chance(30))
                t += pick("+-");
            appendFrom(t, chance(50) ? "0123456789" : "0009", digitCount());
            if (chance(50)) {
                t += '.';
                appendFrom(t, chance(50) ? "0123456789" : "0009", digitCount());
            }
            if (chance(30)) {
                t += pick("eEdD");
                if (chance(50))
                    t += pick("+-");
                appendFrom(t, "0123456789", chance(5) ? below(25) : below(4));
            }
        }
        if (chance(50))
            appendFrom(t, "x.,$eEdD+-&H5 \t\n\r", below(4));
        for (int blanks = chance(40) ? 1 + below(4) : 0; blanks > 0; --blanks)
            t.insert(below(static_cast<int>(t.size()) + 1), 1, pick(" \t\n"));
        return t;
    }

    // Values of every magnitude, with many halves of a hundredth and many
    // ties at the sixteenth digit.
    double value()
    {
        const double sign = chance(50) ? -1.0 : 1.0;
        switch (below(5)) {
        case 0: {
            const double any = std::bit_cast<double>(m_random());
            return std::isfinite(any) ? any : 0.0;
        }
        case 1:
            return sign * static_cast<double>(below(2'000'000)) / 1000;
        case 2:
            return sign * (1 + static_cast<double>(below(1 << 30)) / (1 << 27))
                * std::pow(10.0, below(44) - 22);
        case 3:
            return sign * (1e14 + static_cast<double>(below(900'000'000)) * 1e6 + 0.5);
        default:
            return calc::parseNumber(text());
        }
    }

private:
    bool chance(int percent) { return below(100) < percent; }
    int below(int limit) { return static_cast<int>(m_random() % static_cast<unsigned>(limit)); }
    char pick(std::string_view from)
    {
        return from[static_cast<std::size_t>(below(int(from.size())))];
    }
    void appendFrom(std::string &t, std::string_view from, int count)
    {
        while (count-- > 0)
            t += pick(from);
    }
    int digitCount() { return chance(2) ? below(900) : chance(10) ? below(45) : below(8); }

    std::mt19937_64 m_random;
};

// Each check runs in a period locale and in a comma locale.
class ModelAgreement : public calc::test::LocaleTest,
                       public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override { useLocale(GetParam()); }

    // Reports a disagreement; true while there are few enough to list.
    bool report(const std::string &what)
    {
        if (++m_failures <= kMaxReportedFailures)
            ADD_FAILURE() << what;
        return m_failures <= kMaxReportedFailures;
    }

    Generator m_generate {20240611};
    int m_failures = 0;
};

TEST_P(ModelAgreement, ParseNumber)
{
    for (int i = 0; i < kRounds; ++i) {
        const std::string text = m_generate.text();
        const auto same = calc::test::sameDouble(calc::parseNumber(text), reference::parse(text));
        if (!same && !report("text " + ::testing::PrintToString(text) + ": " + same.message()))
            return;
    }
}

TEST_P(ModelAgreement, Formatting)
{
    const std::string separator = reference::localeSeparator();
    for (int i = 0; i < kRounds; ++i) {
        const double value = m_generate.value();
        const std::string fixed = calc::formatFixed(value);
        const std::string general = calc::formatGeneral(value);
        if (fixed != reference::fixed(value, separator)
            && !report("formatFixed(" + ::testing::PrintToString(value) + ") gave " + fixed))
            return;
        if (general != reference::general(value, separator)
            && !report("formatGeneral(" + ::testing::PrintToString(value) + ") gave " + general))
            return;
    }
}

// The actions as the model reads them: same formulas, model conversions.
CalculatorState modelAction(int action, CalculatorState s, bool &completed)
{
    const std::string separator = reference::localeSeparator();
    completed = false;
    if (action == 0) {
        const double kilobytes = reference::parse(s.mbstext) * 1024;
        if (!std::isfinite(kilobytes))
            return s;
        s.kbsctext = reference::general(kilobytes, separator);
    } else if (action == 1) {
        const double speed = reference::parse(s.spetext);
        if (!std::isfinite(speed))
            return s;
        s.kbstext = reference::fixed(speed / 1.024 / 8, separator);
    } else {
        const double kilobytes = reference::parse(s.kbsctext);
        const double rate = reference::parse(s.kbstext);
        const double seconds = kilobytes / rate;
        if (!std::isfinite(kilobytes) || !std::isfinite(rate) || !std::isfinite(seconds))
            return s;
        s.sectime = reference::fixed(seconds, separator);
        s.mintime = reference::fixed(seconds / 60, separator);
        s.hrstime = reference::fixed(seconds / 60 / 60, separator);
    }
    completed = true;
    return s;
}

TEST_P(ModelAgreement, Actions)
{
    using Action = calc::ActionError (*)(CalculatorState &);
    const Action actions[] = {calc::convertMegabytes, calc::convertSpeed, calc::calculateTimes};
    for (int i = 0; i < kRounds / 4; ++i) {
        const CalculatorState before {m_generate.text(), m_generate.text(), m_generate.text(),
            m_generate.text(), "s", "m", "h"};
        for (int action = 0; action < 3; ++action) {
            bool expectedCompleted = false;
            const CalculatorState expected = modelAction(action, before, expectedCompleted);
            CalculatorState state = before;
            const bool completed = actions[action](state) == calc::ActionError {};
            if ((completed != expectedCompleted || state != expected)
                && !report("action " + std::to_string(action) + " on "
                    + ::testing::PrintToString(before.mbstext + "|" + before.kbsctext + "|"
                        + before.spetext + "|" + before.kbstext)))
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, ModelAgreement, ::testing::Values("C", "de_DE.UTF-8"),
    [](const auto &info) { return std::string(info.param[0] == 'C' ? "Period" : "Comma"); });

} // namespace
