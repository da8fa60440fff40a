// Menus in the skinned look: the glyph column and content parts behind the entries, the drop-down
// border, detach caption, scroll bands and arrows, separators and the expand mark, in-place sub-items
// and drop-down list frames.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/painting/BarSkinnedPainterClip.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>

namespace skinned_menus {

bool UsesLargeItems(TovBarSubMenuControl* AMenu) {
    return AMenu->ItemLinks() != nullptr && AMenu->ItemLinks()->GetMenuItemSize() == misLarge;
}

} // namespace skinned_menus
using namespace skinned_menus;

void TovBarSkinnedPainter::SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor,
                                                        HBRUSH ABrush, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlDrawBackground(AMenu, ADC, AColor, ABrush, R);
        return;
    }
    const TRect client = AMenu->GetClientRect();
    TRect content{};
    if (!uiIntersectRects(content, client, R)) return;
    TovSkinnedSavedClip clip(ADC);
    IntersectClipRect(ADC, content.left, content.top, content.right, content.bottom);
    // Three columns: the glyph column, a 2-pixel column after it, and the entries' area.
    const int glyphLeft = AMenu->GetBandRect().right;
    const int glyphRight = glyphLeft + AMenu->GetGlyphAreaWidth();
    const TRect glyph{glyphLeft, client.top, glyphRight, client.bottom};
    const TRect line{glyphRight, client.top, glyphRight + 2, client.bottom};
    const TRect rest{glyphRight + 2, client.top, std::max<int>(client.right, glyphRight + 2), client.bottom};
    if (UsesLargeItems(AMenu)) {
        skin->DrawBackground(ADC, TRect{glyph.left, glyph.top, line.right, line.bottom},
                             ovSkinPartMenuContent, ovSkinStateNormal);
    } else {
        skin->DrawBackground(ADC, glyph, ovSkinPartMenuGlyph, ovSkinStateNormal);
        skin->DrawBackground(ADC, line, ovSkinPartMenuSeparatorVert, ovSkinStateNormal);
    }
    skin->DrawBackground(ADC, rest, ovSkinPartMenuContent, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlDrawBorder(AMenu, ADC, R);
        return;
    }
    TovSkinnedSavedClip clip(ADC);
    const TPoint offset = AMenu->GetClientOffset();
    const TRect client = uiShiftRect(AMenu->GetClientRect(), offset.x, offset.y);
    ExcludeClipRect(ADC, client.left, client.top, client.right, client.bottom);
    skin->DrawBackground(ADC, R, ovSkinPartDropDownBorder, ovSkinStateNormal);
    if (AMenu->HasDetachCaption()) {
        // A skin without a colour for the caption area (the default colour) leaves the border part there.
        const int border = SubMenuControlBorderSize();
        const TColor area = skin->GetPartColor(ovSkinColorMenuDetachCaption, ovSkinStateNormal);
        if (area != clDefault && area != clNone)
            FillRectWithColor(ADC, uiGrowRect(R, -border, -border), area);
        SubMenuControlDrawDetachCaption(AMenu, ADC, AMenu->GetDetachCaptionRect());
    }
}

void TovBarSkinnedPainter::SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush,
                                                         TRect R) {
    if (!HasSkin()) TovBarOffice11Painter::SubMenuControlDrawInnerBorder(AMenu, ADC, ABrush, R);
}

void TovBarSkinnedPainter::SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC,
                                                           const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlDrawDetachCaption(AMenu, ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R, ovSkinPartMenuDetachCaption,
                         AMenu->DetachCaptionHot() ? ovSkinStateHot : ovSkinStateNormal);
}

bool TovBarSkinnedPainter::SubMenuControlScrollButtonUsesMenuBrush() {
    return HasSkin() ? false : TovBarOffice11Painter::SubMenuControlScrollButtonUsesMenuBrush();
}

void TovBarSkinnedPainter::SubMenuControlDrawScrollButtonBackground(TovBarSubMenuControl* AMenu,
                                                                    TuiCanvas* ACanvas, const TRect& R,
                                                                    bool ABottom) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlDrawScrollButtonBackground(AMenu, ACanvas, R, ABottom);
        return;
    }
    skin->DrawBackground(ACanvas->Handle(), R, ovSkinPartMenuScrollArea, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SubMenuControlPaintScrollArrowFill(TuiCanvas* ACanvas, const TRect& R,
                                                              TColor AColor) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlPaintScrollArrowFill(ACanvas, R, AColor);
        return;
    }
    skin->DrawBackground(ACanvas->Handle(), R, ovSkinPartMenuScrollArrow, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SubMenuControlPaintSeparator(HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlPaintSeparator(ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R, ovSkinPartMenuSeparatorHorz, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                                        const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlPaintMarkGlyph(AMenu, ADC, ASelected, R);
        return;
    }
    const int side = std::max(0, uiHeightOfRect(R) - 2);
    skin->DrawBackground(ADC, uiCentreRectIn(R, side, side), ovSkinPartMenuMark, ovSkinStateNormal);
}

void TovBarSkinnedPainter::SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC,
                                                            const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::SubMenuControlPaintMarkHighlight(AMenu, ADC, R);
        return;
    }
    skin->DrawBackground(ADC, R, ovSkinPartButton, ovSkinStateHot);
}

void TovBarSkinnedPainter::InPlaceSubItemDrawArrow(TovBarItemControlDrawParams* P, int ADirection,
                                                   const TRect& R) {
    if (!HasSkin()) {
        TovBarOffice11Painter::InPlaceSubItemDrawArrow(P, ADirection, R);
        return;
    }
    DrawMenuArrow(P, ADirection, R);
}

void TovBarSkinnedPainter::InPlaceSubItemDrawBackground(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::InPlaceSubItemDrawBackground(P, R);
        return;
    }
    if (P->DrawSelected)
        DrawButtonInMenuBackground(P, R);
    else
        skin->DrawBackground(P->Canvas->Handle(), R, ovSkinPartMenuGlyph, ovSkinStateNormal);
}

void TovBarSkinnedPainter::DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DropDownListBoxPaintFrame(ADC, AColor, R);
        return;
    }
    skin->DrawBackground(ADC, R, ovSkinPartDropDownBorder, ovSkinStateNormal);
}
