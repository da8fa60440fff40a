#include "ui/bars/controls/CustomBarControlViewInfo.h"

#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

void TCustomovBarControlViewInfo::Clear() {
    FItemControls.clear();
    FSeparators.clear();
}

void TCustomovBarControlViewInfo::ComputeLayout() {
    Clear();
    TovBarItemLinks* links = FBarControl->ItemLinks();
    if (links == nullptr) return;
    for (int i = 0; i < links->VisibleItemCount(); ++i) {
        TovBarItemLink* link = links->VisibleItems(i);
        if (link->Control() != nullptr && !uiIsRectEmpty(TRect(link->ItemRect)))
            AppendItemControl(link->Control());
    }
}

void TCustomovBarControlViewInfo::DeleteItemControl(int AIndex) {
    if (AIndex >= 0 && AIndex < ItemControlCount()) FItemControls.erase(FItemControls.begin() + AIndex);
}

int TCustomovBarControlViewInfo::IndexOfItemControl(const TovBarItemControl* AControl) const {
    const auto it = std::find(FItemControls.begin(), FItemControls.end(), AControl);
    return it == FItemControls.end() ? -1 : static_cast<int>(it - FItemControls.begin());
}

void TCustomovBarControlViewInfo::AppendSeparatorInfo(const TRect& R, int AKind,
                                                      TovBarItemControl* AControl) {
    FSeparators.push_back(TSeparatorInfo{AControl, R, AKind});
}

void TCustomovBarControlViewInfo::SetSeparatorInfo(int AIndex, const TRect& R, int AKind) {
    if (AIndex < 0 || AIndex >= SeparatorCount()) return;
    FSeparators[AIndex].Bounds = R;
    FSeparators[AIndex].Kind = AKind;
}

int TCustomovBarControlViewInfo::GetSeparatorInfo(int AIndex, TRect& R) const {
    if (AIndex < 0 || AIndex >= SeparatorCount()) {
        R = TRect{0, 0, 0, 0};
        return -1;
    }
    R = FSeparators[AIndex].Bounds;
    return FSeparators[AIndex].Kind;
}

bool TCustomovBarControlViewInfo::FindSeparatorOfItemControl(const TovBarItemControl* AControl,
                                                             int& AIndex) const {
    for (int i = 0; i < SeparatorCount(); ++i)
        if (FSeparators[i].ItemControl == AControl) {
            AIndex = i;
            return true;
        }
    return false;
}
