// Text encodings at the edges of the system: UTF-16 for the byte formats that require it, and the
// single-byte code pages of older files. Inside the system every string is UTF-8.
#pragma once

#include <string>
#include <string_view>

constexpr unsigned CP_ACP = 0; // the ANSI code page, which is UTF-8 here
constexpr unsigned CP_UTF8 = 65001;
constexpr unsigned CP_WINDOWS1252 = 1252;
constexpr unsigned CP_LATIN1 = 28591;
constexpr unsigned CP_USASCII = 20127;

// The ANSI code page of the system: always UTF-8.
unsigned GetACP();

// Malformed input (bad UTF-8, unpaired surrogates) becomes U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Converts bytes in `codePage` (one of the constants above) to UTF-8. Throws EConvertError for a code
// page the system does not know.
std::string CodePageToUtf8(std::string_view bytes, unsigned codePage);

// Converts UTF-8 text to `codePage`; characters the code page lacks become `replacement`.
std::string Utf8ToCodePage(std::string_view text, unsigned codePage, char replacement = '?');

// Whether `codePage` is one the two conversions above understand.
bool IsSupportedCodePage(unsigned codePage);
