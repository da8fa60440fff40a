#include "ui/core/skins/SkinBorders.h"

// ---- TovSkinBorder

void TovSkinBorder::SetColor(TColor AValue) {
    SetContentValue(FColor, AValue);
}

void TovSkinBorder::SetThin(int AValue) {
    SetContentValue(FThin, AValue);
}

void TovSkinBorder::Assign(TPersistent* ASource) {
    auto* source = dynamic_cast<TovSkinBorder*>(ASource);
    if (source == nullptr) return;
    FSide = source->FSide;
    SetColor(source->FColor);
    SetThin(source->FThin);
}

bool TovSkinBorder::Compare(TovSkinProperty* AProperty) {
    auto* other = dynamic_cast<TovSkinBorder*>(AProperty);
    return other != nullptr && other->FColor == FColor && other->FThin == FThin && other->FSide == FSide;
}

void TovSkinBorder::ResetToDefaults() {
    SetColor(clNone);
    SetThin(1);
}

TRect TovSkinBorder::StripOf(const TRect& R, int ASide, int AThin) {
    switch (ASide) {
    case 0:
        return TRect{R.left, R.top, R.left + AThin, R.bottom};
    case 1:
        return TRect{R.left, R.top, R.right, R.top + AThin};
    case 2:
        return TRect{R.right - AThin, R.top, R.right, R.bottom};
    default:
        return TRect{R.left, R.bottom - AThin, R.right, R.bottom};
    }
}

// ---- TovSkinBorders

TovSkinBorders::TovSkinBorders(TPersistent* AOwner, const std::string& AName)
    : TovSkinProperty(AOwner, AName) {
    for (int side = 0; side < 4; ++side) {
        FBorders[side] = std::make_unique<TovSkinBorder>(this, ovSkinBorderNames[side]);
        FBorders[side]->SetSide(side);
        FBorders[side]->OnChange = ovSkinForwardChanges(this);
    }
}

TovSkinBorders::~TovSkinBorders() = default;

TRect TovSkinBorders::Widths() const {
    return TRect{Left()->Width(), Top()->Width(), Right()->Width(), Bottom()->Width()};
}

void TovSkinBorders::Assign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinBorders*>(ASource)) {
        for (int side = 0; side < 4; ++side)
            FBorders[side]->Assign(source->FBorders[side].get());
    } else {
        TovSkinProperty::Assign(ASource);
    }
}

bool TovSkinBorders::Compare(TovSkinProperty* AProperty) {
    auto* other = dynamic_cast<TovSkinBorders*>(AProperty);
    if (other == nullptr) return false;
    for (int side = 0; side < 4; ++side)
        if (!FBorders[side]->Compare(other->FBorders[side].get())) return false;
    return true;
}

void TovSkinBorders::ResetToDefaults() {
    for (auto& border : FBorders)
        border->ResetToDefaults();
}

// ---- TovSkinAlternateImageAttributes

TovSkinAlternateImageAttributes::TovSkinAlternateImageAttributes(TPersistent* AOwner,
                                                                 const std::string& AName)
    : TovSkinProperty(AOwner, AName), FBorders(std::make_unique<TovSkinBorders>(this, "Borders")),
      FBordersInner(std::make_unique<TovSkinBorders>(this, "BordersInner")),
      FContentOffsets(std::make_unique<TuiRect>(this)) {
    FBorders->OnChange = ovSkinForwardChanges(this);
    FBordersInner->OnChange = ovSkinForwardChanges(this);
    FContentOffsets->OnChange = TNotifyEvent([this](TObject*) { Changed(ovSkinContentChange); }, this);
}

TovSkinAlternateImageAttributes::~TovSkinAlternateImageAttributes() = default;

void TovSkinAlternateImageAttributes::SetAlpha(std::uint8_t AValue) {
    SetContentValue(FAlpha, AValue);
}

void TovSkinAlternateImageAttributes::SetGradient(TovSkinGradientMode AValue) {
    SetContentValue(FGradient, AValue);
}

void TovSkinAlternateImageAttributes::SetGradientBeginColor(TColor AValue) {
    SetContentValue(FGradientBeginColor, AValue);
}

void TovSkinAlternateImageAttributes::SetGradientEndColor(TColor AValue) {
    SetContentValue(FGradientEndColor, AValue);
}

void TovSkinAlternateImageAttributes::Assign(TPersistent* ASource) {
    auto* source = dynamic_cast<TovSkinAlternateImageAttributes*>(ASource);
    if (source == nullptr) {
        TovSkinProperty::Assign(ASource);
        return;
    }
    SetAlpha(source->FAlpha);
    FBorders->Assign(source->FBorders.get());
    FBordersInner->Assign(source->FBordersInner.get());
    SetGradient(source->FGradient);
    SetGradientBeginColor(source->FGradientBeginColor);
    SetGradientEndColor(source->FGradientEndColor);
    FContentOffsets->Assign(source->FContentOffsets.get());
}

bool TovSkinAlternateImageAttributes::Compare(TovSkinProperty* AProperty) {
    auto* other = dynamic_cast<TovSkinAlternateImageAttributes*>(AProperty);
    return TovSkinProperty::Compare(AProperty) && other != nullptr && other->FAlpha == FAlpha &&
           other->FGradient == FGradient && other->FGradientBeginColor == FGradientBeginColor &&
           other->FGradientEndColor == FGradientEndColor && FBorders->Compare(other->FBorders.get()) &&
           FBordersInner->Compare(other->FBordersInner.get()) &&
           FContentOffsets->IsEqual(other->FContentOffsets.get());
}
