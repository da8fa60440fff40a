#include "platform/vcl/MessageSign.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

void DrawMessageSign(HDC DC, const RECT& Rect, TMessageSign Sign, TFont* Font) {
    TColor fill = clBlue;
    TColor ink = clWhite;
    const char* letter = "i";
    if (Sign == msError) {
        fill = clRed;
        letter = "X";
    } else if (Sign == msQuestion) {
        letter = "?";
    } else if (Sign == msWarning) {
        fill = clYellow;
        ink = clBlack;
        letter = "!";
    }
    HBRUSH brush = ::CreateSolidBrush(ColorToRGB(fill));
    HGDIOBJ old = ::SelectObject(DC, brush);
    ::Ellipse(DC, Rect.left, Rect.top, Rect.right, Rect.bottom);
    ::SelectObject(DC, old);
    ::DeleteObject(brush);
    StdCtrlsDrawCaption(DC, Font, letter, Rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, true,
                        ColorToRGB(ink));
}
