#include "platform/rtl/Format.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatDigits.h"
#include "platform/rtl/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace format_detail {

class TFormatter {
public:
    TFormatter(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings)
        : FFormat(format), FArgs(args), FSettings(settings) {}

    std::string Run();

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(FFormat) + "' invalid or incompatible with argument");
    }
    const TVarRec& NextArg() {
        if (FArgIndex >= FArgs.size())
            throw EConvertError("No argument for format '" + std::string(FFormat) + "'");
        return FArgs[FArgIndex++];
    }
    // A number in the specifier, or '*' for one taken from the arguments; -1 when absent.
    int ReadCount();
    void FormatOne();

    std::string Integer(const TVarRec& arg, char type, int precision) const;
    std::string Float(const TVarRec& arg, char type, int precision) const;
    std::string Money(const std::string& number, bool negative) const;

    std::string_view FFormat;
    std::span<const TVarRec> FArgs;
    const TFormatSettings& FSettings;
    std::size_t FPos = 0;
    std::size_t FArgIndex = 0;
    std::string FOut;
};

int TFormatter::ReadCount() {
    if (FPos < FFormat.size() && FFormat[FPos] == '*') {
        ++FPos;
        const TVarRec& arg = NextArg();
        if (arg.Kind() != TVarRec::vtInteger) Invalid();
        return static_cast<int>(std::max<std::int64_t>(arg.AsInt64(), 0));
    }
    if (FPos >= FFormat.size() || FFormat[FPos] < '0' || FFormat[FPos] > '9') return -1;
    long long value = 0;
    while (FPos < FFormat.size() && FFormat[FPos] >= '0' && FFormat[FPos] <= '9') {
        value = value * 10 + (FFormat[FPos++] - '0');
        if (value > 1000000) Invalid(); // no sane width; refuse rather than allocate gigabytes
    }
    return static_cast<int>(value);
}

std::string TFormatter::Run() {
    FOut.reserve(FFormat.size() + 16 * FArgs.size());
    while (FPos < FFormat.size()) {
        const char c = FFormat[FPos++];
        if (c != '%') {
            FOut += c;
        } else if (FPos < FFormat.size() && FFormat[FPos] == '%') {
            FOut += '%';
            ++FPos;
        } else {
            FormatOne();
        }
    }
    return std::move(FOut);
}

void TFormatter::FormatOne() {
    // [index:] — a count followed by ':' selects the argument; otherwise it was the width.
    int width = ReadCount();
    if (width >= 0 && FPos < FFormat.size() && FFormat[FPos] == ':') {
        ++FPos;
        FArgIndex = static_cast<std::size_t>(width);
        width = -1;
    }
    bool leftJustify = false;
    if (width < 0 && FPos < FFormat.size() && FFormat[FPos] == '-') {
        leftJustify = true;
        ++FPos;
    }
    if (width < 0) width = ReadCount();
    int precision = -1;
    if (FPos < FFormat.size() && FFormat[FPos] == '.') {
        ++FPos;
        precision = std::max(ReadCount(), 0);
    }
    if (FPos >= FFormat.size()) Invalid();
    const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(FFormat[FPos++])));

    std::string text;
    switch (type) {
    case 'd':
    case 'u':
    case 'x':
        text = Integer(NextArg(), type, precision);
        break;
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm':
        text = Float(NextArg(), type, precision);
        break;
    case 'p': {
        const TVarRec& arg = NextArg();
        if (arg.Kind() != TVarRec::vtPointer) Invalid();
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%016llX",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(arg.AsPointer())));
        text = buffer;
        break;
    }
    case 's': {
        const TVarRec& arg = NextArg();
        if (arg.Kind() != TVarRec::vtString && arg.Kind() != TVarRec::vtChar) Invalid();
        std::string_view s = arg.AsString();
        if (precision >= 0) s = s.substr(0, Utf8OffsetOf(s, static_cast<std::size_t>(precision)));
        text = s;
        break;
    }
    default:
        Invalid();
    }

    const std::size_t length = Utf8Length(text);
    if (width > 0 && length < static_cast<std::size_t>(width)) {
        const std::string padding(static_cast<std::size_t>(width) - length, ' ');
        text = leftJustify ? text + padding : padding + text;
    }
    FOut += text;
}

std::string TFormatter::Integer(const TVarRec& arg, char type, int precision) const {
    bool negative = false;
    std::uint64_t magnitude = 0;
    switch (arg.Kind()) {
    case TVarRec::vtInteger:
    case TVarRec::vtInt64: {
        const std::int64_t v = arg.AsInt64();
        if (type == 'd') {
            negative = v < 0;
            magnitude = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        } else if (arg.Kind() == TVarRec::vtInteger) {
            magnitude = static_cast<std::uint32_t>(v); // 32-bit values show their 32-bit pattern
        } else {
            magnitude = static_cast<std::uint64_t>(v);
        }
        break;
    }
    case TVarRec::vtUInt64:
        magnitude = arg.AsUInt64();
        break;
    default:
        Invalid();
    }
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, type == 'x' ? "%llX" : "%llu",
                  static_cast<unsigned long long>(magnitude));
    std::string digits = buffer;
    if (precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

std::string TFormatter::Float(const TVarRec& arg, char type, int precision) const {
    if (arg.Kind() != TVarRec::vtExtended) Invalid();
    const double value = arg.AsFloat();
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const char point = FSettings.DecimalSeparator;

    if (type == 'e') {
        const int digitsWanted = std::clamp(precision < 0 ? 15 : precision, 1, 18);
        const TFloatDigits d = FloatToDigits(value, digitsWanted);
        std::string digits = d.Digits.empty() ? "0" : d.Digits;
        digits.resize(static_cast<std::size_t>(digitsWanted), '0');
        const int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
        std::string out = d.Negative && !d.Digits.empty() ? "-" : "";
        out += digits[0];
        if (digitsWanted > 1) out += point + digits.substr(1);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "E%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + buffer;
    }
    if (type == 'g') {
        const int digitsWanted = std::clamp(precision < 0 ? 15 : precision, 1, 17);
        const TFloatDigits d = FloatToDigits(value, digitsWanted);
        if (d.Digits.empty()) return "0";
        std::string out = d.Negative ? "-" : "";
        const int count = static_cast<int>(d.Digits.size());
        if (d.Exponent > digitsWanted || d.Exponent < -4) {
            out += d.Digits[0];
            if (count > 1) out += point + d.Digits.substr(1);
            return out + "E" + std::to_string(d.Exponent - 1);
        }
        std::string integerPart, fraction;
        SplitFixed(d, std::max(count - d.Exponent, 0), integerPart, fraction);
        out += integerPart;
        if (!fraction.empty()) out += point + fraction;
        return out;
    }

    // f, n and m: a fixed number of decimals.
    const int decimals =
        std::min(precision >= 0 ? precision : (type == 'm' ? FSettings.CurrencyDecimals : 2), 18);
    const TFloatDigits d = FloatToFixedDigits(value, decimals);
    std::string integerPart, fraction;
    SplitFixed(d, decimals, integerPart, fraction);
    if (type != 'f' && FSettings.ThousandSeparator != '\0')
        integerPart = GroupThousands(integerPart, FSettings.ThousandSeparator);
    std::string number = integerPart;
    if (decimals > 0) number += point + fraction;
    const bool negative = d.Negative && !d.Digits.empty(); // never "-0.00"
    if (type == 'm') return Money(number, negative);
    return negative ? "-" + number : number;
}

std::string TFormatter::Money(const std::string& number, bool negative) const {
    // '$' stands for the currency string and '1' for the number.
    static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
    static const char* const kNegative[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
                                            "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
    const char* pattern =
        negative ? kNegative[FSettings.NegCurrFormat % 16] : kPositive[FSettings.CurrencyFormat % 4];
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$') {
            out += FSettings.CurrencyString;
        } else if (*p == '1') {
            out += number;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace format_detail

std::string Format(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings) {
    return format_detail::TFormatter(format, args, settings).Run();
}

std::string Format(std::string_view format, std::span<const TVarRec> args) {
    return Format(format, args, FormatSettings);
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
    return Format(format, std::span<const TVarRec>(args.begin(), args.size()), FormatSettings);
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings) {
    return Format(format, std::span<const TVarRec>(args.begin(), args.size()), settings);
}
