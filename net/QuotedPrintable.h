// Quoted-printable in segments of limited length, as header words and mail bodies need it.
#pragma once

#include "net/ByteSet.h"

#include <string>
#include <string_view>

// The next segment of Text from the 1-based Position on. Printable bytes other than "=" and the
// Specials are copied, a blank becomes "_" when SpaceAsUnderscore is set, every other byte becomes
// "=" and two upper-case hexadecimal digits. With Limited, a segment holds at most MaxLen
// characters: when the next byte does not fit, a soft break "=" ends it and Position stays on that
// byte. Without Limited the rest of the text is encoded in one segment.
std::string QuotedPrintableChunk(std::string_view Text, int MaxLen, const TByteSet& Specials,
                                 bool SpaceAsUnderscore, int& Position, bool Limited);
