// Edit-like items, spin edits, progress bars, separators, galleries and screen tips in the skinned look:
// colours by the state of the part, edit-button parts with frames in their lit states, spin buttons whose
// arrows are cut from the skin's scroll-arrow part.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/painting/BarSkinnedPainterClip.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>

namespace skinned_items {

// The states in which an edit or spin button shows a frame of its own.
bool IsFramedState(int AState) {
    return AState >= ovSkinStateHot && AState <= ovSkinStateCheckedHot;
}

TRect BoundsOf(const TovBarItemControlDrawParams* P) {
    return P->BarItemControl->GetBoundsRect();
}

// A one-pixel frame of the colour around R, clipped to the item's bounds.
void FrameInBounds(const TovBarItemControlDrawParams* P, HDC ADC, const TRect& R, TColor AColor) {
    const TRect bounds = BoundsOf(P);
    TovSkinnedSavedClip clip(ADC);
    IntersectClipRect(ADC, bounds.left, bounds.top, bounds.right, bounds.bottom);
    FrameRectWithColor(ADC, R, AColor);
}

} // namespace skinned_items
using namespace skinned_items;

// ---- Edits

TColor TovBarSkinnedPainter::EditGetBkColor(TovBarItemControl* AControl) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || AControl == nullptr || AControl->DrawParams() == nullptr)
        return TovBarOffice11Painter::EditGetBkColor(AControl);
    return skin->GetPartColor(ovSkinColorEditBackground, GetEditPartState(AControl->DrawParams(), 0));
}

TColor TovBarSkinnedPainter::EditGetDefaultTextColor() {
    if (IovSkin* skin = GetSkin()) return skin->GetPartColor(ovSkinColorEditText, ovSkinStateNormal);
    return TovBarOffice11Painter::EditGetDefaultTextColor();
}

TColor TovBarSkinnedPainter::EditGetDisabledTextColor() {
    if (IovSkin* skin = GetSkin()) return skin->GetPartColor(ovSkinColorEditText, ovSkinStateDisabled);
    return TovBarOffice11Painter::EditGetDisabledTextColor();
}

void TovBarSkinnedPainter::EditDrawFrame(TovBarItemControlDrawParams* P, TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::EditDrawFrame(P, R);
        return;
    }
    const auto* edit = dynamic_cast<const TovBarEditLikeControlDrawParams*>(P);
    if (edit == nullptr || !edit->HasEditIndent)
        FrameRectWithColor(P->Canvas->Handle(), R,
                           skin->GetPartColor(ovSkinColorEditFrame, GetEditPartState(P, 0)));
    R = uiGrowRect(R, -1, -1);
}

void TovBarSkinnedPainter::EditDrawPartBackground(TovBarItemControlDrawParams* P, const TRect& R, int APart) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::EditDrawPartBackground(P, R, APart);
        return;
    }
    HDC dc = P->Canvas->Handle();
    FillRectWithColor(dc, R, EditGetBkColor(P->BarItemControl));
    skin->DrawBackground(dc, R, ovSkinPartEditButton, GetEditPartState(P, APart));
}

void TovBarSkinnedPainter::DrawEditButtonPart(TovBarItemControlDrawParams* P, int APart, TRect R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) return;
    HDC dc = P->Canvas->Handle();
    const int state = GetEditPartState(P, APart);
    if (IsFramedState(state)) {
        FrameInBounds(P, dc, R, skin->GetPartColor(ovSkinColorEditButtonFrame, state));
        R = uiGrowRect(R, -1, -1);
    }
    FillRectWithColor(dc, R, EditGetBkColor(P->BarItemControl));
    skin->DrawBackground(dc, R, ovSkinPartEditButton, state);
    // A skin without a name draws no edit-button glyphs: the painter draws them.
    if (APart == 3)
        DrawDropDownGlyph(dc, R, state);
    else
        DrawEllipsis(P, R);
}

void TovBarSkinnedPainter::DrawComboDropDownButton(TovBarItemControlDrawParams* P, TRect R) {
    if (!HasSkin()) {
        TovBarOffice11Painter::DrawComboDropDownButton(P, R);
        return;
    }
    DrawEditButtonPart(P, 3, R);
}

void TovBarSkinnedPainter::DrawEllipsisButton(TovBarItemControlDrawParams* P, TRect R) {
    if (!HasSkin()) {
        TovBarOffice11Painter::DrawEllipsisButton(P, R);
        return;
    }
    DrawEditButtonPart(P, 4, R);
}

void TovBarSkinnedPainter::EditDrawSelectionFrame(TovBarItemControlDrawParams* P, HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::EditDrawSelectionFrame(P, ADC, R);
        return;
    }
    const std::vector<TRect>& parts = P->BarItemControl->Parts();
    const TRect field = !parts.empty() ? parts[0] : R;
    const int state = P->Enabled ? ovSkinStateHighlighted : ovSkinStateDisabledSelected;
    {
        // The field keeps its own face.
        TovSkinnedSavedClip clip(ADC);
        ExcludeClipRect(ADC, field.left, field.top, field.right, field.bottom);
        skin->DrawBackground(ADC, R, ovSkinPartButton, state);
    }
    const TColor line = skin->GetPartColor(ovSkinColorEditSelectionLine, state);
    FillRectWithColor(ADC, TRect{field.left - 1, field.top + 1, field.left, field.bottom - 1}, line);
    const auto* edit = dynamic_cast<const TovBarEditLikeControlDrawParams*>(P);
    if (edit != nullptr && edit->ViewLayout != 0)
        FillRectWithColor(ADC, TRect{field.right, field.top + 1, field.right + 1, field.bottom - 1}, line);
}

// ---- Spin edits

void TovBarSkinnedPainter::SpinEditDrawButton(TovBarItemControlDrawParams* P, TRect R, int AButton) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SpinEditDrawButton(P, R, AButton);
        return;
    }
    HDC dc = P->Canvas->Handle();
    const int part = 3 + AButton;
    const int state = GetSpinButtonState(P, part);
    const TRect inner = uiGrowRect(R, -1, -1);
    if (state == ovSkinStateNormal || state == ovSkinStateDisabled || state == ovSkinStateHighlighted ||
        state == ovSkinStateDisabledSelected) {
        // Unlit buttons join: each reaches one pixel into the other.
        if (AButton == 0)
            R.bottom += 1;
        else
            R.top -= 1;
    } else {
        FrameRectWithColor(dc, R, skin->GetPartColor(ovSkinColorEditButtonFrame, state));
    }
    R = uiGrowRect(R, -1, -1);
    FillRectWithColor(dc, R, EditGetBkColor(P->BarItemControl));
    skin->DrawBackground(dc, R, ovSkinPartEditButton, state);
    // The arrow is the scroll-arrow part seen through a triangle.
    const std::vector<POINT> triangle = SpinArrowTriangle(P, SpinEditGetArrowPos(P, inner, AButton), AButton);
    TRect box{triangle[0].x, triangle[0].y, triangle[0].x + 1, triangle[0].y + 1};
    for (const POINT& point : triangle)
        box = TRect{std::min<int>(box.left, point.x), std::min<int>(box.top, point.y),
                    std::max<int>(box.right, point.x + 1), std::max<int>(box.bottom, point.y + 1)};
    TovSkinnedSavedClip clip(dc);
    HRGN region = CreatePolygonRgn(triangle.data(), static_cast<int>(triangle.size()), WINDING);
    ExtSelectClipRgn(dc, region, RGN_AND);
    DeleteObject(region);
    skin->DrawBackground(dc, box, ovSkinPartMenuScrollArrow, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SpinEditDrawButtonsBackground(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SpinEditDrawButtonsBackground(P, R);
        return;
    }
    const int hot = P->HotPartIndex;
    TColor color;
    if (hot == 1 || hot == 2 || hot == ovHotPartInside || hot == ovNoHotPart)
        color = skin->GetPartColor(ovSkinColorEditBackground, GetEditPartState(P, 0) == ovSkinStateDisabled
                                                                  ? ovSkinStateDisabled
                                                                  : ovSkinStateNormal);
    else
        color = skin->GetPartColor(ovSkinColorEditButtonFrame, ovSkinStateHighlighted);
    FrameRectWithColor(P->Canvas->Handle(), R, color);
}

// ---- Progress bars and separators

void TovBarSkinnedPainter::ProgressDrawBackground(TovBarProgressControlDrawParams* P, const TRect& R) {
    TovBarOffice11Painter::ProgressDrawBackground(P, R);
    if (IovSkin* skin = GetSkin())
        skin->DrawBackground(P->Canvas->Handle(), R, ovSkinPartProgressSubstrate, ovSkinStateNormal);
}

void TovBarSkinnedPainter::ProgressDrawSolidBar(TovBarProgressControlDrawParams* P, const TRect& R,
                                                HBRUSH ABrush) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::ProgressDrawSolidBar(P, R, ABrush);
        return;
    }
    skin->DrawBackground(P->Canvas->Handle(), R, ovSkinPartProgressSolidBand, ovSkinStateNormal);
}

void TovBarSkinnedPainter::ProgressDrawBlock(TovBarProgressControlDrawParams* P, const TRect& R,
                                             HBRUSH ABrush) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::ProgressDrawBlock(P, R, ABrush);
        return;
    }
    skin->DrawBackground(P->Canvas->Handle(), R, ovSkinPartProgressDiscreteBand, ovSkinStateNormal);
}

void TovBarSkinnedPainter::StaticDrawBorder(TovBarStaticLikeControlDrawParams* P, TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::StaticDrawBorder(P, R);
        return;
    }
    if (P->BorderStyle == sbsNone) return;
    FrameRectWithColor(P->Canvas->Handle(), R, skin->GetPartColor(ovSkinColorEditFrame, ovSkinStateNormal));
    R = uiGrowRect(R, -1, -1);
}

void TovBarSkinnedPainter::SeparatorGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected,
                                                  bool AFlat, TColor& ATextColor, TColor& AShadowColor) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SeparatorGetTextColors(AControl, AEnabled, ASelected, AFlat, ATextColor,
                                                      AShadowColor);
        return;
    }
    ATextColor =
        skin->GetPartColor(ovSkinColorMenuCaptionText, AEnabled ? ovSkinStateNormal : ovSkinStateDisabled);
    AShadowColor = ATextColor;
}

void TovBarSkinnedPainter::GalleryGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected,
                                                bool AFlat, TColor& ATextColor, TColor& AShadowColor) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || AControl == nullptr || AControl->DrawParams() == nullptr) {
        TovBarOffice11Painter::GalleryGetTextColors(AControl, AEnabled, ASelected, AFlat, ATextColor,
                                                    AShadowColor);
        return;
    }
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    const int key = params->PaintType == iptMenu ? ovSkinColorGalleryMenuText : ovSkinColorGalleryText;
    ATextColor = skin->GetPartColor(key, GetItemPartState(params, 0));
    AShadowColor = ATextColor;
}

void TovBarSkinnedPainter::SeparatorDrawLine(HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SeparatorDrawLine(ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R, ovSkinPartMenuCaptionSeparatorLine, ovSkinStateNormal);
}

int TovBarSkinnedPainter::SeparatorGetLineSize() {
    if (IovSkin* skin = GetSkin()) return skin->GetPartSize(ovSkinPartMenuCaptionSeparatorLine);
    return TovBarOffice11Painter::SeparatorGetLineSize();
}

// ---- Drop-down galleries

#define OV_SKINNED_GALLERY_PART(AOperation, APart)                                                           \
    void TovBarSkinnedPainter::AOperation(HDC ADC, const TRect& R) {                                         \
        if (IovSkin* skin = GetSkin())                                                                       \
            skin->DrawBackground(ADC, R, APart, ovSkinStateNormal);                                          \
        else                                                                                                 \
            TovBarOffice11Painter::AOperation(ADC, R);                                                       \
    }

OV_SKINNED_GALLERY_PART(DropDownGalleryDrawBackground, ovSkinPartDropDownGalleryBackground)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawTopSizingBand, ovSkinPartDropDownGalleryTopSizingBand)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawBottomSizingBand, ovSkinPartDropDownGalleryBottomSizingBand)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawTopSizeGrip, ovSkinPartDropDownGalleryTopSizeGrip)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawBottomSizeGrip, ovSkinPartDropDownGalleryBottomSizeGrip)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawTopVerticalSizeGrip, ovSkinPartDropDownGalleryTopVerticalSizeGrip)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawBottomVerticalSizeGrip,
                        ovSkinPartDropDownGalleryBottomVerticalSizeGrip)
OV_SKINNED_GALLERY_PART(GalleryDrawFilterBand, ovSkinPartGalleryFilterBand)
OV_SKINNED_GALLERY_PART(GalleryDrawGroupHeaderBackground, ovSkinPartGalleryGroupHeader)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawScrollBarBackground, ovSkinPartScrollBarVertBackground)
OV_SKINNED_GALLERY_PART(DropDownGalleryDrawBorder, ovSkinPartDropDownBorder)

#undef OV_SKINNED_GALLERY_PART

void TovBarSkinnedPainter::GalleryDrawItemBackground(HDC ADC, const TRect& R, int AState) {
    if (IovSkin* skin = GetSkin())
        skin->DrawBackground(ADC, R, ovSkinPartButton, AState);
    else
        TovBarOffice11Painter::GalleryDrawItemBackground(ADC, R, AState);
}

void TovBarSkinnedPainter::DropDownGalleryDrawScrollBarPart(HDC ADC, const TRect& R, int APart, int AState) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DropDownGalleryDrawScrollBarPart(ADC, R, APart, AState);
        return;
    }
    // Scroll-bar parts 1..5 (line up, line down, thumb, page up, page down); look-and-feel button states
    // 0..4 (normal twice, hot, pressed, disabled).
    if (APart < 1 || APart > 5) return;
    static constexpr int States[] = {ovSkinStateNormal, ovSkinStateNormal, ovSkinStateHot, ovSkinStatePressed,
                                     ovSkinStateDisabled};
    const int state = AState >= 0 && AState <= 4 ? States[AState] : ovSkinStateNormal;
    skin->DrawBackground(ADC, R, ovSkinPartScrollBarVertBackground + APart, state);
}

TColor TovBarSkinnedPainter::GalleryGetGroupHeaderTextColor() {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorGalleryGroupHeaderText, ovSkinStateNormal);
    return TovBarOffice11Painter::GalleryGetGroupHeaderTextColor();
}

TColor TovBarSkinnedPainter::DateNavigatorGetHeaderColor() {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorDateNavigatorHeader, ovSkinStateNormal);
    return TovBarOffice11Painter::DateNavigatorGetHeaderColor();
}

// ---- Screen tips

void TovBarSkinnedPainter::ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R) {
    if (IovSkin* skin = GetSkin())
        skin->DrawBackground(ACanvas->Handle(), R, ovSkinPartScreenTip, ovSkinStateNormal);
    else
        TovBarOffice11Painter::ScreenTipDrawBackground(ACanvas, R);
}

void TovBarSkinnedPainter::ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::ScreenTipDrawFooterLine(ACanvas, R);
        return;
    }
    HDC dc = ACanvas->Handle();
    FillRectWithColor(dc, TRect{R.left, R.top, R.right, R.top + 1},
                      skin->GetPartColor(ovSkinColorScreenTip, ovSkinStateNormal));
    FillRectWithColor(dc, TRect{R.left, R.top + 1, R.right, R.top + 2}, clWhite);
}

TColor TovBarSkinnedPainter::ScreenTipGetTitleTextColor() {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorScreenTipTitleText, ovSkinStateNormal);
    return TovBarOffice11Painter::ScreenTipGetTitleTextColor();
}

TColor TovBarSkinnedPainter::ScreenTipGetDescriptionTextColor() {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorScreenTipDescriptionText, ovSkinStateNormal);
    return TovBarOffice11Painter::ScreenTipGetDescriptionTextColor();
}
