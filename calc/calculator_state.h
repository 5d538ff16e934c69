#pragma once

#include <string>

// The calculator window's state without the window, and the four actions its
// buttons perform. Each action parses the boxes it needs afresh.
namespace calc {

// The seven texts of the window, named after the controls that show them.
// Default-initialised to the starting texts.
struct CalculatorState
{
    std::string mbstext; // amount to download, megabytes
    std::string kbsctext = "0"; // the same amount, kilobytes
    std::string spetext; // line speed, kilobits per second
    std::string kbstext = "0"; // transfer rate, kilobytes per second
    std::string sectime; // download time, seconds
    std::string mintime; // download time, minutes
    std::string hrstime; // download time, hours

    bool operator==(const CalculatorState &) const = default;
};

// Why an action did not complete. An action that does not complete writes
// nothing.
enum class Failure {
    None,
    ZeroTransferRate, // the transfer rate reads as 0: the time is undefined
    InputOutOfRange, // an input box holds a number beyond the range of a double
    ResultOutOfRange, // the result lies beyond the range of a double
};

// Which text the user should look at to mend a failure.
enum class Field { None, Megabytes, Kilobytes, Speed, TransferRate };

struct ActionError
{
    Failure failure = Failure::None;
    Field field = Field::None;

    bool operator==(const ActionError &) const = default;
};

// Each returns its outcome: no error when it completed, else why not.
ActionError convertMegabytes(CalculatorState &state); // mbstext -> kbsctext
ActionError convertSpeed(CalculatorState &state); // spetext -> kbstext
ActionError calculateTimes(CalculatorState &state); // kbsctext, kbstext -> sec/min/hrs
ActionError resetAll(CalculatorState &state); // all seven back to the start; always completes

} // namespace calc
