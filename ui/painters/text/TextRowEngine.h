// The row engine behind uiTextOutWide: the parameters a call derives from its DC and flags, breaking the
// text into rows, placing them, drawing them, and the measuring they share.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/painters/text/TextRows.h"

#include <cstdint>

struct TuiTextParams {
    std::uint32_t Flags = 0;
    int HorzAlignment = 0;
    int VertAlignment = 0;
    int TextHeight = 0;
    int ExternalLeading = 0; // only with tfExternalLeading
    int RowHeight = 0;
    int EllipsisWidth = 0;
    bool Bold = false;
    char16_t BreakChar = u' ';
    int MaxCharWidth = 0;
    int CharSet = 0;
    int OnePixel = 1; // logical width of one device pixel
    bool PatternMode = false;
    bool EffectiveWordWrap = false;
    bool BreakInsideWords = false;

    bool Has(std::uint32_t AFlag) const { return (Flags & AFlag) != 0; }
    bool Justified() const { return HorzAlignment == 3 || HorzAlignment == 4; }
};

// Parameters of one call; ARowSpacing scales the row height (rounded half to even).
TuiTextParams BuildTextParams(HDC ADC, std::uint32_t AFlags, double ARowSpacing);

// Breaks the text into rows for the rectangle; answers whether all text fitted.
bool BuildTextRows(HDC ADC, const char16_t* AText, int ALength, const TRect& R, const TuiTextParams& AParams,
                   TuiTextRows& ARows, int& ARowCount, int AMaxRows);
void PositionTextRows(HDC ADC, const TRect& R, const TuiTextParams& AParams, TuiTextRows& ARows,
                      int ARowCount);
void DrawTextRows(HDC ADC, const TRect& R, const TuiTextParams& AParams, TuiTextRows& ARows, int ARowCount,
                  int AHighlightStart, int AHighlightLength, TColor AHighlightBackColor,
                  TColor AHighlightTextColor, bool ATruncated);
int GetWidestRowWidth(const TuiTextRows& ARows, int ACount);
// The working rectangle of a call and back: the automatic indents and the left and right indents.
void ApplyTextIndents(TRect& R, const TuiTextParams& AParams, int ALeftIndent, int ARightIndent);
void RemoveTextIndents(TRect& R, const TuiTextParams& AParams, int ALeftIndent, int ARightIndent);
// The size of the text on one row, with tabs expanded when asked.
void MeasureText(HDC ADC, const char16_t* AText, int ALength, bool AExpandTabs, TSize& ASize);
