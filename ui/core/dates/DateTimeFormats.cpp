#include "ui/core/dates/DateTimeFormats.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/LocaleFormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "ui/core/dates/DateUtils.h"
#include "ui/core/dates/SmartDates.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace date_time_formats_detail {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithNoCase(std::string_view AText, std::size_t APos, std::string_view APrefix) {
    return AText.size() - APos >= APrefix.size() && SameText(AText.substr(APos, APrefix.size()), APrefix);
}

// Walks a class-library format and adds its items; nested formats ("C", "ddddd", "t") go one level
// deeper, and at the third level nothing more is read.
class TFormatParser {
public:
    explicit TFormatParser(TuiDateTimeFormatInfo* AInfo) : FInfo(AInfo) {}
    bool Parse(std::string_view AFormat, int ADepth);

private:
    bool ParseLetters(std::string_view AFormat, std::size_t& APos, int ADepth);
    TuiDateTimeFormatInfo* FInfo;
    char FLastLetter = 0; // an "M" right after an "H" means minutes
};

bool TFormatParser::Parse(std::string_view AFormat, int ADepth) {
    if (ADepth >= 2) return true;
    std::size_t i = 0;
    while (i < AFormat.size()) {
        const char c = AFormat[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            // A character of several bytes is copied whole.
            const std::size_t start = i;
            Utf8Next(AFormat, i);
            FInfo->AddItem(dtikLiteral, std::string(AFormat.substr(start, i - start)));
        } else if (c == '\'' || c == '"') {
            const std::size_t close = AFormat.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? AFormat.size() : close;
            FInfo->AddItem(dtikLiteral, std::string(AFormat.substr(i + 1, end - i - 1)));
            i = end == AFormat.size() ? end : end + 1;
        } else if (c == '/') {
            FInfo->AddItem(dtikDateSeparator, "");
            ++i;
        } else if (c == ':') {
            FInfo->AddItem(dtikTimeSeparator, "");
            ++i;
        } else if (IsLetter(c)) {
            if (!ParseLetters(AFormat, i, ADepth)) return false;
        } else {
            FInfo->AddItem(dtikLiteral, std::string(1, c));
            ++i;
        }
    }
    return true;
}

bool TFormatParser::ParseLetters(std::string_view F, std::size_t& i, int ADepth) {
    const char letter = Upper(F[i]);
    std::size_t run = 1;
    while (i + run < F.size() && Upper(F[i + run]) == letter)
        ++run;
    const int count = static_cast<int>(run);
    const char previous = FLastLetter;
    FLastLetter = letter;
    switch (letter) {
    case 'A':
        if (StartsWithNoCase(F, i, "AM/PM")) {
            FInfo->AddItem(dtikTimeMarker, std::string(F.substr(i, 5)));
            i += 5;
        } else if (StartsWithNoCase(F, i, "A/P")) {
            FInfo->AddItem(dtikTimeMarker, std::string(F.substr(i, 3)));
            i += 3;
        } else if (StartsWithNoCase(F, i, "AMPM")) {
            FInfo->AddItem(dtikTimeMarker, "AMPM");
            i += 4;
        } else if (run >= 4) {
            FInfo->AddItem(dtikDay, "DDDD");
            i += 4;
        } else if (run == 3) {
            FInfo->AddItem(dtikDay, "DDD");
            i += 3;
        } else {
            FInfo->AddItem(dtikLiteral, std::string(1, F[i]));
            ++i;
        }
        return true;
    case 'C':
        ++i;
        if (!Parse(FormatSettings.ShortDateFormat, ADepth + 1)) return false;
        FInfo->AddItem(dtikLiteral, " ");
        return Parse(uiGetTimeFormat(), ADepth + 1);
    case 'D':
        i += run;
        if (count <= 4) {
            FInfo->AddItem(dtikDay, std::string(run, 'D'));
            return true;
        }
        return Parse(count == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, ADepth + 1);
    case 'E':
    case 'Y':
        FInfo->AddItem(dtikYear, count > 2 ? "YYYY" : "YY");
        i += run;
        return true;
    case 'G':
        return false;
    case 'H':
        FInfo->AddItem(dtikHour, std::string(std::min(run, std::size_t{2}), 'H'));
        i += run;
        return true;
    case 'N':
        FInfo->AddItem(dtikMinute, std::string(std::min(run, std::size_t{2}), 'N'));
        i += run;
        return true;
    case 'S':
        FInfo->AddItem(dtikSecond, std::string(std::min(run, std::size_t{2}), 'S'));
        i += run;
        return true;
    case 'M':
        if (previous == 'H')
            FInfo->AddItem(dtikMinute, std::string(std::min(run, std::size_t{2}), 'N'));
        else
            FInfo->AddItem(dtikMonth, std::string(std::min(run, std::size_t{4}), 'M'));
        i += run;
        return true;
    case 'Z':
        FInfo->AddItem(dtikMillisecond, std::string(std::min(run, std::size_t{3}), 'Z'));
        i += run;
        return true;
    case 'T':
        i += run;
        return Parse(count == 1 ? FormatSettings.ShortTimeFormat : uiGetTimeFormat(), ADepth + 1);
    default:
        FInfo->AddItem(dtikLiteral, std::string(F.substr(i, run)));
        i += run;
        return true;
    }
}

int IndexOfKind(const TuiDateTimeFormatInfo* AInfo, int AKind) {
    for (int i = 0; i < AInfo->Count(); ++i)
        if (AInfo->Items(i)->Kind() == AKind) return i;
    return -1;
}

// The 12-hour clock when there is an AM/PM marker; a marker without hours is dropped.
void PostProcess(TuiDateTimeFormatInfo* AInfo) {
    const int hour = IndexOfKind(AInfo, dtikHour);
    const bool marker = AInfo->Defined(dtikTimeMarker);
    if (hour >= 0) {
        TuiDateTimeFormatItem* item = AInfo->Items(hour);
        item->SetData((marker ? "12" : "24") + item->Data());
    } else if (marker) {
        AInfo->DeleteItem(IndexOfKind(AInfo, dtikTimeMarker));
    }
}

// A separator in a regular-expression mask.
std::string SeparatorPattern(char ASeparator) {
    if (ASeparator == '\0') return {};
    if (ASeparator == ' ') return "' '";
    return std::string("\\") + ASeparator;
}

std::string MonthPattern(bool ALongNames) {
    std::string names;
    for (int m = 0; m < 12; ++m) {
        if (m > 0) names += '|';
        names += uiQuoteRegExprText(ALongNames ? FormatSettings.LongMonthNames[m]
                                               : FormatSettings.ShortMonthNames[m]);
    }
    return "((0?[1-9]|1[012])|(" + names + "))";
}

std::string DateItemPattern(const TuiDateTimeFormatItem& AItem) {
    switch (AItem.Kind()) {
    case dtikLiteral:
        return uiQuoteRegExprText(AItem.Data());
    case dtikYear:
        return AItem.Data().size() == 2 ? "\\d\\d" : "\\d\\d\\d\\d";
    case dtikMonth:
        return MonthPattern(AItem.Data().size() == 4);
    case dtikDay:
        return "([012]?[1-9]|[123]0|31)";
    case dtikDateSeparator:
        return SeparatorPattern(FormatSettings.DateSeparator);
    default:
        return {};
    }
}

std::string TimeItemPattern(const TuiDateTimeFormatItem& AItem) {
    switch (AItem.Kind()) {
    case dtikLiteral:
        return uiQuoteRegExprText(AItem.Data());
    case dtikHour:
        return AItem.Data().rfind("12", 0) == 0 ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])";
    case dtikMinute:
    case dtikSecond:
        return "[0-5]?\\d";
    case dtikTimeMarker: {
        if (SameText(AItem.Data(), "A/P")) return "(A|P)?";
        if (SameText(AItem.Data(), "AM/PM")) return "(AM|PM)?";
        const std::string& am = FormatSettings.TimeAMString;
        const std::string& pm = FormatSettings.TimePMString;
        if (!am.empty() && !pm.empty()) return "('" + am + "'|'" + pm + "')?";
        if (!am.empty() || !pm.empty()) return "('" + (am.empty() ? pm : am) + "')?";
        return {};
    }
    case dtikTimeSeparator:
        return SeparatorPattern(FormatSettings.TimeSeparator);
    default:
        return {};
    }
}

} // namespace date_time_formats_detail

void TuiDateTimeFormatInfo::Clear() {
    FItems.Clear();
    FDefined.fill(false);
}

void TuiDateTimeFormatInfo::AddItem(int AKind, const std::string& AData) {
    if (AKind == dtikLiteral) {
        if (Count() > 0 && Items(Count() - 1)->Kind() == dtikLiteral) {
            TuiDateTimeFormatItem* last = Items(Count() - 1);
            last->SetData(last->Data() + AData);
            return;
        }
    } else if (AKind != dtikDateSeparator && AKind != dtikTimeSeparator) {
        if (Defined(AKind)) return;
        FDefined[AKind] = true;
    }
    FItems.Add(new TuiDateTimeFormatItem(static_cast<std::uint8_t>(AKind), AData));
}

void TuiDateTimeFormatInfo::DeleteItem(int AIndex) {
    const int kind = Items(AIndex)->Kind();
    if (kind != dtikLiteral && kind != dtikDateSeparator && kind != dtikTimeSeparator) FDefined[kind] = false;
    FItems.DeleteAndFree(AIndex);
}

void uiParseDateTimeFormat(const std::string& AFormat, TuiDateTimeFormatInfo* AInfo) {
    AInfo->Clear();
    date_time_formats_detail::TFormatParser parser(AInfo);
    if (parser.Parse(AFormat.empty() ? std::string_view("C") : std::string_view(AFormat), 0))
        date_time_formats_detail::PostProcess(AInfo);
    else
        AInfo->Clear();
}

std::string uiGetTimeFormat() {
    return ConvertLocaleTimeFormat(uiGetLocaleTimeFormat());
}

std::string uiGetStandardMask(const TuiDateTimeFormatInfo* AInfo, int AMaskKind) {
    if (AInfo->Count() == 0) return {};
    const bool time = AMaskKind == uiMaskKindTime;
    std::string mask = time ? "" : "!";
    for (int i = 0; i < AInfo->Count(); ++i) {
        const TuiDateTimeFormatItem& item = *AInfo->Items(i);
        switch (item.Kind()) {
        case dtikLiteral: {
            std::size_t pos = 0;
            while (pos < item.Data().size()) {
                const std::size_t start = pos;
                Utf8Next(item.Data(), pos);
                mask += '\\';
                mask += item.Data().substr(start, pos - start);
            }
            break;
        }
        case dtikYear:
            mask += item.Data().size() == 2 ? "99" : "9999";
            break;
        case dtikMonth:
        case dtikDay:
            mask += item.Data().size() > 2 ? "lll" : "99";
            break;
        case dtikHour:
        case dtikMinute:
        case dtikSecond:
            mask += time ? "00" : "99";
            break;
        case dtikTimeMarker:
            if (SameText(item.Data(), "A/P"))
                mask += "c";
            else if (SameText(item.Data(), "AM/PM"))
                mask += "cc";
            else
                mask += std::string(std::max(Utf8Length(FormatSettings.TimeAMString),
                                             Utf8Length(FormatSettings.TimePMString)),
                                    'c');
            break;
        case dtikDateSeparator:
            mask += '/';
            break;
        case dtikTimeSeparator:
            mask += ':';
            break;
        default:
            break;
        }
    }
    return mask + (time ? ";1;0" : ";1; ");
}

std::string uiGetRegExprMask(const TuiDateTimeFormatInfo* AInfo, int AMaskKind) {
    using namespace date_time_formats_detail;
    const bool dates = AMaskKind == uiMaskKindDate || AMaskKind == uiMaskKindDateTime;
    const bool times = AMaskKind == uiMaskKindTime || AMaskKind == uiMaskKindDateTime;
    std::string mask;
    for (int i = 0; i < AInfo->Count(); ++i) {
        const TuiDateTimeFormatItem& item = *AInfo->Items(i);
        const bool dateItem = item.Kind() <= dtikDay || item.Kind() == dtikDateSeparator;
        if (dates && dateItem)
            mask += DateItemPattern(item);
        else if (times)
            mask += TimeItemPattern(item);
    }
    return mask;
}

std::string uiGetDisplayFormat(const TuiDateTimeFormatInfo* AInfo) {
    std::string format;
    for (int i = 0; i < AInfo->Count(); ++i) {
        const TuiDateTimeFormatItem& item = *AInfo->Items(i);
        switch (item.Kind()) {
        case dtikLiteral:
            format += "'" + item.Data() + "'";
            break;
        case dtikYear:
            format += LowerCase(item.Data());
            break;
        case dtikMonth:
            format += item.Data().size() > 2 ? "mmm" : "mm";
            break;
        case dtikDay:
            format += item.Data().size() > 2 ? "ddd" : "dd";
            break;
        case dtikHour:
            format += "hh";
            break;
        case dtikMinute:
            format += "nn";
            break;
        case dtikSecond:
            format += "ss";
            break;
        case dtikTimeMarker:
            format += LowerCase(item.Data());
            break;
        case dtikDateSeparator:
            format += '/';
            break;
        case dtikTimeSeparator:
            format += ':';
            break;
        default:
            break;
        }
    }
    return format;
}

std::string uiGetCurrencyFormatText() {
    const TFormatSettings& s = FormatSettings;
    const std::string number = ",0." + std::string(s.CurrencyDecimals, '0');
    std::string symbol;
    for (const char c : s.CurrencyString)
        symbol += c == ',' || c == '.' ? "'" + std::string(1, c) + "'" : std::string(1, c);
    const std::string positives[4] = {symbol + number, number + symbol, symbol + " " + number,
                                      number + " " + symbol};
    const std::string negatives[16] = {
        "(" + symbol + number + ")",
        "-" + symbol + number,
        symbol + "-" + number,
        symbol + number + "-",
        "(" + number + symbol + ")",
        "-" + number + symbol,
        number + "-" + symbol,
        number + symbol + "-",
        "-" + number + " " + symbol,
        "-" + symbol + " " + number,
        number + " " + symbol + "-",
        symbol + " " + number + "-",
        symbol + " -" + number,
        number + "- " + symbol,
        "(" + symbol + " " + number + ")",
        "(" + number + " " + symbol + ")",
    };
    return positives[s.CurrencyFormat % 4] + ";" + negatives[s.NegCurrFormat % 16];
}

std::string uiGetDateEditFormat() {
    const std::string& format = FormatSettings.ShortDateFormat;
    std::string result;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const bool single = (c == 'd' || c == 'M') && (i == 0 || format[i - 1] != c) &&
                            (i + 1 == format.size() || format[i + 1] != c);
        result += c;
        if (single) result += c;
    }
    return result;
}

int uiGetCurrencyDecimals(LCID) {
    return FormatSettings.CurrencyDecimals;
}
int uiGetCurrencyFormat(LCID) {
    return FormatSettings.CurrencyFormat;
}
int uiGetNegCurrFormat(LCID) {
    return FormatSettings.NegCurrFormat;
}
std::string uiGetCurrencyString(LCID) {
    return FormatSettings.CurrencyString;
}
char uiGetDateSeparator(LCID) {
    return FormatSettings.DateSeparator;
}
char uiGetTimeSeparator(LCID) {
    return FormatSettings.TimeSeparator;
}
char uiGetDecimalSeparator(LCID) {
    return FormatSettings.DecimalSeparator;
}
char uiGetListSeparator(LCID) {
    return FormatSettings.ListSeparator;
}
std::string uiGetShortDateFormat(LCID) {
    return FormatSettings.ShortDateFormat;
}
std::string uiGetLongDateFormat(LCID) {
    return FormatSettings.LongDateFormat;
}
std::string uiGetShortTimeFormat(LCID) {
    return FormatSettings.ShortTimeFormat;
}
std::string uiGetTimeAMString(LCID) {
    return FormatSettings.TimeAMString;
}
std::string uiGetTimePMString(LCID) {
    return FormatSettings.TimePMString;
}
std::string uiGetShortMonthName(int AMonth, LCID) {
    return AMonth >= 1 && AMonth <= 12 ? FormatSettings.ShortMonthNames[AMonth - 1] : std::string();
}
std::string uiGetLongMonthName(int AMonth, LCID) {
    return AMonth >= 1 && AMonth <= 12 ? FormatSettings.LongMonthNames[AMonth - 1] : std::string();
}
std::string uiGetShortDayName(int ADay, LCID) {
    return ADay >= 1 && ADay <= 7 ? FormatSettings.ShortDayNames[ADay - 1] : std::string();
}
