// The texts the CD database client builds: the disc identifier of a table of contents, the query
// command, the escaping of URL values, and the checks on what goes into a read address.
#pragma once

#include "cd/CDTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// The database's disc identifier: the digit sums of the tracks' start seconds (mod 255) in the top
// byte, the playing time in seconds from the first track to the lead-out in the middle 16 bits, the
// track count in the low byte.
std::uint32_t CddbDiscId(const TCDTOC& TOC);
// 8 lower-case hex digits.
std::string DiscIdText(std::uint32_t DiscId);
// "cddb query <id> <n> <offset>... <seconds>": the tracks' frame offsets and the disc length in seconds.
std::string CddbQueryCommand(const TCDTOC& TOC);
// A blank becomes "+", letters and digits stay, every other byte becomes "%" and two upper-case hex
// digits.
std::string CddbEscape(std::string_view Text);
// The user and host of the "hello" greeting, joined by a blank: the e-mail address split at its last
// "@". The server wants both as words of their own, so blanks inside become "_", a missing user is
// "anonymous" and a missing host is LocalHost.
std::string HelloUserText(const std::string& EmailUser, const std::string& LocalHost);
// A "hello" value as one word: every blank or other white space becomes "_".
std::string HelloWord(std::string Text);
// Whether Text is well-formed UTF-8.
bool IsUtf8(std::string_view Text);
// Text of the database in UTF-8. Entries come in Latin-1 (the protocol level the client asks for says
// so, and local entry files are written the same way); text that already is well-formed UTF-8 is kept,
// since some servers and files send that instead.
std::string EntryTextToUtf8(std::string_view Text);
// What may go into a read address: a category is letters only, a disc identifier 8 hex digits.
bool IsValidCategory(std::string_view Category);
bool IsValidDiscId(std::string_view DiscId);
