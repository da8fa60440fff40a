#include "imaging/CanvasPixels.h"

#include "imaging/png/PngErrors.h"
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Canvas.h"

namespace canvas_pixels_detail {
// Frees the work bitmap and its DC whatever happens while the work runs.
struct WorkBitmap {
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Old = nullptr;
    ~WorkBitmap() {
        if (Dc && Old) SelectObject(Dc, Old);
        if (Bitmap) DeleteObject(Bitmap);
        if (Dc) DeleteDC(Dc);
    }
};
} // namespace canvas_pixels_detail

void WithCanvasPixels(TCanvas* Canvas, const TRect& Area, const std::function<void(TPixelBuffer32&)>& Work) {
    const int w = Area.right - Area.left, h = Area.bottom - Area.top;
    if (!Canvas || w <= 0 || h <= 0) return;
    HDC target = Canvas->Handle();
    canvas_pixels_detail::WorkBitmap work;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    work.Dc = CreateCompatibleDC(target);
    if (work.Dc) work.Bitmap = CreateDIBSection(work.Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!work.Dc || !work.Bitmap || !bits) Fail<EPNGOutMemory>(PngText::OutMemory);
    work.Old = SelectObject(work.Dc, work.Bitmap);
    BitBlt(work.Dc, 0, 0, w, h, target, Area.left, Area.top, SRCCOPY);
    TPixelBuffer32 buffer{w, h, w * 4, static_cast<std::uint8_t*>(bits)};
    Work(buffer);
    BitBlt(target, Area.left, Area.top, w, h, work.Dc, 0, 0, SRCCOPY);
}
