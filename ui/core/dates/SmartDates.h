// The smart date words ("today", "tomorrow", week-day names, "first" .. "seventh", "bom", "eom", "now")
// with an optional day offset ("today + 3"), read from the library's resource strings every time, so
// that a replaced text changes the word.
#pragma once

#include "platform/rtl/DateTime.h"

#include <string>

// The date a text that starts with a smart word stands for; false when no word starts it or the rest is
// not "+ n" or "- n".
bool uiSmartTextToDate(const std::string& AText, TDateTime& ADate);
// AMask becomes "(" AMask ")|(" the words ")" with an optional offset of up to four digits; "now" only
// with the time.
void uiAddSmartWordsToRegExpr(std::string& AMask, bool AWithTime);
// Text as a literal of the masks' regular expressions: runs without an apostrophe between apostrophes,
// each apostrophe as \'.
std::string uiQuoteRegExprText(const std::string& AText);
