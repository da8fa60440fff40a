#include "platform/rtl/FormatFloat.h"

#include "platform/rtl/FloatDigits.h"
#include "platform/rtl/StrConvert.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace format_float_detail {

// What one section of the picture asks for.
struct TPicture {
    std::string_view Text;
    int IntegerPlaces = 0;    // '0' and '#' before the point
    int RequiredInteger = 0;  // integer places from the first '0' on
    int FractionPlaces = 0;   // '0' and '#' after the point
    int RequiredFraction = 0; // fraction places up to the last '0'
    bool Thousands = false;
    bool Scientific = false;
};

// The ';'-separated pictures, ignoring separators inside quoted literals.
std::vector<std::string_view> SplitSections(std::string_view format) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

bool IsExponentAt(std::string_view text, std::size_t i) {
    return (text[i] == 'E' || text[i] == 'e') && i + 1 < text.size() &&
           (text[i + 1] == '+' || text[i + 1] == '-');
}

TPicture Analyse(std::string_view text) {
    TPicture p;
    p.Text = text;
    bool afterPoint = false;
    int firstZero = -1; // index among integer places
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (IsExponentAt(text, i)) {
            p.Scientific = true;
            break; // the exponent's own zeros are not digit places
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            p.Thousands = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++p.FractionPlaces;
                if (c == '0') p.RequiredFraction = p.FractionPlaces;
            } else {
                if (c == '0' && firstZero < 0) firstZero = p.IntegerPlaces;
                ++p.IntegerPlaces;
            }
        }
    }
    p.RequiredInteger = firstZero < 0 ? 0 : p.IntegerPlaces - firstZero;
    return p;
}

class TPictureWriter {
public:
    TPictureWriter(const TPicture& picture, const TFormatSettings& settings)
        : FPicture(picture), FSettings(settings) {}

    std::string Write(double magnitude, bool showMinus);

private:
    void PrepareFixed(double magnitude);
    void PrepareScientific(double magnitude);
    void EmitIntegerPlace(int index);
    std::string ExponentText(std::string_view text, std::size_t& i) const;

    const TPicture& FPicture;
    const TFormatSettings& FSettings;
    std::string FInteger;  // integer digits, without leading zeros ("" for zero)
    std::string FFraction; // fraction digits, trailing zeros beyond the required ones removed
    int FExponent = 0;
    std::string FOut;
};

void TPictureWriter::PrepareFixed(double magnitude) {
    const TFloatDigits d = FloatToFixedDigits(magnitude, FPicture.FractionPlaces);
    SplitFixed(d, FPicture.FractionPlaces, FInteger, FFraction);
    if (FInteger == "0") FInteger.clear();
}

void TPictureWriter::PrepareScientific(double magnitude) {
    const int integerDigits = std::max(FPicture.IntegerPlaces, 1);
    const int significant = std::min(integerDigits + FPicture.FractionPlaces, 17);
    const TFloatDigits d = FloatToDigits(magnitude, significant);
    if (d.Digits.empty()) {
        FInteger.clear();
        FFraction.assign(static_cast<std::size_t>(FPicture.FractionPlaces), '0');
        FExponent = 0;
        return;
    }
    FExponent = d.Exponent - integerDigits;
    std::string digits = d.Digits;
    digits.resize(static_cast<std::size_t>(integerDigits + FPicture.FractionPlaces), '0');
    FInteger = digits.substr(0, static_cast<std::size_t>(integerDigits));
    FFraction = digits.substr(static_cast<std::size_t>(integerDigits));
    const std::size_t firstNonZero = FInteger.find_first_not_of('0');
    FInteger = firstNonZero == std::string::npos ? "" : FInteger.substr(firstNonZero);
}

// Integer place `index` (0 = leftmost) shows the digit whose power of ten is (places - 1 - index);
// the leftmost place also shows every digit that has no place of its own.
void TPictureWriter::EmitIntegerPlace(int index) {
    const int places = FPicture.IntegerPlaces;
    const int power = places - 1 - index;
    const int length = static_cast<int>(FInteger.size());
    const int shown = std::max(length, FPicture.RequiredInteger);
    const int highest = index == 0 ? shown - 1 : power;
    for (int p = highest; p >= power; --p) {
        if (p >= shown) continue;
        const int at = length - 1 - p;
        FOut += at >= 0 ? FInteger[static_cast<std::size_t>(at)] : '0';
        if (FPicture.Thousands && p > 0 && p % 3 == 0) FOut += FSettings.ThousandSeparator;
    }
}

std::string TPictureWriter::ExponentText(std::string_view text, std::size_t& i) const {
    const char e = text[i];
    const char sign = text[i + 1];
    i += 2;
    int minimumDigits = 0;
    while (i < text.size() && text[i] == '0') {
        ++minimumDigits;
        ++i;
    }
    std::string digits = std::to_string(std::abs(FExponent));
    if (static_cast<int>(digits.size()) < minimumDigits)
        digits.insert(0, static_cast<std::size_t>(minimumDigits) - digits.size(), '0');
    std::string out(1, e);
    if (FExponent < 0) {
        out += '-';
    } else if (sign == '+') {
        out += '+';
    }
    return out + digits;
}

std::string TPictureWriter::Write(double magnitude, bool showMinus) {
    if (FPicture.Scientific) {
        PrepareScientific(magnitude);
    } else {
        PrepareFixed(magnitude);
    }
    while (static_cast<int>(FFraction.size()) > FPicture.RequiredFraction && !FFraction.empty() &&
           FFraction.back() == '0')
        FFraction.pop_back();
    // A value that rounds to zero shows no sign.
    if (showMinus && (!FInteger.empty() || FFraction.find_first_not_of('0') != std::string::npos))
        FOut += '-';

    const std::string_view text = FPicture.Text;
    int integerIndex = 0;
    int fractionIndex = 0;
    bool afterPoint = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = text.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            FOut.append(text.substr(i + 1, end - i - 1));
            i = end == text.size() ? end : end + 1;
            continue;
        }
        if (FPicture.Scientific && IsExponentAt(text, i)) {
            FOut += ExponentText(text, i);
            continue;
        }
        if (c == '0' || c == '#') {
            if (afterPoint) {
                if (fractionIndex < static_cast<int>(FFraction.size()))
                    FOut += FFraction[static_cast<std::size_t>(fractionIndex)];
                ++fractionIndex;
            } else {
                EmitIntegerPlace(integerIndex++);
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            if (!FFraction.empty()) FOut += FSettings.DecimalSeparator;
        } else if (c != ',') {
            FOut += c;
        }
        ++i;
    }
    // A picture without integer places still has to show the integer digits somewhere.
    if (FPicture.IntegerPlaces == 0 && !FInteger.empty()) {
        // Rare pictures such as ".00": the integer goes before everything else.
        const std::size_t signLength = FOut.size() > 0 && FOut[0] == '-' ? 1 : 0;
        FOut.insert(signLength, FInteger);
    }
    return FOut;
}

} // namespace format_float_detail

std::string FormatFloat(std::string_view format, double value) {
    return FormatFloat(format, value, FormatSettings);
}

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings) {
    using namespace format_float_detail;
    if (format.empty() || !std::isfinite(value)) return FloatToStr(value, settings);
    const std::vector<std::string_view> sections = SplitSections(format);
    // The section follows the value as the first picture shows it: what rounds to zero is zero.
    const TPicture first = Analyse(sections[0]);
    const bool roundsToZero =
        value == 0 || (!first.Scientific && FloatToFixedDigits(value, first.FractionPlaces).Digits.empty());
    std::string_view section = sections[0];
    bool showMinus = value < 0;
    if (roundsToZero) {
        if (sections.size() > 2 && !sections[2].empty()) section = sections[2];
        showMinus = false;
    } else if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
        section = sections[1];
        showMinus = false; // the negative picture supplies its own sign, if any
    }
    const TPicture picture = Analyse(section);
    return TPictureWriter(picture, settings).Write(std::fabs(value), showMinus);
}
