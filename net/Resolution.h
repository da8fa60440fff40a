// Turning host, port and protocol texts into numbers, as connecting and listening need them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// True for a dotted IPv4 address: four groups of at most 255, blanks allowed before and after.
bool IsDottedIP(std::string_view Text);
// Leading blanks skipped, then the value of the decimal digits up to the first other character.
long long ParseDecimal(std::string_view Text);
// The IPv4 address of a dotted text (network byte order), 0xFFFFFFFF ("no address") when the text is
// not one.
std::uint32_t ParseDottedAddress(std::string_view Text);
// The dotted text of an address in network byte order.
std::string DottedAddress(std::uint32_t Address);

// Raise ESocketException with the resolution messages.
std::uint32_t ResolveHost(const std::string& Host);                           // network byte order
std::uint16_t ResolvePort(const std::string& Port, const std::string& Proto); // host byte order
int ResolveProto(const std::string& Proto);
std::string LocalHostName();
