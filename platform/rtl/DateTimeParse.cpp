#include "platform/rtl/DateTimeParse.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/LocaleData.h"
#include "platform/rtl/StrUtils.h"

#include <cctype>
#include <optional>
#include <vector>

namespace date_time_parse_detail {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

void SkipBlanks(std::string_view t, std::size_t& pos) {
    while (pos < t.size() && IsBlank(t[pos]))
        ++pos;
}

// A run of decimal digits (at most nine, so that it fits).
bool ScanNumber(std::string_view t, std::size_t& pos, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (pos < t.size() && IsDigit(t[pos])) {
        if (++digits > 9) return false;
        value = value * 10 + (t[pos++] - '0');
    }
    return digits > 0;
}

bool StartsWithAt(std::string_view t, std::size_t pos, std::string_view s) {
    return !s.empty() && t.substr(pos, s.size()) == s;
}

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// "h:n[:s[.z]]" from pos, blanks allowed around the separators; at least one separator.
bool ScanTimeGroup(std::string_view t, std::size_t& pos, std::string_view ASeparator, char ADecimal,
                   TTimeParts& AParts) {
    int digits = 0;
    int* fields[] = {&AParts.Hour, &AParts.Minute, &AParts.Second};
    if (!ScanNumber(t, pos, AParts.Hour, digits)) return false;
    int count = 1;
    while (count < 3) {
        std::size_t at = pos;
        SkipBlanks(t, at);
        if (!StartsWithAt(t, at, ASeparator)) break;
        at += ASeparator.size();
        SkipBlanks(t, at);
        if (!ScanNumber(t, at, *fields[count], digits)) return false;
        pos = at;
        ++count;
    }
    if (count == 3 && pos < t.size() && t[pos] == ADecimal && pos + 1 < t.size() && IsDigit(t[pos + 1])) {
        ++pos;
        int fraction = 0;
        if (!ScanNumber(t, pos, fraction, digits) || digits > 3) return false;
        AParts.Millisecond = fraction * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
    }
    return count >= 2;
}

// 0 no designator, 1 AM, 2 PM.
int Designator(std::string_view AWord, const std::string& AAm, const std::string& APm) {
    if ((!AAm.empty() && AnsiSameText(AWord, AAm)) || SameText(AWord, "AM") || SameText(AWord, "A")) return 1;
    if ((!APm.empty() && AnsiSameText(AWord, APm)) || SameText(AWord, "PM") || SameText(AWord, "P")) return 2;
    return 0;
}

// The time of day with its designator applied; false when it does not exist.
bool TimeValue(TTimeParts AParts, int ADesignator, TDateTime& AValue) {
    if (ADesignator != 0) {
        if (AParts.Hour > 12) return false;
        if (ADesignator == 1 && AParts.Hour == 12) AParts.Hour = 0;
        if (ADesignator == 2 && AParts.Hour < 12) AParts.Hour += 12;
    }
    return TryEncodeTime(AParts.Hour, AParts.Minute, AParts.Second, AParts.Millisecond, AValue);
}

TDateTime Combine(TDateTime ADate, TDateTime ATime) {
    return ADate < 0 ? ADate - ATime : ADate + ATime;
}

[[noreturn]] void CastError(const char* AFrom, const char* ATo) {
    throw EVariantTypeCastError(
        Format("Could not convert variant of type (%s) into type (%s)", {AFrom, ATo}));
}

// One word or number of a date text.
struct TToken {
    bool IsNumber = false;
    int Value = 0;
    int Digits = 0;
    std::string Word;
};

class TVariantDateReader {
public:
    explicit TVariantDateReader(const TLocaleDefinition& ALocale) : L(ALocale) {}
    TDateTime Read(std::string_view AText);

private:
    bool IsSeparatorAt(std::string_view t, std::size_t pos) const;
    bool ReadWord(const std::string& AWord);
    bool DateValue(TDateTime& AValue) const;
    int FullYear(const TToken& AYear) const;

    const TLocaleDefinition& L;
    std::vector<TToken> FNumbers;
    int FMonthName = 0;
    int FDesignator = 0;
    std::optional<TTimeParts> FTime;
};

bool TVariantDateReader::IsSeparatorAt(std::string_view t, std::size_t pos) const {
    const char c = t[pos];
    return IsBlank(c) || c == ',' || c == '/' || c == '-' || c == '.' ||
           StartsWithAt(t, pos, L.DateSeparator);
}

bool TVariantDateReader::ReadWord(const std::string& AWord) {
    for (int m = 0; m < 12; ++m)
        if (AnsiSameText(AWord, L.MonthNames[m]) || AnsiSameText(AWord, L.AbbrevMonthNames[m])) {
            if (FMonthName != 0) return false;
            FMonthName = m + 1;
            return true;
        }
    if (const int designator = Designator(AWord, L.AMDesignator, L.PMDesignator)) {
        if (FDesignator != 0) return false;
        FDesignator = designator;
        return true;
    }
    // Day names may stand in front of a date; they add nothing to it.
    for (int d = 0; d < 7; ++d)
        if (AnsiSameText(AWord, L.DayNames[d]) || AnsiSameText(AWord, L.AbbrevDayNames[d])) return true;
    return false;
}

int TVariantDateReader::FullYear(const TToken& AYear) const {
    if (AYear.Digits > 2) return AYear.Value;
    DWORD max = 2029;
    GetCalendarInfoA(L.Id, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &max);
    const int window = static_cast<int>(max);
    const int year = AYear.Value + window / 100 * 100;
    return year > window ? year - 100 : year;
}

bool TVariantDateReader::DateValue(TDateTime& AValue) const {
    const auto isYear = [](const TToken& t) { return t.Digits >= 3 || t.Value > 31; };
    std::uint16_t thisYear, thisMonth, thisDay;
    DecodeDate(Date(), thisYear, thisMonth, thisDay);
    int year = thisYear, month = 0, day = 0;
    const std::size_t n = FNumbers.size();
    if (FMonthName != 0) {
        month = FMonthName;
        if (n == 1) {
            if (isYear(FNumbers[0])) {
                year = FullYear(FNumbers[0]);
                day = 1;
            } else {
                day = FNumbers[0].Value;
            }
        } else if (n == 2) {
            const bool yearFirst = isYear(FNumbers[0]);
            year = FullYear(FNumbers[yearFirst ? 0 : 1]);
            day = FNumbers[yearFirst ? 1 : 0].Value;
        } else {
            return false;
        }
    } else {
        const int order = DateOrderOf(L.ShortDate);
        if (n == 3) {
            if (isYear(FNumbers[0]) || order == 2) {
                year = FullYear(FNumbers[0]);
                month = FNumbers[1].Value;
                day = FNumbers[2].Value;
            } else {
                year = FullYear(FNumbers[2]);
                month = FNumbers[order == 1 ? 1 : 0].Value;
                day = FNumbers[order == 1 ? 0 : 1].Value;
            }
        } else if (n == 2) {
            month = FNumbers[order == 1 ? 1 : 0].Value;
            day = FNumbers[order == 1 ? 0 : 1].Value;
        } else if (n == 0 && FTime) {
            AValue = 0;
            return true;
        } else {
            return false;
        }
    }
    return TryEncodeDate(year, month, day, AValue);
}

TDateTime TVariantDateReader::Read(std::string_view t) {
    std::size_t pos = 0;
    while (pos < t.size()) {
        if (IsSeparatorAt(t, pos)) {
            pos += StartsWithAt(t, pos, L.DateSeparator) ? L.DateSeparator.size() : 1;
            continue;
        }
        if (IsDigit(t[pos])) {
            std::size_t after = pos;
            TToken number;
            number.IsNumber = true;
            if (!ScanNumber(t, after, number.Value, number.Digits)) CastError("String", "Date");
            std::size_t probe = after;
            SkipBlanks(t, probe);
            if (StartsWithAt(t, probe, L.TimeSeparator)) {
                TTimeParts parts;
                if (FTime || !ScanTimeGroup(t, pos, L.TimeSeparator,
                                            L.DecimalSeparator.empty() ? '.' : L.DecimalSeparator[0], parts))
                    CastError("String", "Date");
                FTime = parts;
                continue;
            }
            if (FNumbers.size() == 3) CastError("String", "Date");
            FNumbers.push_back(number);
            pos = after;
            continue;
        }
        std::size_t end = pos;
        while (end < t.size() && !IsDigit(t[end]) && !IsSeparatorAt(t, end))
            ++end;
        if (!ReadWord(std::string(t.substr(pos, end - pos)))) CastError("String", "Date");
        pos = end;
    }
    TDateTime date = 0, time = 0;
    if (FDesignator != 0 && !FTime) CastError("String", "Date");
    if (!DateValue(date)) CastError("String", "Date");
    if (FTime && !TimeValue(*FTime, FDesignator, time)) CastError("String", "Date");
    return Combine(date, time);
}

} // namespace date_time_parse_detail

int DateOrderOf(std::string_view AFormat) {
    for (const char c : AFormat) {
        switch (c) {
        case 'm':
        case 'M':
            return 0;
        case 'd':
        case 'D':
            return 1;
        case 'y':
        case 'Y':
        case 'e':
        case 'E':
            return 2;
        default:
            break;
        }
    }
    return 0;
}

bool TryStrToTime(std::string_view AText, TDateTime& AValue, const TFormatSettings& ASettings) {
    using namespace date_time_parse_detail;
    std::size_t pos = 0;
    SkipBlanks(AText, pos);
    TTimeParts parts;
    int digits = 0;
    const char separator[] = {ASettings.TimeSeparator, '\0'};
    std::size_t grouped = pos;
    const bool group = ScanTimeGroup(AText, grouped, separator, ASettings.DecimalSeparator, parts);
    if (group)
        pos = grouped;
    else if (!ScanNumber(AText, pos, parts.Hour, digits))
        return false;
    SkipBlanks(AText, pos);
    const std::string rest = TrimRight(AText.substr(pos));
    const int designator =
        rest.empty() ? 0 : Designator(rest, ASettings.TimeAMString, ASettings.TimePMString);
    if ((!rest.empty() && designator == 0) || (!group && designator == 0)) return false;
    return TimeValue(parts, designator, AValue);
}

bool TryStrToTime(std::string_view AText, TDateTime& AValue) {
    return TryStrToTime(AText, AValue, FormatSettings);
}

TDateTime StrToTime(std::string_view AText, const TFormatSettings& ASettings) {
    TDateTime value = 0;
    if (!TryStrToTime(AText, value, ASettings))
        throw EConvertError(Format("'%s' is not a valid time", {std::string(AText)}));
    return value;
}

TDateTime StrToTime(std::string_view AText) {
    return StrToTime(AText, FormatSettings);
}

TDateTime VarToDateTime(std::string_view AText) {
    const TLocaleDefinition* locale = FindLocale(GetThreadLocale());
    if (locale == nullptr) locale = &EnglishUSLocale();
    return date_time_parse_detail::TVariantDateReader(*locale).Read(AText);
}

std::string VarDateToStr(TDateTime AValue) {
    SYSTEMTIME t;
    DateTimeToSystemTime(AValue, t);
    if (t.wYear == 0) date_time_parse_detail::CastError("Date", "String");
    const LCID locale = GetThreadLocale();
    char buffer[256];
    std::string text;
    const bool hasTime = t.wHour != 0 || t.wMinute != 0 || t.wSecond != 0 || t.wMilliseconds != 0;
    // The date of day 0 stands for "no date": a time alone is written without it.
    if (static_cast<long long>(AValue) != 0 || !hasTime) {
        if (GetDateFormatA(locale, 0, &t, nullptr, buffer, sizeof buffer) <= 0)
            date_time_parse_detail::CastError("Date", "String");
        text = buffer;
    }
    if (hasTime || text.empty()) {
        if (GetTimeFormatA(locale, 0, &t, nullptr, buffer, sizeof buffer) <= 0)
            date_time_parse_detail::CastError("Date", "String");
        text += text.empty() ? std::string(buffer) : " " + std::string(buffer);
    }
    return text;
}
