#include "ui/bars/itemcontrols/ItemDrawParams.h"

#include "ui/bars/BarItemControl.h"

void TovBarItemControlDrawParams::SetViewSize(TovBarItemViewSize AValue) {
    if (FViewSize == AValue) return;
    FViewSize = AValue;
    // The cached glyph was made for the other size.
    if (BarItemControl != nullptr) BarItemControl->ResetCachedValues(false);
}
