#include "ui/bars/BarComponents.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/core/base/CoreServices.h"

#include <algorithm>

// ---- TovBarComponent

TovBarComponent::~TovBarComponent() = default;

void TovBarComponent::NotifyChangeListeners(bool AAll) {
    // A listener may leave while it is told; work on a copy.
    const std::vector<IovBarComponentListener*> listeners = FListeners;
    for (IovBarComponentListener* listener : listeners)
        listener->BarComponentChanged(AAll ? nullptr : this);
}

bool TovBarComponent::CanDelete(bool) {
    return FBarManager == nullptr || FBarManager->DesignerCanDelete(this);
}

bool TovBarComponent::SelectedInDesigner() {
    return FBarManager != nullptr && FBarManager->DesignerSelectionStatus(this) == 1;
}

void TovBarComponent::AddChangeListener(IovBarComponentListener* AListener) {
    if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
        FListeners.push_back(AListener);
}

void TovBarComponent::RemoveChangeListener(IovBarComponentListener* AListener) {
    std::erase(FListeners, AListener);
}

// ---- TovBarComponentList

TovBarComponentList::~TovBarComponentList() {
    for (int i = 0; i < Count(); ++i)
        Components(i)->RemoveChangeListener(this);
}

void TovBarComponentList::BarComponentChanged(TovBarComponent* AComponent) {
    OnComponentChanged(AComponent);
}

bool TovBarComponentList::IsItemClass(TComponent* AComponent) const {
    return dynamic_cast<TovBarComponent*>(AComponent) != nullptr;
}

void TovBarComponentList::DoNotify(TComponent* AComponent, TListNotification AAction) {
    if (auto* component = dynamic_cast<TovBarComponent*>(AComponent)) {
        if (AAction == lnAdded)
            component->AddChangeListener(this);
        else
            component->RemoveChangeListener(this);
    }
    TuiComponentList::DoNotify(AComponent, AAction);
}

// ---- TovBarGroup

TovBarGroup::TovBarGroup(TComponent* AOwner) : TovBarComponent(AOwner) {}

TovBarGroup::~TovBarGroup() {
    if (FBarManager != nullptr) FBarManager->RemoveGroupRef(this);
}

TovBarComponent* TovBarGroup::Items(int AIndex) const {
    return AIndex >= 0 && AIndex < Count() ? FMembers[AIndex] : nullptr;
}

int TovBarGroup::IndexOf(TovBarComponent* AMember) const {
    const auto it = std::find(FMembers.begin(), FMembers.end(), AMember);
    return it != FMembers.end() ? static_cast<int>(it - FMembers.begin()) : -1;
}

void TovBarGroup::Move(int AFrom, int ATo) {
    if (AFrom == ATo || AFrom < 0 || ATo < 0 || AFrom >= Count() || ATo >= Count()) return;
    TovBarComponent* member = FMembers[AFrom];
    FMembers.erase(FMembers.begin() + AFrom);
    FMembers.insert(FMembers.begin() + ATo, member);
}

bool TovBarGroup::Contains(TovBarComponent* AMember, bool ADeep) const {
    for (TovBarComponent* member : FMembers) {
        if (member == AMember) return true;
        if (ADeep)
            if (auto* group = dynamic_cast<TovBarGroup*>(member); group && group->Contains(AMember, true))
                return true;
    }
    return false;
}

void TovBarGroup::Add(TovBarComponent* AMember) {
    if (AMember == nullptr || Contains(AMember, false)) return;
    if (auto* group = dynamic_cast<TovBarGroup*>(AMember);
        group && (group == this || group->Contains(this, true)))
        throw EovException(uiGetResourceString(ovSBAR_RECURSIVEGROUPS));
    FMembers.push_back(AMember);
    AMember->FreeNotification(this);
}

void TovBarGroup::Remove(TovBarComponent* AMember) {
    std::erase(FMembers, AMember);
}

void TovBarGroup::SetEnabled(bool AValue) {
    TovBarComponent::SetEnabled(AValue);
    const bool bracket = FBarManager != nullptr && !ComponentState().Contains(csLoading) &&
                         !ComponentState().Contains(csDestroying);
    if (bracket) FBarManager->BeginUpdate();
    try {
        for (TovBarComponent* member : FMembers)
            member->SetEnabled(AValue);
    } catch (...) {
        if (bracket) FBarManager->EndUpdate(true);
        throw;
    }
    if (bracket) FBarManager->EndUpdate(true);
}

void TovBarGroup::SetVisible(TovBarItemVisible AValue) {
    TovBarComponent::SetVisible(AValue);
    const bool bracket = FBarManager != nullptr && !ComponentState().Contains(csLoading) &&
                         !ComponentState().Contains(csDestroying);
    if (bracket) FBarManager->BeginUpdate();
    try {
        for (TovBarComponent* member : FMembers)
            member->SetVisible(AValue);
    } catch (...) {
        if (bracket) FBarManager->EndUpdate(true);
        throw;
    }
    if (bracket) FBarManager->EndUpdate(true);
}

void TovBarGroup::Notification(TComponent* AComponent, TOperation Operation) {
    TovBarComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        std::erase(FMembers, static_cast<TovBarComponent*>(static_cast<void*>(AComponent)));
}

// ---- TovBarManagerCategories

TovBarManagerCategories::TovBarManagerCategories(TovBarManager* AManager) : FManager(AManager) {
    if (!FManager->IsLoading()) AddDefault();
}

TovBarManagerCategories::~TovBarManagerCategories() {
    for (int i = 0; i < Count(); ++i)
        delete Data(i);
    TStringList::Clear();
}

void TovBarManagerCategories::AddDefault() {
    TStringList::Add(uiGetResourceString(ovSBAR_DEFAULTCATEGORYNAME));
}

TovBarCategoryData* TovBarManagerCategories::Data(int AIndex) const {
    return ValidIndex(AIndex) ? static_cast<TovBarCategoryData*>(Objects(AIndex)) : nullptr;
}

TovBarCategoryData* TovBarManagerCategories::EnsureData(int AIndex) {
    if (!ValidIndex(AIndex)) return nullptr;
    TovBarCategoryData* data = Data(AIndex);
    if (data == nullptr) {
        data = new TovBarCategoryData;
        PutObject(AIndex, data);
    }
    return data;
}

void TovBarManagerCategories::ReadItemsVisibles(const std::vector<TovBarItemVisible>& AValues) {
    for (int i = 0; i < static_cast<int>(AValues.size()) && i < Count(); ++i)
        FManager->SetCategoryItemsVisible(i, AValues[i]);
}

void TovBarManagerCategories::ReadVisibles(const std::vector<bool>& AValues) {
    for (int i = 0; i < static_cast<int>(AValues.size()) && i < Count(); ++i)
        FManager->SetCategoryVisible(i, AValues[i]);
}

std::vector<TovBarItemVisible> TovBarManagerCategories::ItemsVisibles() const {
    std::vector<TovBarItemVisible> values;
    for (int i = 0; i < Count(); ++i)
        values.push_back(FManager->GetCategoryItemsVisible(i));
    return values;
}

std::vector<bool> TovBarManagerCategories::Visibles() const {
    std::vector<bool> values;
    for (int i = 0; i < Count(); ++i)
        values.push_back(FManager->GetCategoryVisible(i));
    return values;
}

void TovBarManagerCategories::RenumberItems(int AFrom, int ATo) {
    for (int i = 0; i < FManager->ItemCount(); ++i) {
        TovBarItem* item = FManager->Items(i);
        if (item->Category() == AFrom) item->SetCategoryDirect(ATo);
    }
}

void TovBarManagerCategories::Clear() {
    for (int i = 0; i < Count(); ++i)
        delete Data(i);
    TStringList::Clear();
}

void TovBarManagerCategories::Delete(int AIndex) {
    if (FMoving) {
        TStringList::Delete(AIndex);
        return;
    }
    if (ValidIndex(AIndex)) {
        // Items of the category go with it; later categories move one down.
        std::vector<TovBarItem*> doomed;
        FManager->GetItemsByCategory(AIndex, doomed);
        for (TovBarItem* item : doomed)
            delete item;
        for (int j = AIndex + 1; j < Count(); ++j)
            RenumberItems(j, j - 1);
        delete Data(AIndex);
        TStringList::Delete(AIndex);
    }
    if (Count() == 0) AddDefault();
}

void TovBarManagerCategories::Insert(int AIndex, const std::string& S) {
    InsertObject(AIndex, S, nullptr);
}

void TovBarManagerCategories::InsertObject(int AIndex, const std::string& S, TObject* AObject) {
    if (!FMoving && ValidIndex(AIndex))
        for (int j = Count() - 1; j >= AIndex; --j)
            RenumberItems(j, j + 1);
    TStringList::InsertObject(AIndex, S, AObject);
}

void TovBarManagerCategories::Exchange(int AIndex1, int AIndex2) {
    if (!ValidIndex(AIndex1) || !ValidIndex(AIndex2)) return;
    std::vector<TovBarItem*> first, second;
    FManager->GetItemsByCategory(AIndex1, first);
    FManager->GetItemsByCategory(AIndex2, second);
    for (TovBarItem* item : first)
        item->SetCategoryDirect(AIndex2);
    for (TovBarItem* item : second)
        item->SetCategoryDirect(AIndex1);
    TStringList::Exchange(AIndex1, AIndex2);
}

void TovBarManagerCategories::Move(int ACurIndex, int ANewIndex) {
    if (!ValidIndex(ACurIndex) || !ValidIndex(ANewIndex) || ACurIndex == ANewIndex) return;
    constexpr int kParked = -1000;
    std::vector<TovBarItem*> moving;
    FManager->GetItemsByCategory(ACurIndex, moving);
    for (TovBarItem* item : moving)
        item->SetCategoryDirect(kParked);
    if (ACurIndex < ANewIndex)
        for (int j = ACurIndex + 1; j <= ANewIndex; ++j)
            RenumberItems(j, j - 1);
    else
        for (int j = ACurIndex - 1; j >= ANewIndex; --j)
            RenumberItems(j, j + 1);
    for (TovBarItem* item : moving)
        item->SetCategoryDirect(ANewIndex);
    FMoving = true;
    try {
        TStringList::Move(ACurIndex, ANewIndex);
    } catch (...) {
        FMoving = false;
        throw;
    }
    FMoving = false;
}

void TovBarManagerCategories::CustomSort(const TStringListSortCompare& ACompare) {
    if (Sorted() || Count() < 2) return;
    BeginUpdate();
    // Quicksort through the renumbering Exchange, so the items follow their categories.
    std::function<void(int, int)> sort = [&](int L, int R) {
        while (L < R) {
            int I = L, J = R, P = (L + R) / 2;
            do {
                while (ACompare(this, I, P) < 0)
                    ++I;
                while (ACompare(this, J, P) > 0)
                    --J;
                if (I <= J) {
                    if (I != J) Exchange(I, J);
                    if (P == I)
                        P = J;
                    else if (P == J)
                        P = I;
                    ++I;
                    --J;
                }
            } while (I <= J);
            if (L < J) sort(L, J);
            L = I;
        }
    };
    sort(0, Count() - 1);
    EndUpdate();
}

void TovBarManagerCategories::Changed() {
    TStringList::Changed();
    FManager->DesignerModified();
}

// ---- TovBarImageOptions

class TovBarImageOptions::TWatcher : public TComponent {
public:
    explicit TWatcher(TovBarImageOptions* AOptions) : TComponent(nullptr), FOptions(AOptions) {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        for (int i = 0; i < 5; ++i)
            if (static_cast<void*>(FOptions->FImages[i]) == static_cast<void*>(AComponent))
                FOptions->ImageListFreed(i);
    }

private:
    TovBarImageOptions* FOptions;
};

TovBarImageOptions::TovBarImageOptions(TovBarManager* AManager)
    : FManager(AManager), FWatcher(std::make_unique<TWatcher>(this)) {
    for (int i = 0; i < 5; ++i) {
        FChangeLinks[i] = new TChangeLink;
        FChangeLinks[i]->OnChange = TNotifyEvent([this, i](TObject*) { ImageListChanged(i); }, this);
    }
    CalcGlyphSize();
}

TovBarImageOptions::~TovBarImageOptions() {
    for (int i = 0; i < 5; ++i) {
        if (FImages[i] != nullptr) {
            FImages[i]->UnRegisterChanges(FChangeLinks[i]);
            FImages[i]->RemoveFreeNotification(FWatcher.get());
        }
        delete FChangeLinks[i];
    }
}

void TovBarImageOptions::SetImageList(int AIndex, TCustomImageList* AValue) {
    TCustomImageList*& slot = FImages[AIndex];
    if (slot == AValue) return;
    if (slot != nullptr) {
        slot->UnRegisterChanges(FChangeLinks[AIndex]);
        slot->RemoveFreeNotification(FWatcher.get());
    }
    slot = AValue;
    if (slot != nullptr) {
        slot->RegisterChanges(FChangeLinks[AIndex]);
        slot->FreeNotification(FWatcher.get());
    }
    if (AIndex == 1 && FLargeIcons && FUseLargeImagesForLargeIcons) OnSizeChanged(this);
    ImageListChanged(AIndex);
}

void TovBarImageOptions::ImageListFreed(int AIndex) {
    // The list is half gone: nothing of it is called; it has already let go of the change link.
    FImages[AIndex] = nullptr;
    if (AIndex == 1 && FLargeIcons && FUseLargeImagesForLargeIcons) OnSizeChanged(this);
    ImageListChanged(AIndex);
}

void TovBarImageOptions::ImageListChanged(int AIndex) {
    OnImageListChanged(AIndex);
}

void TovBarImageOptions::Appearance() {
    OnAppearanceChanged(this);
}

void TovBarImageOptions::SetImageListBkColor(TColor AValue) {
    if (FImageListBkColor == AValue) return;
    FImageListBkColor = AValue;
    Appearance();
}

void TovBarImageOptions::SetLargeIcons(bool AValue) {
    if (FLargeIcons == AValue) return;
    FLargeIcons = AValue;
    OnSizeChanged(this);
}

void TovBarImageOptions::SetMakeDisabledImagesFaded(bool AValue) {
    if (FMakeDisabledImagesFaded == AValue) return;
    FMakeDisabledImagesFaded = AValue;
    Appearance();
}

void TovBarImageOptions::SetUseLargeImagesForLargeIcons(bool AValue) {
    if (FUseLargeImagesForLargeIcons == AValue) return;
    FUseLargeImagesForLargeIcons = AValue;
    Appearance();
}

void TovBarImageOptions::SetUseLeftBottomPixelAsTransparent(bool AValue) {
    if (FUseLeftBottomPixelAsTransparent == AValue) return;
    FUseLeftBottomPixelAsTransparent = AValue;
    Appearance();
}

void TovBarImageOptions::CalcGlyphSize() {
    if (!FLargeIcons)
        FGlyphSize = 16;
    else if (FUseLargeImagesForLargeIcons && LargeImages() != nullptr)
        FGlyphSize = LargeImages()->Width();
    else
        FGlyphSize = 32;
}

void TovBarImageOptions::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBarImageOptions*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    for (int i = 0; i < 5; ++i)
        SetImageList(i, source->FImages[i]);
    SetImageListBkColor(source->FImageListBkColor);
    SetLargeIcons(source->FLargeIcons);
    SetMakeDisabledImagesFaded(source->FMakeDisabledImagesFaded);
    SmoothGlyphs = source->SmoothGlyphs;
    StretchGlyphs = source->StretchGlyphs;
    SetUseLargeImagesForLargeIcons(source->FUseLargeImagesForLargeIcons);
    SetUseLeftBottomPixelAsTransparent(source->FUseLeftBottomPixelAsTransparent);
}

// ---- TovBarBackgrounds

TovBarBackgrounds::TovBarBackgrounds(TovBarManager* AManager)
    : FManager(AManager), FBar(new TBitmap), FSubMenu(new TBitmap) {
    FBar->OnChange = TNotifyEvent(this, &TovBarBackgrounds::BarChanged);
}

TovBarBackgrounds::~TovBarBackgrounds() {
    delete FBar;
    delete FSubMenu;
}

void TovBarBackgrounds::SetBar(TBitmap* AValue) {
    const bool hadPicture = !FBar->Empty();
    if (AValue == nullptr || AValue->Empty()) {
        if (!hadPicture) return;
        FBar->SetWidth(0);
        FBar->SetHeight(0);
        return; // the change event recreates the painter
    }
    FBar->Assign(AValue);
}

void TovBarBackgrounds::SetSubMenu(TBitmap* AValue) {
    FSubMenu->Assign(AValue);
}

void TovBarBackgrounds::BarChanged(TObject*) {
    FManager->RecreatePainter();
}

void TovBarBackgrounds::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TovBarBackgrounds*>(Source)) {
        SetBar(source->FBar);
        SetSubMenu(source->FSubMenu);
    } else {
        TPersistent::Assign(Source);
    }
}
