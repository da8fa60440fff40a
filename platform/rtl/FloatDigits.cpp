#include "platform/rtl/FloatDigits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace float_digits_detail {

// The exact decimal expansion to 17 significant digits: enough to tell every double apart.
TFloatDigits RawDigits(double value) {
    TFloatDigits result;
    result.Negative = std::signbit(value);
    value = std::fabs(value);
    if (value == 0) return result;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.16e", value); // d.dddddddddddddddde±xx
    std::string text(buffer);
    const std::size_t e = text.find('e');
    result.Digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.Exponent = std::atoi(text.c_str() + e + 1) + 1;
    return result;
}

void StripTrailingZeros(TFloatDigits& d) {
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty()) d.Exponent = 0;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one.
void RoundTo(TFloatDigits& d, int keep) {
    if (keep < 0) {
        d.Digits.clear();
        d.Exponent = 0;
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.Digits.size()) return;
    const bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9')
            d.Digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.Digits[static_cast<std::size_t>(i)];
        } else {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        }
    }
    StripTrailingZeros(d);
}

} // namespace float_digits_detail

TFloatDigits FloatToDigits(double value, int significant) {
    using namespace float_digits_detail;
    TFloatDigits d = RawDigits(value);
    RoundTo(d, std::clamp(significant, 1, 17));
    StripTrailingZeros(d);
    return d;
}

TFloatDigits FloatToFixedDigits(double value, int decimals) {
    using namespace float_digits_detail;
    TFloatDigits d = RawDigits(value);
    // Digits before the point (Exponent of them) plus the decimals asked for, never more than we have.
    const int keep = d.Exponent + std::max(decimals, 0);
    if (!d.Digits.empty()) {
        if (keep < 0) {
            d.Digits.clear();
        } else if (keep == 0) {
            // Everything is below the last kept place: only rounding can bring up a single unit.
            if (d.Digits[0] >= '5') {
                d.Digits = "1";
                ++d.Exponent;
            } else {
                d.Digits.clear();
            }
        } else {
            RoundTo(d, keep);
        }
    }
    StripTrailingZeros(d);
    return d;
}

void SplitFixed(const TFloatDigits& d, int decimals, std::string& integerPart, std::string& fraction) {
    integerPart.clear();
    fraction.clear();
    const int count = static_cast<int>(d.Digits.size());
    for (int i = 0; i < d.Exponent; ++i)
        integerPart += i < count ? d.Digits[static_cast<std::size_t>(i)] : '0';
    if (integerPart.empty()) integerPart = "0";
    for (int i = 0; i < decimals; ++i) {
        const int index = d.Exponent + i;
        fraction += (index >= 0 && index < count) ? d.Digits[static_cast<std::size_t>(index)] : '0';
    }
}

std::string GroupThousands(const std::string& integerDigits, char separator) {
    std::string out;
    const std::size_t n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += integerDigits[i];
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out += separator;
    }
    return out;
}
