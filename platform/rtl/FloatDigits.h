// The decimal digits of a double, rounded half away from zero as the formatting routines show them.
// Shared by FloatToStr, Format and FormatFloat so that all three agree on every value.
#pragma once

#include <string>

struct TFloatDigits {
    bool Negative = false;
    std::string Digits; // significant digits without leading zeros; empty for zero
    int Exponent = 0;   // the value is 0.Digits × 10^Exponent
};

// Rounded to `significant` digits (1..17). Trailing zeros are removed from Digits.
TFloatDigits FloatToDigits(double value, int significant);

// Rounded to `decimals` digits after the decimal point (0..). Trailing zeros are removed from Digits.
TFloatDigits FloatToFixedDigits(double value, int decimals);

// The digits of the integer part ("0" when it is zero) and of the fraction padded or cut to `decimals`.
void SplitFixed(const TFloatDigits& digits, int decimals, std::string& integerPart, std::string& fraction);

// Inserts `separator` between groups of three digits of an integer digit string.
std::string GroupThousands(const std::string& integerDigits, char separator);
