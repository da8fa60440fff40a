// Character classes of the row breaking: the characters that may not begin a row (East Asian closing
// punctuation and the like) and the wide characters after which a row may break without a space.
#pragma once

namespace text_breaking {

// The 122 characters that may not begin a row.
bool IsNoBreakBefore(char16_t AChar);
// CJK ideographs, kana and Hangul syllables; a row may break before and after each of them.
bool IsWideBreakChar(char16_t AChar);
// Whether the system's locale is a Far East one (breaking inside words is always allowed there).
bool IsFarEastLocale();

} // namespace text_breaking
