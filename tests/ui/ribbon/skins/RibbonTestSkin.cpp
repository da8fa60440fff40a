#include "RibbonTestSkin.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/ribbon/skins/RibbonSkin.h"

namespace ribbon_skin_test {

TRibbonTestSkin::TRibbonTestSkin(TovCustomRibbonSkin& ASkin, TovRibbonColorSchemeAccent AAccent)
    : FSkin(ASkin) {
    Context.Accent = AAccent;
    Context.CaptionHeight = 13;
    Context.CaptionBottomOffset = 2;
    FSkin.AddRef();
}

TRibbonTestSkin::~TRibbonTestSkin() {
    FSkin.Release();
}

void TRibbonTestSkin::DrawBackground(HDC DC, const TRect& R, int APart, int AState) {
    DrawBackgroundEx(DC, R, R, APart, AState);
}

void TRibbonTestSkin::DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) {
    ovRibbonSkinDrawBackground(FSkin, DC, R, ABounds, APart, AState, Context);
}

void TRibbonTestSkin::DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) {
    if (APart != ovSkinPartTabGroup && APart != ovSkinPartTabGroupInPopup) return;
    const int saved = SaveDC(DC);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, ColorToRGB(FSkin.GetPartColor(10134, 0, Context.Accent)));
    RECT r{R.left, R.top + 1, R.right, R.bottom};
    DrawText(DC, AText.c_str(), int(AText.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RestoreDC(DC, saved);
}

TRect TRibbonTestSkin::GetCaptionRect(const TRect& R, int APart) {
    return ovRibbonSkinCaptionRect(FSkin, R, APart, Context);
}

TRect TRibbonTestSkin::GetContentOffsets(int APart) {
    return ovRibbonSkinContentOffsets(FSkin, APart, Context);
}

bool TRibbonTestSkin::GetIsAlphaUsed(int APart) {
    return FSkin.GetIsAlphaUsed(APart);
}

std::string TRibbonTestSkin::GetName() {
    return FSkin.GetSkinName();
}

TColor TRibbonTestSkin::GetPartColor(int APart, int AState) {
    return FSkin.GetPartColor(APart, AState, Context.Accent);
}

int TRibbonTestSkin::GetPartSize(int APart) {
    return FSkin.GetPartSize(APart);
}

bool TRibbonTestSkin::UseRoundedWindowCorners() {
    return FSkin.UseRoundedWindowCorners();
}

} // namespace ribbon_skin_test
