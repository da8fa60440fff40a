// Small text conversions shared by the settings-file and registry classes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TStrings;

namespace ini_text {

// Replaces the content of `list` with `items` inside one update bracket.
void ReplaceListContent(TStrings& list, const std::vector<std::string>& items);

// Bytes as upper-case hexadecimal text, two digits a byte, and back; text that is not whole pairs of
// hexadecimal digits gives nothing.
std::string BytesToHex(std::string_view bytes);
std::optional<std::string> HexToBytes(std::string_view text);

// ": <description of errno>" for an error message, or nothing when errno is 0.
std::string LastErrorReason();

} // namespace ini_text
