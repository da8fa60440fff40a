// Splitting URLs into their parts and the small text helpers of the HTTP client.
#pragma once

#include <string>
#include <string_view>

// Fills the six parts of Url. Path is read first as the base of a relative reference ("./x",
// "../x"); every part the URL lacks comes back empty (no default port or path).
void SplitUrl(std::string_view Url, std::string& Proto, std::string& User, std::string& Pass,
              std::string& Host, std::string& Port, std::string& Path);
// 1-based position of the last occurrence of Pattern in Text for Count -1, of the Count-th occurrence
// for Count > 0 (a number beyond Text's length when there are fewer), 0 for Count 0 or none.
int FindOccurrence(std::string_view Pattern, std::string_view Text, int Count);
// The path with its "." and ".." segments worked out, as a reference is resolved against its base: a
// ".." removes the segment before it and never climbs above the root. A query ("?...") is left as is.
std::string RemoveDotSegments(std::string_view Path);
bool IsHexDigit(char Ch);
// The value of a hexadecimal digit; other bytes give their low four bits plus 9.
int HexDigitValue(char Ch);
