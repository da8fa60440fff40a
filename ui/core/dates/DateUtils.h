// The date routines the date editors and the bar date navigator call directly: Gregorian month stepping
// and day clamping, the parts of a TDateTime, the locale's week start and the library's week numbers,
// the locale's date and time settings one by one, and the names of week days and months. uiNullDate
// stands for "no date"; week days run 0 Sunday .. 6 Saturday.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/WinTypes.h"

#include <string>

class TuiCustomCalendarTable;

// AYear moves by ADelta div 12 and AMonth by the rest, carrying into the year; answers ADelta div 12.
int uiChangeMonth(WORD& AYear, WORD& AMonth, int ADelta);
void uiIncMonth(WORD& AYear, WORD& AMonth);
void uiDecMonth(WORD& AYear, WORD& AMonth);
bool uiIsLeapYear(int AYear);
// AMonth 1..12.
int uiDaysOfMonth(int AYear, int AMonth);
// 1 for a day up to 0, the last day for a day beyond the month.
int uiClampDayToMonth(int AYear, int AMonth, int ADay);
// The time of day as a fraction of the day; 0 for the null date.
TDateTime uiTimeOf(TDateTime ADateTime);
// The whole day; the null date stays the null date.
TDateTime uiDateOf(TDateTime ADateTime);
// AElement 0 the year, 1 the month, any other the day.
int uiGetDateElement(int AElement, TDateTime ADate);

// The thread locale's first day of the week, read on every call.
int uiGetStartOfWeek();
int uiDayOfWeek(TDateTime ADate);
// The day's place in its week, counted from uiGetStartOfWeek.
int uiDayOfWeekOffset(TDateTime ADate);
// ADay (0..6) moved ADelta (>= 0) days on, wrapping.
int uiShiftDayOfWeek(int ADay, int ADelta);
TDateTime uiStartOfWeekDate(TDateTime ADate);
// 1 the week of 1 January, 2 the first full week, 3 the first week with four days.
int uiGetLocaleFirstWeekOfYear();
// The week number of ADate by ARule (0: the locale's); the week starts as the locale says, so
// AStartOfWeek is not used. Rule 3 with a Monday start gives the ISO 8601 week.
int uiWeekNumber(int AStartOfWeek, int ARule, TDateTime ADate);

char uiGetLocaleDateSeparator();
char uiGetLocaleTimeSeparator();
std::string uiGetLocaleShortDateFormat();
std::string uiGetLocaleLongDateFormat();
std::string uiGetLocaleTimeFormat();
std::string uiGetLocaleTimeAMString();
std::string uiGetLocaleTimePMString();
// Separators, date and time formats and AM/PM strings from the thread locale, and the list separator
// from the class library's current settings; the other fields are left as they are.
void uiGetLocaleFormatSettings(TFormatSettings& ASettings);

// The locale's shortest name of the day (ADay 0 Sunday .. 6), cut to one character: the last one for
// the charsets whose text reads from the right or has no letters (GB2312, Big5, Arabic), else the
// first.
void uiGetDayOfWeekName(int ADay, BYTE AFontCharset, std::string& AName);
// The locale's name of AMonth of AYear in ACalendar (the locale's calendar when null); empty for a
// month the calendar does not have.
void uiGetMonthName(int AYear, int AMonth, const TuiCustomCalendarTable* ACalendar, std::string& AName);
// The date written by the locale with AFormat (the locale's own with AFlags when empty); false and an
// empty text when the locale cannot write it.
bool uiGetDateFormatText(std::string& AText, DWORD AFlags, const std::string& AFormat, TDateTime ADateTime);
