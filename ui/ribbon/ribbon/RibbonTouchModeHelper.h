// Enlarges the ribbon's skin metrics while the library's touch mode is on, so that captions and caption
// buttons are big enough for a finger; off touch mode every operation leaves its argument unchanged.
// Sizes are at 96 DPI, scaled to the current DPI.
#pragma once

#include "platform/rtl/WinTypes.h"

class TovCustomRibbon;

class TovRibbonTouchModeHelper {
public:
    explicit TovRibbonTouchModeHelper(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {}
    virtual ~TovRibbonTouchModeHelper() = default;

    bool IsActive() const;
    // A positive size grows by max(29 / height, 1); a size without height is left alone.
    virtual void AdjustCaptionButtonSize(TSize& ASize);
    virtual void AdjustCaptionHeight(int& AHeight);
    // Margins whose largest (at least 1) is below AMinimum are scaled so that it reaches AMinimum.
    virtual void AdjustMargins(TRect& AMargins, int AMinimum);
    virtual void AdjustContentOffsets(int APart, TRect& AOffsets);
    virtual void AdjustPartSize(int APart, int& ASize) {}

private:
    TovCustomRibbon* FRibbon;
};
