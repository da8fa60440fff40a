#include "ui/bars/caption/BarCaptionButtons.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/BarWindows.h"
#include "ui/core/base/CoreClasses.h"

#include <algorithm>

namespace {

bool Contains(const RECT& R, POINT P) {
    return P.x >= R.left && P.x < R.right && P.y >= R.top && P.y < R.bottom;
}

bool IsEmpty(const RECT& R) {
    return R.right <= R.left || R.bottom <= R.top;
}

} // namespace

// ---- TovBarCaptionButton

TovBarCaptionButton::TovBarCaptionButton(TCollection* ACollection)
    : TCollectionItem(ACollection), FGlyph(new TBitmap),
      FFreeNotificator(std::make_unique<TuiFreeNotificator>(nullptr)) {
    FGlyph->OnChange = TNotifyEvent(this, &TovBarCaptionButton::GlyphChanged);
    FFreeNotificator->OnComponentFreed = TuiComponentFreedEvent(
        [this](TComponent* AComponent) {
            if (AComponent == FScreenTip) FScreenTip = nullptr;
        },
        this);
}

TovBarCaptionButton::~TovBarCaptionButton() {
    FFreeNotificator->RemoveSender(FScreenTip);
    FFreeNotificator->OnComponentFreed = nullptr;
    FGlyph->OnChange = nullptr;
    delete FGlyph;
}

TovBarCaptionButtons* TovBarCaptionButton::Buttons() const {
    return static_cast<TovBarCaptionButtons*>(Collection());
}

void TovBarCaptionButton::SetEnabled(bool AValue) {
    FEnabled = AValue;
    SetState(AValue ? cbsNormal : cbsDisabled);
}

void TovBarCaptionButton::SetGlyph(TBitmap* AValue) {
    FGlyph->Assign(AValue);
}

void TovBarCaptionButton::GlyphChanged(TObject*) {
    Changed(false);
}

void TovBarCaptionButton::SetScreenTip(TComponent* AValue) {
    if (FScreenTip == AValue) return;
    FFreeNotificator->RemoveSender(FScreenTip);
    FScreenTip = AValue;
    FFreeNotificator->AddSender(FScreenTip);
}

void TovBarCaptionButton::SetState(int AValue) {
    if (FState == AValue) return;
    FState = AValue;
    if (IovBarControl* control = BarControl()) control->CaptionButtonHint(this, AValue == cbsHot);
    Changed(false);
}

void TovBarCaptionButton::SetOnClick(const TNotifyEvent& AValue) {
    FOnClick = AValue;
    Changed(true);
}

IovBarControl* TovBarCaptionButton::BarControl() const {
    TovBar* bar = Buttons() ? Buttons()->GetBar() : nullptr;
    return bar ? bar->GetControl() : nullptr;
}

void TovBarCaptionButton::DoClick() {
    FOnClick(this);
}

bool TovBarCaptionButton::GetHintText(std::string& AHint) const {
    if (FState != cbsHot) return false;
    AHint = Hint;
    return true;
}

void TovBarCaptionButton::Merge(TovBarCaptionButton* AButton) {
    Assign(AButton);
    FMergedFrom = AButton->Buttons();
}

void TovBarCaptionButton::Unmerge(TovBarCaptionButtons* AButtons) {
    if (FMergedFrom != nullptr && (AButtons == nullptr || FMergedFrom == AButtons)) delete this;
}

void TovBarCaptionButton::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBarCaptionButton*>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetEnabled(source->FEnabled);
    SetGlyph(source->FGlyph);
    Hint = source->Hint;
    KeyTip = source->KeyTip;
    SetScreenTip(source->FScreenTip);
    SetOnClick(source->FOnClick);
}

// ---- TovBarCaptionButtons

TovBarCaptionButtons::TovBarCaptionButtons(TovBar* AOwner)
    : TuiOwnedInterfacedCollection(AOwner, CollectionItemClass<TovBarCaptionButton>()), FBar(AOwner) {}

TovBarCaptionButton* TovBarCaptionButtons::Add() {
    TovBarCaptionButton* button = nullptr;
    ovWithinCollectionUpdate(this, [&] { button = static_cast<TovBarCaptionButton*>(TCollection::Add()); });
    return button;
}

int TovBarCaptionButtons::IndexAtPos(POINT P) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Enabled() && Contains(Items(i)->Bounds, P)) return i;
    return -1;
}

RECT TovBarCaptionButtons::GetBoundsRect() const {
    RECT result{};
    for (int i = 0; i < Count(); ++i) {
        const RECT& r = Items(i)->Bounds;
        if (IsEmpty(r)) continue;
        if (IsEmpty(result)) {
            result = r;
            continue;
        }
        result.left = std::min(result.left, r.left);
        result.top = std::min(result.top, r.top);
        result.right = std::max(result.right, r.right);
        result.bottom = std::max(result.bottom, r.bottom);
    }
    return result;
}

void TovBarCaptionButtons::UpdateStates(POINT P, bool APressed) {
    for (int i = 0; i < Count(); ++i) {
        TovBarCaptionButton* button = Items(i);
        if (!button->Enabled()) continue;
        if (Contains(button->Bounds, P))
            button->SetState(APressed ? cbsPressed : cbsHot);
        else
            button->SetState(cbsNormal);
    }
}

void TovBarCaptionButtons::Merge(TovBarCaptionButtons* AButtons) {
    if (AButtons == nullptr || AButtons == this) return;
    ovWithinCollectionUpdate(this, [&] {
        const int count = AButtons->Count();
        for (int i = 0; i < count; ++i)
            static_cast<TovBarCaptionButton*>(TCollection::Add())->Merge(AButtons->Items(i));
    });
}

void TovBarCaptionButtons::Unmerge(TovBarCaptionButtons* AButtons) {
    ovWithinCollectionUpdate(this, [&] {
        for (int i = Count() - 1; i >= 0; --i)
            Items(i)->Unmerge(AButtons);
    });
}
