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

// The next line of a quoted-printable text body, from the 1-based Position on. Line breaks (CR LF) of
// the text stay line breaks: the line ends there and Position moves past the break. A longer line is
// cut into segments of at most MaxLen characters ending in a soft break "=", and a blank or tab that
// would end a line is encoded, since mail transports drop trailing white space.
std::string QuotedPrintableLine(std::string_view Text, int MaxLen, int& Position);
