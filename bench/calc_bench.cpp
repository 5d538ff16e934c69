#include "calc/calculator_state.h"
#include "calc/number_text.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// parseNumber against std::from_chars and the formatters against
// std::to_chars(scientific, 14) on the same inputs; the four actions; and
// parseNumber on long texts, whose cost must grow linearly with their length.
namespace {

constexpr std::string_view kPlainTexts[] = {
    "716800",
    "62.5",
    "1.5e3",
    "0.30000000000000004",
    "12345678901234567",
    "6.8359375000000001",
};

constexpr double kValues[] = {6.8359375, 11468.8, 102.4, 1234567.891, 0.125, 1.024e15};

void fromChars(benchmark::State &state)
{
    const std::string_view text = kPlainTexts[state.range(0)];
    for (auto _ : state) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(std::string(text));
}
BENCHMARK(fromChars)->DenseRange(0, std::size(kPlainTexts) - 1);

void parseNumber(benchmark::State &state)
{
    const std::string_view text = kPlainTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::parseNumber(text));
    state.SetLabel(std::string(text));
}
BENCHMARK(parseNumber)->DenseRange(0, std::size(kPlainTexts) - 1);

void toChars(benchmark::State &state)
{
    const double value = kValues[state.range(0)];
    for (auto _ : state) {
        char text[32];
        auto result
            = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(toChars)->DenseRange(0, std::size(kValues) - 1);

// With the separator read from the locale at every call, as the actions do.
void formatFixed(benchmark::State &state)
{
    const double value = kValues[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::formatFixed(value));
    state.SetLabel(calc::formatFixed(value));
}
BENCHMARK(formatFixed)->DenseRange(0, std::size(kValues) - 1);

void formatGeneral(benchmark::State &state)
{
    const double value = kValues[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::formatGeneral(value));
    state.SetLabel(calc::formatGeneral(value));
}
BENCHMARK(formatGeneral)->DenseRange(0, std::size(kValues) - 1);

void runAction(
    benchmark::State &state, bool (*action)(calc::CalculatorState &), calc::CalculatorState input)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(action(input));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(runAction, convertMegabytes, calc::convertMegabytes,
    calc::CalculatorState {"700", "0", "", "0", "", "", ""});
BENCHMARK_CAPTURE(runAction, convertSpeed, calc::convertSpeed,
    calc::CalculatorState {"", "0", "56", "0", "", "", ""});
BENCHMARK_CAPTURE(runAction, calculateTimes, calc::calculateTimes,
    calc::CalculatorState {"", "716800", "", "62.5", "", "", ""});
BENCHMARK_CAPTURE(runAction, calculateTimesRateZero, calc::calculateTimes,
    calc::CalculatorState {"", "716800", "", "0", "", "", ""});

// Each round first fills the state again (a copy of seven short texts), so
// this is an upper bound for resetAll itself.
void resetAll(benchmark::State &state)
{
    const calc::CalculatorState filled {"700", "716800", "56", "6.84", "1.00", "2.00", "3.00"};
    calc::CalculatorState input;
    for (auto _ : state) {
        input = filled;
        benchmark::DoNotOptimize(calc::resetAll(input));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(resetAll);

// Numbers spread over the whole text by blanks of all three kinds, with a "D"
// exponent and letters at their end: every character must be looked at. A
// round parses the next of many different texts of the same length; parsing
// one text again and again lets the branch predictor learn a short one.
std::vector<std::string> longTexts(std::size_t length)
{
    std::mt19937 random(7);
    std::vector<std::string> texts(std::max<std::size_t>(4, 16'000'000 / length));
    for (std::string &text : texts) {
        text = "- 0 .";
        while (text.size() + 12 < length)
            text += random() % 5 == 0 ? " \t\n"[random() % 3] : char('0' + random() % 10);
        text += " D - 3 kB/s xyz";
    }
    return texts;
}

void parseLongText(benchmark::State &state)
{
    const std::vector<std::string> texts = longTexts(static_cast<std::size_t>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::parseNumber(texts[next]));
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(parseLongText)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Complexity(benchmark::oN);

// The same length of plain digits, which goes to from_chars in one piece.
void parseLongDigits(benchmark::State &state)
{
    const std::string text = "0." + std::string(static_cast<std::size_t>(state.range(0)), '7');
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::parseNumber(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(parseLongDigits)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Complexity(benchmark::oN);

// Texts of the size a user could paste into a box, one kind of character each: the parse
// of 10 MiB must stay well under 100 ms and grow linearly. Digits ("0." then random digits)
// and blanks (then "12") are walked to their end; letters end the number at once.
enum class Fill { Digits, Blanks, Letters };

std::string largeText(Fill fill, std::size_t size)
{
    switch (fill) {
    case Fill::Digits: {
        std::mt19937 random(11);
        std::string text = "0.";
        text.reserve(size);
        while (text.size() < size)
            text += char('0' + random() % 10);
        return text;
    }
    case Fill::Blanks: {
        std::string text;
        text.reserve(size + 2);
        while (text.size() + 3 <= size)
            text += " \t\n";
        return text + "12";
    }
    case Fill::Letters:
        break;
    }
    return std::string(size, 'x');
}

void parseLargeText(benchmark::State &state, Fill fill)
{
    const std::string text = largeText(fill, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::parseNumber(text));
    state.SetComplexityN(state.range(0));
    if (fill != Fill::Letters) // the only kind read to its end
        state.SetBytesProcessed(state.iterations() * state.range(0));
}
constexpr std::int64_t kMiB = 1 << 20;
BENCHMARK_CAPTURE(parseLargeText, digits, Fill::Digits)
    ->Arg(kMiB)
    ->Arg(10 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(parseLargeText, blanks, Fill::Blanks)
    ->Arg(kMiB)
    ->Arg(10 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(parseLargeText, letters, Fill::Letters)->Arg(kMiB)->Arg(10 * kMiB);

} // namespace

BENCHMARK_MAIN();
