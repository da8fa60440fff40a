#include "ui/core/graphics/TextFlags.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"

UINT uiTextFlagsToDrawFlags(int AFlags) {
    UINT result = (AFlags & uiTextShowPrefix) ? 0 : DT_NOPREFIX;
    if (AFlags & uiTextRight) result |= DT_RIGHT;
    if (AFlags & uiTextCentre) result |= DT_CENTER;
    if (AFlags & uiTextBottom) result |= DT_BOTTOM;
    if (AFlags & uiTextVCentre) result |= DT_VCENTER;
    if (AFlags & uiTextSingleLine) result |= DT_SINGLELINE;
    if (AFlags & uiTextNoClip) result |= DT_NOCLIP;
    if (AFlags & uiTextExpandTabs) result |= DT_EXPANDTABS;
    if (AFlags & uiTextWordBreak) {
        result |= DT_WORDBREAK;
        if (!(AFlags & uiTextBreakAtWords))
            result |= DT_EDITCONTROL;
        else if (AFlags & uiTextNoFullWidthBreak)
            result |= DT_NOFULLWIDTHCHARBREAK;
    }
    if (AFlags & uiTextEndEllipsis) result |= DT_END_ELLIPSIS;
    if (AFlags & uiTextCalcRect) result |= DT_CALCRECT;
    if (AFlags & uiTextPathEllipsis) result |= DT_PATH_ELLIPSIS;
    return result;
}

int uiDrawText(HDC ADC, const std::string& AText, RECT& R, int ABkMode, TColor AColor, int ALength,
               UINT AFormat) {
    if (ALength == 0) return DrawTextA(ADC, AText.c_str(), 0, &R, AFormat);
    const int whole = static_cast<int>(AText.size());
    const int length = ALength < 0 || ALength > whole ? whole : ALength;
    const COLORREF oldColor = AColor == clDefault ? 0 : SetTextColor(ADC, ColorToRGB(AColor));
    const int oldMode = SetBkMode(ADC, ABkMode);
    const int result = DrawTextA(ADC, AText.c_str(), length, &R, AFormat);
    SetBkMode(ADC, oldMode);
    if (AColor != clDefault) SetTextColor(ADC, oldColor);
    return result;
}
