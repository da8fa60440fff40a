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
// The user part of the "hello" greeting: the e-mail address with its last "@" turned into a blank;
// empty for a text without "@".
std::string HelloUserText(const std::string& EmailUser);
// What may go into a read address: a category is letters only, a disc identifier 8 hex digits.
bool IsValidCategory(std::string_view Category);
bool IsValidDiscId(std::string_view DiscId);
