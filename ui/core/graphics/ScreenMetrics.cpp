#include "ui/core/graphics/ScreenMetrics.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/BitmapBits.h"

#include <vector>

namespace screen_metrics_detail {
TPoint PixelsPerInch{96, 96};

// The rows of a monochrome mask, bottom row first, one 32-bit pixel a point (black or white).
std::vector<std::uint32_t> MaskRows(HBITMAP AMask, int AWidth, int AHeight) {
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(AWidth) * static_cast<std::size_t>(AHeight));
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info;
    ovFillBitmapInfoHeader(info.bmiHeader, AWidth, AHeight, false);
    const bool read =
        GetDIBits(dc, AMask, 0, static_cast<UINT>(AHeight), rows.data(), &info, DIB_RGB_COLORS) != 0;
    DeleteDC(dc);
    if (!read) rows.clear();
    return rows;
}

// The index, counted from the top of a part of AHeight rows whose bottom row is row AFirst of the
// bottom-up rows, of the lowest row holding a pixel that AMarked accepts; 0 when there is none.
template <class F>
int LowestMarkedRow(const std::vector<std::uint32_t>& ARows, int AWidth, int AFirst, int AHeight, F&& AMarked,
                    bool& AFound) {
    AFound = false;
    for (int i = 0; i < AHeight; ++i) {
        const std::uint32_t* row =
            ARows.data() + static_cast<std::size_t>(AFirst + i) * static_cast<std::size_t>(AWidth);
        for (int x = 0; x < AWidth; ++x)
            if (AMarked(row[x] & 0x00FFFFFFu)) {
                AFound = true;
                return AHeight - 1 - i;
            }
    }
    return 0;
}
} // namespace screen_metrics_detail

TPoint uiScreenPixelsPerInch() {
    return screen_metrics_detail::PixelsPerInch;
}

int uiCurrentDPI() {
    return screen_metrics_detail::PixelsPerInch.y;
}

int uiScaleToCurrentDPI(int AValue) {
    return MulDiv(AValue, uiCurrentDPI(), 96);
}

TSize uiGetSizeCurrentDPI(const TSize& ASize) {
    return TSize{uiScaleToCurrentDPI(ASize.cx), uiScaleToCurrentDPI(ASize.cy)};
}

TRect uiGetRectCurrentDPI(const TRect& R) {
    return TRect{uiScaleToCurrentDPI(R.left), uiScaleToCurrentDPI(R.top), uiScaleToCurrentDPI(R.right),
                 uiScaleToCurrentDPI(R.bottom)};
}

void uiReadScreenPixelsPerInch() {
    HDC dc = GetDC(nullptr);
    screen_metrics_detail::PixelsPerInch =
        TPoint{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
    ReleaseDC(nullptr, dc);
}

TSize uiGetCursorSize() {
    using namespace screen_metrics_detail;
    TSize size{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
    ICONINFO info;
    if (!GetIconInfo(GetCursor(), &info)) return size;
    BITMAP mask;
    if (ovGetBitmapData(info.hbmMask, mask) && mask.bmBitsPixel == 1 && mask.bmWidth > 0) {
        const int w = mask.bmWidth, h = mask.bmHeight;
        const std::vector<std::uint32_t> rows = MaskRows(info.hbmMask, w, h);
        if (!rows.empty()) {
            // The AND part is the top w rows (the last ones bottom-up); opaque pixels are black in it.
            const int andRows = std::min(w, h);
            bool found = false;
            int index = LowestMarkedRow(
                rows, w, h - andRows, andRows, [](std::uint32_t p) { return p == 0; }, found);
            // A cursor drawn by its XOR part alone shows where that part is not black.
            if (!found && h >= 2 * w)
                index = LowestMarkedRow(
                    rows, w, h - 2 * w, w, [](std::uint32_t p) { return p != 0; }, found);
            size = TSize{w, index - static_cast<int>(info.yHotspot)};
        }
    }
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    return size;
}
