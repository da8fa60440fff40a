#include "ui/bars/painting/BarArrows.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarRoutines.h"
#include "ui/painters/office11/Office11Colors.h"

#include <algorithm>

namespace {

TColor ArrowColor(bool ASelected, bool AEnabled, TColor AColor) {
    if (AColor != clDefault) return AColor;
    if (!AEnabled) return clBtnShadow;
    if (!ASelected) return clBtnText;
    return HighContrastIsWhite() ? clBtnFace : clHighlightText;
}

void Line(HDC ADC, int X1, int Y1, int X2, int Y2) {
    MoveToEx(ADC, X1, Y1, nullptr);
    LineTo(ADC, X2, Y2);
}

} // namespace

void PaintTriangleArrow(HDC ADC, const TRect& R, bool ADown, int ASize, bool ASelected, bool AEnabled,
                        bool AFlat, TColor AColor) {
    const TColor color = static_cast<TColor>(ColorToRGB(ArrowColor(ASelected, AEnabled, AColor)));
    const int s = ASize;
    int x, y;
    std::vector<POINT> points;
    if (ADown) {
        x = (R.left + R.right - 2 * s + 1) / 2;
        y = (R.top + R.bottom - s) / 2;
        points = {{x, y}, {x + 2 * s - 2, y}, {x + s - 1, y + s - 1}};
    } else {
        x = (R.left + R.right - s) / 2;
        y = (R.top + R.bottom - 2 * s + 1) / 2;
        points = {{x, y}, {x, y + 2 * s - 2}, {x + s - 1, y + s - 1}};
    }
    FillPolygonWithColor(ADC, points, color, color);
    if (AEnabled || AFlat) return;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ previous = SelectObject(ADC, pen);
    if (ADown) {
        Line(ADC, x + s, y + s - 1, x + 2 * s - 1, y);
        Line(ADC, x + s, y + s, x + 2 * s, y);
    } else {
        Line(ADC, x + s - 1, y + s, x, y + 2 * s - 1);
        Line(ADC, x + s, y + s, x, y + 2 * s);
    }
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

int ArrowSizeForRect(const TRect& R, int ADirection) {
    const int extent = ADirection == ovBarArrowDown ? R.right - R.left - 8 : R.bottom - R.top - 6;
    int size = (extent - 1) / 2;
    if (extent % 2 != 0) ++size;
    return std::max(size, 3);
}

void DrawArrowAuto(HDC ADC, const TRect& R, int ADirection, bool AEnabled, bool ASelected, bool AFlat,
                   TColor AColor) {
    PaintTriangleArrow(ADC, R, ADirection == ovBarArrowDown, ArrowSizeForRect(R, ADirection), ASelected,
                       AEnabled, AFlat, AColor);
}

void DrawArrowSized(HDC ADC, const TRect& R, int ADirection, int ASize, bool ASelected, bool AEnabled,
                    bool AFlat, TColor AColor) {
    PaintTriangleArrow(ADC, R, ADirection == ovBarArrowDown, ASize, ASelected, AEnabled, AFlat, AColor);
}
