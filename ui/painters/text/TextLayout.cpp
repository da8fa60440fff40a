#include "ui/painters/text/TextLayout.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/CodePages.h"
#include "platform/vcl/Font.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/controls/ControlServices.h"
#include "ui/painters/text/TextRowEngine.h"

#include <algorithm>

namespace text_layout_detail {

// Puts the DC's font and text colour back however the call ends.
class TDCTextState {
public:
    explicit TDCTextState(HDC ADC)
        : FDC(ADC), FFont(GetCurrentObject(ADC, OBJ_FONT)), FColor(GetTextColor(ADC)) {}
    ~TDCTextState() {
        SelectObject(FDC, FFont);
        SetTextColor(FDC, FColor);
    }
    TDCTextState(const TDCTextState&) = delete;
    TDCTextState& operator=(const TDCTextState&) = delete;

private:
    HDC FDC;
    HGDIOBJ FFont;
    COLORREF FColor;
};

} // namespace text_layout_detail

using namespace text_layout_detail;

int uiTextOutWide(HDC ADC, const std::u16string& AText, TRect& R, std::uint32_t AFlags, int AHighlightStart,
                  int AHighlightLength, TFont* AFont, TColor AHighlightBackColor, TColor AHighlightTextColor,
                  int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor,
                  double ARowSpacing) {
    if (AText.empty()) return 0;
    TDCTextState restore(ADC);
    if (AFont != nullptr) {
        SelectObject(ADC, AFont->Handle());
        SetTextColor(ADC, ColorToRGB(AFont->Color()));
    }
    if (ATextColor != clDefault) SetTextColor(ADC, ColorToRGB(ATextColor));
    const TuiTextParams params = BuildTextParams(ADC, AFlags, ARowSpacing);
    TRect work = R;
    ApplyTextIndents(work, params, ALeftIndent, ARightIndent);
    const bool calcRect = params.Has(tfCalcRect);
    if (work.right - work.left <= 0 || (!calcRect && work.bottom - work.top <= 0)) return 0;
    std::u16string stripped;
    const std::u16string* text = &AText;
    if (params.Has(tfRemoveAccelChars)) {
        stripped = uiRemoveAccelCharsW(AText);
        if (stripped.empty()) return 0;
        text = &stripped;
    }
    const int length = static_cast<int>(text->size());
    TuiTextRows rows;
    int count = 0;
    const bool truncated = !BuildTextRows(ADC, text->data(), length, work, params, rows, count, AMaxRowCount);
    if (calcRect) {
        if (AMaxRowCount > 0) count = std::min(count, AMaxRowCount);
        work.right = work.left + GetWidestRowWidth(rows, count);
        if (!params.Has(tfSingleLine)) {
            BuildTextRows(ADC, text->data(), length, work, params, rows, count, AMaxRowCount);
            if (AMaxRowCount > 0) count = std::min(count, AMaxRowCount);
        }
        PositionTextRows(ADC, work, params, rows, count);
        work.bottom = count > 0 ? rows[count - 1].Top + params.RowHeight : work.top;
        TRect result = work;
        RemoveTextIndents(result, params, ALeftIndent, ARightIndent);
        R = result;
    } else {
        PositionTextRows(ADC, work, params, rows, count);
        int start = AHighlightStart, highlight = AHighlightLength;
        if (start < 0 || start >= length)
            highlight = 0;
        else if (highlight > length - start)
            highlight = length - start;
        DrawTextRows(ADC, work, params, rows, count, start, highlight, AHighlightBackColor,
                     AHighlightTextColor, truncated);
    }
    if (params.Has(tfCountRows)) return count;
    return count > 0 ? rows[count - 1].Top + params.RowHeight - work.top : 0;
}

int uiTextOut(HDC ADC, const std::string& AText, TRect& R, std::uint32_t AFlags, int AHighlightStart,
              int AHighlightLength, TFont* AFont, TColor AHighlightBackColor, TColor AHighlightTextColor,
              int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor, double ARowSpacing) {
    int charset = DEFAULT_CHARSET;
    if (AFont != nullptr)
        charset = AFont->Charset();
    else {
        TEXTMETRIC tm;
        if (GetTextMetrics(ADC, &tm)) charset = tm.tmCharSet;
    }
    std::u16string wide;
    try {
        wide = ovMultiByteToWideString(AText, ovGetCodePageFromCharset(charset));
    } catch (const Exception&) {
        // A character set whose code page the system lacks: the text is taken as the program's own.
        wide = Utf8ToUtf16(AText);
    }
    return uiTextOutWide(ADC, wide, R, AFlags, AHighlightStart, AHighlightLength, AFont, AHighlightBackColor,
                         AHighlightTextColor, AMaxRowCount, ALeftIndent, ARightIndent, ATextColor,
                         ARowSpacing);
}
