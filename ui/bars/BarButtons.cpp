#include "ui/bars/BarButtons.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"

// ---- TovBarButton

TovBarButton::TovBarButton(TComponent* AOwner) : TovBarButtonLikeItem(AOwner) {
    UnclickAfterDoing = true;
}

std::string TovBarButton::GetDefaultCaption() const {
    return uiGetResourceString(ovSBAR_NEWBUTTONCAPTION);
}

void TovBarButton::SetDown(bool AValue) {
    if (AValue == FDown || (!Checkable() && AValue)) return;
    TovBarButton* released = nullptr;
    if (!IsItemLoading() && Checkable() && FGroupIndex != 0 && FBarManager != nullptr) {
        TovBarButton* otherDown = nullptr;
        for (int i = 0; i < FBarManager->ItemCount(); ++i) {
            auto* other = dynamic_cast<TovBarButton*>(FBarManager->Items(i));
            if (other != nullptr && other != this && other->Checkable() &&
                other->FGroupIndex == FGroupIndex && other->FDown) {
                otherDown = other;
                break;
            }
        }
        if (AValue)
            released = otherDown;
        else if (!FAllowAllUp && otherDown == nullptr)
            return;
    }
    FDown = AValue;
    if (IsItemLoading()) return;
    InvalidateLinks();
    if (released != nullptr) released->SetDown(false);
}

void TovBarButton::SetButtonStyle(TovBarButtonStyle AValue) {
    if (FButtonStyle == AValue) return;
    FButtonStyle = AValue;
    // The style change releases the button whatever its group says.
    FDown = false;
    if (!IsItemLoading()) {
        InvalidateLinks();
        RefreshBarControls();
    }
    NotifyChangeListeners(false);
}

void TovBarButton::SetGroupIndex(int AValue) {
    if (FGroupIndex == AValue) return;
    FGroupIndex = Checkable() ? AValue : 0;
    FDown = false;
    if (!IsItemLoading()) InvalidateLinks();
}

void TovBarButton::SetAllowAllUp(bool AValue) {
    if (FAllowAllUp == AValue) return;
    FAllowAllUp = AValue;
    if (FGroupIndex == 0 || FBarManager == nullptr) return;
    for (int i = 0; i < FBarManager->ItemCount(); ++i)
        if (auto* other = dynamic_cast<TovBarButton*>(FBarManager->Items(i));
            other && other->FGroupIndex == FGroupIndex)
            other->FAllowAllUp = AValue;
}

bool TovBarButton::CanClick(TovBarItemLink* ALink) const {
    if (!TovBarButtonLikeItem::CanClick(ALink)) return false;
    if (ALink == nullptr || dynamic_cast<TovBar*>(ALink->Links()->OwnerObject()) == nullptr) return true;
    const TovBarPaintStyle style = ALink->EffectivePaintStyle();
    bool shown = style == psCaption || style == psCaptionGlyph;
    if (!shown && ALink->Control() != nullptr) {
        const TovBarPaintStyle effective = ALink->Control()->EffectivePaintStyle();
        shown = effective == psCaption || effective == psCaptionGlyph;
    }
    return shown && CaptionShownOnToolbar();
}

void TovBarButton::DirectClick() {
    if (GetEnabled() && Checkable()) SetDown(!FDown);
    TovBarButtonLikeItem::DirectClick();
}

TovBarCustomizationActions TovBarButton::GetSupportedActions() const {
    TovBarCustomizationActions actions = TovBarButtonLikeItem::GetSupportedActions() + bcaPaintStyle;
    if (IsDesignState()) actions.Include(bcaButtonGroup);
    return actions;
}

TovBarCustomizationActions TovBarLargeButton::GetSupportedActions() const {
    return TovBarButton::GetSupportedActions() - bcaPaintStyle;
}

void TovBarButton::PaintStyleChanged() {
    for (int i = 0; i < LinkCount(); ++i)
        if (TovBarItemLink* link = Links(i); link->Control() && !link->UserDefine().Contains(udPaintStyle))
            link->Control()->PaintStyleChanged();
}

// ---- TovBarLargeButton

TovBarLargeButton::TovBarLargeButton(TComponent* AOwner) : TovBarButton(AOwner), FHotGlyph(new TBitmap) {
    FHotGlyph->OnChange = TNotifyEvent([this](TObject*) { HotGlyphChanged(); }, this);
    SetShowCaption(true);
}

TovBarLargeButton::~TovBarLargeButton() {
    delete FHotGlyph;
}

void TovBarLargeButton::SetAutoGrayScale(bool AValue) {
    if (FAutoGrayScale == AValue) return;
    FAutoGrayScale = AValue;
    InvalidateLinks();
}

void TovBarLargeButton::SetGlyphLayout(TovBarGlyphLayout AValue) {
    if (FGlyphLayout == AValue) return;
    FGlyphLayout = AValue;
    RefreshBarControls();
}

void TovBarLargeButton::SetHeight(int AValue) {
    if (AValue < 0 || AValue == FHeight) return;
    FHeight = AValue;
    RefreshBarControls();
}

void TovBarLargeButton::SetWidth(int AValue) {
    if (AValue < 0 || AValue == Width()) return;
    TovBarButton::SetWidth(AValue);
    RefreshBarControls();
}

void TovBarLargeButton::SetHotImageIndex(int AValue) {
    if (FHotImageIndex == AValue) return;
    FHotImageIndex = AValue;
    HotGlyphChanged();
}

void TovBarLargeButton::HotGlyphChanged() {
    for (int i = 0; i < LinkCount(); ++i)
        if (TovBarItemControl* control = Links(i)->Control()) control->HotGlyphChanged();
}

void TovBarLargeButton::SetSyncImageIndex(bool AValue) {
    if (FSyncImageIndex == AValue) return;
    FSyncImageIndex = AValue;
    if (AValue) {
        FSynchronizing = true;
        TovBarButton::SetImageIndex(LargeImageIndex());
        FSynchronizing = false;
    }
}

void TovBarLargeButton::SetImageIndex(int AValue) {
    if (!FSynchronizing && !IsItemLoading()) FSyncImageIndex = false;
    TovBarButton::SetImageIndex(AValue);
}

void TovBarLargeButton::ApplyLargeImageIndex(int AValue) {
    TovBarButton::ApplyLargeImageIndex(AValue);
}

void TovBarLargeButton::LargeGlyphChanged() {
    if (FSyncImageIndex && !FSynchronizing) {
        FSynchronizing = true;
        try {
            TovBarButton::SetImageIndex(LargeImageIndex());
        } catch (...) {
            FSynchronizing = false;
            throw;
        }
        FSynchronizing = false;
    }
    TovBarButton::LargeGlyphChanged();
}
