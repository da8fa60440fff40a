// The format settings read from a locale, and the program's choice of following the user when the
// regional settings change.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Locale.h"

#include <string>
#include <string_view>

// Fills `ASettings` from the locale: separators, currency, date and time formats, AM and PM strings,
// month and day names, and the eras of the locale's calendar. An unknown locale changes nothing.
void GetLocaleFormatSettings(LCID ALocale, TFormatSettings& ASettings);
// Reads the process-wide FormatSettings again from the thread's locale.
void GetFormatSettings();

// Whether the program takes over the user's new regional settings when they change (on unless the
// program turns it off).
bool UpdateFormatSettings();
void SetUpdateFormatSettings(bool AValue);

// A locale time picture as a format of the class library: a run of "t" becomes "A/P" when it is one
// letter long and "AMPM" when longer; everything else is kept.
std::string ConvertLocaleTimeFormat(std::string_view ALocaleFormat);
