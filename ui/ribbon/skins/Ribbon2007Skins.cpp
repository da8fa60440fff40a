#include "ui/ribbon/skins/Ribbon2007Skins.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/painters/office11/Office11Drawing.h"

namespace {

// The bottom edge: the first colour on the top row, the second on every row below.
void BottomEdge(HDC DC, const TRect& R, TColor ATop, TColor ABelow) {
    FillRectWithColor(DC, TRect{R.left, R.top, R.right, R.bottom - 1}, ATop);
    FillRectWithColor(DC, TRect{R.left, R.top + 1, R.right, R.bottom}, ABelow);
}

// The colours of the edit frames, the same in every 2007 scheme but for the normal, disabled and
// highlighted states: 12 by state, with its disabled colour also for a disabled selected edit.
TColor EditPartFrame(int AState, TColor ANormal, TColor ADisabled, TColor AHighlighted) {
    switch (AState) {
    case ovSkinStateNormal:
        return ANormal;
    case ovSkinStateDisabled:
    case ovSkinStateDisabledSelected:
        return ADisabled;
    case ovSkinStateHot:
        return 0x99CEDB;
    case ovSkinStateHighlighted:
        return AHighlighted;
    case ovSkinStatePressed:
        return 0x45667B;
    case ovSkinStateDroppedDown:
        return 0x6B99A5;
    default:
        return clDefault;
    }
}

// Key 425: the side lines of a selected edit.
TColor SelectedEditSides(int AState) {
    return AState == ovSkinStateHighlighted        ? TColor(0x85B6CA)
           : AState == ovSkinStateDisabledSelected ? TColor(0xCDCDCD)
                                                   : clDefault;
}

} // namespace

// ---- Blue

void TovBlueRibbonSkin::LoadColorTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONBLUE");
}

void TovBlueRibbonSkin::GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder,
                                                 TColor& ASideFill) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::GetApplicationMenuColors(AInnerBorder, AOuterBorder, ASideFill);
    AInnerBorder = 0xCAAF9B;
    AOuterBorder = clWhite;
    ASideFill = 0xEDD3BE;
}

void TovBlueRibbonSkin::DrawRibbonBottomEdge(HDC DC, const TRect& R) {
    BottomEdge(DC, R, 0xEBC3A4, 0xF3E2D5);
}

TColor TovBlueRibbonSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    const TColor inherited = TovCustomRibbonTexturedSkin::GetPartColor(APart, AState, AAccent);
    if (LowColors()) return inherited;
    TColor own = clDefault;
    switch (APart) {
    case ovSkinColorEditBackground:
        own = AState == ovSkinStateNormal     ? TColor(0xFBF2EA)
              : AState == ovSkinStateDisabled ? TColor(0xEFEFEF)
              : ovSkinStateIsLit(AState)      ? clWhite
                                              : clDefault;
        break;
    case ovSkinColorEditFrame:
        own = AState == ovSkinStateNormal     ? TColor(0xDEC1AB)
              : AState == ovSkinStateDisabled ? TColor(0xC6BBB1)
              : ovSkinStateIsLit(AState)      ? TColor(0xE1C7B3)
                                              : clDefault;
        break;
    case ovSkinColorEditButtonFrame:
        own = EditPartFrame(AState, 0xDEC1AB, 0xC6BBB1, 0xDEC7AD);
        break;
    case ovSkinColorDateNavigatorHeader:
        return 0xDAD5D2;
    case ovSkinColorMenuCaptionSeparator:
        return 0xEFE7DE;
    case ovSkinColorScreenTip:
        return 0xDDBB9E;
    case ovSkinColorInRibbonGalleryBackground:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xFBF3EC : 0xF8E6D4;
    case ovSkinColorInRibbonGalleryBorder:
        return 0xEDD0B9;
    case 66:
        // Only states 0 and 2 have a colour of their own; any other state is the inherited one, never an
        // error.
        own = AState == ovSkinStateNormal ? TColor(0x6E1500)
              : AState == ovSkinStateHot  ? TColor(0xFF6600)
                                          : clDefault;
        break;
    case ovSkinColorMenuText:
        return ovSkinStateIsDisabled(AState) ? inherited : TColor(0x6E1500);
    case ovSkinColorEditSelectionLine:
        own = SelectedEditSides(AState);
        break;
    case ovSkinColorFormBackground:
        return 0xEBC3A4;
    case 10065:
        return 0xFFDBBF;
    case 10066:
        return 0xF3E2D5;
    case 10098:
        return 0x805D45;
    case 10099:
        return 0xE8C9B1;
    case ovSkinColorFormCaptionTextActive:
        return AState == ovSkinStateNormal ? 0xAA6A3E : 0xA0A0A0;
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? 0x797069 : 0xA0A0A0;
    case ovSkinColorTabText:
    case 10133:
        return 0x8B4215;
    case 10134:
        return 0xAA6A3E;
    case 10138:
        return AState == ovSkinStateDisabled ? 0x8D8D8D : 0x8B4215;
    default:
        break;
    }
    return own != clDefault ? own : inherited;
}

// ---- Black

void TovBlackRibbonSkin::LoadColorTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONBLACK");
}

void TovBlackRibbonSkin::GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder,
                                                  TColor& ASideFill) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::GetApplicationMenuColors(AInnerBorder, AOuterBorder, ASideFill);
    AInnerBorder = 0x414243;
    AOuterBorder = 0x716C6B;
    ASideFill = 0x504F4F;
}

void TovBlackRibbonSkin::DrawRibbonBottomEdge(HDC DC, const TRect& R) {
    BottomEdge(DC, R, 0x4F4F4F, 0x626262);
}

TColor TovBlackRibbonSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    const TColor inherited = TovCustomRibbonTexturedSkin::GetPartColor(APart, AState, AAccent);
    if (LowColors()) return inherited;
    TColor own = clDefault;
    switch (APart) {
    case ovSkinColorEditBackground:
        own = AState == ovSkinStateNormal     ? TColor(0xE8E8E8)
              : AState == ovSkinStateDisabled ? TColor(0xEFEFEF)
              : ovSkinStateIsLit(AState)      ? clWhite
                                              : clDefault;
        break;
    case ovSkinColorEditFrame:
        own = AState == ovSkinStateDisabled                             ? TColor(0xCCCCCC)
              : AState == ovSkinStateNormal || ovSkinStateIsLit(AState) ? TColor(0x898989)
                                                                        : clDefault;
        break;
    case ovSkinColorEditButtonFrame:
        own = EditPartFrame(AState, 0x898989, 0xCCCCCC, 0xB7B7B7);
        break;
    case ovSkinColorDateNavigatorHeader:
        return 0xDAD5D2;
    case ovSkinColorMenuCaptionSeparator:
        return 0xEFEBEF;
    case ovSkinColorScreenTip:
        return 0xA49991;
    case ovSkinColorInRibbonGalleryBackground:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xF7F7F7 : 0xE2E2DA;
    case ovSkinColorInRibbonGalleryBorder:
        return 0xACACAC;
    case 66:
        own = AState == ovSkinStateNormal ? clWhite : AState == ovSkinStateHot ? TColor(0x32D2FF) : clDefault;
        break;
    case ovSkinColorMenuText:
        return ovSkinStateIsDisabled(AState) ? inherited : TColor(0x464646);
    case ovSkinColorEditSelectionLine:
        own = SelectedEditSides(AState);
        break;
    case ovSkinColorFormBackground:
        return 0x696969;
    case 10065:
        return 0x535353;
    case 10066:
        return 0x626262;
    case 10098:
        return 0x252525;
    case 10099:
        return 0xCCCCCC;
    case ovSkinColorFormCaptionTextActive:
        return AState == ovSkinStateNormal ? 0xFFD1AE : 0xE1E1E1;
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? clWhite : TColor(0xE1E1E1);
    case ovSkinColorTabText:
        return AState == ovSkinStateHighlighted ? clBlack : clWhite;
    case 10133:
        return 0x464646;
    case 10134:
        return clWhite;
    case 10138:
        if (AState == ovSkinStateNormal) return clWhite;
        if (AState == ovSkinStateHot || AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot)
            return clBlack;
        return 0xC2C2C2;
    default:
        break;
    }
    return own != clDefault ? own : inherited;
}

// ---- Silver: Black's colours where it has none of its own.

void TovSilverRibbonSkin::LoadColorTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONSILVER");
}

void TovSilverRibbonSkin::GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder,
                                                   TColor& ASideFill) {
    if (LowColors())
        return TovBlackRibbonSkin::GetApplicationMenuColors(AInnerBorder, AOuterBorder, ASideFill);
    AInnerBorder = 0xB4AEA9;
    AOuterBorder = 0xFAFAFA;
    ASideFill = 0xD8D2CD;
}

void TovSilverRibbonSkin::DrawRibbonBottomEdge(HDC DC, const TRect& R) {
    BottomEdge(DC, R, 0x808080, 0xDCE1EB);
}

TColor TovSilverRibbonSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    const TColor inherited = TovBlackRibbonSkin::GetPartColor(APart, AState, AAccent);
    if (LowColors()) return inherited;
    switch (APart) {
    case ovSkinColorInRibbonGalleryBackground:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xF2F1F0 : 0xECEAE8;
    case ovSkinColorInRibbonGalleryBorder:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xA4A4A4 : 0xB8B1A9;
    case ovSkinColorMenuText:
        return ovSkinStateIsDisabled(AState) ? inherited : TColor(0x5C534C);
    case ovSkinColorFormBackground:
        return 0xB5AEAA;
    case 10065:
        return 0xDDD4D0;
    case 10066:
        return 0x808080;
    case 10098:
        return ovSilverRibbonSizeGripDark;
    case 10099:
        return 0xD9D0CD;
    case ovSkinColorFormCaptionTextActive:
        return AState == ovSkinStateNormal ? 0xAA6E35 : 0x8A8A8A;
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? 0x6A625C : 0x8A8A8A;
    case ovSkinColorTabText:
        return 0x595453;
    case 10133:
    case 10134:
        return 0x5C534C;
    case 10138:
        return AState == ovSkinStateDisabled ? 0x8D8D8D : 0x595453;
    default:
        return inherited;
    }
}
