#include "ui/painters/lookandfeel/PainterTypes.h"

#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextFlags.h"

#include <algorithm>

bool ovTouchModeOn() {
    return uiTouchMode();
}

void ovAdjustToTouchableSize(int& AValue) {
    if (ovTouchModeOn() && AValue > 0) AValue = std::max(AValue, uiScaleToCurrentDPI(27));
}

void ovAdjustSizeToTouchableSize(TSize& ASize) {
    ovAdjustToTouchableSize(ASize.cx);
    ovAdjustToTouchableSize(ASize.cy);
}

int uiPainterTextFlags(TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis) {
    static constexpr int Horz[] = {uiTextLeft, uiTextRight, uiTextCentre};
    static constexpr int Vert[] = {uiTextTop, uiTextBottom, uiTextVCentre};
    int flags = Horz[AHorz] | Vert[AVert] | (AMultiLine ? uiTextWordBreak : uiTextSingleLine);
    if (AEndEllipsis) flags |= uiTextEndEllipsis;
    return flags;
}
