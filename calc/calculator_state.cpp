#include "calc/calculator_state.h"

#include "calc/number_text.h"

#include <cmath>

namespace calc {

ActionError convertMegabytes(CalculatorState &state)
{
    const double mbs = parseNumber(state.mbstext);
    if (!std::isfinite(mbs))
        return {Failure::InputOutOfRange, Field::Megabytes};
    const double kilobytes = mbs * 1024; // 1024 kilobytes to the megabyte
    if (!std::isfinite(kilobytes))
        return {Failure::ResultOutOfRange, Field::Megabytes};
    state.kbsctext = formatGeneral(kilobytes);
    return {};
}

ActionError convertSpeed(CalculatorState &state)
{
    const double spe = parseNumber(state.spetext);
    if (!std::isfinite(spe))
        return {Failure::InputOutOfRange, Field::Speed};
    // Kilobits to kilobytes per second, as two divisions in this order: by
    // 1.024 (thousands of bits to units of 1024) and then by 8 bits a byte.
    // A finite speed always gives a finite rate.
    const double kilobytesPerSecond = (spe / 1.024) / 8;
    state.kbstext = formatFixed(kilobytesPerSecond);
    return {};
}

ActionError calculateTimes(CalculatorState &state)
{
    const double kbsc = parseNumber(state.kbsctext);
    const double kbs = parseNumber(state.kbstext);
    if (!std::isfinite(kbsc))
        return {Failure::InputOutOfRange, Field::Kilobytes};
    if (!std::isfinite(kbs))
        return {Failure::InputOutOfRange, Field::TransferRate};
    if (kbs == 0)
        return {Failure::ZeroTransferRate, Field::TransferRate};
    const double seconds = kbsc / kbs;
    if (!std::isfinite(seconds))
        return {Failure::ResultOutOfRange, Field::Kilobytes};
    // Hours are the minutes divided by 60 again, not the seconds by 3600.
    const double minutes = seconds / 60;
    const double hours = minutes / 60;

    // Format all three before writing any, so that nothing is half written.
    std::string secondsText = formatFixed(seconds);
    std::string minutesText = formatFixed(minutes);
    std::string hoursText = formatFixed(hours);
    state.sectime = std::move(secondsText);
    state.mintime = std::move(minutesText);
    state.hrstime = std::move(hoursText);
    return {};
}

ActionError resetAll(CalculatorState &state)
{
    // The starting texts are the defaults of a fresh state, written back in
    // the order the window shows them being cleared.
    const CalculatorState start;
    state.kbsctext = start.kbsctext;
    state.spetext = start.spetext;
    state.kbstext = start.kbstext;
    state.mbstext = start.mbstext;
    state.hrstime = start.hrstime;
    state.mintime = start.mintime;
    state.sectime = start.sectime;
    return {};
}

} // namespace calc
