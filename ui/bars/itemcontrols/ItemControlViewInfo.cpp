#include "ui/bars/itemcontrols/ItemControlViewInfo.h"

#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/core/base/CoreServices.h"

TovBarItemViewLevel GetFirstViewLevel(const TovBarItemViewLevels& ALevels) {
    for (int level = ivlLargeIconWithText; level <= ivlControlOnly; ++level)
        if (ALevels.Contains(static_cast<TovBarItemViewLevel>(level)))
            return static_cast<TovBarItemViewLevel>(level);
    return ivlDefault;
}

TovBarItemViewLevel GetLastViewLevel(const TovBarItemViewLevels& ALevels) {
    for (int level = ivlControlOnly; level >= ivlLargeIconWithText; --level)
        if (ALevels.Contains(static_cast<TovBarItemViewLevel>(level)))
            return static_cast<TovBarItemViewLevel>(level);
    return ivlDefault;
}

TovBarItemViewLevel GetNextViewLevel(const TovBarItemViewLevels& ALevels, TovBarItemViewLevel ALevel) {
    const int next = static_cast<int>(ALevel) + 1;
    if (next > ivlControlOnly) return static_cast<TovBarItemViewLevel>(next);
    for (int level = next; level <= ivlControlOnly; ++level)
        if (ALevels.Contains(static_cast<TovBarItemViewLevel>(level)))
            return static_cast<TovBarItemViewLevel>(level);
    return ivlDefault;
}

TovBarItemControlViewInfo::TovBarItemControlViewInfo(TovBarItemControl* AControl)
    : TuiInterfacedPersistent(nullptr), FControl(AControl) {
    const TovBarItemViewLevels possible = AControl->GetPossibleViewLevels();
    if (possible.empty()) throw EovException(AControl->ClassName() + ".GetPossibleViewLevels = []");
    FAllowedViewLevels = possible;
    if (TovBarItemLink* link = AControl->ItemLink()) {
        const TovBarItemViewLevels allowed = possible * link->ViewLevels;
        if (!allowed.empty()) FAllowedViewLevels = allowed;
    }
    FSmallestPossibleViewLevel = GetLastViewLevel(possible);
    FButtonGroupViewLevel = GetLastViewLevel(FAllowedViewLevels);
    if (FButtonGroupViewLevel == ivlLargeIconWithText) FButtonGroupViewLevel = FSmallestPossibleViewLevel;
    ClearCache();
}

void TovBarItemControlViewInfo::ClearCache() {
    for (TWidthCacheEntry& entry : FWidthCache)
        entry = TWidthCacheEntry{};
}

TovBarItemAlign TovBarItemControlViewInfo::GetAlign() {
    TovBarItem* item = FControl->Item();
    return item != nullptr ? item->Align() : iaLeft;
}

bool TovBarItemControlViewInfo::GetDistributed() {
    TovBarItemLink* link = FControl->ItemLink();
    return link != nullptr && link->Distributed;
}

TovBarItemPosition TovBarItemControlViewInfo::GetPosition() {
    TovBarItemLink* link = FControl->ItemLink();
    return link != nullptr ? link->Position : ipBeginsNewRow;
}

TovBarButtonGroupPosition TovBarItemControlViewInfo::GetPositionInButtonGroup() {
    TovBarItemLink* link = FControl->ItemLink();
    return link != nullptr && FControl->CanBeInButtonGroup() ? link->ButtonGroup : bgpNone;
}

int TovBarItemControlViewInfo::GetWidth(TovBarItemViewLevel ALevel) {
    IovBarColumnLayoutViewInfo* columns = nullptr;
    if (SupportsColumnLayout(true, columns)) return columns->GetColumnLayoutWidth(ALevel);
    if (ALevel > ivlControlOnly || !FAllowedViewLevels.Contains(ALevel))
        throw EovException("Testing! The level is not allowed");
    TWidthCacheEntry& entry = FWidthCache[ALevel];
    if (!entry.Valid) {
        const TovBarItemViewLevel previous = FViewLevel;
        FViewLevel = ALevel;
        try {
            entry.Width = FControl->GetRealWidth();
        } catch (...) {
            FViewLevel = previous;
            throw;
        }
        FViewLevel = previous;
        entry.Valid = true;
    }
    return entry.Width;
}

bool TovBarItemControlViewInfo::HasSeparator() {
    TovBarItemLink* link = FControl->ItemLink();
    return link != nullptr && link->BeginGroup();
}

bool TovBarItemControlViewInfo::IsPrimaryForDistribution() {
    // The link lists keep no leaders of distributed runs; no control leads one.
    return false;
}

bool TovBarItemControlViewInfo::SupportsColumnLayout(bool ACheckCollapsed,
                                                     IovBarColumnLayoutViewInfo*& AViewInfo) {
    AViewInfo = dynamic_cast<IovBarColumnLayoutViewInfo*>(this);
    if (AViewInfo == nullptr) return false;
    return !(ACheckCollapsed && AViewInfo->IsCollapsed());
}

void TovBarItemControlViewInfo::SetDistributed(bool AValue) {
    TovBarItemLink* link = FControl->ItemLink();
    if (link == nullptr || link->Distributed == AValue) return;
    link->Distributed = AValue;
    if (TovBarItemLinks* links = link->Links()) links->Rebuild();
}

void TovBarItemControlViewInfo::SetViewLevel(TovBarItemViewLevel AValue) {
    if (FViewLevel == AValue) return;
    FViewLevel = AValue;
    if (TovBarItemLink* link = FControl->ItemLink()) link->OnViewLevelChanged(link);
}
