// Parameters, measuring and row breaking of the text engine.
#include "platform/gdi/Gdi.h"
#include "ui/painters/text/TextBreaking.h"
#include "ui/painters/text/TextLayout.h"
#include "ui/painters/text/TextRowEngine.h"
#include "ui/painters/text/WideTextGdi.h"

#include <algorithm>
#include <cmath>

namespace text_row_builder_detail {

constexpr char16_t CR = u'\r', LF = u'\n';

bool IsLineBreak(char16_t AChar) {
    return AChar == CR || AChar == LF;
}
bool IsBlank(char16_t AChar) {
    return AChar == u' ' || AChar == u'\t';
}

// Units of a line break at I: CR LF and LF CR count as one break.
int LineBreakLength(const char16_t* AText, int ALength, int I) {
    if (I + 1 < ALength && IsLineBreak(AText[I + 1]) && AText[I + 1] != AText[I]) return 2;
    return 1;
}

// The end of the break unit starting at I (I < ALength, not at a line break).
int UnitEnd(const char16_t* AText, int ALength, int I, bool AWordWrap) {
    if (!AWordWrap) {
        int end = I;
        while (end < ALength && !IsLineBreak(AText[end]))
            ++end;
        return end;
    }
    const char16_t c = AText[I];
    if (IsBlank(c)) return I + 1;
    if (text_breaking::IsWideBreakChar(c))
        return I + 1 < ALength && text_breaking::IsNoBreakBefore(AText[I + 1]) ? I + 2 : I + 1;
    int end = I + 1;
    while (end < ALength && !IsBlank(AText[end]) && !IsLineBreak(AText[end]) &&
           !text_breaking::IsWideBreakChar(AText[end]))
        ++end;
    return end;
}

bool IsHighSurrogate(char16_t AChar) {
    return AChar >= 0xD800 && AChar <= 0xDBFF;
}

int TextWidth(HDC ADC, const char16_t* AText, int ALength, bool AExpandTabs) {
    TSize size;
    MeasureText(ADC, AText, ALength, AExpandTabs, size);
    return size.cx;
}

// The longest prefix of the unit [AUnitStart, AUnitEnd) such that the row from ARowStart still fits
// AWidth, found by bisection; at least one character (a surrogate pair stays whole).
int FittingUnitPrefix(HDC ADC, const char16_t* AText, int ARowStart, int AUnitStart, int AUnitEnd, int AWidth,
                      bool AExpandTabs) {
    int lo = 1, hi = AUnitEnd - AUnitStart - 1; // the whole unit does not fit
    int best = 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        if (TextWidth(ADC, AText + ARowStart, AUnitStart + mid - ARowStart, AExpandTabs) <= AWidth) {
            best = mid;
            lo = mid + 1;
        } else
            hi = mid - 1;
    }
    if (IsHighSurrogate(AText[AUnitStart + best - 1]) && AUnitStart + best < AUnitEnd) ++best;
    return best;
}

// Makes the row starting at AStart; answers where the next row starts.
int MakeRow(HDC ADC, const char16_t* AText, int ALength, int AStart, int AWidth, const TuiTextParams& P,
            bool ALast, TuiTextRow& ARow) {
    const bool wrap = P.EffectiveWordWrap;
    const bool expandTabs = P.Has(tfExpandTabs);
    const bool ellipsisRow = ALast && P.Has(tfEndEllipsis) && !P.Has(tfNoClip) && !P.Has(tfCalcRect) &&
                             !P.Has(tfCountRows) && !P.Justified();
    int end = AStart, next = AStart;
    bool wrapped = false, brokeLine = false;
    for (;;) {
        if (end >= ALength) {
            next = end;
            break;
        }
        if (IsLineBreak(AText[end])) {
            next = end + LineBreakLength(AText, ALength, end);
            brokeLine = true;
            break;
        }
        const int unitEnd = UnitEnd(AText, ALength, end, wrap);
        if (!wrap || TextWidth(ADC, AText + AStart, unitEnd - AStart, expandTabs) <= AWidth) {
            end = unitEnd;
            continue;
        }
        wrapped = true;
        if (end > AStart && !ellipsisRow) {
            next = end;
            break;
        }
        if (P.BreakInsideWords) {
            end += FittingUnitPrefix(ADC, AText, AStart, end, unitEnd, AWidth, expandTabs);
            next = end;
            break;
        }
        // The unit overflows the row. A line break right after it is this row's own: left to the next
        // row it would make a blank row that is not in the text.
        end = unitEnd;
        next = end;
        if (end < ALength && IsLineBreak(AText[end])) {
            next = end + LineBreakLength(AText, ALength, end);
            brokeLine = true;
        }
        break;
    }
    if (wrapped && !brokeLine) {
        switch (P.HorzAlignment) {
        case 1:
            if (end > AStart && IsBlank(AText[end - 1])) --end;
            if (next < ALength && IsBlank(AText[next])) ++next;
            break;
        case 2:
            if (end > AStart && IsBlank(AText[end - 1])) --end;
            break;
        default:
            if (next < ALength && IsBlank(AText[next])) ++next;
            break;
        }
        if (P.Has(tfSkipWrapSpaces))
            while (next < ALength && AText[next] == u' ')
                ++next;
    }
    ARow.Text = AText + AStart;
    ARow.StartOffset = AStart;
    ARow.BreakCount = 0;
    if (P.HorzAlignment == 4 || (P.HorzAlignment == 3 && wrapped)) {
        while (end > AStart && IsBlank(AText[end - 1]))
            --end;
        for (int i = AStart; i < end; ++i)
            if (IsBlank(AText[i])) ++ARow.BreakCount;
    }
    ARow.Length = end - AStart;
    TSize size;
    MeasureText(ADC, ARow.Text, ARow.Length, expandTabs, size);
    ARow.Width = size.cx;
    ARow.Height = size.cy;
    return next;
}

} // namespace text_row_builder_detail

using namespace text_row_builder_detail;

void MeasureText(HDC ADC, const char16_t* AText, int ALength, bool AExpandTabs, TSize& ASize) {
    using namespace wide_text_gdi;
    if (ALength <= 0) {
        ASize = TSize{0, TextExtent(ADC, u"", 0).cy};
        return;
    }
    if (!AExpandTabs) {
        ASize = TextExtent(ADC, AText, ALength);
        return;
    }
    if (ALength > 4095) {
        ASize = DrawTextLineExtent(ADC, AText, ALength);
        if (ASize.cx == 0 && ALength >= 4097) ASize = DrawTextLineExtent(ADC, AText, 4096);
        return;
    }
    ASize = TabbedTextExtent16(ADC, AText, ALength);
    // The tabbed extent is 16 bits wide; a text that may be wider takes the lost multiples from DrawText.
    if (static_cast<long long>(ALength) * TextExtent(ADC, u"W", 1).cx > 65535) {
        const TSize full = DrawTextLineExtent(ADC, AText, ALength);
        const long long lost = (static_cast<long long>(full.cx) - ASize.cx + 32768) / 65536;
        if (lost > 0) ASize.cx += static_cast<LONG>(lost * 65536);
    }
}

TuiTextParams BuildTextParams(HDC ADC, std::uint32_t AFlags, double ARowSpacing) {
    TuiTextParams p;
    p.Flags = AFlags;
    p.HorzAlignment = static_cast<int>(AFlags & tfHorzAlignmentMask);
    if (p.HorzAlignment > 4) p.HorzAlignment = 0;
    p.VertAlignment = static_cast<int>((AFlags & tfVertAlignmentMask) >> 4);
    TEXTMETRIC tm;
    GetTextMetrics(ADC, &tm);
    p.TextHeight = tm.tmHeight;
    p.ExternalLeading = p.Has(tfExternalLeading) ? tm.tmExternalLeading : 0;
    p.RowHeight = static_cast<int>(std::nearbyint((p.TextHeight + p.ExternalLeading) * ARowSpacing));
    if (p.Has(tfEndEllipsis)) p.EllipsisWidth = wide_text_gdi::TextExtent(ADC, u"...", 3).cx;
    p.Bold = tm.tmWeight >= 700;
    p.BreakChar = static_cast<char16_t>(tm.tmBreakChar);
    p.MaxCharWidth = tm.tmMaxCharWidth;
    p.CharSet = tm.tmCharSet;
    POINT points[3] = {{0, 0}, {1, 1}, {0, 6}};
    DPtoLP(ADC, points, 3);
    p.OnePixel = std::max<int>(1, std::abs(points[1].x - points[0].x));
    const int sixPixels = std::abs(points[2].y - points[0].y);
    p.PatternMode = p.Has(tfPatternSmallText) && p.TextHeight < sixPixels;
    p.EffectiveWordWrap = !p.Has(tfSingleLine) && (p.Has(tfWordWrap) || p.Justified());
    p.BreakInsideWords = p.EffectiveWordWrap &&
                         (p.Has(tfCharBreak) || text_breaking::IsFarEastLocale() || p.Has(tfFullRowsOnly));
    return p;
}

bool BuildTextRows(HDC ADC, const char16_t* AText, int ALength, const TRect& R, const TuiTextParams& AParams,
                   TuiTextRows& ARows, int& ARowCount, int AMaxRows) {
    const TuiTextParams& p = AParams;
    const int width = R.right - R.left, height = R.bottom - R.top;
    ARows.SetCount(0);
    ARowCount = 0;
    if (p.Has(tfCalcRect) && p.Has(tfSingleLine)) {
        ARows.SetCount(1);
        TuiTextRow& row = ARows[0];
        row.Text = AText;
        row.Length = ALength;
        TSize size;
        MeasureText(ADC, AText, ALength, p.Has(tfExpandTabs), size);
        row.Width = size.cx;
        row.Height = size.cy;
        ARowCount = 1;
        return true;
    }
    const bool measuring = p.Has(tfCalcRect) || p.Has(tfCountRows);
    int position = 0, total = 0;
    while (position < ALength) {
        if (AMaxRows > 0 && ARowCount >= AMaxRows) break;
        total += p.RowHeight;
        bool last;
        if (p.Has(tfSingleLine))
            last = true;
        else if (p.VertAlignment == 0 && !measuring)
            last = p.Has(tfFullRowsOnly) && !p.Has(tfNoClip) ? total + p.RowHeight > height : total > height;
        else
            last = AMaxRows > 0 && ARowCount + 1 >= AMaxRows;
        ARows.SetCount(ARowCount + 1);
        position = MakeRow(ADC, AText, ALength, position, width, p, last, ARows[ARowCount]);
        ++ARowCount;
        if (last) break;
    }
    if (measuring) return true;
    if (p.Has(tfSingleLine)) return ARowCount > 0 && width >= ARows[0].Width;
    return position >= ALength;
}

int GetWidestRowWidth(const TuiTextRows& ARows, int ACount) {
    int widest = 0;
    for (int i = 0; i < ACount; ++i)
        widest = std::max(widest, ARows[i].Width);
    return widest;
}

void ApplyTextIndents(TRect& R, const TuiTextParams& AParams, int ALeftIndent, int ARightIndent) {
    if (AParams.Has(tfAutoIndents)) {
        const int d = 2 * AParams.OnePixel;
        R = TRect{R.left + d, R.top + d, R.right - d, R.bottom - d};
    }
    R.left += ALeftIndent * AParams.OnePixel;
    R.right -= ARightIndent * AParams.OnePixel;
}

void RemoveTextIndents(TRect& R, const TuiTextParams& AParams, int ALeftIndent, int ARightIndent) {
    R.left -= ALeftIndent * AParams.OnePixel;
    R.right += ARightIndent * AParams.OnePixel;
    if (AParams.Has(tfAutoIndents)) {
        const int d = 2 * AParams.OnePixel;
        R = TRect{R.left - d, R.top - d, R.right + d, R.bottom + d};
    }
}
