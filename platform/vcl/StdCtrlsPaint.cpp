#include "platform/vcl/StdCtrlsPaint.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"

#include "platform/win/WinUser.h"
#include <algorithm>

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

namespace stdctrlspaint_detail {

bool IsDark(TColor C) {
    return (GetRValue(C) * 30 + GetGValue(C) * 59 + GetBValue(C) * 11) / 100 < 192;
}

} // namespace stdctrlspaint_detail

void StdCtrlsDrawGlyph(HDC DC, TBitmap* Glyph, int NumGlyphs, int Index, POINT Pos, bool Embossed) {
    using stdctrlspaint_detail::IsDark;
    if (Glyph == nullptr || Glyph->Empty() || NumGlyphs < 1) return;
    const int width = Glyph->Width() / NumGlyphs;
    const int height = Glyph->Height();
    const int left = std::min(Index, NumGlyphs - 1) * width;
    TCanvas* source = Glyph->Canvas();
    const TColor transparent = source->Pixels(0, height - 1);
    // The emboss needs the highlight pass under the shadow pass.
    for (int pass = Embossed ? 0 : 1; pass < 2; ++pass) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const TColor c = source->Pixels(left + x, y);
                if (c == transparent) continue;
                if (!Embossed)
                    ::SetPixel(DC, Pos.x + x, Pos.y + y, ColorToRGB(c));
                else if (IsDark(c) && pass == 0)
                    ::SetPixel(DC, Pos.x + x + 1, Pos.y + y + 1, ColorToRGB(clBtnHighlight));
                else if (IsDark(c))
                    ::SetPixel(DC, Pos.x + x, Pos.y + y, ColorToRGB(clBtnShadow));
            }
        }
    }
}
