#include "platform/vcl/StdCtrlsPaint.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/WinUser.h"

void StdCtrlsFill(HDC DC, const RECT& Rect, TColor Color) {
    HBRUSH brush = ::CreateSolidBrush(ColorToRGB(Color));
    ::FillRect(DC, &Rect, brush);
    ::DeleteObject(brush);
}

void Frame3D(HDC DC, RECT& Rect, TColor TopColor, TColor BottomColor, int Width) {
    for (int i = 0; i < Width && Rect.right > Rect.left && Rect.bottom > Rect.top; ++i) {
        StdCtrlsFill(DC, RECT{Rect.left, Rect.top, Rect.right, Rect.top + 1}, TopColor);
        StdCtrlsFill(DC, RECT{Rect.left, Rect.top, Rect.left + 1, Rect.bottom}, TopColor);
        StdCtrlsFill(DC, RECT{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom}, BottomColor);
        StdCtrlsFill(DC, RECT{Rect.right - 1, Rect.top, Rect.right, Rect.bottom}, BottomColor);
        ::InflateRect(&Rect, -1, -1);
    }
}
