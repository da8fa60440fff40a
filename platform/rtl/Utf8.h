// Walking UTF-8 text one code point at a time. Malformed bytes decode to U+FFFD one byte at a time, so a
// damaged string never stops a loop and never reads past its end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point that starts at `pos` and advances `pos` past it. `pos` must be below size().
char32_t Utf8Next(std::string_view text, std::size_t& pos);

// Appends the UTF-8 encoding of `cp` (surrogates and values beyond U+10FFFF become U+FFFD).
void Utf8Append(std::string& out, char32_t cp);

// The number of code points in `text`.
std::size_t Utf8Length(std::string_view text);

// The byte offset at which the code point number `count` starts (size() when the text is shorter).
std::size_t Utf8OffsetOf(std::string_view text, std::size_t count);
