// Typed text to dates and times with the class library's rules: StrToTime with the format settings,
// and the variant conversions between strings and dates, which follow the thread's locale.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

#include <string>
#include <string_view>

class EVariantError : public Exception {
public:
    using Exception::Exception;
};
class EVariantTypeCastError : public EVariantError {
public:
    using EVariantError::EVariantError;
};

// The order of a date format's parts: 0 month first, 1 day first, 2 year first. The first of the
// letters d, y or e, m (in any case) decides; a format with none of them counts as month first.
int DateOrderOf(std::string_view AFormat);

// "h[:n[:s[.z]]]" with the settings' time separator, blanks around it allowed, and an optional AM or
// PM string (the settings' own, or "AM", "PM", "A", "P" in any case) after it, which makes the hour one
// of the 12-hour clock. StrToTime raises EConvertError "'<text>' is not a valid time".
bool TryStrToTime(std::string_view AText, TDateTime& AValue, const TFormatSettings& ASettings);
bool TryStrToTime(std::string_view AText, TDateTime& AValue);
TDateTime StrToTime(std::string_view AText, const TFormatSettings& ASettings);
TDateTime StrToTime(std::string_view AText);

// A string variant as a date, read with the thread's locale: up to three numbers in the order of the
// locale's short date (a number of three or more digits, or above 31, at the front is the year),
// separated by blanks, the locale's date separator, "/", "-", "." or ",", or numbers with a month name
// (long or short); two numbers without a year mean this year; a two-digit year falls in the hundred
// years ending with the calendar's two-digit maximum. An optional time "h:n[:s[.z]]" with an AM or PM
// designator may stand before or after the date; a time alone is a time of 1899-12-30. Text that is
// none of these raises EVariantTypeCastError.
TDateTime VarToDateTime(std::string_view AText);
// A date variant as a string: the locale's short date and, when there is a time of day, its time
// format; a value outside the years 1..9999 raises EVariantTypeCastError.
std::string VarDateToStr(TDateTime AValue);
