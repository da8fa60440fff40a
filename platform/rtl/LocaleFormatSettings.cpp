#include "platform/rtl/LocaleFormatSettings.h"

#include "platform/rtl/LocaleData.h"

#include <atomic>

namespace locale_format_settings_detail {

std::atomic<bool> UpdateOption{true};

std::string Text(LCID ALocale, LCTYPE AType) {
    std::string text;
    ReadLocaleText(ALocale, AType, text);
    return text;
}

int Number(LCID ALocale, LCTYPE AType, int ADefault) {
    DWORD value = 0;
    if (GetLocaleInfoA(ALocale, AType | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&value),
                       sizeof value) <= 0)
        return ADefault;
    return static_cast<int>(value);
}

char FirstChar(const std::string& AText, char ADefault) {
    return AText.empty() ? ADefault : AText[0];
}

} // namespace locale_format_settings_detail

void GetLocaleFormatSettings(LCID ALocale, TFormatSettings& ASettings) {
    using namespace locale_format_settings_detail;
    const TLocaleDefinition* locale = FindLocale(ALocale);
    if (locale == nullptr) return;
    TFormatSettings& s = ASettings;
    s.CurrencyString = Text(ALocale, LOCALE_SCURRENCY);
    s.CurrencyFormat = static_cast<unsigned char>(Number(ALocale, LOCALE_ICURRENCY, 0));
    s.NegCurrFormat = static_cast<unsigned char>(Number(ALocale, LOCALE_INEGCURR, 0));
    s.CurrencyDecimals = static_cast<unsigned char>(Number(ALocale, LOCALE_ICURRDIGITS, 2));
    s.ThousandSeparator = FirstChar(Text(ALocale, LOCALE_STHOUSAND), ',');
    s.DecimalSeparator = FirstChar(Text(ALocale, LOCALE_SDECIMAL), '.');
    s.DateSeparator = FirstChar(Text(ALocale, LOCALE_SDATE), '/');
    s.TimeSeparator = FirstChar(Text(ALocale, LOCALE_STIME), ':');
    s.ListSeparator = FirstChar(Text(ALocale, LOCALE_SLIST), ',');
    s.ShortDateFormat = Text(ALocale, LOCALE_SSHORTDATE);
    s.LongDateFormat = Text(ALocale, LOCALE_SLONGDATE);
    s.TimeAMString = Text(ALocale, LOCALE_S1159);
    s.TimePMString = Text(ALocale, LOCALE_S2359);
    s.ShortTimeFormat = ConvertLocaleTimeFormat(Text(ALocale, LOCALE_SSHORTTIME));
    s.LongTimeFormat = ConvertLocaleTimeFormat(Text(ALocale, LOCALE_STIMEFORMAT));
    for (LCTYPE m = 0; m < 12; ++m) {
        s.LongMonthNames[m] = Text(ALocale, LOCALE_SMONTHNAME1 + m);
        s.ShortMonthNames[m] = Text(ALocale, LOCALE_SABBREVMONTHNAME1 + m);
    }
    // The day items start on Monday; the settings' names start on Sunday.
    for (LCTYPE d = 0; d < 7; ++d) {
        s.LongDayNames[(d + 1) % 7] = Text(ALocale, LOCALE_SDAYNAME1 + d);
        s.ShortDayNames[(d + 1) % 7] = Text(ALocale, LOCALE_SABBREVDAYNAME1 + d);
    }
    s.EraNames.clear();
    s.EraYearOffsets.clear();
    for (const TLocaleEra& era : locale->Calendar.Eras) {
        s.EraNames.push_back(era.Name);
        s.EraYearOffsets.push_back(era.StartYear - 1);
    }
}

void GetFormatSettings() {
    GetLocaleFormatSettings(GetThreadLocale(), FormatSettings);
}

bool UpdateFormatSettings() {
    return locale_format_settings_detail::UpdateOption.load();
}

void SetUpdateFormatSettings(bool AValue) {
    locale_format_settings_detail::UpdateOption = AValue;
}

std::string ConvertLocaleTimeFormat(std::string_view ALocaleFormat) {
    std::string result;
    std::size_t i = 0;
    while (i < ALocaleFormat.size()) {
        if (ALocaleFormat[i] != 't' && ALocaleFormat[i] != 'T') {
            result += ALocaleFormat[i++];
            continue;
        }
        std::size_t run = 1;
        while (i + run < ALocaleFormat.size() &&
               (ALocaleFormat[i + run] == 't' || ALocaleFormat[i + run] == 'T'))
            ++run;
        result += run == 1 ? "A/P" : "AMPM";
        i += run;
    }
    return result;
}
