#include "imaging/CanvasPixels.h"

#include "imaging/png/PngErrors.h"
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Canvas.h"

#include <algorithm>

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

void WithCanvasPixels(TCanvas* Canvas, const TRect& Area,
                      const std::function<void(TPixelBuffer32& Pixels, POINT Origin)>& Work) {
    if (!Canvas || Area.right <= Area.left || Area.bottom <= Area.top) return;
    // Only what can show is worked on: a huge rectangle costs no more than the canvas.
    const RECT clip = Canvas->ClipRect();
    const TRect visible{std::max(Area.left, clip.left), std::max(Area.top, clip.top),
                        std::min(Area.right, clip.right), std::min(Area.bottom, clip.bottom)};
    const int w = visible.right - visible.left, h = visible.bottom - visible.top;
    if (w <= 0 || h <= 0) return;
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
    BitBlt(work.Dc, 0, 0, w, h, target, visible.left, visible.top, SRCCOPY);
    TPixelBuffer32 buffer{w, h, w * 4, static_cast<std::uint8_t*>(bits)};
    Work(buffer, POINT{visible.left, visible.top});
    BitBlt(target, visible.left, visible.top, w, h, work.Dc, 0, 0, SRCCOPY);
}
