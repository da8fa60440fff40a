#include "ui/core/graphics/TextMeasure.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ScreenCanvas.h"

#include <algorithm>
#include <array>

namespace text_measure_detail {

// Runs AMeasure on the screen canvas with AFont (sized AFontSize points when not 0) and gives the
// desktop DC back at once.
template <class F> void MeasureOnScreen(TFont* AFont, int AFontSize, F&& AMeasure) {
    TuiScreenCanvas* canvas = uiScreenCanvas();
    if (canvas == nullptr || AFont == nullptr) return;
    canvas->SetFont(AFont);
    if (AFontSize != 0) canvas->Font()->SetSize(AFontSize);
    canvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    AMeasure(canvas);
    canvas->ReleaseHandle();
}

int CalcHeight(HDC ADC, const std::string& AText, int AWidth, UINT AFormat, TRect& R) {
    R = TRect{0, 0, AWidth, 0};
    DrawTextA(ADC, AText.c_str(), static_cast<int>(AText.size()), &R, AFormat | DT_CALCRECT);
    return uiHeightOfRect(R);
}

} // namespace text_measure_detail

bool uiGetTextExtentPoint(HDC ADC, const std::string& AText, TSize& ASize, int ALength) {
    ASize = TSize{0, 0};
    const int whole = static_cast<int>(AText.size());
    const int length = ALength < 0 || ALength > whole ? whole : ALength;
    return GetTextExtentPoint32A(ADC, AText.data(), length, &ASize) != FALSE;
}

bool uiTextOutEx(HDC ADC, const std::string& AText, const TPoint& P, int ALength, UINT AOptions,
                 const TRect* AClip) {
    const int whole = static_cast<int>(AText.size());
    const int length = ALength < 0 || ALength > whole ? whole : ALength;
    return ExtTextOutA(ADC, P.x, P.y, AOptions, AClip, AText.data(), static_cast<UINT>(length), nullptr) !=
           FALSE;
}

int uiMeasureTextHeight(TFont* AFont) {
    TEXTMETRIC metrics{};
    return uiReadTextMetrics(AFont, metrics) ? metrics.tmHeight : 0;
}

int uiGetTextHeightOfDC(HDC ADC) {
    TEXTMETRIC metrics{};
    return GetTextMetricsA(ADC, &metrics) ? metrics.tmHeight : 0;
}

int uiMeasureTextWidth(TFont* AFont, const std::string& AText, int AFontSize) {
    return uiMeasureTextExtent(AFont, AText, AFontSize).cx;
}

TSize uiMeasureTextExtent(TFont* AFont, const std::string& AText, int AFontSize) {
    TSize size{0, 0};
    text_measure_detail::MeasureOnScreen(
        AFont, AFontSize, [&](TuiScreenCanvas* ACanvas) { size = ACanvas->TextExtent(AText); });
    return size;
}

bool uiReadTextMetrics(TFont* AFont, TEXTMETRIC& AMetrics) {
    bool result = false;
    text_measure_detail::MeasureOnScreen(AFont, 0, [&](TuiScreenCanvas* ACanvas) {
        result = GetTextMetricsA(ACanvas->Handle(), &AMetrics) != FALSE;
    });
    return result;
}

TSize uiMeasureTextSize(HDC ADC, const std::string& AText) {
    TRect r;
    uiMeasureTextRect(ADC, AText, 1, r);
    return uiSizeOfRect(r);
}

void uiMeasureTextRect(HDC ADC, const std::string& AText, int ARowCount, TRect& R, bool AReturnMaxHeight) {
    using text_measure_detail::CalcHeight;
    R = uiZeroRect;
    const int limit = ARowCount <= 0 ? 32000 : ARowCount * uiGetTextHeightOfDC(ADC);
    const int length = static_cast<int>(AText.size());
    if (ARowCount == 1) {
        DrawTextA(ADC, AText.c_str(), length, &R, DT_CALCRECT | DT_SINGLELINE);
    } else {
        TRect r{0, 0, 1, 1};
        DrawTextA(ADC, AText.c_str(), length, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK);
        int lo = uiWidthOfRect(r);
        r = uiZeroRect;
        DrawTextA(ADC, AText.c_str(), length, &r, DT_CALCRECT | DT_SINGLELINE);
        int hi = uiWidthOfRect(r);
        // The narrowest width whose wrapped height stays within the rows.
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            if (CalcHeight(ADC, AText, mid, DT_WORDBREAK, r) > limit)
                lo = mid;
            else
                hi = mid;
        }
        if (CalcHeight(ADC, AText, lo, DT_WORDBREAK, R) > limit) CalcHeight(ADC, AText, hi, DT_WORDBREAK, R);
    }
    if (AReturnMaxHeight) R.bottom = limit;
}

std::string uiGetStringAdjustedToWidth(HDC ADC, HFONT AFont, const std::string& AText,
                                       TuiTextEllipsis AEllipsis, int AWidth) {
    if (AText.empty() || AWidth <= 0) return std::string();
    std::array<char, 4096> buffer{};
    std::copy_n(AText.begin(), std::min<std::size_t>(AText.size(), buffer.size() - 1), buffer.begin());
    TuiScreenCanvas* screen = ADC == nullptr ? uiScreenCanvas() : nullptr;
    HDC dc = ADC != nullptr ? ADC : (screen != nullptr ? screen->Handle() : nullptr);
    if (dc == nullptr) return AText;
    if (AFont != nullptr) SelectObject(dc, AFont);
    RECT r{0, 0, AWidth, 32};
    const UINT ellipsis = AEllipsis == teEnd ? DT_END_ELLIPSIS : DT_PATH_ELLIPSIS;
    DrawTextA(dc, buffer.data(), -1, &r, ellipsis | DT_MODIFYSTRING | DT_SINGLELINE | DT_CALCRECT);
    if (screen != nullptr) screen->ReleaseHandle();
    return std::string(buffer.data());
}

bool uiIsSpecialTextCharset(std::uint8_t ACharset, const std::string& AText) {
    // The system's default charset on this desktop is the ANSI one.
    if (ACharset == DEFAULT_CHARSET) ACharset = ANSI_CHARSET;
    if (!AText.empty() && static_cast<unsigned char>(AText[0]) < 0x80) return false;
    return ACharset == 134 || ACharset == 136 || ACharset == 178;
}

void uiSetFontNonAntialiased(TFont* AFont) {
    LOGFONT font;
    if (GetObject(AFont->Handle(), sizeof(font), &font) == 0) return;
    font.lfQuality = NONANTIALIASED_QUALITY;
    AFont->SetHandle(CreateFontIndirect(&font));
}

void uiAssignDefaultFont(TFont* AFont) {
    const TFont defaults;
    AFont->SetCharset(defaults.Charset());
    AFont->SetName(defaults.Name());
    AFont->SetHeight(defaults.Height());
    AFont->SetPitch(defaults.Pitch());
    AFont->SetStyle(defaults.Style());
}
