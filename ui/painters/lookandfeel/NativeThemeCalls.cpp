#include "ui/painters/lookandfeel/NativeThemeCalls.h"

#include "platform/gdi/Theme.h"
#include "ui/core/graphics/Canvas.h"

namespace native_theme {

int StateOffset(TuiPainterButtonState AState) {
    switch (AState) {
    case cxbsHot:
        return 1;
    case cxbsPressed:
        return 2;
    case cxbsDisabled:
        return 3;
    default:
        return 0;
    }
}

bool DrawPart(HTHEME ATheme, TuiCanvas* ACanvas, int APart, int AState, const TRect& R, const TRect* AClip) {
    if (ATheme == nullptr) return false;
    const RECT r = R;
    RECT clip{};
    if (AClip != nullptr) clip = *AClip;
    return ovDrawThemeBackground(ATheme, ACanvas->Handle(), APart, AState, &r,
                                 AClip != nullptr ? &clip : nullptr) >= 0;
}

bool PartSize(HTHEME ATheme, int APart, int AState, TSize& ASize, int AKind, HDC ADC, const TRect* R) {
    ASize = TSize{0, 0};
    if (ATheme == nullptr) return false;
    SIZE size{};
    RECT r{};
    if (R != nullptr) r = *R;
    if (ovGetThemePartSize(ATheme, ADC, APart, AState, R != nullptr ? &r : nullptr, AKind, &size) < 0)
        return false;
    ASize = TSize{size.cx, size.cy};
    return true;
}

bool Color(HTHEME ATheme, int APart, int AState, int AProperty, TColor& AColor) {
    if (ATheme == nullptr) return false;
    COLORREF colour = 0;
    if (ovGetThemeColor(ATheme, APart, AState, AProperty, &colour) < 0) return false;
    AColor = static_cast<TColor>(colour);
    return true;
}

bool Margins(HTHEME ATheme, int APart, int AState, int AProperty, TRect& AMargins) {
    AMargins = TRect{};
    if (ATheme == nullptr) return false;
    MARGINS margins;
    if (ovGetThemeMargins(ATheme, nullptr, APart, AState, AProperty, nullptr, &margins) < 0) return false;
    AMargins = TRect{margins.cxLeftWidth, margins.cyTopHeight, margins.cxRightWidth, margins.cyBottomHeight};
    return true;
}

bool ContentRect(HTHEME ATheme, int APart, int AState, const TRect& R, TRect& AContent) {
    if (ATheme == nullptr) return false;
    const RECT bounds = R;
    RECT content{};
    if (ovGetThemeBackgroundContentRect(ATheme, nullptr, APart, AState, &bounds, &content) < 0) return false;
    AContent = TRect{content.left, content.top, content.right, content.bottom};
    return true;
}

} // namespace native_theme
