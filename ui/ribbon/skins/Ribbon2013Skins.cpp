#include "ui/ribbon/skins/Ribbon2013Skins.h"

#include "ui/bars/skin/SkinPartKinds.h"

namespace {

constexpr int ThumbElement = 3;

} // namespace

TColor TovWhiteRibbon2013Skin::GetScrollBarPartBorderColor(int APart, int AState) {
    if (APart == ThumbElement) return AState == ovSkinStatePressed ? 0x777777 : 0xABABAB;
    return TovCustomRibbon2013Skin::GetScrollBarPartBorderColor(APart, AState);
}

TColor TovWhiteRibbon2013Skin::GetScrollBarPartColor(int APart, int AState) {
    const bool lit = AState == ovSkinStatePressed || (AState == ovSkinStateHot && APart == ThumbElement);
    return lit ? TColor(0xF0F0F0) : clWhite;
}

TColor TovLightGrayRibbon2013Skin::GetAccentColor(TovRibbonColorSchemeAccent AAccent) {
    return ChangeBaseAccentLightness(AAccent, -0.05);
}

TColor TovLightGrayRibbon2013Skin::GetScrollBarPartColor(int APart, int AState) {
    return AState == ovSkinStatePressed ? TColor(0xE1E1E1) : clWhite;
}

TColor TovDarkGrayRibbon2013Skin::GetScrollBarPartColor(int APart, int AState) {
    if (AState != ovSkinStatePressed) return clWhite;
    return APart == ThumbElement ? 0xE1E1E1 : 0xF0F0F0;
}

TColor TovDarkGrayRibbon2013Skin::MenuViewSelectionColor(TovRibbonColorSchemeAccent AAccent, double ADelta) {
    return ChangeBaseAccentLightness(AAccent, ADelta > 0 ? 0.1 : -0.1);
}
