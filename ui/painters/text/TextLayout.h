// The library's own multi-line text engine, for what DrawText cannot do: East Asian row breaking,
// breaking inside over-long words, two justification modes, rows spread over the height, an end
// ellipsis that keeps at least one character, very small text drawn as a shaded bar, and one character
// range highlighted in its own colours. The ribbon form's caption is drawn through it.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <string>

class TFont;

// Text flags (bit values are part of the interface).
constexpr std::uint32_t tfHorzAlignmentMask = 0x7; // 0 left, 1 centre, 2 right, 3 justify, 4 justify all
constexpr std::uint32_t tfLeft = 0, tfCenter = 1, tfRight = 2, tfJustify = 3, tfJustifyAll = 4;
constexpr std::uint32_t tfVertAlignmentMask = 0x30; // 0 top, 1 centre, 2 bottom, 3 spread
constexpr std::uint32_t tfTop = 0x00, tfVCenter = 0x10, tfBottom = 0x20, tfSpread = 0x30;
constexpr std::uint32_t tfWordWrap = 0x100;
constexpr std::uint32_t tfSingleLine = 0x200;
constexpr std::uint32_t tfExpandTabs = 0x400;
constexpr std::uint32_t tfEndEllipsis = 0x800;
constexpr std::uint32_t tfPatternSmallText = 0x1000;
constexpr std::uint32_t tfExternalLeading = 0x2000;
constexpr std::uint32_t tfFullRowsOnly = 0x4000;
constexpr std::uint32_t tfNoClip = 0x8000;
constexpr std::uint32_t tfAutoIndents = 0x10000;
constexpr std::uint32_t tfCharBreak = 0x20000;
constexpr std::uint32_t tfKeepLeftInside = 0x40000;
constexpr std::uint32_t tfKeepTopInside = 0x80000;
constexpr std::uint32_t tfCalcRect = 0x100000;
constexpr std::uint32_t tfCountRows = 0x200000;
constexpr std::uint32_t tfRemoveAccelChars = 0x1000000;
constexpr std::uint32_t tfSkipWrapSpaces = 0x2000000;

// Lays out and draws (or, with tfCalcRect, measures into R) the text. AFont, when given, is selected
// and gives the text colour; a text colour other than clDefault overrides it. The highlight range (in
// UTF-16 units) is drawn in its own text and background colours (clNone and clDefault: none); a range
// starting past the text is dropped, one running past it shortened. AMaxRowCount 0 means no limit; the
// indents are in device pixels; ARowSpacing 1.0 is single spacing. Answers the height of the laid-out
// text, or with tfCountRows the number of rows; 0 for an empty text or rectangle.
int uiTextOutWide(HDC ADC, const std::u16string& AText, TRect& R, std::uint32_t AFlags,
                  int AHighlightStart = 0, int AHighlightLength = 0, TFont* AFont = nullptr,
                  TColor AHighlightBackColor = clDefault, TColor AHighlightTextColor = clDefault,
                  int AMaxRowCount = 0, int ALeftIndent = 0, int ARightIndent = 0,
                  TColor ATextColor = clDefault, double ARowSpacing = 1.0);
// The same for text in the code page of the font's character set (the DC's when no font is given).
int uiTextOut(HDC ADC, const std::string& AText, TRect& R, std::uint32_t AFlags, int AHighlightStart = 0,
              int AHighlightLength = 0, TFont* AFont = nullptr, TColor AHighlightBackColor = clDefault,
              TColor AHighlightTextColor = clDefault, int AMaxRowCount = 0, int ALeftIndent = 0,
              int ARightIndent = 0, TColor ATextColor = clDefault, double ARowSpacing = 1.0);
