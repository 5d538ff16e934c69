// The digits of every script against Qt's character data, an independent reading of Unicode.
#include "calc/number_text.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

// After a "1", every decimal digit of Unicode 14 beyond ASCII reads as its value and every other
// character as the end of the number. Characters added later are left out: the calculator's
// table stops at Unicode 14, a newer Qt's data does not.
TEST(DigitTable, EveryCharacterAgainstQt)
{
    int digits = 0;
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || QChar::unicodeVersion(c) > QChar::Unicode_14_0)
            continue;
        const bool digit = QChar::category(c) == QChar::Number_DecimalDigit;
        digits += digit;
        const std::string text = "1" + QString::fromUcs4(&c, 1).toStdString();
        const double expected = digit ? 10 + QChar::digitValue(c) : 1;
        ASSERT_EQ(calc::parseNumber(text), expected) << "U+" << std::hex << unsigned(c);
    }
    EXPECT_EQ(digits, 650); // 65 runs of ten beyond ASCII
}

} // namespace
