#include "ui/bars/merging/BarMergeData.h"

#include "ui/bars/Bar.h"
#include "ui/core/base/CoreClasses.h"

#include <algorithm>

TovBarCustomMergeData::TovBarCustomMergeData()
    : FFreeNotificator(std::make_unique<TuiFreeNotificator>(nullptr)) {
    FFreeNotificator->OnComponentFreed =
        TuiComponentFreedEvent([this](TComponent* AComponent) { ComponentFreed(AComponent); }, this);
}

TovBarCustomMergeData::~TovBarCustomMergeData() {
    FFreeNotificator->OnComponentFreed = nullptr;
}

void TovBarMergeData::SaveMergedBars() {
    ClearSavedBars();
    FSavedBars = MergedBars;
    for (TovBar* bar : FSavedBars)
        FreeNotificator()->AddSender(bar);
}

void TovBarMergeData::ClearSavedBars() {
    for (TovBar* bar : FSavedBars)
        FreeNotificator()->RemoveSender(bar);
    FSavedBars.clear();
}

void TovBarMergeData::ComponentFreed(TComponent* AComponent) {
    // The toolbar is already past its own destructor here: compare addresses, not types.
    std::erase_if(FSavedBars,
                  [AComponent](TovBar* ABar) { return static_cast<TComponent*>(ABar) == AComponent; });
}
