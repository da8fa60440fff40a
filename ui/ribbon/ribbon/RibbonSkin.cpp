// The ribbon's skin: choosing it by colour-scheme name and style, and the ribbon as the skin interface
// every bar painter and gallery of the ribbon draws through.
#include "ui/ribbon/ribbon/Ribbon.h"

#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"

namespace {

constexpr int GroupPart = 1;
constexpr int GroupInMenuPart = 1003;
constexpr int GroupContentBottomIndentPart = 10191;

bool IsGroupFramePart(int APart) {
    return APart == GroupPart || APart == GroupInMenuPart;
}

} // namespace

// ---- Selection

void TovCustomRibbon::SelectFirstSkin() {}

void TovCustomRibbon::ReleaseSkin() {
    FSkin = nullptr;
}

void TovCustomRibbon::SetSkin(TovCustomRibbonSkin* ASkin) {
    if (ASkin == nullptr || ASkin == FSkin) return;
}

std::string TovCustomRibbon::ColorSchemeName() const {
    return {};
}

void TovCustomRibbon::SetColorSchemeName(const std::string&) {}

TovRibbonStyle TovCustomRibbon::Style() const {
    return rs2007;
}

void TovCustomRibbon::SetStyle(TovRibbonStyle) {}

void TovCustomRibbon::SetColorSchemeAccent(TovRibbonColorSchemeAccent AValue) {
    if (FColorSchemeAccent == AValue) return;
    FColorSchemeAccent = AValue;
    UpdateColorScheme();
}

void TovCustomRibbon::UpdateColorScheme() {
    if (FFonts) FFonts->UpdateFonts();
    Changed();
}

bool TovCustomRibbon::IsApplicationButtonTab() {
    return false;
}

TColor TovCustomRibbon::GetSkinPartColor(int, int) {
    return clDefault;
}

TRect TovCustomRibbon::GetSkinContentOffsets(int) {
    return {0, 0, 0, 0};
}

void TovCustomRibbon::SetTabFontColor(TFont* AFont, int AState, TovRibbonContext*) {
    AFont->SetColor(GetSkinPartColor(10132, AState));
}

int TovCustomRibbon::GetGroupCaptionOffset() {
    return GetPartSize(GroupContentBottomIndentPart);
}

// ---- IovSkin

IovSkin* TovCustomRibbon::QuerySkin() {
    return FSkin != nullptr ? this : nullptr;
}

void TovCustomRibbon::DrawBackground(HDC DC, const TRect& R, int APart, int AState) {
    DrawBackgroundEx(DC, R, R, APart, AState);
}

void TovCustomRibbon::DrawBackgroundEx(HDC, const TRect&, const TRect&, int, int) {}

void TovCustomRibbon::DrawCaption(HDC, const std::string&, const TRect&, int, int) {}

TovFadingOptions* TovCustomRibbon::GetFadingOptions() {
    return FOptionsFading->BarItems();
}

TRect TovCustomRibbon::GetCaptionRect(const TRect& R, int APart) {
    if (!IsGroupFramePart(APart)) return {0, 0, 0, 0};
    const TRect offsets = GetSkinContentOffsets(APart);
    TRect caption{R.left + offsets.left, R.top, R.right - offsets.right, R.bottom - offsets.bottom};
    caption.top = caption.bottom - GetGroupCaptionHeight();
    return caption;
}

TRect TovCustomRibbon::GetContentOffsets(int APart) {
    TRect offsets = GetSkinContentOffsets(APart);
    if (IsGroupFramePart(APart)) offsets.bottom += GetGroupCaptionOffset() + GetGroupCaptionHeight();
    if (FTouchModeHelper) FTouchModeHelper->AdjustContentOffsets(APart, offsets);
    return offsets;
}

bool TovCustomRibbon::GetIsAlphaUsed(int) {
    return false;
}

std::string TovCustomRibbon::GetName() {
    return {};
}

TColor TovCustomRibbon::GetPartColor(int APart, int AState) {
    return GetSkinPartColor(APart, AState);
}

int TovCustomRibbon::GetPartSize(int APart) {
    int size = 0;
    if (FTouchModeHelper) FTouchModeHelper->AdjustPartSize(APart, size);
    return size;
}

bool TovCustomRibbon::UseRoundedWindowCorners() {
    return false;
}

// ---- Form frame

void TovCustomRibbon::DrawFormBackground(HDC, const TRect&) {}

TRect TovCustomRibbon::GetWindowBordersWidth() {
    return {0, 0, 0, 0};
}

bool TovCustomRibbon::UseFlatWindowBorders() {
    return false;
}
