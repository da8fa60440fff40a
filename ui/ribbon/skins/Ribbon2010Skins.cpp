#include "ui/ribbon/skins/Ribbon2010Skins.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/painters/office11/Office11Drawing.h"

void TovRibbon2010SchemeSkin::LoadColorTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, Scheme().ColorSheet);
}

void TovRibbon2010SchemeSkin::GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder,
                                                       TColor& ASideFill) {
    AInnerBorder = clNone;
    AOuterBorder = Scheme().MenuOuterBorder;
    ASideFill = clNone;
}

void TovRibbon2010SchemeSkin::DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                                     int AApplicationMenuState) {
    if (LowColors())
        return TovCustomRibbon2010Skin::DrawTabsAreaBackground(DC, R, AActive, AOnGlass,
                                                               AApplicationMenuState);
    if (!AOnGlass) FillRectWithColor(DC, R, AActive ? Scheme().TabRowActive : Scheme().TabRowInactive);
}

void TovRibbon2010SchemeSkin::DrawRibbonBottomEdge(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, Scheme().Edge);
}

void TovRibbon2010SchemeSkin::DrawFormCaptionBottomLine(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, Scheme().Edge);
}

TColor TovRibbon2010SchemeSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::GetPartColor(APart, AState, AAccent);
    const TColor own = SchemeColor(APart, AState, AAccent);
    return own != clDefault ? own : TovCustomRibbon2010Skin::GetPartColor(APart, AState, AAccent);
}

// ---- Blue

const TovRibbon2010SchemeSkin::TScheme& TovBlueRibbon2010Skin::Scheme() const {
    static constexpr TScheme scheme{"RIBBONBLUE2010", 0xB9AFA8, 0xAD8E72, 0xE8D0BD, 0xF7EBDF};
    return scheme;
}

TColor TovBlueRibbon2010Skin::SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    switch (APart) {
    case ovSkinColorEditBackground:
        if (AState == ovSkinStateNormal || AState == ovSkinStateDisabled) return 0xFDF5ED;
        return ovSkinStateIsLit(AState) ? TColor(0xFCF7F2) : clDefault;
    case ovSkinColorEditFrame:
        if (AState == ovSkinStateNormal) return 0xD6C0B1;
        if (AState == ovSkinStateDisabled) return 0xDEDDCD;
        return ovSkinStateIsLit(AState) ? TColor(0xD0BAAB) : clDefault;
    case ovSkinColorScreenTip:
        return 0xDDBB9E;
    case ovSkinColorInRibbonGalleryBackground:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xFCF7F2 : 0xFDF5ED;
    case ovSkinColorFormBackground:
    case 10065:
        return 0xE4CCB7;
    case 10098:
        return 0xBD9D84;
    case 10099:
        return 0xF1E1D4;
    case ovSkinColorFormCaptionTextActive:
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? clDefault : TColor(0xA36736);
    default:
        return clDefault;
    }
}

// ---- Silver

const TovRibbon2010SchemeSkin::TScheme& TovSilverRibbon2010Skin::Scheme() const {
    static constexpr TScheme scheme{"RIBBONSILVER2010", 0xC6C3C0, 0x928C87, 0xE8E6E3, 0xFCFCFC};
    return scheme;
}

TColor TovSilverRibbon2010Skin::SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    switch (APart) {
    case ovSkinColorEditBackground:
        if (AState == ovSkinStateDisabled) return 0xFAFAFA;
        return AState == ovSkinStateNormal || ovSkinStateIsLit(AState) ? clWhite : clDefault;
    case ovSkinColorEditFrame:
        if (AState == ovSkinStateNormal) return 0xD9D6D4;
        if (AState == ovSkinStateDisabled) return 0xEBE7E4;
        return ovSkinStateIsLit(AState) ? TColor(0xC4BFBB) : clDefault;
    case ovSkinColorScreenTip:
        return 0xBDBDBD;
    case ovSkinColorInRibbonGalleryBackground:
        return clWhite;
    case 66:
        return AState == ovSkinStateHot ? TColor(0x32D2FF) : clWhite;
    case ovSkinColorFormBackground:
    case 10065:
        return 0xF1EDE9;
    case 10098:
        return 0xC7BEB5;
    case 10099:
        return clWhite;
    case ovSkinColorFormCaptionTextActive:
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? clDefault : TColor(0x8A8A8A);
    case 10139:
        return 0x808080;
    case 10141:
        return clWhite;
    default:
        return clDefault;
    }
}

// ---- Black

const TovRibbon2010SchemeSkin::TScheme& TovBlackRibbon2010Skin::Scheme() const {
    static constexpr TScheme scheme{"RIBBONBLACK2010", 0xABABAB, 0x484848, 0x717171, 0x9E9E9E};
    return scheme;
}

void TovBlackRibbon2010Skin::DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    DrawEtchedLine(DC, R, 0xABABAB, 0xCECECE, AHorizontal);
}

TColor TovBlackRibbon2010Skin::SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    switch (APart) {
    case ovSkinColorEditBackground:
        if (AState == ovSkinStateNormal) return 0xC6C6C6;
        if (AState == ovSkinStateDisabled) return 0xB6B6B6;
        return ovSkinStateIsLit(AState) ? TColor(0xCCCCCC) : clDefault;
    case ovSkinColorEditFrame:
        if (AState == ovSkinStateDisabled) return 0xA0A0A0;
        return AState == ovSkinStateNormal || ovSkinStateIsLit(AState) ? TColor(0x848484) : clDefault;
    case ovSkinColorScreenTip:
        return 0xBDBDBD;
    case ovSkinColorInRibbonGalleryBackground:
        return AState == ovSkinStateHot || AState == ovSkinStateHighlighted ? 0xC1C1C1 : 0xBBBBBB;
    case 66:
        return AState == ovSkinStateHot ? TColor(0x32D2FF) : clWhite;
    case 261:
        return ovSkinStateIsDisabled(AState) ? TColor(0xA7A7A7) : clWhite;
    case 271:
        if (ovSkinStateIsDisabled(AState)) return 0xA7A7A7;
        if (AState == ovSkinStatePressed || AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot)
            return AAccent == rcsaYellow ? clBlack : clWhite;
        return clWhite;
    case ovSkinColorFormBackground:
    case 10065:
        return 0x8B8B8B;
    case 10098:
        return 0x1B1B1B;
    case 10099:
        return 0x595959;
    case ovSkinColorFormCaptionTextActive:
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? 0xE2E2E2 : 0xD4D4D4;
    case ovSkinColorTabText:
        if (AState == ovSkinStateHot) return 0xF0F0F0;
        return AState == ovSkinStateHighlighted ? clBlack : TColor(0xE2E2E2);
    case 10138:
        if (AState == ovSkinStateDisabled)
            return GetPartColor(ovSkinColorItemText, ovSkinStateDisabled, AAccent);
        if (AState == ovSkinStateHot || AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot)
            return clBlack;
        return 0xE2E2E2;
    default:
        return clDefault;
    }
}
