#include "BarGalleryArt.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/ImageList.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace bar_gallery {

namespace {

constexpr TColor Transparent = 0xFF00FF;

void Shape(HDC ADC, int AKind, int S) {
    // Colours of the symbols: strong, but readable on the button face and on the highlight.
    static const COLORREF Fills[GalleryImageCount] = {0x2040D0, 0xC06020, 0x30A030, 0x1890E0,
                                                      0x9030A0, 0x2020A0, 0x208080, 0x606060};
    const COLORREF fill = Fills[AKind];
    const COLORREF outline = 0x202020;
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(ADC, pen);
    HGDIOBJ oldBrush = SelectObject(ADC, brush);
    const int m = S / 8, e = S - m;
    switch (AKind) {
    case 0:
        Ellipse(ADC, m, m, e, e);
        break;
    case 1:
        Rectangle(ADC, m, m, e, e);
        break;
    case 2: {
        const POINT p[] = {{S / 2, m}, {e - 1, e - 1}, {m, e - 1}};
        Polygon(ADC, p, 3);
        break;
    }
    case 3: {
        const POINT p[] = {{S / 2, m}, {e - 1, S / 2}, {S / 2, e - 1}, {m, S / 2}};
        Polygon(ADC, p, 4);
        break;
    }
    case 4: {
        Ellipse(ADC, m, m, e, e);
        HBRUSH hole = CreateSolidBrush(Transparent);
        SelectObject(ADC, hole);
        Ellipse(ADC, S / 3, S / 3, S - S / 3, S - S / 3);
        SelectObject(ADC, brush);
        DeleteObject(hole);
        break;
    }
    case 5: {
        const int t = S / 6;
        const RECT h{m, S / 2 - t, e, S / 2 + t}, v{S / 2 - t, m, S / 2 + t, e};
        FillRect(ADC, &h, brush);
        FillRect(ADC, &v, brush);
        break;
    }
    case 6:
        for (int bar = 0; bar < 4; ++bar) {
            const int w = (e - m) / 4;
            const int top = e - (bar + 1) * (e - m) / 4;
            Rectangle(ADC, m + bar * w, top, m + bar * w + w - 1, e);
        }
        break;
    default: {
        Ellipse(ADC, m, S / 2, S / 2 + m, e);
        const RECT stem{S / 2, m, S / 2 + std::max(1, S / 12), S / 2 + S / 4};
        FillRect(ADC, &stem, brush);
        const RECT flag{S / 2, m, e - 1, m + std::max(2, S / 8)};
        FillRect(ADC, &flag, brush);
        break;
    }
    }
    SelectObject(ADC, oldBrush);
    SelectObject(ADC, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

} // namespace

TCustomImageList* MakeGalleryImages(TComponent* AOwner, int ASize) {
    auto* list = new TCustomImageList(AOwner, ASize, ASize);
    for (int kind = 0; kind < GalleryImageCount; ++kind) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf24bit);
        bitmap.SetSize(ASize, ASize);
        bitmap.Canvas()->Brush()->SetColor(Transparent);
        bitmap.Canvas()->FillRect(RECT{0, 0, ASize, ASize});
        Shape(bitmap.Canvas()->Handle(), kind, ASize);
        list->AddMasked(&bitmap, Transparent);
    }
    return list;
}

} // namespace bar_gallery
