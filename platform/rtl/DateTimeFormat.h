// FormatDateTime: a date and time shown through a picture. Tokens (letters in either case):
//   c       short date, then the long time unless the time is midnight
//   d dd    day without / with a leading zero       ddd dddd  short / long day name
//   ddddd   short date format                        dddddd    long date format
//   m mm    month (minutes right after an h token)   mmm mmmm  short / long month name
//   yy yyyy two- / four-digit year
//   h hh    hour (12-hour when an am/pm token follows) n nn  minutes   s ss  seconds
//   z zzz   milliseconds                             t tt      short / long time format
//   am/pm a/p  ampm (the settings' AM and PM strings)
//   /  the date separator   :  the time separator   'x' "x"  literal text
// Any other character is copied.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

#include <string>
#include <string_view>

std::string FormatDateTime(std::string_view format, TDateTime value);
std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings);
