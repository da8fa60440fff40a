#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"

#include "platform/rtl/Numerics.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/ribbon/ribbon/Ribbon.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TouchCaptionButtonHeight = 29;
constexpr int TouchCaptionHeight = 48;
constexpr int TouchContentOffset = 7;
constexpr int ApplicationMenuContentPart = 453;
constexpr int ApplicationMenuFooterPart = 454;

} // namespace

bool TovRibbonTouchModeHelper::IsActive() const {
    return uiTouchMode();
}

void TovRibbonTouchModeHelper::AdjustCaptionButtonSize(TSize& ASize) {
    // A size without height cannot be scaled towards a height.
    if (!IsActive() || ASize.cx <= 0 || ASize.cy <= 0) return;
    const double factor =
        std::max(static_cast<double>(uiScaleToCurrentDPI(TouchCaptionButtonHeight)) / ASize.cy, 1.0);
    ASize.cx = static_cast<int>(std::lround(ASize.cx * factor));
    ASize.cy = static_cast<int>(std::lround(ASize.cy * factor));
}

void TovRibbonTouchModeHelper::AdjustCaptionHeight(int& AHeight) {
    if (IsActive()) AHeight = std::max(AHeight, uiScaleToCurrentDPI(TouchCaptionHeight));
}

void TovRibbonTouchModeHelper::AdjustMargins(TRect& AMargins, int AMinimum) {
    if (!IsActive()) return;
    const int largest = std::max({1, static_cast<int>(AMargins.left), static_cast<int>(AMargins.top),
                                  static_cast<int>(AMargins.right), static_cast<int>(AMargins.bottom)});
    if (largest >= AMinimum) return;
    AMargins.left = MulDiv(AMargins.left, AMinimum, largest);
    AMargins.top = MulDiv(AMargins.top, AMinimum, largest);
    AMargins.right = MulDiv(AMargins.right, AMinimum, largest);
    AMargins.bottom = MulDiv(AMargins.bottom, AMinimum, largest);
}

void TovRibbonTouchModeHelper::AdjustContentOffsets(int APart, TRect& AOffsets) {
    if (!IsActive()) return;
    AdjustMargins(AOffsets, uiScaleToCurrentDPI(TouchContentOffset));
    if (APart == ApplicationMenuContentPart) {
        const TRect footer = FRibbon->GetSkinContentOffsets(ApplicationMenuFooterPart);
        AOffsets.bottom = footer.top + footer.bottom + uiScaleToCurrentDPI(25);
    }
}
