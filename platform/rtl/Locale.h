// The locale and calendar queries of the desktop API, answered from the locale definitions of
// LocaleData.h: locale items, the two-digit-year window of a calendar, date and time pictures, and the
// thread's locale. Text is UTF-8; lengths count bytes and include the terminating zero, as the ANSI
// forms count characters.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/WinTypes.h"

using LCID = DWORD;
using LCTYPE = DWORD;
using CALID = DWORD;
using CALTYPE = DWORD;

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

// The parts of a date-time (all zero for a value outside the years 1..9999), its week day 0 Sunday .. 6.
void DateTimeToSystemTime(TDateTime ADateTime, SYSTEMTIME& ASystemTime);

constexpr LCID LOCALE_NEUTRAL = 0x0000;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

// Flags that may be combined with an item.
constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;
constexpr LCTYPE LOCALE_RETURN_NUMBER = 0x20000000;

constexpr LCTYPE LOCALE_SLIST = 0x0C;
constexpr LCTYPE LOCALE_SDECIMAL = 0x0E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x0F;
constexpr LCTYPE LOCALE_SCURRENCY = 0x14;
constexpr LCTYPE LOCALE_ICURRDIGITS = 0x19;
constexpr LCTYPE LOCALE_ICURRENCY = 0x1B;
constexpr LCTYPE LOCALE_INEGCURR = 0x1C;
constexpr LCTYPE LOCALE_SDATE = 0x1D;
constexpr LCTYPE LOCALE_STIME = 0x1E;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x1F;
constexpr LCTYPE LOCALE_SLONGDATE = 0x20;
constexpr LCTYPE LOCALE_S1159 = 0x28;
constexpr LCTYPE LOCALE_S2359 = 0x29;
constexpr LCTYPE LOCALE_SDAYNAME1 = 0x2A;       // Monday; ..7 (0x30) is Sunday
constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x31; // Monday; ..7 (0x37) is Sunday
constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x38;     // ..12 is 0x43
constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x44;
constexpr LCTYPE LOCALE_SSHORTESTDAYNAME1 = 0x60; // Monday; ..7 (0x66) is Sunday
constexpr LCTYPE LOCALE_SSHORTTIME = 0x79;
constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
constexpr LCTYPE LOCALE_ICALENDARTYPE = 0x1009;
constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;  // 0 Monday .. 6 Sunday
constexpr LCTYPE LOCALE_IFIRSTWEEKOFYEAR = 0x100D; // 0 holds 1 January, 1 first full week, 2 first 4-day week

constexpr CALID CAL_GREGORIAN = 1;
constexpr CALID CAL_GREGORIAN_US = 2;
constexpr CALID CAL_JAPAN = 3;
constexpr CALID CAL_TAIWAN = 4;
constexpr CALID CAL_KOREA = 5;
constexpr CALID CAL_HIJRI = 6;
constexpr CALID CAL_THAI = 7;
constexpr CALID CAL_HEBREW = 8;
constexpr CALID CAL_GREGORIAN_ME_FRENCH = 9;
constexpr CALID CAL_GREGORIAN_ARABIC = 10;
constexpr CALID CAL_GREGORIAN_XLIT_ENGLISH = 11;
constexpr CALID CAL_GREGORIAN_XLIT_FRENCH = 12;

constexpr CALTYPE CAL_RETURN_NUMBER = 0x20000000;
constexpr CALTYPE CAL_ITWODIGITYEARMAX = 0x30;

constexpr DWORD DATE_SHORTDATE = 0x01;
constexpr DWORD DATE_LONGDATE = 0x02;

// A locale item: the text with its terminating zero, or with LOCALE_RETURN_NUMBER (numeric items only)
// the number as a DWORD in the buffer. cchData 0 asks for the size needed. Answers 0 for an unknown
// locale or item and for a buffer too small.
int GetLocaleInfoA(LCID Locale, LCTYPE LCType, char* lpLCData, int cchData);

// Calendar items of a locale; only CAL_ITWODIGITYEARMAX is known, which with CAL_RETURN_NUMBER is
// stored in *lpValue (the answer is then 4, the size of the number).
int GetCalendarInfoA(LCID Locale, CALID Calendar, CALTYPE CalType, char* lpCalData, int cchData,
                     DWORD* lpValue);

// A date written through a picture (d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg, 'quoted text'), or
// through the locale's short or long date when lpFormat is null (DATE_LONGDATE picks the long one). The
// date is counted in the locale's calendar; a null lpDate means today. Answers the length written with
// its zero, the length needed when cchDate is 0, and 0 for bad arguments or a buffer too small.
int GetDateFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpDate, const char* lpFormat,
                   char* lpDateStr, int cchDate);
// A time written through a picture (h hh H HH m mm s ss t tt, 'quoted text'), or through the locale's
// time format when lpFormat is null; a null lpTime means now. dwFlags must be 0.
int GetTimeFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpTime, const char* lpFormat,
                   char* lpTimeStr, int cchTime);

// The calling thread's locale: the user's default until the thread sets another. SetThreadLocale takes a
// known locale or LOCALE_USER_DEFAULT / LOCALE_SYSTEM_DEFAULT and answers FALSE for an unknown one.
LCID GetThreadLocale();
BOOL SetThreadLocale(LCID Locale);
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
