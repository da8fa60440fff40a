// Base64 (standard alphabet, "=" padding) as mail and authentication messages carry it.
#pragma once

#include <string>
#include <string_view>

class TStream;

// The whole text encoded on one line.
std::string Base64Encode(std::string_view Input);
// Appends groups of four characters to Output (which is not cleared) from the 1-based Position on,
// while input remains and Output is shorter than MaxLen; Position advances by three per group.
void Base64EncodeEx(std::string_view Input, int MaxLen, int& Position, std::string& Output);
// One line of at most 72 characters read from Stream. More is true when the last read filled a
// whole group, so a stream whose length is a multiple of three ends with one empty line.
std::string EncodeBase64Line(TStream& Stream, bool& More);
// Decodes groups of four, skipping CR and LF between groups. Characters outside the alphabet count
// as zero bits; an incomplete last group gives the bytes its characters fully describe.
std::string Base64Decode(std::string_view Input);
