// Breaking long header lines and texts at chosen characters.
#pragma once

#include "net/ByteSet.h"

#include <string>
#include <string_view>

class TStrings;

// The break characters and column of header folding: tab, blank, ",", ";", ">" and "]" at column 76.
TByteSet HeaderBreakChars();
constexpr int HeaderFoldColumn = 76;

// The next segment of Text from the 1-based Position on: up to and including the last break
// character before the column passes MaxCol, or up to an occurrence of BreakStr (compared without
// case, left out of the segment). Break characters between matching quote characters do not count;
// a run without a break character is never cut. At the end Position becomes the largest integer.
std::string WrapText(std::string_view Text, std::string_view BreakStr, const TByteSet& BreakChars,
                     const TByteSet& QuoteChars, int& Position, int MaxCol);
// Appends the header line to List folded at column 76: the first segment trimmed, every further one
// trimmed with a leading TAB.
void FoldHdrLine(TStrings& List, std::string_view HdrLine);
// The text folded at the given characters and column, segments joined by CR LF TAB.
std::string FoldString(std::string_view Text, const TByteSet& BreakChars, int MaxCol);
