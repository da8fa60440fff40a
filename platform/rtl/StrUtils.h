// String routines with the class library's names and meaning. Strings are UTF-8; positions and counts
// of Pos, Copy, Delete and Insert are 1-based byte positions, as callers of the class library expect.
// The "Ansi" routines handle every Unicode letter; the plain ones change and compare ASCII letters only.
#pragma once

#include "platform/rtl/Set.h"

#include <string>
#include <string_view>

// Remove leading and/or trailing spaces and control characters (every byte up to ' ').
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

// Three-way comparisons: negative, zero or positive.
int CompareStr(std::string_view a, std::string_view b);      // byte order, case-sensitive
int CompareText(std::string_view a, std::string_view b);     // ASCII letters compared as upper case
int AnsiCompareStr(std::string_view a, std::string_view b);  // code point order, case-sensitive
int AnsiCompareText(std::string_view a, std::string_view b); // code point order, any letter's case ignored
bool SameText(std::string_view a, std::string_view b);       // CompareText(a, b) == 0
bool AnsiSameText(std::string_view a, std::string_view b);   // AnsiCompareText(a, b) == 0
// Whether `text` begins with `subText`, ASCII case ignored (as SameText compares).
bool StartsText(std::string_view subText, std::string_view text);

// 'text' with each embedded quote doubled.
std::string QuotedStr(std::string_view s);
std::string AnsiQuotedStr(std::string_view s, char quote);
// The inverse: a string that starts with `quote` yields the text up to its closing quote with doubled
// quotes made single; a string that does not start with `quote`, or whose closing quote is missing, is
// returned unchanged.
std::string AnsiDequotedStr(std::string_view s, char quote);

enum class TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = Set<TReplaceFlag, 8>;
constexpr TReplaceFlag rfReplaceAll = TReplaceFlag::rfReplaceAll;
constexpr TReplaceFlag rfIgnoreCase = TReplaceFlag::rfIgnoreCase;

// Replaces the first (or, with rfReplaceAll, every) occurrence of `oldPattern`; rfIgnoreCase matches
// letters of any script regardless of case. An empty pattern replaces nothing.
std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);

// 1-based position of `sub` in `s`, or 0. PosEx starts searching at `offset` (1-based); an offset
// below 1 or past the end finds nothing.
int Pos(std::string_view sub, std::string_view s);
int PosEx(std::string_view sub, std::string_view s, int offset = 1);

// `count` bytes from 1-based `index`, clipped to the string; an index below 1 counts as 1.
std::string Copy(std::string_view s, int index, int count);
// Removes `count` bytes from 1-based `index`; an index outside the string removes nothing.
void Delete(std::string& s, int index, int count);
// Inserts `source` before 1-based `index`; an index below 1 inserts at the start, past the end appends.
void Insert(std::string_view source, std::string& s, int index);
