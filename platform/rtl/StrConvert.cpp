#include "platform/rtl/StrConvert.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace str_convert_detail {

template <class T> std::string ToDecimal(T value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ToHex(std::uint64_t value, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kHex[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits)
        out.insert(0, static_cast<std::size_t>(digits) - out.size(), '0');
    return out;
}

// Parses into the magnitude and sign; `bits` is 32 or 64. Hexadecimal may use the full unsigned range
// of that width and is then read as two's complement.
bool ParseInteger(std::string_view s, int bits, std::int64_t& value) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    std::uint64_t magnitude = 0;
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    auto [end, error] = std::from_chars(first, last, magnitude, base);
    if (error != std::errc() || end != last) return false;

    const std::uint64_t unsignedMax = bits == 32 ? 0xFFFFFFFFull : std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t signedMax = bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull;
    if (base == 16) {
        if (magnitude > unsignedMax) return false;
        std::uint64_t bitsValue = negative ? (0 - magnitude) : magnitude;
        if (bits == 32) {
            value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bitsValue));
        } else {
            value = static_cast<std::int64_t>(bitsValue);
        }
        return true;
    }
    if (magnitude > signedMax + (negative ? 1 : 0)) return false;
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

[[noreturn]] void RaiseNotInteger(std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

// Whether decimal text that does not fit a double is too small rather than too large: its first
// significant digit sits below the decimal point.
bool IsTinyMagnitude(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::string expText = text.substr(e + 1);
        if (!expText.empty() && expText[0] == '+') expText.erase(0, 1);
        auto [end, error] = std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
        if (error == std::errc::result_out_of_range) return !expText.empty() && expText[0] == '-';
    }
    const std::size_t point = mantissa.find('.');
    const std::string integerDigits = mantissa.substr(0, point);
    const std::size_t firstNonZero = integerDigits.find_first_not_of("-0");
    long long position = 0; // decimal exponent of the first significant digit, plus one
    if (firstNonZero != std::string::npos) {
        position = static_cast<long long>(integerDigits.size() - firstNonZero);
    } else if (point != std::string::npos) {
        const std::size_t firstFraction = mantissa.find_first_not_of('0', point + 1);
        position = -static_cast<long long>(
            (firstFraction == std::string::npos ? mantissa.size() : firstFraction) - point - 1);
    }
    return position + exponent <= 0;
}

std::string PlainExponent(int exponent) {
    return "E" + std::to_string(exponent);
}

} // namespace str_convert_detail

std::string IntToStr(int value) {
    return str_convert_detail::ToDecimal(value);
}
std::string IntToStr(unsigned value) {
    return str_convert_detail::ToDecimal(value);
}
std::string IntToStr(long value) {
    return str_convert_detail::ToDecimal(value);
}
std::string IntToStr(unsigned long value) {
    return str_convert_detail::ToDecimal(value);
}
std::string IntToStr(long long value) {
    return str_convert_detail::ToDecimal(value);
}
std::string IntToStr(unsigned long long value) {
    return str_convert_detail::ToDecimal(value);
}

std::string IntToHex(std::int32_t value, int digits) {
    return str_convert_detail::ToHex(static_cast<std::uint32_t>(value), digits);
}
std::string IntToHex(std::uint32_t value, int digits) {
    return str_convert_detail::ToHex(value, digits);
}
std::string IntToHex(std::int64_t value, int digits) {
    return str_convert_detail::ToHex(static_cast<std::uint64_t>(value), digits);
}
std::string IntToHex(std::uint64_t value, int digits) {
    return str_convert_detail::ToHex(value, digits);
}

bool TryStrToInt(std::string_view s, int& value) {
    std::int64_t parsed = 0;
    if (!str_convert_detail::ParseInteger(s, 32, parsed)) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool TryStrToInt64(std::string_view s, std::int64_t& value) {
    return str_convert_detail::ParseInteger(s, 64, value);
}

int StrToInt(std::string_view s) {
    int value = 0;
    if (!TryStrToInt(s, value)) str_convert_detail::RaiseNotInteger(s);
    return value;
}

std::int64_t StrToInt64(std::string_view s) {
    std::int64_t value = 0;
    if (!TryStrToInt64(s, value)) str_convert_detail::RaiseNotInteger(s);
    return value;
}

int StrToIntDef(std::string_view s, int defaultValue) {
    int value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

std::int64_t StrToInt64Def(std::string_view s, std::int64_t defaultValue) {
    std::int64_t value = 0;
    return TryStrToInt64(s, value) ? value : defaultValue;
}

std::string FloatToStr(double value) {
    return FloatToStr(value, FormatSettings);
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const TFloatDigits d = FloatToDigits(value, 15);
    if (d.Digits.empty()) return "0";
    std::string out = d.Negative ? "-" : "";
    const int count = static_cast<int>(d.Digits.size());
    if (d.Exponent > 15 || d.Exponent < -4) {
        out += d.Digits[0];
        if (count > 1) out += settings.DecimalSeparator + d.Digits.substr(1);
        return out + str_convert_detail::PlainExponent(d.Exponent - 1);
    }
    std::string integerPart, fraction;
    SplitFixed(d, std::max(count - d.Exponent, 0), integerPart, fraction);
    out += integerPart;
    if (!fraction.empty()) out += settings.DecimalSeparator + fraction;
    return out;
}

bool TryStrToFloat(std::string_view s, double& value) {
    return TryStrToFloat(s, value, FormatSettings);
}

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings) {
    std::size_t first = 0, last = s.size();
    while (first < last && (s[first] == ' ' || s[first] == '\t'))
        ++first;
    while (last > first && (s[last - 1] == ' ' || s[last - 1] == '\t'))
        --last;
    // Normalise to the form the number parser reads: '.' as the separator, no leading '+'.
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        const char c = s[i];
        if (c == settings.DecimalSeparator) {
            text += '.';
        } else if (c == '.' || c == ',' || c == ' ') {
            return false; // a foreign separator is not a number in this locale
        } else {
            text += c;
        }
    }
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    if (text.empty() || text[0] == '+') return false;
    // Only digits, one sign, the point and an exponent: no "inf", "nan" or hexadecimal floats.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    double parsed = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
    if (end != text.data() + text.size()) return false;
    if (error == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a value.
        if (!str_convert_detail::IsTinyMagnitude(text)) return false;
        parsed = 0;
    } else if (error != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

double StrToFloat(std::string_view s) {
    return StrToFloat(s, FormatSettings);
}

double StrToFloat(std::string_view s, const TFormatSettings& settings) {
    double value = 0;
    if (!TryStrToFloat(s, value, settings))
        throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(std::string_view s, double defaultValue) {
    double value = 0;
    return TryStrToFloat(s, value) ? value : defaultValue;
}
