// Text encodings at the edges of the system: UTF-16 for the byte formats that require it, and the
// single-byte code pages of older files. Inside the system every string is UTF-8.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <string_view>

constexpr UINT CP_ACP = 0; // the ANSI code page, which is UTF-8 here
constexpr UINT CP_UTF8 = 65001;
constexpr UINT CP_WINDOWS1252 = 1252;
constexpr UINT CP_LATIN1 = 28591;
constexpr UINT CP_USASCII = 20127;

// The ANSI code page of the system: always UTF-8.
UINT GetACP();

// Malformed input (bad UTF-8, unpaired surrogates) becomes U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Converts bytes in `codePage` (one of the constants above) to UTF-8. Throws EConvertError for a code
// page the system does not know.
std::string CodePageToUtf8(std::string_view bytes, UINT codePage);

// Converts UTF-8 text to `codePage`; characters the code page lacks become `replacement`.
std::string Utf8ToCodePage(std::string_view text, UINT codePage, char replacement = '?');

// Whether `codePage` is one the two conversions above understand.
bool IsSupportedCodePage(UINT codePage);
