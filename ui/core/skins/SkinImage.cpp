#include "ui/core/skins/SkinImage.h"

#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinElement.h"

#include <algorithm>

void ovSkinsSplitRectByMargins(const TRect& R, const TRect& AMargins, TRect (&AParts)[9]) {
    const int x1 = std::min<int>(R.left + AMargins.left, R.right);
    const int x2 = std::max<int>(R.right - AMargins.right, R.left);
    const int y1 = std::min<int>(R.top + AMargins.top, R.bottom);
    const int y2 = std::max<int>(R.bottom - AMargins.bottom, R.top);
    AParts[0] = TRect{R.left, R.top, x1, y1};
    AParts[1] = TRect{x1, R.top, x2, y1};
    AParts[2] = TRect{x2, R.top, R.right, y1};
    AParts[3] = TRect{R.left, y1, x1, y2};
    AParts[4] = TRect{x1, y1, x2, y2};
    AParts[5] = TRect{x2, y1, R.right, y2};
    AParts[6] = TRect{R.left, y2, x1, R.bottom};
    AParts[7] = TRect{x1, y2, x2, R.bottom};
    AParts[8] = TRect{x2, y2, R.right, R.bottom};
}

TovSkinImage::TovSkinImage(TovSkinElement* AOwner)
    : FOwner(AOwner), FMargins(std::make_unique<TuiMargin>(this, 0)),
      FTexture(std::make_unique<TovPNGImage>()) {
    FMargins->OnChange = TNotifyEvent(this, &TovSkinImage::MarginsChanged);
    FTexture->OnChange = TNotifyEvent(this, &TovSkinImage::TextureChanged);
}

TovSkinImage::~TovSkinImage() = default;

TPersistent* TovSkinImage::GetOwner() {
    return FOwner;
}

void TovSkinImage::Changed() {
    FDirty = true;
    if (OnChange) OnChange(this);
}

void TovSkinImage::Assign(TPersistent* ASource) {
    auto* source = dynamic_cast<TovSkinImage*>(ASource);
    if (source == nullptr) return;
    if (source->IsEmpty()) {
        Clear();
    } else {
        FTexture->Assign(source->FTexture.get());
        FSourceName = source->SourceName();
    }
    SetGradientBeginColor(source->FGradientBeginColor);
    SetGradientEndColor(source->FGradientEndColor);
    SetGradient(source->FGradient);
    SetImageCount(source->FImageCount);
    SetImageLayout(source->FImageLayout);
    SetMargins(source->FMargins.get());
    SetStretch(source->FStretch);
    SetStates(source->FStates);
}

bool TovSkinImage::Compare(TovSkinImage* AImage) {
    if (AImage == nullptr) return false;
    if (FImageLayout != AImage->FImageLayout || IsEmpty() != AImage->IsEmpty() ||
        FStates != AImage->FStates || FGradient != AImage->FGradient ||
        FGradientBeginColor != AImage->FGradientBeginColor ||
        FGradientEndColor != AImage->FGradientEndColor || FStretch != AImage->FStretch)
        return false;
    const TSize mine = Size(), theirs = AImage->Size();
    return mine == theirs && FMargins->IsEqual(AImage->FMargins.get()) &&
           FTexture->Compare(AImage->FTexture.get());
}

void TovSkinImage::LoadFromResource(HINSTANCE AInstance, const std::string& AName, const std::string& AType) {
    FTexture->LoadFromResource(AInstance, AName, AType);
}

void TovSkinImage::LoadFromStream(TStream* AStream) {
    FTexture->LoadFromStream(AStream);
}

void TovSkinImage::Clear() {
    if (FSourceName.empty() && FTexture->Empty()) return;
    FSourceName.clear();
    FTexture->Clear();
    Changed();
}

bool TovSkinImage::IsEmpty() const {
    return FSourceName.empty() && FTexture->Empty();
}

std::string TovSkinImage::SourceName() const {
    if (!FSourceName.empty()) return FSourceName;
    if (IsEmpty() || FOwner == nullptr) return std::string();
    // An element outside any group names its pictures by themselves.
    TovSkinControlGroup* group = FOwner->Group();
    const std::string imageName = FOwner->GetImageName(this);
    return group != nullptr ? group->Name() + "\\" + imageName : imageName;
}

// ---- Settings

void TovSkinImage::SetGradient(TovSkinGradientMode AValue) {
    ovSkinSetValue(FGradient, AValue, [this] { Changed(); });
}

void TovSkinImage::SetGradientBeginColor(TColor AValue) {
    ovSkinSetValue(FGradientBeginColor, AValue, [this] { Changed(); });
}

void TovSkinImage::SetGradientEndColor(TColor AValue) {
    ovSkinSetValue(FGradientEndColor, AValue, [this] { Changed(); });
}

void TovSkinImage::SetImageCount(int AValue) {
    ovSkinSetValue(FImageCount, std::max(AValue, 1), [this] { Changed(); });
}

void TovSkinImage::SetImageLayout(TovSkinImageLayout AValue) {
    ovSkinSetValue(FImageLayout, AValue, [this] { Changed(); });
}

void TovSkinImage::SetStates(const TovSkinElementStates& AValue) {
    ovSkinSetValue(FStates, AValue, [this] { Changed(); });
}

void TovSkinImage::SetStretch(TovSkinStretchMode AValue) {
    ovSkinSetValue(FStretch, AValue, [this] { Changed(); });
}

// ---- Cells and parts

void TovSkinImage::InfoNeeded() {
    if (FDirty) UpdateInfo();
}

void TovSkinImage::UpdateInfo() {
    FDirty = false;
    FStateCount = 0;
    for (int state = 0; state < ovSkinElementStateCount; ++state)
        if (FStates.Contains(static_cast<TovSkinElementState>(state))) ++FStateCount;
    FCellSize = FTexture->GetSize();
    const bool horizontal = FImageLayout == ilHorizontal;
    if (FStateCount >= 1) {
        LONG& along = horizontal ? FCellSize.cx : FCellSize.cy;
        along = along / FImageCount / FStateCount;
    }
    TRect cell = uiRectOfSize(FCellSize);
    for (int state = 0; state < ovSkinElementStateCount; ++state) {
        if (!FStates.Contains(static_cast<TovSkinElementState>(state))) {
            FStateBounds[state] = TRect{};
            continue;
        }
        FStateBounds[state] = cell;
        cell = horizontal ? uiShiftRectHorz(cell, FCellSize.cx) : uiShiftRectVert(cell, FCellSize.cy);
    }
    ovSkinsSplitRectByMargins(uiRectOfSize(FCellSize), FMargins->Margin(), FParts);
    for (int part = 0; part < 9; ++part)
        FPartVisible[part] = !uiIsRectEmpty(FParts[part]);
}

TSize TovSkinImage::Size() {
    InfoNeeded();
    return FCellSize;
}

int TovSkinImage::StateCount() {
    InfoNeeded();
    return FStateCount;
}

TRect TovSkinImage::GetStateBounds(int AImageIndex, TovSkinElementState AState) {
    InfoNeeded();
    if (AState >= ovSkinElementStateCount) return TRect{};
    TRect bounds = FStateBounds[AState];
    if (AImageIndex > 0) {
        if (FImageLayout == ilHorizontal)
            bounds = uiShiftRectHorz(bounds, AImageIndex * FStateCount * FCellSize.cx);
        else
            bounds = uiShiftRectVert(bounds, AImageIndex * FStateCount * FCellSize.cy);
    }
    return bounds;
}

bool TovSkinImage::PartVisible(int APart) {
    InfoNeeded();
    return FPartVisible[APart];
}

TRect TovSkinImage::PartBounds(int APart) {
    InfoNeeded();
    return FParts[APart];
}

void TovSkinImage::CheckState(TovSkinElementState& AState, int& AImageIndex) const {
    AImageIndex = std::min(AImageIndex, FImageCount - 1);
    if (FStates.Contains(AState) || FStates.empty()) return;
    for (int state = 0; state < ovSkinElementStateCount; ++state)
        if (FStates.Contains(static_cast<TovSkinElementState>(state))) {
            AState = static_cast<TovSkinElementState>(state);
            return;
        }
}
