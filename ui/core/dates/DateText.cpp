#include "ui/core/dates/DateText.h"

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/DateTimeParse.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/CalendarTable.h"
#include "ui/core/dates/DateTimeFormats.h"
#include "ui/core/dates/DateUtils.h"
#include "ui/core/dates/FormatController.h"
#include "ui/core/dates/SmartDates.h"

#include <algorithm>
#include <vector>

namespace date_text_detail {

// The locale's settings as the controller keeps them (read afresh when there is no controller).
TFormatSettings LocalSettings() {
    if (const TuiFormatController* controller = uiFormatController())
        return controller->LocalFormatSettings();
    TFormatSettings settings = FormatSettings;
    uiGetLocaleFormatSettings(settings);
    return settings;
}

// A Gregorian date as typed: a smart word, or a date for the class library's reader. Values that are
// no day of the years 1..9999 give the null date.
TDateTime GregorianTextToDate(std::string S, bool AUseLibraryFormats) {
    TDateTime result = uiNullDate;
    if (!uiSmartTextToDate(S, result)) {
        uiNormalizeDateText(S, !AUseLibraryFormats, nullptr, nullptr);
        result = VarToDateTime(S);
    }
    if (!(result > -2147483648.0 && result < 2147483647.0)) return uiNullDate;
    std::uint16_t year, month, day;
    DecodeDate(result, year, month, day);
    if (day == 0 || year > 9999) return uiNullDate;
    return result;
}

// Replaces every literal of the info (other than the separators) by as many blanks.
void RemoveLiterals(std::string& S, const TuiDateTimeFormatInfo* AInfo,
                    const std::vector<std::string>& ASeparators) {
    if (AInfo == nullptr) return;
    for (int i = 0; i < AInfo->Count(); ++i) {
        const TuiDateTimeFormatItem& item = *AInfo->Items(i);
        if (item.Kind() != dtikLiteral) continue;
        const std::string key = Trim(AnsiUpperCase(item.Data()));
        if (key.empty() || std::find(ASeparators.begin(), ASeparators.end(), key) != ASeparators.end())
            continue;
        S = StringReplace(S, item.Data(), std::string(Utf8Length(item.Data()), ' '),
                          {rfReplaceAll, rfIgnoreCase});
    }
}

// The order of a format info's date parts (as DateOrderOf reads a format).
int InfoOrder(const TuiDateTimeFormatInfo* AInfo) {
    for (int i = 0; i < AInfo->Count(); ++i) {
        switch (AInfo->Items(i)->Kind()) {
        case dtikMonth:
            return 0;
        case dtikDay:
            return 1;
        case dtikYear:
            return 2;
        default:
            break;
        }
    }
    return 0;
}

// Rewrites a date typed in the order of AInfo in the locale's order with the locale's separator.
void Reorder(std::string& S, const TuiDateTimeFormatInfo* AInfo, const TFormatSettings& ALocal) {
    const int order = DateOrderOf(ALocal.ShortDateFormat);
    if (AInfo->Defined(dtikYear) && AInfo->Defined(dtikMonth) && AInfo->Defined(dtikDay) &&
        InfoOrder(AInfo) == order)
        return;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string year, month, day;
    std::size_t pos = 0;
    for (int i = 0; i < AInfo->Count(); ++i) {
        const TuiDateTimeFormatItem& item = *AInfo->Items(i);
        const std::size_t start = std::min(pos, S.size());
        std::size_t end = start;
        if (item.Kind() == dtikLiteral) {
            // The literal became as many blanks as it has characters (or, a separator, stayed).
            for (std::size_t n = Utf8Length(item.Data()); n > 0 && pos < S.size(); --n)
                Utf8Next(S, pos);
        } else if (item.Kind() == dtikYear || item.Kind() == dtikDay) {
            while (end < S.size() && isDigit(S[end]))
                ++end;
            (item.Kind() == dtikYear ? year : day) = S.substr(start, end - start);
            pos = end;
        } else if (item.Kind() == dtikMonth) {
            while (end < S.size() && S[end] != ' ' && S[end] != ALocal.DateSeparator &&
                   S[end] != FormatSettings.DateSeparator)
                ++end;
            month = S.substr(start, end - start);
            pos = end;
        } else if (item.Kind() == dtikDateSeparator || item.Kind() == dtikTimeSeparator) {
            ++pos;
        } else {
            break;
        }
    }
    if (day.empty()) day = "1";
    if (month.empty()) month = "1";
    static const char* const kPatterns[3] = {"%2:s%0:s%1:s%0:s%3:s %4:s", "%1:s%0:s%2:s%0:s%3:s %4:s",
                                             "%3:s%0:s%2:s%0:s%1:s %4:s"};
    const std::string separator(1, ALocal.DateSeparator);
    const std::string rest = pos < S.size() ? S.substr(pos) : std::string();
    S = Format(kPatterns[order], {separator, day, month, year, rest});
}

// Reads the parts of a calendar date: P1 and P2 end at the date separator, P3 at a blank. With a blank
// as the separator a month name may hold blanks: its part takes the words that follow up to the next
// number.
std::vector<std::string> CalendarParts(const std::string& S, char ASeparator, int AMonthPart,
                                       std::size_t& APos) {
    std::vector<std::string> parts;
    for (int part = 0; part < 3; ++part) {
        const char end = part < 2 ? ASeparator : ' ';
        const std::size_t stop = std::min(S.find(end, APos), S.size());
        std::string text = S.substr(APos, stop - APos);
        APos = stop;
        if (part < 2 && APos < S.size()) ++APos;
        while (part == AMonthPart && ASeparator == ' ' && part < 2) {
            std::size_t next = APos;
            while (next < S.size() && S[next] == ' ')
                ++next;
            if (next >= S.size() || (S[next] >= '0' && S[next] <= '9')) break;
            const std::size_t wordEnd = std::min(S.find(' ', next), S.size());
            text += " " + S.substr(next, wordEnd - next);
            APos = wordEnd < S.size() ? wordEnd + 1 : wordEnd;
        }
        parts.push_back(text);
    }
    return parts;
}

} // namespace date_text_detail

TDateTime uiTextToDateTime(const std::string& AText, bool AUseLibraryFormats) {
    try {
        const std::string S = Trim(AText);
        if (S.empty()) return uiNullDate;
        const TuiFormatController* controller = uiFormatController();
        const bool gregorian =
            controller != nullptr ? controller->LocalCalendarIsGregorian() : uiCalendarIsGregorian();
        if (gregorian) return date_text_detail::GregorianTextToDate(S, AUseLibraryFormats);
        return uiCalendarTextToDate(S);
    } catch (const std::exception&) {
        return uiNullDate;
    }
}

void uiDateTimeToText(bool AFourDigitYear, bool AUseLibraryFormats, std::string& AText, TDateTime ADateTime) {
    AText.clear();
    if (ADateTime == uiNullDate) return;
    const bool hasTime = uiTimeOf(ADateTime) != 0;
    if (AUseLibraryFormats) {
        std::string format = FormatSettings.ShortDateFormat;
        if (AFourDigitYear && Pos("yyyy", LowerCase(format)) == 0)
            format = StringReplace(format, "yy", "yyyy", {rfIgnoreCase});
        AText = FormatDateTime(format, ADateTime);
        if (hasTime) AText += " " + FormatDateTime(FormatSettings.LongTimeFormat, ADateTime);
        return;
    }
    SYSTEMTIME t;
    DateTimeToSystemTime(ADateTime, t);
    const std::string format = date_text_detail::LocalSettings().ShortDateFormat;
    char buffer[100];
    if (GetDateFormatA(GetThreadLocale(), 0, &t, format.c_str(), buffer, sizeof buffer) > 0) {
        AText = buffer;
        if (hasTime && GetTimeFormatA(GetThreadLocale(), 0, &t, nullptr, buffer, sizeof buffer) > 0)
            AText += std::string(" ") + buffer;
        return;
    }
    try {
        AText = VarDateToStr(ADateTime);
    } catch (const EVariantError&) {
        AText.clear();
    }
}

bool uiTextToDateWithFormat(const std::string& AText, TDateTime& ADate, const std::string& AFormat) {
    if (AFormat.empty()) {
        ADate = uiTextToDateTime(AText, false);
    } else {
        TuiDateTimeFormatInfo info;
        uiParseDateTimeFormat(AFormat, &info);
        std::string S = Trim(AText);
        uiNormalizeDateText(S, true, &info, &info);
        ADate = VarToDateTime(S);
    }
    return ADate != uiNullDate;
}

TDateTime uiCalendarTextToDate(const std::string& AText) {
    const int type = uiGetLocaleCalendarType();
    if (type < 3 || type > 8) return date_text_detail::GregorianTextToDate(Trim(AText), false);
    TuiCustomCalendarTable* calendar = uiGetLocaleCalendarTable();
    if (calendar == nullptr) return uiNullDate;
    TuiDateTime date;
    uiParseCalendarDate(AText, date_text_detail::LocalSettings(), calendar, date);
    // A day the calendar does not have is no date (rather than the calendar's first day).
    if (!calendar->IsValidDay(date.Era, date.Year, date.Month, date.Day)) return uiNullDate;
    return calendar->ToDateTime(date);
}

void uiNormalizeDateText(std::string& AText, bool ALocaleSettings, TuiDateTimeFormatInfo* ADateInfo,
                         TuiDateTimeFormatInfo* ATimeInfo) {
    using namespace date_text_detail;
    const TFormatSettings settings = ALocaleSettings ? LocalSettings() : FormatSettings;
    const auto key = [](const std::string& AValue) { return Trim(AnsiUpperCase(AValue)); };
    const std::vector<std::string> separators = {key(std::string(1, settings.DateSeparator)),
                                                 key(std::string(1, settings.TimeSeparator)),
                                                 key(settings.TimeAMString), key(settings.TimePMString)};
    const TuiFormatController* controller = uiFormatController();
    if (ADateInfo != nullptr) {
        RemoveLiterals(AText, ADateInfo, separators);
        Reorder(AText, ADateInfo, settings);
    } else if (controller != nullptr) {
        RemoveLiterals(AText, controller->DateFormatInfo(), separators);
    }
    RemoveLiterals(AText,
                   ATimeInfo != nullptr    ? ATimeInfo
                   : controller != nullptr ? controller->TimeFormatInfo()
                                           : nullptr,
                   separators);
    std::string folded;
    for (const char c : Trim(AText)) {
        const bool blank = static_cast<unsigned char>(c) <= ' ';
        if (blank && !folded.empty() && folded.back() == ' ') continue;
        folded += blank ? ' ' : c;
    }
    if (settings.DateSeparator != '\0')
        std::replace(folded.begin(), folded.end(), settings.DateSeparator, ' ');
    AText = folded;
}

void uiParseCalendarDate(const std::string& S, const TFormatSettings& ASettings,
                         TuiCustomCalendarTable* ACalendar, TuiDateTime& ADate) {
    const std::string& format = ASettings.ShortDateFormat;
    int eraYearOffset = 0;
    std::size_t start = 0;
    if (!format.empty() && (format[0] == 'g' || format[0] == 'G')) {
        // The era's name stands before the first digit.
        start = std::min(S.find_first_of("0123456789"), S.size());
        const std::string era = Trim(std::string_view(S).substr(0, start));
        for (std::size_t i = 0; !era.empty() && i < FormatSettings.EraNames.size(); ++i)
            if (Pos(era, FormatSettings.EraNames[i]) > 0) {
                eraYearOffset =
                    i < FormatSettings.EraYearOffsets.size() ? FormatSettings.EraYearOffsets[i] : 0;
                break;
            }
    } else if (format.find_first_of("eE") != std::string::npos && !FormatSettings.EraYearOffsets.empty()) {
        eraYearOffset = FormatSettings.EraYearOffsets[0];
    }
    const int order = DateOrderOf(format);
    std::size_t pos = start;
    const std::vector<std::string> parts =
        date_text_detail::CalendarParts(S, ASettings.DateSeparator, order == 0 ? 0 : 1, pos);
    const std::string& yearText = parts[order == 2 ? 0 : 2];
    const std::string& monthText = parts[order == 0 ? 0 : 1];
    const std::string& dayText = parts[order == 0 ? 1 : order == 1 ? 0 : 2];
    ADate = TuiDateTime{};
    ADate.Year = ACalendar->GetYearNumber(Trim(yearText));
    ADate.Month = ACalendar->GetMonthNumber(ADate.Year, Trim(monthText));
    ADate.Day = ACalendar->GetDayNumber(Trim(dayText));
    // The era that was in effect at the end of the era's first year: eras need not begin on 1 January.
    ADate.Era = ACalendar->GetEra(eraYearOffset + 1, 12, 31);
    const std::string rest = Trim(std::string_view(S).substr(std::min(pos, S.size())));
    if (!rest.empty()) {
        std::uint16_t h, m, s, ms;
        DecodeTime(StrToTime(rest), h, m, s, ms);
        ADate.Hours = static_cast<std::uint8_t>(h);
        ADate.Minutes = static_cast<std::uint8_t>(m);
        ADate.Seconds = static_cast<std::uint8_t>(s);
        ADate.Milliseconds = ms;
    }
}
