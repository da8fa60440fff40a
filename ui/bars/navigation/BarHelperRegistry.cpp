#include "ui/bars/navigation/BarHelperRegistry.h"

#include "platform/rtl/WeakLink.h"
#include "ui/bars/Bar.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/navigation/BarControlAccessibilityHelpers.h"
#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"

#include <map>
#include <utility>
#include <vector>

namespace {

enum THelperRole { hrOwn, hrMark, hrCaptionButtons };

struct THelperEntry {
    TWeakLink<TObject> Owner;
    TovBarHelperRef Helper;
};

using THelperKey = std::pair<const TObject*, int>;

std::map<THelperKey, THelperEntry>& BarHelpers() {
    static std::map<THelperKey, THelperEntry> helpers;
    return helpers;
}

std::vector<std::pair<int, TovBarControlHelperFactory>>& Factories() {
    static std::vector<std::pair<int, TovBarControlHelperFactory>> factories;
    return factories;
}

void DetachEntry(THelperEntry& AEntry) {
    TovBarHelperRef helper = AEntry.Helper;
    AEntry.Helper.Reset(nullptr);
    if (helper) helper->OwnerWasDestroyed();
}

// Entries whose owners are gone are told and dropped; run when the map has doubled since the last run
// so that a look-up stays cheap.
void PruneDeadEntries() {
    static size_t sizeAfterLastPrune = 0;
    auto& helpers = BarHelpers();
    if (helpers.size() < 2 * sizeAfterLastPrune + 16) return;
    for (auto it = helpers.begin(); it != helpers.end();) {
        if (!it->second.Owner.Alive()) {
            DetachEntry(it->second);
            it = helpers.erase(it);
        } else {
            ++it;
        }
    }
    sizeAfterLastPrune = helpers.size();
}

template <class TMake> TovBarAccessibilityHelper* FindOrMake(TObject* AOwner, int ARole, TMake AMake) {
    if (AOwner == nullptr) return nullptr;
    auto& helpers = BarHelpers();
    const THelperKey key{AOwner, ARole};
    auto it = helpers.find(key);
    if (it != helpers.end()) {
        if (it->second.Owner.Alive() && it->second.Helper) return it->second.Helper.Get();
        // Another object now lives at the address of one that died.
        DetachEntry(it->second);
        helpers.erase(it);
    }
    PruneDeadEntries();
    TovBarAccessibilityHelper* helper = AMake();
    THelperEntry& entry = helpers[key];
    entry.Owner.Reset(AOwner);
    entry.Helper.Reset(helper);
    return helper;
}

} // namespace

TovBarAccessibilityHelper* ovBarControlHelper(TCustomovBarControl* AControl) {
    return FindOrMake(AControl, hrOwn, [AControl]() -> TovBarAccessibilityHelper* {
        auto& factories = Factories();
        for (auto it = factories.rbegin(); it != factories.rend(); ++it)
            if (TovBarAccessibilityHelper* helper = it->second(AControl)) return helper;
        if (auto* toolbar = dynamic_cast<TovBarControl*>(AControl))
            return new TovBarControlAccessibilityHelper(toolbar);
        if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(AControl))
            return new TovBarSubMenuControlAccessibilityHelper(menu);
        return new TCustomovBarControlAccessibilityHelper(AControl);
    });
}

TovBarAccessibilityHelper* ovBarItemControlHelper(TovBarItemControl* AControl) {
    return FindOrMake(AControl, hrOwn, [AControl]() -> TovBarAccessibilityHelper* {
        if (AControl->IsWinControl()) return new TovBarWinControlAccessibilityHelper(AControl);
        if (dynamic_cast<TovBarSubItemControl*>(AControl) != nullptr)
            return new TovBarSubItemControlAccessibilityHelper(AControl);
        if (dynamic_cast<TovBarButtonControl*>(AControl) != nullptr)
            return new TovBarButtonControlAccessibilityHelper(AControl);
        if (AControl->IsButtonLike()) return new TovBarButtonLikeControlAccessibilityHelper(AControl);
        return new TovBarItemControlAccessibilityHelper(AControl);
    });
}

TovBarAccessibilityHelper* ovDockControlHelper(TovDockControl* ADock) {
    return FindOrMake(ADock, hrOwn, [ADock] { return new TovDockControlAccessibilityHelper(ADock); });
}

TovBarAccessibilityHelper* ovBarMarkHelper(TovBarControl* AToolbar) {
    return FindOrMake(AToolbar, hrMark,
                      [AToolbar] { return new TovBarControlMarkAccessibilityHelper(AToolbar); });
}

TovBarAccessibilityHelper* ovBarCaptionButtonsHelper(TovBarControl* AToolbar) {
    if (AToolbar == nullptr || AToolbar->Bar() == nullptr) return nullptr;
    TovBarCaptionButtons* buttons = AToolbar->Bar()->CaptionButtons();
    if (buttons == nullptr) return nullptr;
    return FindOrMake(buttons, hrCaptionButtons, [buttons, AToolbar] {
        return new TovBarCaptionButtonsAccessibilityHelper(buttons, AToolbar);
    });
}

TovBarAccessibilityHelper* ovBarCaptionButtonHelper(TovBarCaptionButtons* AButtons,
                                                    TovBarCaptionButton* AButton) {
    return FindOrMake(AButton, hrOwn, [AButtons, AButton]() -> TovBarAccessibilityHelper* {
        auto* toolbar = dynamic_cast<TovBarControl*>(AButton->BarControl());
        auto* parent =
            dynamic_cast<TovBarCaptionButtonsAccessibilityHelper*>(ovBarCaptionButtonsHelper(toolbar));
        return new TovBarCaptionButtonAccessibilityHelper(AButton, parent);
    });
}

int ovRegisterBarControlHelperFactory(TovBarControlHelperFactory AFactory) {
    static int lastId = 0;
    Factories().emplace_back(++lastId, std::move(AFactory));
    return lastId;
}

void ovUnregisterBarControlHelperFactory(int AId) {
    auto& factories = Factories();
    for (auto it = factories.begin(); it != factories.end(); ++it)
        if (it->first == AId) {
            factories.erase(it);
            return;
        }
}

void ovDetachBarAccessibilityHelpers(TObject* AOwner) {
    auto& helpers = BarHelpers();
    for (auto it = helpers.lower_bound({AOwner, 0}); it != helpers.end() && it->first.first == AOwner;) {
        DetachEntry(it->second);
        it = helpers.erase(it);
    }
}
