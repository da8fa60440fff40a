// Typed text to dates and dates to text for the date editors and the bar date navigator: smart words,
// dates in the locale's format, dates typed in another order when a format is given, and dates of the
// locale's own calendar when it is not a Gregorian one. uiNullDate stands for "no date".
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

#include <string>

class TuiCustomCalendarTable;
class TuiDateTimeFormatInfo;
struct TuiDateTime;

// Never raises: text that is no date, or a date out of range, gives uiNullDate. AUseLibraryFormats
// reads the separators of the class library's settings instead of the locale's.
TDateTime uiTextToDateTime(const std::string& AText, bool AUseLibraryFormats = false);
// The locale's short date, and its time when the value has a time of day; empty for uiNullDate. With
// AUseLibraryFormats the class library's short date (with a four-digit year when asked) and long time.
void uiDateTimeToText(bool AFourDigitYear, bool AUseLibraryFormats, std::string& AText, TDateTime ADateTime);
// With AFormat: the text read in the order of that format; without: uiTextToDateTime. True when the
// result is a date.
bool uiTextToDateWithFormat(const std::string& AText, TDateTime& ADate, const std::string& AFormat);
// A date typed in the locale's calendar (types 3..8), or read as a Gregorian date for other types.
TDateTime uiCalendarTextToDate(const std::string& AText);
// Prepares typed text for the class library's reader: literals of the formats become blanks, a date
// in the order of ADateInfo is rewritten in the locale's order, blanks are folded and the date
// separator becomes a blank. ALocaleSettings: the locale's separators (else the class library's).
void uiNormalizeDateText(std::string& AText, bool ALocaleSettings, TuiDateTimeFormatInfo* ADateInfo,
                         TuiDateTimeFormatInfo* ATimeInfo);
// A date typed in ACalendar's counting with the given settings: an era name or the format's era, three
// parts in the order of the short date format, and an optional time.
void uiParseCalendarDate(const std::string& S, const TFormatSettings& ASettings,
                         TuiCustomCalendarTable* ACalendar, TuiDateTime& ADate);
