#pragma once

#include <string>
#include <string_view>

// The only place where text and numbers meet. Every number the calculator
// handles is an IEEE 754 double.
namespace calc {

// Reads a number out of any UTF-8 text; never fails. Blanks (space, tab, line
// feed, carriage return) are dropped wherever they stand, then a leading
// decimal number ("+1.5e3", "1.5D3", ".5"), or a "&H" / "&O" whole number, is
// read up to the first character that cannot continue it. Text with no
// leading number reads as 0.
// - The decimal point is a period or the current locale's decimal separator
//   (localeDecimalSeparator(), so what formatFixed writes reads back); a
//   second one of either kind ends the number: in a comma locale "1,5" and
//   "1.5" read as 1.5 and "1.2,3" as 1.2.
// - Any Unicode decimal digit ("٥٦", "۵۶", "５６") stands for its value
//   wherever a decimal number takes an ASCII digit. Signs, exponent letters,
//   "&H", "&O" and hexadecimal digits are ASCII only.
//
// Choices where the rules leave room:
// - A value beyond the range of a double reads as an infinity of its sign; a
//   value too small reads as the nearest double, which may be 0.
// - Digits only after the exponent letter ("E5", "-e5") read as 0: there is
//   no mantissa digit. An exponent letter with no digit after it ("5E",
//   "5E+") is not part of the number: "5E" reads as 5.
// - "&H" or "&O" with no digit after it reads as 0. Beyond hexadecimal
//   FFFFFFFF the value is the plain unsigned whole number, rounded to the
//   nearest double (a 33-bit or longer value is not wrapped).
// - A period needs no digit after it: "5." reads as 5 and "5.e3" as 5000.
double parseNumber(std::string_view text);

// The two-decimal "Fixed" display: rounded to 15 significant digits, then to
// two decimals with a half rounding away from zero; no grouping, no exponent.
// A negative value that rounds to zero is written without a sign ("0.00").
// Ties at 15 significant digits round to even.
// Non-finite values, which no action ever shows, are written "Infinity",
// "-Infinity" and "NaN".
std::string formatFixed(double value, std::string_view decimalSeparator);

// General number text: 15 significant digits, trailing zeros dropped;
// scientific ("1.024E+15", "1E-05") when the decimal exponent is below -4 or
// at least 15. Non-finite values as in formatFixed.
std::string formatGeneral(double value, std::string_view decimalSeparator);

// As above, with the decimal separator of the current locale.
std::string formatFixed(double value);
std::string formatGeneral(double value);

// The decimal separator of the C library's current LC_NUMERIC locale
// (localeconv), read afresh at every call; "." where the locale gives none.
// Valid until the locale changes.
std::string_view localeDecimalSeparator();

} // namespace calc
