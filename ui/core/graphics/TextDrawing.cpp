#include "ui/core/graphics/TextDrawing.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"
#include "platform/vcl/Canvas.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace text_drawing_detail {

bool IsSeparator(char32_t C) {
    return C == U' ' || C == U'\t' || C == U'\r' || C == U'\n';
}

bool IsLineBreak(char C) {
    return C == '\r' || C == '\n';
}

TuiRotationAngle Inverse(TuiRotationAngle AAngle) {
    if (AAngle == raPlus90) return raMinus90;
    if (AAngle == raMinus90) return raPlus90;
    return AAngle;
}

// Byte offset past the code points from APos on that satisfy APredicate.
template <class P> std::size_t SkipWhile(std::string_view AText, std::size_t APos, P&& APredicate) {
    while (APos < AText.size()) {
        std::size_t next = APos;
        if (!APredicate(Utf8Next(AText, next))) break;
        APos = next;
    }
    return APos;
}

} // namespace text_drawing_detail

int uiDrawTextOnCanvas(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TColor AColor,
                       UINT AFormat) {
    TRect r = R;
    ACanvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    return uiDrawText(ACanvas->Handle(), AText, r, TRANSPARENT, AColor, -1, AFormat);
}

int uiDrawRotatedText(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TuiRotationAngle AAngle,
                      TColor AColor, UINT AFormat) {
    if (AAngle == raNone) return uiDrawTextOnCanvas(ACanvas, AText, R, AColor, AFormat);
    if (uiIsRectEmpty(R)) return 0;
    TuiBitmap bitmap(R, pf32bit);
    uiBlitRect(bitmap.Canvas()->Handle(), ACanvas->Handle(), bitmap.GetClientRect(), SRCCOPY,
               TPoint{R.left, R.top});
    bitmap.Rotate(text_drawing_detail::Inverse(AAngle));
    bitmap.Canvas()->SetFont(ACanvas->Font());
    const int result =
        uiDrawTextOnCanvas(bitmap.GetuiCanvas(), AText, bitmap.GetClientRect(), AColor, AFormat);
    bitmap.Rotate(AAngle);
    uiBlitRect(ACanvas->Handle(), bitmap.Canvas()->Handle(), R, SRCCOPY, uiZeroPoint);
    return result;
}

void uiSplitTextToLines(const std::string& AText, TuiCanvas* ACanvas, const TRect& R, TStrings* AStrings) {
    using namespace text_drawing_detail;
    if (AText.empty()) return;
    ACanvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    HDC dc = ACanvas->Handle();
    const std::string_view text = AText;
    const int width = uiWidthOfRect(R);
    std::size_t lineStart = 0, pos = 0;
    bool wordOnLine = false;
    std::size_t lastWordEnd = 0;
    for (;;) {
        const std::size_t wordStart = SkipWhile(text, pos, IsSeparator);
        const std::size_t wordEnd = SkipWhile(text, wordStart, [](char32_t C) { return !IsSeparator(C); });
        // A line break inside the candidate line ends the line there.
        const auto candidate = text.substr(lineStart, wordEnd - lineStart);
        const std::size_t lineBreak = candidate.find_first_of("\r\n");
        if (lineBreak != std::string_view::npos) {
            AStrings->Add(std::string(candidate.substr(0, lineBreak)));
            lineStart = lineStart + lineBreak;
            while (lineStart < text.size() && IsLineBreak(text[lineStart]))
                ++lineStart;
            pos = lineStart;
            wordOnLine = false;
            continue;
        }
        if (wordStart >= text.size()) break;
        if (wordOnLine && uiMeasureTextSize(dc, std::string(candidate)).cx > width) {
            AStrings->Add(std::string(text.substr(lineStart, lastWordEnd - lineStart)));
            lineStart = wordStart;
        }
        wordOnLine = true;
        lastWordEnd = wordEnd;
        pos = wordEnd;
    }
    if (lineStart < text.size()) AStrings->Add(std::string(text.substr(lineStart)));
}

int uiDrawMultiLineText(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TColor AColor,
                        UINT AFormat) {
    TStringList lines;
    uiSplitTextToLines(AText, ACanvas, R, &lines);
    ACanvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    HDC dc = ACanvas->Handle();
    const int lineHeight = uiGetTextHeightOfDC(dc);
    const int count = lines.Count();
    int top = R.top;
    if (AFormat & DT_VCENTER)
        top = std::max(R.top, uiCentreRectVert(R, count * lineHeight).top);
    else if (AFormat & DT_BOTTOM)
        top = std::max(R.top, R.bottom - count * lineHeight);
    for (int i = 0; i < count; ++i) {
        TRect line{R.left, top, R.right, top + lineHeight};
        uiDrawText(dc, lines.Strings(i), line, TRANSPARENT, AColor, -1, AFormat | DT_SINGLELINE);
        top += lineHeight;
    }
    return count;
}
