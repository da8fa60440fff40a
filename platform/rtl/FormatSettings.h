// Locale data for formatting numbers, money, dates and times. The system runs with en-US settings;
// `FormatSettings` is the process-wide instance that the formatting routines use by default.
#pragma once

#include <array>
#include <string>
#include <vector>

struct TFormatSettings {
    std::string CurrencyString = "$";
    unsigned char CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    unsigned char NegCurrFormat = 0;  // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", ...
    unsigned char CurrencyDecimals = 2;
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    int TwoDigitYearCenturyWindow = 50;
    // The eras of the locale's calendar (none for the Gregorian one), each with its year offset: the
    // Gregorian year is the era's year plus the offset.
    std::vector<std::string> EraNames;
    std::vector<int> EraYearOffsets;
};

// The settings every routine uses unless it is given its own. Change only from the GUI thread. It is an
// ordinary global: format nothing from static initialisers (module start-up runs from main, see
// ModuleInit.h).
extern TFormatSettings FormatSettings;
