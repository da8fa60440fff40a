#include "ui/core/skins/SkinElement.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinElementCache.h"

std::string AlternateImagePropertyName(TovSkinElementState AState, int AImageIndex) {
    const char* state = AState < ovSkinElementStateCount ? ovSkinElementStateNames[AState] : "";
    return "AlternateImage" + std::to_string(AImageIndex + 1) + state;
}

// ---- TovSkinElement

TovSkinElement::TovSkinElement(TPersistent* AOwner, const std::string& AName)
    : TovSkinPersistent(AOwner, AName), FBorders(std::make_unique<TovSkinBorders>(this, "Borders")),
      FContentOffset(std::make_unique<TuiRect>(this)), FGlyph(std::make_unique<TovSkinImage>(this)),
      FImage(std::make_unique<TovSkinImage>(this)), FMinSize(std::make_unique<TuiSize>(this)) {
    FBorders->OnChange = ovSkinForwardChanges(this);
    const TNotifyEvent content(this, &TovSkinElement::PartChanged);
    FContentOffset->OnChange = content;
    FGlyph->OnChange = content;
    FImage->OnChange = content;
    FMinSize->OnChange = content;
}

TovSkinElement::~TovSkinElement() {
    FCache.reset();
}

void TovSkinElement::Changed(TovSkinChanges AChanges) {
    if (AChanges.Contains(scStruct)) FAlternateImagesDirty = true;
    // A picture of the element as it was must not be shown again.
    if (FCache && !AChanges.empty()) FCache->Invalidate();
    TovSkinPersistent::Changed(AChanges);
}

void TovSkinElement::SetAlpha(std::uint8_t AValue) {
    SetContentValue(FAlpha, AValue);
}

void TovSkinElement::SetColor(TColor AValue) {
    SetContentValue(FColor, AValue);
}

void TovSkinElement::SetTextColor(TColor AValue) {
    SetContentValue(FTextColor, AValue);
}

void TovSkinElement::SetCached(bool AValue) {
    if (AValue == Cached()) return;
    if (AValue)
        FCache = std::make_unique<TovSkinElementCache>();
    else
        FCache.reset();
}

TovSkinControlGroup* TovSkinElement::Group() const {
    if (Owner() == nullptr) return nullptr;
    auto* group = dynamic_cast<TovSkinControlGroup*>(Owner());
    if (group == nullptr) throw EInvalidCast("Invalid class typecast");
    return group;
}

std::string TovSkinElement::GetImageName(const TovSkinImage* AImage) const {
    return Name() + (AImage == FImage.get() ? ovSkinImageFileSuffix : ovSkinGlyphFileSuffix);
}

void TovSkinElement::DoAssign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinElement*>(ASource)) {
        FImage->Assign(source->FImage.get());
        FGlyph->Assign(source->FGlyph.get());
        SetColor(source->FColor);
        SetAlpha(source->FAlpha);
        FContentOffset->Assign(source->FContentOffset.get());
        FBorders->Assign(source->FBorders.get());
        FMinSize->Assign(source->FMinSize.get());
        SetTextColor(source->FTextColor);
        SetCached(source->Cached());
    }
    TovSkinPersistent::DoAssign(ASource);
}

bool TovSkinElement::Compare(TovSkinElement* AElement) {
    return AElement != nullptr && SameText(Name(), AElement->Name()) && FColor == AElement->FColor &&
           FAlpha == AElement->FAlpha && FTextColor == AElement->FTextColor &&
           FMinSize->IsEqual(AElement->FMinSize.get()) &&
           FContentOffset->IsEqual(AElement->FContentOffset.get()) &&
           FBorders->Compare(AElement->FBorders.get()) && Properties()->Compare(AElement->Properties()) &&
           FImage->Compare(AElement->FImage.get()) && FGlyph->Compare(AElement->FGlyph.get());
}

TColor TovSkinElement::GetTextColor(int AState, const std::string& APrefix) {
    TColor result = clDefault;
    const char* name = AState >= 0 && AState < 5 ? ovSkinTextColorPropertyNames[AState] : "";
    TovSkinProperty* property = nullptr;
    if (*name != 0 && LookupProperty(APrefix + name, property)) {
        auto* color = dynamic_cast<TovSkinColor*>(property);
        if (color == nullptr) throw EInvalidCast("Invalid class typecast");
        result = color->Value();
    }
    if (result == clDefault) result = AState == 1 ? FTextColor : GetTextColor(1, APrefix);
    return result;
}

void TovSkinElement::RefreshAlternateImages(int AImageIndex) {
    if (!FAlternateImagesDirty && AImageIndex == FAlternateImagesIndex) return;
    for (int state = 0; state < ovSkinElementStateCount; ++state) {
        TovSkinProperty* property = nullptr;
        LookupProperty(AlternateImagePropertyName(static_cast<TovSkinElementState>(state), AImageIndex),
                       property);
        FAlternateImages[state] = dynamic_cast<TovSkinAlternateImageAttributes*>(property);
    }
    FAlternateImagesIndex = AImageIndex;
    FAlternateImagesDirty = false;
}

bool TovSkinElement::GetAlternateImage(TovSkinElementState AState, int AImageIndex, bool ALowColors,
                                       TovSkinAlternateImageAttributes*& AAttributes) {
    AAttributes = nullptr;
    const bool apply = FImage->IsEmpty() || ovSkinImageSet == 2 || (ALowColors && ovSkinImageSet == 0);
    if (!apply) return false;
    FImage->CheckState(AState, AImageIndex);
    RefreshAlternateImages(AImageIndex);
    if (AState < ovSkinElementStateCount) AAttributes = FAlternateImages[AState];
    return AAttributes != nullptr;
}

bool TovSkinElement::IsAlphaNeeded() {
    // Only an opaque fill covers the whole rectangle whatever the image does.
    if (uiIsDrawableColor(FColor)) return FAlpha != 255;
    if (FImage->IsEmpty()) return true;
    // An opaque texture covers it too, unless it is drawn unscaled or has no centre.
    return FImage->Texture()->IsAlphaUsed() || FImage->Stretch() == smNoResize || !FImage->PartVisible(4);
}

// ---- TovSkinElements

void TovSkinElements::Assign(TovSkinElements* ASource) {
    ovSkinUpdate(this, [&] {
        Clear();
        for (int i = 0; i < ASource->Count(); ++i) {
            TovSkinElement* item = ASource->Items(i);
            TovSkinCustomObjectList::Add(item->Name(), item->SkinClass())->Assign(item);
        }
    });
}

// ---- TovSkinControlGroup

TovSkinControlGroup::TovSkinControlGroup(TPersistent* AOwner, const std::string& AName)
    : TovSkinPersistent(AOwner, AName),
      FElements(std::make_unique<TovSkinElements>(this, ovSkinForwardChanges(this))) {}

TovSkinControlGroup::~TovSkinControlGroup() {
    FElements->OnChange = nullptr;
}

void TovSkinControlGroup::Clear() {
    TovSkinPersistent::Clear();
    FElements->Clear();
}

void TovSkinControlGroup::Sort() {
    TovSkinPersistent::Sort();
    FElements->Sort();
}

void TovSkinControlGroup::DoAssign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinControlGroup*>(ASource))
        FElements->Assign(source->FElements.get());
    TovSkinPersistent::DoAssign(ASource);
}
