#include "ui/bars/customize/BarDesignHelpers.h"

#include "ui/bars/customize/BarControlEditors.h"
#include "ui/bars/customize/BarDesignController.h"

TovBarCustomizationActions
TCustomovBarControlDesignHelper::RemoveForbiddenActions(TovBarCustomizationActions AActions) const {
    const unsigned forbidden = GetForbiddenActions();
    for (int bit = bcaReset; bit <= bcaMostRecentlyUsed; ++bit)
        if ((forbidden & (1u << bit)) != 0) AActions.Exclude(static_cast<TovBarCustomizationAction>(bit));
    return AActions;
}

void TCustomovBarControlDesignHelper::GetEditors(std::vector<const TovBarControlEditor*>& AEditors) const {
    const std::vector<const TovBarControlEditor*>& registered = BarDesignController()->Editors();
    AEditors.insert(AEditors.end(), registered.begin(), registered.end());
}

void TovBarSubMenuControlDesignHelper::GetEditors(std::vector<const TovBarControlEditor*>& AEditors) const {
    TCustomovBarControlDesignHelper::GetEditors(AEditors);
    AEditors.push_back(ovAddSeparatorEditor());
}

const TCustomovBarControlDesignHelper* ovCustomBarControlDesignHelper() {
    static const TCustomovBarControlDesignHelper helper;
    return &helper;
}
const TovBarControlDesignHelper* ovBarControlDesignHelper() {
    static const TovBarControlDesignHelper helper;
    return &helper;
}
const TovBarSubMenuControlDesignHelper* ovBarSubMenuControlDesignHelper() {
    static const TovBarSubMenuControlDesignHelper helper;
    return &helper;
}
