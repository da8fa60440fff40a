#include "ui/painters/styles/StyleSheets.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "ui/painters/styles/StyleLists.h"
#include "ui/painters/styles/StyleRepository.h"

#include <algorithm>

namespace style_sheets_detail {

void AddOnce(std::vector<int>& AIndices, int AIndex) {
    if (std::find(AIndices.begin(), AIndices.end(), AIndex) == AIndices.end()) AIndices.push_back(AIndex);
}

// The element indices a sheet holds, and those of the sheets it follows in turn.
void GatherSheetIndices(TuiCustomStyleSheet* ASheet, std::vector<int>& AIndices) {
    std::vector<TuiCustomStyleSheet*> visited;
    for (TuiCustomStyleSheet* sheet = ASheet; sheet != nullptr; sheet = sheet->Styles()->StyleSheet()) {
        if (std::find(visited.begin(), visited.end(), sheet) != visited.end()) break;
        visited.push_back(sheet);
        TuiCustomStyles* styles = sheet->Styles();
        for (int i = 0; i < styles->Count(); ++i)
            AddOnce(AIndices, styles->EntryIndex(i));
    }
}

} // namespace style_sheets_detail

using namespace style_sheets_detail;

// ---- TuiCustomStyles

TuiCustomStyles::TuiCustomStyles(TPersistent* AOwner)
    : TuiInterfacedPersistent(AOwner), FOwnerStyleSheet(dynamic_cast<TuiCustomStyleSheet*>(AOwner)) {}

TuiCustomStyles::~TuiCustomStyles() {
    FIsDestroying = true;
    SetStyleSheet(nullptr);
    Clear();
}

void TuiCustomStyles::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiCustomStyles*>(Source);
    if (source == nullptr) return TuiInterfacedPersistent::Assign(Source);
    SetStyleSheet(source->StyleSheet());
}

TuiCustomStyle* TuiCustomStyles::GetValue(int AIndex) const {
    for (const TEntry& entry : FEntries)
        if (entry.Index == AIndex) return entry.Style;
    return nullptr;
}

void TuiCustomStyles::SetValue(int AIndex, TuiCustomStyle* AStyle) {
    const auto it = std::find_if(FEntries.begin(), FEntries.end(),
                                 [AIndex](const TEntry& e) { return e.Index == AIndex; });
    if (it != FEntries.end()) {
        if (it->Style == AStyle) return;
        DeleteEntry(static_cast<int>(it - FEntries.begin()));
    }
    if (AStyle == nullptr) return;
    FEntries.push_back(TEntry{AIndex, AStyle});
    AStyle->AddChangeListener(this);
    RaiseChanged(AIndex);
}

void TuiCustomStyles::DeleteEntry(int AEntry) {
    const TEntry entry = FEntries[AEntry];
    // Another entry may hold the same style: the listener stays while one does.
    FEntries.erase(FEntries.begin() + AEntry);
    const bool stillUsed = std::any_of(FEntries.begin(), FEntries.end(),
                                       [&](const TEntry& e) { return e.Style == entry.Style; });
    if (!stillUsed) entry.Style->RemoveChangeListener(this);
    RaiseChanged(entry.Index);
}

void TuiCustomStyles::Clear() {
    for (int i = Count() - 1; i >= 0; --i)
        DeleteEntry(i);
}

void TuiCustomStyles::StyleChanged(TuiCustomStyle* AStyle) {
    const std::vector<TEntry> entries = FEntries;
    for (const TEntry& entry : entries)
        if (entry.Style == AStyle) RaiseChanged(entry.Index);
}

void TuiCustomStyles::StyleRemoved(TuiCustomStyle* AStyle) {
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count() && FEntries[i].Style == AStyle) DeleteEntry(i);
}

void TuiCustomStyles::RaiseChanged(int AIndex) {
    if (FIsDestroying) return;
    Changed(AIndex);
    if (FOwnerStyleSheet != nullptr) FOwnerStyleSheet->NotifyStyleChanged(AIndex);
}

bool TuiCustomStyles::AcceptsStyleSheet(TuiCustomStyleSheet* AValue) const {
    if (AValue == nullptr) return true;
    if (AValue == FOwnerStyleSheet) return false;
    if (*AValue->GetStylesClass()->Type != typeid(*this)) return false;
    // The sheet must not follow, directly or through others, the sheet that owns this styles object.
    std::vector<TuiCustomStyleSheet*> visited;
    for (TuiCustomStyleSheet* sheet = AValue->Styles()->StyleSheet(); sheet != nullptr;
         sheet = sheet->Styles()->StyleSheet()) {
        if (sheet == FOwnerStyleSheet || sheet == AValue) return false;
        if (std::find(visited.begin(), visited.end(), sheet) != visited.end()) return false;
        visited.push_back(sheet);
    }
    return true;
}

void TuiCustomStyles::SetStyleSheet(TuiCustomStyleSheet* AValue) {
    if (AValue == FStyleSheet || !AcceptsStyleSheet(AValue)) return;
    std::vector<int> indices;
    if (FStyleSheet != nullptr) {
        FStyleSheet->RemoveFollower(this);
        if (!FIsDestroying) GatherSheetIndices(FStyleSheet, indices);
    }
    FStyleSheet = AValue;
    if (FStyleSheet != nullptr) {
        FStyleSheet->AddFollower(this);
        GatherSheetIndices(FStyleSheet, indices);
    }
    for (int index : indices)
        RaiseChanged(index);
}

// ---- TuiCustomStyleSheet

TuiCustomStyleSheet::TuiCustomStyleSheet(TComponent* AOwner)
    : TuiComponent(AOwner), FBuiltIn(AOwner != nullptr && AOwner->ComponentState().Contains(csDesigning)) {}

TuiCustomStyleSheet::~TuiCustomStyleSheet() {
    while (!FFollowers.empty())
        FFollowers.back()->SetStyleSheet(nullptr);
    SetStyleRepository(nullptr);
    FStyles.reset();
}

TuiCustomStyles* TuiCustomStyleSheet::Styles() {
    if (FStyles == nullptr) FStyles.reset(GetStylesClass()->Create(this));
    return FStyles.get();
}

std::string TuiCustomStyleSheet::Caption() const {
    return FCaption.empty() ? Name() : FCaption;
}

void TuiCustomStyleSheet::SetCaption(const std::string& AValue) {
    const std::string value = SameText(AValue, Name()) ? std::string() : AValue;
    if (FCaption == value) return;
    FCaption = value;
}

void TuiCustomStyleSheet::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiCustomStyleSheet*>(Source);
    if (source == nullptr) return TuiComponent::Assign(Source);
    SetCaption(source->Caption());
    Styles()->Assign(source->Styles());
}

void TuiCustomStyleSheet::AddFollower(TuiCustomStyles* AStyles) {
    uiListAddOnce(FFollowers, AStyles);
}

void TuiCustomStyleSheet::RemoveFollower(TuiCustomStyles* AStyles) {
    uiListRemove(FFollowers, AStyles);
}

void TuiCustomStyleSheet::NotifyStyleChanged(int AIndex) {
    const std::vector<TuiCustomStyles*> followers = FFollowers;
    for (TuiCustomStyles* styles : followers)
        if (uiListContains(FFollowers, styles)) styles->RaiseChanged(AIndex);
    UpdatePlaceholderLinks();
}

void TuiCustomStyleSheet::GetPlaceholderLinks(TList* AList) {
    if (Owner() == nullptr) return;
    TuiCustomStyles* styles = Styles();
    for (int i = 0; i < styles->Count(); ++i) {
        TComponent* owner = styles->EntryStyle(i)->Owner();
        if (owner != nullptr && owner != Owner() && AList->IndexOf(owner) < 0) AList->Add(owner);
    }
}

void TuiCustomStyleSheet::SetStyleRepository(TuiStyleRepository* AValue) {
    if (FStyleRepository == AValue) return;
    if (FStyleRepository != nullptr) FStyleRepository->RemoveStyleSheet(this);
    FStyleRepository = AValue;
    if (FStyleRepository != nullptr) FStyleRepository->AddStyleSheet(this);
}

TComponent* TuiCustomStyleSheet::GetParentComponent() const {
    return FStyleRepository;
}

void TuiCustomStyleSheet::SetParentComponent(TComponent* AValue) {
    if (!ComponentState().Contains(csLoading)) SetStyleRepository(uiStyleRepositoryOfParent(AValue));
}
