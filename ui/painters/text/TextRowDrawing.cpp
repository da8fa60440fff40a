// Placing and drawing the rows of the text engine: alignment and spreading, the end ellipsis, the
// highlighted range, justification, clipping and the shaded bars of very small text.
#include "platform/gdi/Gdi.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/text/TextLayout.h"
#include "ui/painters/text/TextPatternBrushes.h"
#include "ui/painters/text/TextRowEngine.h"
#include "ui/painters/text/WideTextGdi.h"

#include <algorithm>

namespace text_row_drawing_detail {

// Metafile recorders take no visibility tests and no highlighting.
constexpr DWORD ObjMetaDC = 4, ObjMetafile = 9, ObjEnhMetaDC = 12, ObjEnhMetafile = 13;
constexpr int TabbedTextOutLimit = 4096;

bool IsMetafileDC(HDC ADC) {
    const DWORD type = GetObjectType(ADC);
    return type == ObjMetaDC || type == ObjMetafile || type == ObjEnhMetaDC || type == ObjEnhMetafile;
}

int AlignedLeft(const TRect& R, int AWidth, const TuiTextParams& P) {
    int left = R.left;
    if (P.HorzAlignment == 1) left = R.left + (R.right - R.left - AWidth) / 2;
    if (P.HorzAlignment == 2) left = R.right - AWidth;
    if (P.Has(tfKeepLeftInside)) left = std::max<int>(left, R.left);
    return left;
}

int PrefixWidth(HDC ADC, const TuiTextRow& ARow, int ALength, bool AExpandTabs) {
    TSize size;
    MeasureText(ADC, ARow.Text, ALength, AExpandTabs, size);
    return size.cx;
}

// The row's characters at its place. TabbedTextOut takes at most 4096 characters a call, so a longer
// tabbed row is drawn in pieces that keep the row's tab origin.
void DrawRowText(HDC ADC, const TuiTextRow& ARow, int ALength, bool AExpandTabs) {
    if (!AExpandTabs) {
        wide_text_gdi::TextOut(ADC, ARow.Left, ARow.Top, ARow.Text, ALength);
        return;
    }
    int x = ARow.Left;
    for (int done = 0; done < ALength;) {
        int piece = std::min(TabbedTextOutLimit, ALength - done);
        const char16_t last = ARow.Text[done + piece - 1];
        if (piece < ALength - done && last >= 0xD800 && last <= 0xDBFF) --piece; // keep a pair whole
        x += wide_text_gdi::TabbedTextOut(ADC, x, ARow.Top, ARow.Text + done, piece, ARow.Left);
        done += piece;
    }
}

void DrawEllipsis(HDC ADC, int X, int Y, const TRect& ARowRect, const TuiTextParams& P) {
    const bool fits = X + P.EllipsisWidth <= ARowRect.right;
    const UINT options = P.Has(tfNoClip) || fits ? 0 : ETO_CLIPPED;
    wide_text_gdi::ExtTextOut(ADC, X, Y, options, &ARowRect, u"...", 3);
}

} // namespace text_row_drawing_detail

using namespace text_row_drawing_detail;

void PositionTextRows(HDC, const TRect& R, const TuiTextParams& AParams, TuiTextRows& ARows, int ARowCount) {
    if (ARowCount <= 0) return;
    const int height = R.bottom - R.top;
    int step = AParams.RowHeight, extra = 0;
    if (AParams.VertAlignment == 3 && ARowCount > 1) {
        const int gap = height - step;
        if (step < static_cast<double>(gap) / (ARowCount - 1)) {
            step = gap / (ARowCount - 1);
            extra = gap % (ARowCount - 1);
        }
    }
    int top = R.top;
    if (AParams.VertAlignment == 1) top = R.top + (height - ARowCount * step) / 2;
    if (AParams.VertAlignment == 2) top = R.bottom - ARowCount * step + AParams.ExternalLeading;
    if (AParams.Has(tfKeepTopInside)) top = std::max<int>(top, R.top);
    for (int i = 0; i < ARowCount; ++i) {
        TuiTextRow& row = ARows[i];
        row.Left = AlignedLeft(R, row.Width, AParams);
        row.Top = top;
        top += step;
        if (extra > 0) {
            ++top;
            --extra;
        }
    }
}

void DrawTextRows(HDC ADC, const TRect& R, const TuiTextParams& AParams, TuiTextRows& ARows, int ARowCount,
                  int AHighlightStart, int AHighlightLength, TColor AHighlightBackColor,
                  TColor AHighlightTextColor, bool ATruncated) {
    const TuiTextParams& p = AParams;
    const int width = R.right - R.left;
    const bool expandTabs = p.Has(tfExpandTabs);
    const bool metafile = IsMetafileDC(ADC);
    const bool highlightBack =
        AHighlightLength > 0 && AHighlightBackColor != clNone && AHighlightBackColor != clDefault;
    const bool highlightText = AHighlightTextColor != clNone && AHighlightTextColor != clDefault;
    const bool highlighting = !metafile && AHighlightLength > 0 && (highlightBack || highlightText);
    HBRUSH highlightBrush = highlightBack ? CreateSolidBrush(ColorToRGB(AHighlightBackColor)) : nullptr;
    const int oldMode = SetBkMode(ADC, TRANSPARENT);
    for (int i = 0; i < ARowCount; ++i) {
        TuiTextRow& row = ARows[i];
        const bool lastRow = i == ARowCount - 1;
        const TRect rowRect{R.left, row.Top, R.right, row.Top + p.RowHeight};
        if (row.Length == 0) {
            if (lastRow && p.Has(tfEndEllipsis) && ATruncated)
                DrawEllipsis(ADC, row.Left, row.Top, rowRect, p);
            continue;
        }
        const RECT visible = rowRect;
        if (!metafile && !RectVisible(ADC, &visible)) continue;
        if (p.PatternMode) {
            int top = row.Top + p.OnePixel, bottom = row.Top + p.RowHeight - p.OnePixel;
            if (bottom <= top) bottom = top + p.OnePixel;
            const RECT bar{row.Left, top, std::min<int>(row.Left + row.Width, R.right), bottom};
            const COLORREF oldBack = SetBkColor(ADC, ColorToRGB(clWindow));
            if (HBRUSH brush = uiTextPatternBrush(p.Bold)) FillRect(ADC, &bar, brush);
            SetBkColor(ADC, oldBack);
            continue;
        }
        const bool ellipsis = p.Has(tfEndEllipsis) && lastRow && (ATruncated || row.Width > width);
        if (ellipsis) {
            // The characters that leave room for "...", at least one of a left-aligned row; the visible
            // block of text and ellipsis is aligned again.
            const int available = std::max(0, width - p.EllipsisWidth);
            int fit = wide_text_gdi::FittingLength(ADC, row.Text, row.Length, available);
            if (fit < 1 && p.HorzAlignment == 0) fit = 1;
            row.Length = fit;
            row.Width = PrefixWidth(ADC, row, fit, expandTabs);
            row.Left = AlignedLeft(R, row.Width + p.EllipsisWidth, p);
        }
        const bool justify = p.Justified() && !ellipsis && width > row.Width && row.BreakCount > 0;
        const bool clip = !p.Has(tfNoClip) && (row.Left < R.left || row.Left + row.Width > R.right ||
                                               row.Top < R.top || row.Top + p.RowHeight > R.bottom);
        const int rowEnd = row.StartOffset + row.Length;
        const int highlightEnd = AHighlightStart + AHighlightLength;
        const bool highlightRow = highlighting && AHighlightStart < rowEnd && highlightEnd > row.StartOffset;
        const int saved = clip || highlightRow ? SaveDC(ADC) : 0;
        if (clip)
            IntersectClipRect(ADC, R.left, std::max<int>(row.Top, R.top), R.right,
                              std::min<int>(row.Top + p.RowHeight, R.bottom));
        if (justify) SetTextJustification(ADC, width - row.Width, row.BreakCount);
        if (highlightRow) {
            const int from = std::max(AHighlightStart, row.StartOffset) - row.StartOffset;
            const int to = std::min(highlightEnd, rowEnd) - row.StartOffset;
            int x1 = PrefixWidth(ADC, row, from, expandTabs), x2 = PrefixWidth(ADC, row, to, expandTabs);
            if (uiIsSpecialTextCharset(static_cast<std::uint8_t>(p.CharSet),
                                       wide_text_gdi::Narrow(row.Text, row.Length))) {
                const int mirrored = row.Width - x2;
                x2 = row.Width - x1;
                x1 = mirrored;
            }
            // A highlight reaching the end of the ellipsis row takes the ellipsis with it.
            const bool takesEllipsis = ellipsis && to == row.Length;
            const int extentRight = row.Left + x2 + (takesEllipsis ? p.EllipsisWidth : 0);
            const int inner = SaveDC(ADC);
            IntersectClipRect(ADC, row.Left + x1, row.Top, extentRight, row.Top + p.RowHeight);
            if (highlightBrush != nullptr) {
                const RECT extent{row.Left + x1, row.Top, extentRight, row.Top + p.RowHeight};
                FillRect(ADC, &extent, highlightBrush);
            }
            const COLORREF textColour = GetTextColor(ADC);
            if (highlightText) SetTextColor(ADC, ColorToRGB(AHighlightTextColor));
            DrawRowText(ADC, row, row.Length, expandTabs);
            if (takesEllipsis && row.Left + row.Width < R.right)
                DrawEllipsis(ADC, row.Left + row.Width, row.Top, rowRect, p);
            SetTextColor(ADC, textColour);
            RestoreDC(ADC, inner);
            ExcludeClipRect(ADC, row.Left + x1, row.Top, extentRight, row.Top + p.RowHeight);
        }
        DrawRowText(ADC, row, row.Length, expandTabs);
        if (ellipsis && row.Left + row.Width < R.right)
            DrawEllipsis(ADC, row.Left + row.Width, row.Top, rowRect, p);
        if (justify) SetTextJustification(ADC, 0, 0);
        if (saved != 0) RestoreDC(ADC, saved);
    }
    SetBkMode(ADC, oldMode);
    if (highlightBrush != nullptr) DeleteObject(highlightBrush);
}
