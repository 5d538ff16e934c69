#include "calc/calculator_state.h"
#include "calc/number_text.h"
#include "reference_model.h"
#include "test_support.h"

#include <bit>
#include <cmath>
#include <random>
#include <span>

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
    // digits of other scripts, decimal separators of other locales, blanks
    // anywhere and junk after it.
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
            appendDigits(t, digitCount());
            if (chance(50)) {
                t += chance(70) ? "." : pickFrom(kSeparators);
                appendDigits(t, digitCount());
            }
            if (chance(30)) {
                t += pick("eEdD");
                if (chance(50))
                    t += pick("+-");
                appendDigits(t, chance(5) ? below(25) : below(4));
            }
        }
        if (chance(50))
            appendFrom(t, "x.,$eEdD+-&H5 \t\n\r", below(4));
        if (chance(20))
            t += pickFrom(kSeparators) + pickFrom(kDigits);
        for (int blanks = chance(40) ? 1 + below(4) : 0; blanks > 0; --blanks)
            t.insert(below(static_cast<int>(t.size()) + 1), 1, pick(" \t\n\r"));
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
            return reference::parse(text());
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
    std::string pickFrom(std::span<const char *const> from)
    {
        return from[static_cast<std::size_t>(below(int(from.size())))];
    }
    // Mostly ASCII digits, sometimes with many zeros and nines, sometimes
    // digits of other scripts and code points just beside them.
    void appendDigits(std::string &t, int count)
    {
        const int kind = below(10);
        while (count-- > 0) {
            if (kind < 5)
                t += pick("0123456789");
            else if (kind < 7)
                t += pick("0009");
            else
                t += chance(50) ? std::string(1, pick("0123456789")) : pickFrom(kDigits);
        }
    }

    // Digits of other scripts (Arabic-Indic, Persian, Devanagari, full-width,
    // N'Ko, mathematical, Adlam, segmented), and the characters just outside
    // some of their runs.
    static constexpr const char *kDigits[]
        = {"\u0660", "\u0665", "\u0669", "\u06F0", "\u06F5", "\u06F9", "\u0966", "\u096F", "\u07C0",
            "\uFF10", "\uFF19", "\U0001D7CE", "\U0001D7FF", "\U0001E959", "\U0001FBF9", "\u065F",
            "\u066A", "\u06EF", "\u06FA", "\uFF0F", "\uFF1A", "\U0001FBFA", "\u00B2", "\u2167"};
    static constexpr const char *kSeparators[] = {".", ",", "\u066B"};

    std::mt19937_64 m_random;
};

// Each check runs in a period locale and in a comma locale.
class ModelAgreement : public calc::test::LocaleTest,
                       public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        if (!availableHere(GetParam()))
            GTEST_SKIP() << "no locale " << GetParam() << " on this platform";
        useLocale(GetParam());
    }

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

TEST_P(ModelAgreement, Actions)
{
    using Action = calc::ActionError (*)(CalculatorState &);
    using Model = reference::Outcome (*)(CalculatorState);
    const struct
    {
        const char *name;
        Action action;
        Model model;
    } actions[] = {{"convertMegabytes", calc::convertMegabytes, reference::convertMegabytes},
        {"convertSpeed", calc::convertSpeed, reference::convertSpeed},
        {"calculateTimes", calc::calculateTimes, reference::calculateTimes}};
    for (int i = 0; i < kRounds / 4; ++i) {
        const CalculatorState before {m_generate.text(), m_generate.text(), m_generate.text(),
            m_generate.text(), "s", "m", "h"};
        for (const auto &[name, action, model] : actions) {
            CalculatorState state = before;
            const calc::ActionError error = action(state);
            const std::string fault = reference::disagreement(model(before), before, state, error);
            if (!fault.empty()
                && !report(std::string(name) + " on " + reference::describe(before) + ": " + fault))
                return;
        }
    }
}

// A period, a comma, and the Arabic decimal separator U+066B.
constexpr const char *kLocales[]
    = {"C", calc::test::kCommaLocale, calc::test::kArabicSeparatorLocale};
constexpr const char *kLocaleNames[] = {"Period", "Comma", "ArabicSeparator"};
INSTANTIATE_TEST_SUITE_P(Locales, ModelAgreement, ::testing::ValuesIn(kLocales),
    [](const auto &info) { return std::string(kLocaleNames[info.index]); });

} // namespace
