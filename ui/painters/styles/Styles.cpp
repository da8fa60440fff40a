#include "ui/painters/styles/Styles.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "ui/painters/styles/StyleLists.h"
#include "ui/painters/styles/StyleRepository.h"

#include <algorithm>

// ---- TuiCustomStyle

TuiCustomStyle::TuiCustomStyle(TComponent* AOwner) : TComponent(AOwner) {}

TuiCustomStyle::~TuiCustomStyle() {
    // A plain delete skips BeforeDestruction.
    NotifyRemoved();
    SetStyleRepository(nullptr);
}

void TuiCustomStyle::BeforeDestruction() {
    NotifyRemoved();
    TComponent::BeforeDestruction();
}

void TuiCustomStyle::NotifyRemoved() {
    // Each listener leaves the list before it hears of the removal: one that does not take itself off
    // cannot keep the loop going.
    while (!FListeners.empty()) {
        IuiStyleListener* listener = FListeners.back();
        FListeners.pop_back();
        listener->StyleRemoved(this);
    }
}

void TuiCustomStyle::SetStyleRepository(TuiStyleRepository* AValue) {
    if (FStyleRepository == AValue) return;
    if (FStyleRepository != nullptr) FStyleRepository->RemoveItem(this);
    FStyleRepository = AValue;
    if (FStyleRepository != nullptr) FStyleRepository->AddItem(this);
}

TComponent* TuiCustomStyle::GetParentComponent() const {
    return FStyleRepository;
}

void TuiCustomStyle::SetParentComponent(TComponent* AValue) {
    if (!ComponentState().Contains(csLoading)) SetStyleRepository(uiStyleRepositoryOfParent(AValue));
}

void TuiCustomStyle::Changed() {
    const std::vector<IuiStyleListener*> listeners = FListeners;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
        if (uiListContains(FListeners, *it)) (*it)->StyleChanged(this);
}

void TuiCustomStyle::AddChangeListener(IuiStyleListener* AListener) {
    if (AListener != nullptr) uiListAddOnce(FListeners, AListener);
}

void TuiCustomStyle::RemoveChangeListener(IuiStyleListener* AListener) {
    uiListRemove(FListeners, AListener);
}

// ---- TuiStyle

TuiStyle::TuiStyle(TComponent* AOwner) : TuiCustomStyle(AOwner) {
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->OnChange = TNotifyEvent(this, &TuiStyle::BitmapChanged);
    FFont = std::make_unique<TFont>();
    FFont->OnChange = TNotifyEvent(this, &TuiStyle::FontChanged);
}

TuiStyle::~TuiStyle() {
    FBitmap->OnChange = nullptr;
    FFont->OnChange = nullptr;
}

void TuiStyle::BitmapChanged(TObject*) {
    if (FBitmap->Empty())
        FAssignedValues.Exclude(svBitmap);
    else
        FAssignedValues.Include(svBitmap);
    Changed();
}

void TuiStyle::FontChanged(TObject*) {
    FAssignedValues.Include(svFont);
    Changed();
}

void TuiStyle::SetAssignedValues(const TuiStyleValues& AValue) {
    if (FAssignedValues == AValue) return;
    FAssignedValues = AValue;
    Changed();
}

void TuiStyle::SetBitmap(TBitmap* AValue) {
    FBitmap->Assign(AValue);
}

void TuiStyle::SetColor(TColor AValue) {
    if (FColor == AValue) return;
    FColor = AValue;
    if (AValue == clDefault)
        FAssignedValues.Exclude(svColor);
    else
        FAssignedValues.Include(svColor);
    Changed();
}

void TuiStyle::SetFont(TFont* AValue) {
    FFont->Assign(AValue);
}

void TuiStyle::SetTextColor(TColor AValue) {
    if (FTextColor == AValue) return;
    FTextColor = AValue;
    if (AValue == clDefault)
        FAssignedValues.Exclude(svTextColor);
    else
        FAssignedValues.Include(svTextColor);
    Changed();
}

void TuiStyle::ChangeScale(int AMultiplier, int ADivisor) {
    FFont->SetHeight(MulDiv(FFont->Height(), AMultiplier, ADivisor));
}

void TuiStyle::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiStyle*>(Source);
    if (source == nullptr) return TuiCustomStyle::Assign(Source);
    SetBitmap(source->Bitmap());
    SetColor(source->Color());
    SetFont(source->Font());
    SetTextColor(source->TextColor());
    SetAssignedValues(source->AssignedValues());
}

void TuiStyle::RevertToDefaults() {
    // One change for the whole revert: the bitmap is emptied without its own notice.
    FBitmap->OnChange = nullptr;
    FBitmap->SetSize(0, 0);
    FBitmap->OnChange = TNotifyEvent(this, &TuiStyle::BitmapChanged);
    FAssignedValues = TuiStyleValues{};
    FColor = clDefault;
    FTextColor = clDefault;
    Changed();
}
