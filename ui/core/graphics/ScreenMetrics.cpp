#include "ui/core/graphics/ScreenMetrics.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"
#include "platform/win/Painting.h"

namespace screen_metrics_detail {
TPoint PixelsPerInch{96, 96};
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
