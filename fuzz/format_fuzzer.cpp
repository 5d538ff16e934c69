// formatFixed and formatGeneral on any double: the texts have the required shape and equal the
// reference's texts, with a given separator and in a period, a comma and a U+066B locale; and
// in each locale the texts read back as the values they show.
//
// Input: "t" and a number text (read by parseNumber), or the bytes of a double.
#include "calc/number_text.h"
#include "fuzz_report.h"
#include "reference_model.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {

bool allDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// An optional "-", digits, the separator, exactly two digits.
bool hasFixedShape(std::string_view text, std::string_view separator)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find(separator);
    if (point == 0 || point == std::string_view::npos)
        return false;
    const std::string_view decimals = text.substr(point + separator.size());
    return allDigits(text.substr(0, point)) && decimals.size() == 2 && allDigits(decimals);
}

void checkSeparator(double value, std::string_view separator)
{
    const std::string what
        = fuzzreport::describe(value) + " with separator " + reference::quoted(separator) + ": ";
    const std::string fixed = calc::formatFixed(value, separator);
    if (std::isfinite(value)) {
        FUZZ_REQUIRE(
            hasFixedShape(fixed, separator), what + "Fixed gives " + reference::quoted(fixed));
    }
    const std::string expectedFixed = reference::fixed(value, separator);
    FUZZ_REQUIRE(fixed == expectedFixed,
        what + "Fixed gives " + reference::quoted(fixed) + ", expected " + expectedFixed);

    const std::string general = calc::formatGeneral(value, separator);
    const std::string expectedGeneral = reference::general(value, separator);
    FUZZ_REQUIRE(general == expectedGeneral,
        what + "general gives " + reference::quoted(general) + ", expected " + expectedGeneral);
}

void checkLocale(double value, const char *locale)
{
    FUZZ_REQUIRE(std::setlocale(LC_NUMERIC, locale) != nullptr,
        std::string("locale ") + locale + " is missing");
    const std::string what = fuzzreport::describe(value) + " in locale " + locale + ": ";
    const std::string separator = reference::localeSeparator();
    const std::string fixed = calc::formatFixed(value);
    const std::string general = calc::formatGeneral(value);
    FUZZ_REQUIRE(fixed == reference::fixed(value, separator),
        what + "Fixed gives " + reference::quoted(fixed));
    FUZZ_REQUIRE(general == reference::general(value, separator),
        what + "general gives " + reference::quoted(general));

    // Read back, each text is the value it shows: what its period form reads as.
    const std::pair<std::string, std::string> written[]
        = {{fixed, reference::fixed(value, ".")}, {general, reference::general(value, ".")}};
    for (const auto &[text, withPeriod] : written) {
        const double readBack = calc::parseNumber(text);
        const double shown = reference::parse(withPeriod);
        FUZZ_REQUIRE(readBack == shown,
            what + reference::quoted(text) + " reads as " + fuzzreport::describe(readBack)
                + ", not as " + fuzzreport::describe(shown));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::setlocale(LC_NUMERIC, "C");
    double value = 0;
    if (size > 0 && data[0] == 't') {
        value = calc::parseNumber(
            std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1));
    } else {
        unsigned char bytes[sizeof value] = {};
        std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
        std::memcpy(&value, bytes, sizeof value);
    }

    for (const char *separator : {".", ",", "\u066B"})
        checkSeparator(value, separator);
    for (const char *locale : {"C", "de_DE.UTF-8", "ps_AF.UTF-8"})
        checkLocale(value, locale);
    return 0;
}
