// Bars in the skinned look: the bar part (a tab group, or a group in a collapsed group's popup) behind
// the whole bar, its borders from the part's content offsets and its caption in the part's caption strip;
// separators, the mark's state glyphs and the rounded window region of popups.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/painting/BarSkinnedPainterClip.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "ui/bars/Bar.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/TextMeasure.h"

namespace skinned_bars {

// The whole bar (its window) in the coordinates of its client area.
TRect WholeBarInClient(TCustomovBarControl* ABarControl, const TRect& AOffsets) {
    return uiGrowRectByMargins(ABarControl->GetClientRect(), AOffsets);
}

TovBarControl* ControlOfBar(TovBar* ABar) {
    return ABar != nullptr ? dynamic_cast<TovBarControl*>(ABar->GetControl()) : nullptr;
}

} // namespace skinned_bars
using namespace skinned_bars;

int TovBarSkinnedPainter::GetBarPartID(TCustomovBarControl* ABarControl) {
    return ABarControl != nullptr && ABarControl->IsPopup() ? ovSkinPartTabGroupInPopup : ovSkinPartTabGroup;
}

void TovBarSkinnedPainter::BarBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R,
                                          bool AWithSizeGrip) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarBorderSizes(ABar, ADockingStyle, R, AWithSizeGrip);
        return;
    }
    R = skin->GetContentOffsets(GetBarPartID(ControlOfBar(ABar)));
}

void TovBarSkinnedPainter::DrawBarControlBackground(TCustomovBarControl* ABarControl, HDC ADC) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || ABarControl->IsPopup()) {
        TovBarOffice11Painter::DrawBarControlBackground(ABarControl, ADC);
        return;
    }
    // The part covers the whole bar; drawn in client coordinates it starts above and left of the client.
    const int part = GetBarPartID(ABarControl);
    const TRect client = ABarControl->GetClientRect();
    TovSkinnedSavedClip clip(ADC);
    IntersectClipRect(ADC, client.left, client.top, client.right, client.bottom);
    skin->DrawBackground(ADC, WholeBarInClient(ABarControl, skin->GetContentOffsets(part)), part,
                         ovSkinStateNormal);
}

void TovBarSkinnedPainter::BarFillBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                             const TRect& R, const TRect& AClipRect) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || ABarControl->IsPopup()) {
        TovBarOffice11Painter::BarFillBackground(ABarControl, ADC, ABrush, R, AClipRect);
        return;
    }
    // An item's background is the piece of the bar's part behind it.
    const int part = GetBarPartID(ABarControl);
    TovSkinnedSavedClip clip(ADC);
    IntersectClipRect(ADC, R.left, R.top, R.right, R.bottom);
    skin->DrawBackground(ADC, WholeBarInClient(ABarControl, skin->GetContentOffsets(part)), part,
                         ovSkinStateNormal);
}

void TovBarSkinnedPainter::BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                             const TRect& AClipRect, HBRUSH ABrush) {
    if (!HasSkin()) {
        TovBarOffice11Painter::BarDrawBackground(ABarControl, ADC, ADestRect, AClipRect, ABrush);
        return;
    }
    BarFillBackground(ABarControl, ADC, ABrush, ADestRect, AClipRect);
}

void TovBarSkinnedPainter::BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                                 const TRect& AClipRect) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarDrawDockBackground(ABarControl, ADC, ADestRect, AClipRect);
        return;
    }
    skin->DrawBackground(ADC, AClipRect, GetBarPartID(ABarControl), ovSkinStateNormal);
}

void TovBarSkinnedPainter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarDrawDockedBarBorder(ABarControl, ADC, R);
        return;
    }
    const int part = GetBarPartID(ABarControl);
    skin->DrawBackground(ADC, R, part, ovSkinStateNormal);
    DrawBarCaption(ABarControl, ADC, R);
    R = uiShrinkRectByMargins(R, skin->GetContentOffsets(part));
}

void TovBarSkinnedPainter::BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarPaintFloatingFrame(ABarControl, ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R, GetBarPartID(ABarControl), ovSkinStateNormal);
    DrawBarCaption(ABarControl, ADC, R);
}

void TovBarSkinnedPainter::BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                     const TRect& AWindowRect, TRect ACaptionRect) {
    if (!HasSkin())
        TovBarOffice11Painter::BarDrawFloatingBarCaption(ABarControl, ADC, ABrush, AWindowRect, ACaptionRect);
}

void TovBarSkinnedPainter::DrawBarCaption(TovBarControl* ABarControl, HDC ADC, const TRect& AWindowRect) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) return;
    // A group's caption strip runs across the group: a vertical bar has no room for it.
    if (ABarControl->IsDockedVertically()) return;
    const int part = GetBarPartID(ABarControl);
    const TRect caption = skin->GetCaptionRect(AWindowRect, part);
    if (uiIsRectEmpty(caption)) return;
    // The bar's font, unless the skin selects a caption font of its own.
    TFont* font = ABarControl->GetFont();
    HGDIOBJ previous = font != nullptr ? SelectObject(ADC, font->Handle()) : nullptr;
    // A caption wider than its strip ends with an ellipsis rather than losing letters at both ends.
    const std::string text = uiGetStringAdjustedToWidth(ADC, nullptr, ABarControl->GetCaption(), teEnd,
                                                        uiWidthOfRect(caption) - 4);
    skin->DrawCaption(ADC, text, caption, part, ovSkinStateNormal);
    if (previous != nullptr) SelectObject(ADC, previous);
}

void TovBarSkinnedPainter::BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal,
                                            HBRUSH ABrush, TRect R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarDrawSeparator(ABarControl, ADC, AHorizontal, ABrush, R);
        return;
    }
    skin->DrawBackground(ADC, R, AHorizontal ? ovSkinPartBarSeparatorHorz : ovSkinPartBarSeparatorVert,
                         ovSkinStateNormal);
}

namespace skinned_bars {

// The mark's state (1 hot, 2 pressed) as a skin state.
int MarkSkinState(int AMarkState) {
    return AMarkState == 1 ? ovSkinStateHot : AMarkState == 2 ? ovSkinStatePressed : ovSkinStateNormal;
}

} // namespace skinned_bars

void TovBarSkinnedPainter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                 const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarDrawMarkBackground(ABarControl, ADC, ABrush, R);
        return;
    }
    // A resting mark sits on the bar's part; a hot or pressed one gets a button face.
    const int state = MarkSkinState(ABarControl->GetMarkState());
    if (state != ovSkinStateNormal) skin->DrawBackground(ADC, R, ovSkinPartButton, state);
}

void TovBarSkinnedPainter::BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarDrawMarkElements(ABarControl, ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R,
                         ABarControl->IsTruncated() ? ovSkinPartSmallArrowGlyph : ovSkinPartSmallStateGlyph,
                         MarkSkinState(ABarControl->GetMarkState()));
}

void TovBarSkinnedPainter::BarUpdateWindowRegion(HWND AWindow, const TRect& R, bool ARedraw) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::BarUpdateWindowRegion(AWindow, R, ARedraw);
        return;
    }
    // The window takes the region (and frees it); without rounded corners it has none.
    HRGN region =
        skin->UseRoundedWindowCorners() ? CreateRoundRectRgn(0, 0, R.right + 1, R.bottom + 1, 2, 2) : nullptr;
    SetWindowRgn(AWindow, region, ARedraw ? TRUE : FALSE);
}
