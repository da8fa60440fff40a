#include "ui/bars/extitems/BarStaticItems.h"

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/extitems/StaticItemControls.h"

// ---- Static

TovBarStatic::TovBarStatic(TComponent* AOwner) : TovBarItem(AOwner) {
    SetShowCaption(true);
}

void TovBarStatic::SetAlignment(TAlignment AValue) {
    if (AValue == FAlignment) return;
    FAlignment = AValue;
    UpdateLinkControls();
}

void TovBarStatic::SetBorderStyle(TovBarStaticBorderStyle AValue) {
    if (AValue == FBorderStyle) return;
    FBorderStyle = AValue;
    if (IsItemLoading()) return;
    // With both sizes fixed the border changes nothing but the picture.
    if (Width() != 0 && FHeight != 0)
        UpdateLinkControls();
    else
        RefreshBarControls();
}

void TovBarStatic::SetSizeValue(int& AField, int AValue) {
    AValue = std::max(AValue, 0);
    if (AValue == AField) return;
    AField = AValue;
    if (!IsItemLoading()) RefreshBarControls();
}

void TovBarStatic::SetWidth(int AValue) {
    AValue = std::max(AValue, 0);
    if (AValue == Width()) return;
    TovBarItem::SetWidth(AValue);
    if (!IsItemLoading()) RefreshBarControls();
}

// ---- Progress

TovBarProgressItem::TovBarProgressItem(TComponent* AOwner) : TovBarStatic(AOwner) {
    SetBorderStyle(sbsLowered);
}

void TovBarProgressItem::SetColor(TColor AValue) {
    if (AValue == FColor) return;
    FColor = AValue;
    BarChanged();
}

void TovBarProgressItem::SetSmooth(bool AValue) {
    if (AValue == FSmooth) return;
    FSmooth = AValue;
    BarChanged();
}

void TovBarProgressItem::SetRange(int AMin, int AMax) {
    if (AMin > AMax && !IsItemLoading()) AMax = AMin;
    FMin = AMin;
    FMax = AMax;
    if (FPosition < FMin || FPosition > FMax)
        SetPosition(FPosition);
    else
        BarChanged();
}

void TovBarProgressItem::SetPosition(int AValue) {
    AValue = std::clamp(AValue, FMin, std::max(FMin, FMax));
    if (AValue == FPosition) return;
    FPosition = AValue;
    for (int i = 0; i < LinkCount(); ++i)
        if (auto* control = dynamic_cast<TovBarProgressControl*>(Links(i)->Control()))
            control->PositionChanged();
}

void TovBarProgressItem::BarChanged() {
    UpdateLinkControls();
}
