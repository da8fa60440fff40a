#include "ui/core/skins/SkinDetails.h"

#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinObjects.h"
#include "ui/core/skins/SkinTypes.h"

TovSkinDetails::TovSkinDetails() {
    for (auto& icon : FIcons)
        icon = std::make_unique<TovPNGImage>();
}

TovSkinDetails::~TovSkinDetails() = default;

void TovSkinDetails::Changed() {
    if (FLockCount == 0 && OnChange) OnChange(this);
}

void TovSkinDetails::EndUpdate() {
    if (FLockCount > 0) --FLockCount;
    Changed();
}

void TovSkinDetails::SetText(std::string& AField, const std::string& AValue) {
    ovSkinSetValue(AField, AValue, [this] { Changed(); });
}

void TovSkinDetails::SetName(const std::string& AValue) {
    SetText(FName, AValue);
}

void TovSkinDetails::SetDisplayName(const std::string& AValue) {
    SetText(FDisplayName, AValue);
}

void TovSkinDetails::SetGroupName(const std::string& AValue) {
    SetText(FGroupName, AValue);
}

void TovSkinDetails::SetNotes(const std::string& AValue) {
    SetText(FNotes, AValue);
}

TovPNGImage* TovSkinDetails::GetIcon(int AIndex) const {
    return FIcons[AIndex != 0 ? 1 : 0].get();
}

void TovSkinDetails::LoadDefaultIcon(int AIndex) {
    const int index = AIndex != 0 ? 1 : 0;
    FIcons[index]->LoadFromResource(nullptr, ovSkinDefaultIconResourceNames[index],
                                    ovSkinDefaultIconResourceType);
}

void TovSkinDetails::Clear() {
    ovSkinUpdate(this, [&] {
        SetName("");
        SetNotes("");
        SetGroupName("");
        SetDisplayName("");
        for (auto& icon : FIcons)
            icon->Clear();
    });
}

void TovSkinDetails::Assign(TPersistent* ASource) {
    auto* source = dynamic_cast<TovSkinDetails*>(ASource);
    if (source == nullptr) return;
    ovSkinUpdate(this, [&] {
        SetName(source->FName);
        SetNotes(source->FNotes);
        SetGroupName(source->FGroupName);
        SetDisplayName(source->FDisplayName);
        for (int i = 0; i < 2; ++i)
            FIcons[i]->Assign(source->FIcons[i].get());
    });
}
