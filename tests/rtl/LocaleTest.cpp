#include "platform/rtl/Locale.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/LocaleData.h"
#include "platform/rtl/LocaleFormatSettings.h"
#include "tests/support/TestLocales.h"

#include <gtest/gtest.h>

#include <string>

namespace locale_test {

std::string LocaleText(LCID locale, LCTYPE type) {
    char buffer[128] = {};
    return GetLocaleInfoA(locale, type, buffer, sizeof buffer) > 0 ? std::string(buffer) : "<failed>";
}

int LocaleNumber(LCID locale, LCTYPE type) {
    DWORD value = 0;
    if (GetLocaleInfoA(locale, type | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&value), sizeof value) !=
        4)
        return -1;
    return static_cast<int>(value);
}

SYSTEMTIME SystemTimeAt(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    SYSTEMTIME t;
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    return t;
}

std::string DateText(LCID locale, const SYSTEMTIME& t, const char* picture, DWORD flags = 0) {
    char buffer[128] = {};
    return GetDateFormatA(locale, flags, &t, picture, buffer, sizeof buffer) > 0 ? std::string(buffer)
                                                                                 : "<failed>";
}

std::string TimeText(LCID locale, const SYSTEMTIME& t, const char* picture) {
    char buffer[128] = {};
    return GetTimeFormatA(locale, 0, &t, picture, buffer, sizeof buffer) > 0 ? std::string(buffer)
                                                                             : "<failed>";
}

} // namespace locale_test

using namespace locale_test;

TEST(Locale, EnglishUSAnswersItsItemsAsTextAndNumbers) {
    const LCID us = LOCALE_USER_DEFAULT;
    EXPECT_EQ(LocaleText(us, LOCALE_SSHORTDATE), "M/d/yyyy");
    EXPECT_EQ(LocaleText(us, LOCALE_STIMEFORMAT), "h:mm:ss tt");
    EXPECT_EQ(LocaleText(us, LOCALE_SDAYNAME1), "Monday");
    EXPECT_EQ(LocaleText(us, LOCALE_SDAYNAME1 + 6), "Sunday");
    EXPECT_EQ(LocaleText(us, LOCALE_SSHORTESTDAYNAME1 + 6), "Su");
    EXPECT_EQ(LocaleText(us, LOCALE_SABBREVMONTHNAME1 + 11), "Dec");
    EXPECT_EQ(LocaleText(us, LOCALE_ICALENDARTYPE), "1");
    EXPECT_EQ(LocaleNumber(us, LOCALE_ICALENDARTYPE), 1);
    EXPECT_EQ(LocaleNumber(us, LOCALE_IFIRSTDAYOFWEEK), 6);
    EXPECT_EQ(LocaleNumber(us, LOCALE_IFIRSTWEEKOFYEAR), 0);
    EXPECT_EQ(LocaleText(us | LOCALE_NOUSEROVERRIDE, LOCALE_SDATE), "<failed>"); // the flag is not a locale
    EXPECT_EQ(LocaleText(us, LOCALE_SDATE | LOCALE_NOUSEROVERRIDE), "/");
}

TEST(Locale, BufferRulesAndFailures) {
    EXPECT_EQ(GetLocaleInfoA(kEnglishUSLocale, LOCALE_SSHORTDATE, nullptr, 0), 9); // "M/d/yyyy" and its zero
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetLocaleInfoA(kEnglishUSLocale, LOCALE_SSHORTDATE, small, sizeof small), 0);
    EXPECT_EQ(GetLocaleInfoA(kEnglishUSLocale, 0x7777, small, sizeof small), 0); // unknown item
    EXPECT_EQ(GetLocaleInfoA(0x7777, LOCALE_SDATE, small, sizeof small), 0);     // unknown locale
    EXPECT_EQ(GetLocaleInfoA(kEnglishUSLocale, LOCALE_SDATE | LOCALE_RETURN_NUMBER, small, 4),
              0); // not numeric
    DWORD value = 0;
    EXPECT_EQ(GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER,
                               nullptr, 0, &value),
              4);
    EXPECT_EQ(value, 2029u);
    char text[8] = {};
    EXPECT_EQ(GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX, text, sizeof text,
                               nullptr),
              5);
    EXPECT_STREQ(text, "2029");
    EXPECT_EQ(GetCalendarInfoA(LOCALE_USER_DEFAULT, 13, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0,
                               &value),
              0);
    EXPECT_EQ(GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_GREGORIAN, 0x4 /* era string */, text, sizeof text,
                               nullptr),
              0);
}

TEST(Locale, CalendarWindowsFollowTheCalendar) {
    const TLocaleOverride japanese(test_locales::JapaneseCalendarLocale());
    DWORD value = 0;
    const CALTYPE item = CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER;
    GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_JAPAN, item, nullptr, 0, &value);
    EXPECT_EQ(value, 99u);
    GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_GREGORIAN, item, nullptr, 0, &value);
    EXPECT_EQ(value, 2029u);
    GetCalendarInfoA(LOCALE_USER_DEFAULT, CAL_HEBREW, item, nullptr, 0, &value);
    EXPECT_EQ(value, 5810u);
}

TEST(Locale, ThreadLocaleFollowsTheUserUntilSet) {
    EXPECT_EQ(GetThreadLocale(), kEnglishUSLocale);
    EXPECT_EQ(SetThreadLocale(0x7777), FALSE);
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        EXPECT_EQ(GetUserDefaultLCID(), 0x7001u);
        EXPECT_EQ(GetThreadLocale(), 0x7001u);
        EXPECT_EQ(LocaleText(LOCALE_USER_DEFAULT, LOCALE_SDATE), ".");
        EXPECT_EQ(SetThreadLocale(kEnglishUSLocale), TRUE);
        EXPECT_EQ(LocaleText(GetThreadLocale(), LOCALE_SDATE), "/");
        EXPECT_EQ(SetThreadLocale(LOCALE_USER_DEFAULT), TRUE);
        EXPECT_EQ(GetThreadLocale(), 0x7001u);
        EXPECT_EQ(GetSystemDefaultLCID(), kEnglishUSLocale);
    }
    EXPECT_EQ(GetThreadLocale(), kEnglishUSLocale);
    EXPECT_EQ(FindLocale(0x7001), nullptr);
}

TEST(Locale, DatePictures) {
    const SYSTEMTIME t = SystemTimeAt(2024, 3, 5);
    struct Case {
        const char* picture;
        const char* text;
    };
    const Case cases[] = {
        {"d dd ddd dddd", "5 05 Tue Tuesday"},
        {"M MM MMM MMMM", "3 03 Mar March"},
        {"y yy yyyy yyyyy", "24 24 2024 2024"},
        {"'d''s' d, g", "d's 5, "},
        {"m D Y", "m D Y"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateText(kEnglishUSLocale, t, c.picture), c.text) << c.picture;
    EXPECT_EQ(DateText(kEnglishUSLocale, SystemTimeAt(2005, 11, 30), "d/M/y"), "30/11/5");
    EXPECT_EQ(DateText(kEnglishUSLocale, t, nullptr), "3/5/2024");
    EXPECT_EQ(DateText(kEnglishUSLocale, t, nullptr, DATE_LONGDATE), "Tuesday, March 5, 2024");
    EXPECT_EQ(DateText(kEnglishUSLocale, t, "d", DATE_SHORTDATE), "<failed>");
    EXPECT_EQ(DateText(kEnglishUSLocale, t, nullptr, DATE_SHORTDATE | DATE_LONGDATE), "<failed>");
    EXPECT_EQ(DateText(kEnglishUSLocale, SystemTimeAt(2023, 2, 29), "d"), "<failed>");
    EXPECT_EQ(GetDateFormatA(kEnglishUSLocale, 0, &t, "MMMM", nullptr, 0), 6);
    char small[3];
    EXPECT_EQ(GetDateFormatA(kEnglishUSLocale, 0, &t, "MMMM", small, sizeof small), 0);
}

TEST(Locale, DateWithoutADateIsToday) {
    TFakeClock clock(EncodeDate(2024, 7, 14) + 0.5);
    const TClockOverride use(clock);
    char buffer[32];
    ASSERT_GT(GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "yyyy-MM-dd", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "2024-07-14");
    ASSERT_GT(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "12:00:00 PM");
}

TEST(Locale, TimePictures) {
    struct Case {
        int hour, minute, second;
        const char* picture;
        const char* text;
    };
    const Case cases[] = {
        {14, 5, 9, nullptr, "2:05:09 PM"}, {14, 5, 9, "HH:mm:ss t", "14:05:09 P"},
        {0, 30, 0, "h:mm tt", "12:30 AM"}, {12, 0, 0, "hh 'h' tt", "12 h PM"},
        {9, 7, 3, "H:m:s", "9:7:3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimeText(kEnglishUSLocale, SystemTimeAt(2024, 1, 1, c.hour, c.minute, c.second), c.picture),
                  c.text);
    const SYSTEMTIME t = SystemTimeAt(2024, 1, 1, 24, 0, 0);
    EXPECT_EQ(TimeText(kEnglishUSLocale, t, nullptr), "<failed>");
    char buffer[32];
    const SYSTEMTIME fine = SystemTimeAt(2024, 1, 1, 1, 0, 0);
    EXPECT_EQ(GetTimeFormatA(kEnglishUSLocale, 2 /* no seconds */, &fine, nullptr, buffer, sizeof buffer), 0);
}

TEST(Locale, OtherCalendarsCountThroughTheConverter) {
    const TLocaleOverride hebrew(test_locales::HebrewLocale());
    // Without a converter the date is written as the Gregorian calendar counts it.
    const TCalendarDateConverter saved = SetCalendarDateConverter({});
    EXPECT_EQ(DateText(LOCALE_USER_DEFAULT, SystemTimeAt(2008, 3, 20), "d MMMM yyyy"), "20 March 2008");
    SetCalendarDateConverter([](CALID calendar, TDateTime, TCalendarDate& date) {
        if (calendar != CAL_HEBREW) return false;
        date = {0, 5768, 7, 13, 13};
        return true;
    });
    EXPECT_EQ(DateText(LOCALE_USER_DEFAULT, SystemTimeAt(2008, 3, 20), "d MMMM yyyy"), "13 Adar II 5768");
    EXPECT_EQ(DateText(LOCALE_USER_DEFAULT, SystemTimeAt(2008, 3, 20), "dddd"), "Thursday"); // week days stay
    SetCalendarDateConverter(saved);
}

TEST(Locale, EraNamesComeFromTheCalendar) {
    const TLocaleOverride japanese(test_locales::JapaneseCalendarLocale());
    const TCalendarDateConverter saved = SetCalendarDateConverter([](CALID, TDateTime, TCalendarDate& date) {
        date = {4, 20, 5, 6, 12};
        return true;
    });
    EXPECT_EQ(DateText(LOCALE_USER_DEFAULT, SystemTimeAt(2008, 5, 6), nullptr), "平成 20/5/6");
    SetCalendarDateConverter(saved);
}

TEST(LocaleFormatSettings, ReadFromALocale) {
    TFormatSettings us;
    GetLocaleFormatSettings(kEnglishUSLocale, us);
    const TFormatSettings defaults;
    EXPECT_EQ(us.ShortDateFormat, defaults.ShortDateFormat);
    EXPECT_EQ(us.LongDateFormat, defaults.LongDateFormat);
    EXPECT_EQ(us.ShortTimeFormat, defaults.ShortTimeFormat);
    EXPECT_EQ(us.LongTimeFormat, defaults.LongTimeFormat);
    EXPECT_EQ(us.LongDayNames, defaults.LongDayNames);
    EXPECT_EQ(us.ShortMonthNames, defaults.ShortMonthNames);
    EXPECT_TRUE(us.EraNames.empty());

    TFormatSettings dayFirst;
    InstallLocale(test_locales::DayFirstLocale());
    GetLocaleFormatSettings(0x7001, dayFirst);
    RemoveLocale(0x7001);
    EXPECT_EQ(dayFirst.DateSeparator, '.');
    EXPECT_EQ(dayFirst.DecimalSeparator, ',');
    EXPECT_EQ(dayFirst.ListSeparator, ';');
    EXPECT_EQ(dayFirst.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(dayFirst.LongTimeFormat, "HH:mm:ss");
    EXPECT_EQ(dayFirst.CurrencyString, "€");
    EXPECT_EQ(dayFirst.CurrencyFormat, 3);
    EXPECT_EQ(dayFirst.NegCurrFormat, 8);
    EXPECT_EQ(dayFirst.LongMonthNames[2], "März");
    EXPECT_EQ(dayFirst.ShortDayNames[0], "So");
    EXPECT_EQ(dayFirst.LongDayNames[1], "Montag");

    TFormatSettings japanese;
    InstallLocale(test_locales::JapaneseCalendarLocale());
    GetLocaleFormatSettings(0x7002, japanese);
    RemoveLocale(0x7002);
    EXPECT_EQ(japanese.EraNames, (std::vector<std::string>{"明治", "大正", "昭和", "平成"}));
    EXPECT_EQ(japanese.EraYearOffsets, (std::vector<int>{1867, 1911, 1925, 1988}));
    EXPECT_EQ(japanese.TimeAMString, "午前");
}

TEST(LocaleFormatSettings, GetFormatSettingsRereadsTheThreadLocale) {
    const TFormatSettings saved = FormatSettings;
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        GetFormatSettings();
        EXPECT_EQ(FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    }
    GetFormatSettings();
    EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
    FormatSettings = saved;
}

TEST(LocaleFormatSettings, TheUpdateOptionIsOnUntilTurnedOff) {
    EXPECT_TRUE(UpdateFormatSettings());
    SetUpdateFormatSettings(false);
    EXPECT_FALSE(UpdateFormatSettings());
    SetUpdateFormatSettings(true);
}

TEST(LocaleFormatSettings, LocaleTimePicturesBecomeClassFormats) {
    EXPECT_EQ(ConvertLocaleTimeFormat("H:mm:ss tt"), "H:mm:ss AMPM");
    EXPECT_EQ(ConvertLocaleTimeFormat("h:mm t"), "h:mm A/P");
    EXPECT_EQ(ConvertLocaleTimeFormat("TT hh"), "AMPM hh");
    EXPECT_EQ(ConvertLocaleTimeFormat("HH:mm"), "HH:mm");
}
