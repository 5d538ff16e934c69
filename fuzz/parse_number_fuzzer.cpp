// parseNumber on any text, in a period, a comma and a U+066B locale: it never yields NaN, it
// agrees with the reference reading, and blanks inserted anywhere or removed change nothing.
#include "calc/number_text.h"
#include "fuzz_report.h"
#include "reference_model.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr char kBlanks[] = {' ', '\t', '\n', '\r'};

bool isBlank(char c)
{
    return std::string_view(kBlanks, sizeof kBlanks).find(c) != std::string_view::npos;
}

// A cheap generator seeded from the input, so that each input always gets the same blanks.
struct Random
{
    std::uint64_t state;
    std::uint32_t next()
    {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::uint32_t>(state >> 33);
    }
};

void requireSameReading(
    std::string_view original, double expected, const std::string &text, const char *how)
{
    const double value = calc::parseNumber(text);
    FUZZ_REQUIRE(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
        std::string(how) + ": " + reference::quoted(original) + " reads as "
            + fuzzreport::describe(expected) + " but " + reference::quoted(text) + " as "
            + fuzzreport::describe(value));
}

void checkIn(const char *locale, std::string_view text, const std::string &stripped,
    const std::string &spread, const std::string &sprinkled)
{
    FUZZ_REQUIRE(std::setlocale(LC_NUMERIC, locale) != nullptr,
        std::string("locale ") + locale + " is missing");
    const double value = calc::parseNumber(text);
    FUZZ_REQUIRE(!std::isnan(value), reference::quoted(text) + " reads as NaN");

    const double expected = reference::parse(std::string(text));
    FUZZ_REQUIRE(value == expected,
        reference::quoted(text) + " reads as " + fuzzreport::describe(value) + " in " + locale
            + ", the rules give " + fuzzreport::describe(expected));

    requireSameReading(text, value, stripped, "blanks removed");
    requireSameReading(text, value, spread, "a blank after every character");
    requireSameReading(text, value, sprinkled, "blanks inserted");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::string stripped;
    std::string spread;
    std::string sprinkled;
    std::uint64_t seed = 14695981039346656037u;
    for (const char c : text) {
        seed = (seed ^ static_cast<unsigned char>(c)) * 1099511628211u;
        if (!isBlank(c))
            stripped += c;
    }
    Random random {seed};
    for (const char c : text) {
        spread += c;
        spread += kBlanks[random.next() % 4];
        while (random.next() % 4 == 0)
            sprinkled += kBlanks[random.next() % 4];
        sprinkled += c;
    }
    for (const char *locale : {"C", "de_DE.UTF-8", "ps_AF.UTF-8"})
        checkIn(locale, text, stripped, spread, sprinkled);
    return 0;
}
