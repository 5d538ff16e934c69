// formatFixed and formatGeneral on any double: the texts have the required shape, equal the
// texts worked out from the value's 15 significant digits, and a general text reads back as
// the value rounded to 15 significant digits. The overloads without a separator follow the
// locale of the moment.
//
// Input: "t" and a number text (read by parseNumber), or the bytes of a double.
#include "calc/number_text.h"
#include "reference.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// A locale whose decimal separator is a comma; locales-all provides it.
constexpr const char *kCommaLocale = "de_DE.UTF-8";

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
        = fuzzref::describe(value) + " with separator \"" + std::string(separator) + "\": ";
    const std::string fixed = calc::formatFixed(value, separator);
    if (std::isfinite(value)) {
        FUZZ_REQUIRE(
            hasFixedShape(fixed, separator), what + "Fixed gives " + fuzzref::quoted(fixed));
    }
    const std::string expectedFixed = fuzzref::expectedFixed(value, separator);
    FUZZ_REQUIRE(fixed == expectedFixed,
        what + "Fixed gives " + fuzzref::quoted(fixed) + ", expected " + expectedFixed);

    const std::string general = calc::formatGeneral(value, separator);
    const std::string expectedGeneral = fuzzref::expectedGeneral(value, separator);
    FUZZ_REQUIRE(general == expectedGeneral,
        what + "general gives " + fuzzref::quoted(general) + ", expected " + expectedGeneral);
}

void checkLocale(double value, const char *locale, std::string_view separator)
{
    FUZZ_REQUIRE(std::setlocale(LC_NUMERIC, locale) != nullptr,
        std::string("locale ") + locale + " is missing");
    const std::string what = fuzzref::describe(value) + " in locale " + locale + ": ";
    const std::string fixed = calc::formatFixed(value);
    const std::string general = calc::formatGeneral(value);
    FUZZ_REQUIRE(fixed == calc::formatFixed(value, separator),
        what + "Fixed gives " + fuzzref::quoted(fixed));
    FUZZ_REQUIRE(general == calc::formatGeneral(value, separator),
        what + "general gives " + fuzzref::quoted(general));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size > 0 && data[0] == 't') {
        value = calc::parseNumber(
            std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1));
    } else {
        unsigned char bytes[sizeof value] = {};
        std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
        std::memcpy(&value, bytes, sizeof value);
    }

    checkSeparator(value, ".");
    checkSeparator(value, ",");

    if (std::isfinite(value)) {
        const std::string general = calc::formatGeneral(value, ".");
        const double readBack = calc::parseNumber(general);
        const double expected = fuzzref::round15(value);
        FUZZ_REQUIRE(readBack == expected,
            fuzzref::describe(value) + " is written " + general + ", which reads as "
                + fuzzref::describe(readBack) + ", not as " + fuzzref::describe(expected));
    }

    checkLocale(value, kCommaLocale, ",");
    checkLocale(value, "C", ".");
    return 0;
}
