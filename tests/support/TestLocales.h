// Locales the date tests install (with TLocaleOverride): a day-first locale with "." and a Monday week
// start, and locales whose calendars are the Japanese era calendar, the Hijri and the Hebrew calendar.
// Their identifiers are outside the range of real locales.
#pragma once

#include "platform/rtl/LocaleData.h"

namespace test_locales {

inline TLocaleDefinition DayFirstLocale() {
    TLocaleDefinition l;
    l.Id = 0x7001;
    l.DayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    l.AbbrevDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    l.ShortestDayNames = l.AbbrevDayNames;
    l.MonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    l.AbbrevMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    l.DateSeparator = ".";
    l.TimeSeparator = ":";
    l.ShortDate = "dd.MM.yyyy";
    l.LongDate = "dddd, d. MMMM yyyy";
    l.TimeFormat = "HH:mm:ss";
    l.ShortTime = "HH:mm";
    l.ListSeparator = ";";
    l.DecimalSeparator = ",";
    l.ThousandSeparator = ".";
    l.CurrencySymbol = "€";
    l.CurrencyFormat = 3;
    l.NegCurrencyFormat = 8;
    l.FirstDayOfWeek = 0;
    l.FirstWeekOfYear = 2;
    return l;
}

// An English-speaking locale shape, for the calendar locales to start from.
inline TLocaleDefinition CalendarLocaleBase(LCID AId) {
    TLocaleDefinition l = EnglishUSLocale();
    l.Id = AId;
    return l;
}

inline TLocaleDefinition JapaneseCalendarLocale() {
    TLocaleDefinition l = CalendarLocaleBase(0x7002);
    l.DayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    l.AbbrevDayNames = {"日", "月", "火", "水", "木", "金", "土"};
    l.ShortestDayNames = l.AbbrevDayNames;
    l.MonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"};
    l.AbbrevMonthNames = l.MonthNames;
    l.ShortDate = "gg y/M/d";
    l.LongDate = "gg y'年'M'月'd'日'";
    l.TimeFormat = "H:mm:ss";
    l.ShortTime = "H:mm";
    l.AMDesignator = "午前";
    l.PMDesignator = "午後";
    l.CurrencySymbol = "¥";
    l.CurrencyDigits = 0;
    l.Calendar.Type = CAL_JAPAN;
    l.Calendar.TwoDigitYearMax = 99;
    l.Calendar.Eras = {{1, "明治", 1868}, {2, "大正", 1912}, {3, "昭和", 1926}, {4, "平成", 1989}};
    return l;
}

inline TLocaleDefinition HijriLocale() {
    TLocaleDefinition l = CalendarLocaleBase(0x7003);
    l.DayNames = {"الأحد", "الإثنين", "الثلاثاء", "الأربعاء", "الخميس", "الجمعة", "السبت"};
    l.AbbrevDayNames = l.DayNames;
    l.ShortestDayNames = l.DayNames;
    l.ShortDate = "dd/MM/yyyy";
    l.LongDate = "dd MMMM, yyyy";
    l.FirstDayOfWeek = 5;
    l.Calendar.Type = CAL_HIJRI;
    l.Calendar.TwoDigitYearMax = 1451;
    l.Calendar.MonthNames = {"Muharram", "Safar",  "Rabi I",  "Rabi II", "Jumada I",     "Jumada II",
                             "Rajab",    "Shaban", "Ramadan", "Shawwal", "Dhu al-Qadah", "Dhu al-Hijjah"};
    return l;
}

inline TLocaleDefinition HebrewLocale() {
    TLocaleDefinition l = CalendarLocaleBase(0x7004);
    l.ShortDate = "dd/MM/yyyy";
    l.LongDate = "dddd dd MMMM yyyy";
    l.TimeFormat = "HH:mm:ss";
    l.Calendar.Type = CAL_HEBREW;
    l.Calendar.TwoDigitYearMax = 5810;
    l.Calendar.MonthNames = {"Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar",
                             "Nisan",  "Iyyar",   "Sivan",  "Tammuz", "Av",     "Elul"};
    l.Calendar.LeapYearMonthNames = {"Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar I", "Adar II",
                                     "Nisan",  "Iyyar",   "Sivan",  "Tammuz", "Av",     "Elul"};
    return l;
}

} // namespace test_locales
