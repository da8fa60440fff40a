// Encoded words ("=?charset?B?...?=" and "=?charset?Q?...?=") for header fields that carry
// characters outside ASCII.
#pragma once

#include "net/ByteSet.h"

#include <string>
#include <string_view>

// The text as one or more encoded words with the given letter ("B" or "Q") and character set name.
// With Fold, words are kept within MaxCol columns (at least 25) and joined by CR LF TAB. Raises
// Exception for a character set name shorter than four characters or another letter.
std::string HdrEncodeInLine(std::string_view Text, const TByteSet& Specials, char EncType,
                            std::string_view CharSet, int MaxCol, bool Fold);
