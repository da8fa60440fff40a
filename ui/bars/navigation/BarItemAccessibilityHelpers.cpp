#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/navigation/BarControlAccessibilityHelpers.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarNavigationController.h"

#include "platform/rtl/StrUtils.h"
#include "ui/core/base/CoreServices.h"

namespace {

// Restores a flag when the scope ends, also through an exception.
class TFlagOverride {
public:
    TFlagOverride(bool& AFlag, bool AValue) : FFlag(AFlag), FSaved(AFlag) { FFlag = AValue; }
    ~TFlagOverride() { FFlag = FSaved; }

private:
    bool& FFlag;
    bool FSaved;
};

} // namespace

// ---- Items

TShortCut TovBarItemAccessibilityHelper::GetShortCut() {
    TovBarItem* item = GetItem();
    return item != nullptr ? item->ShortCut() : 0;
}

bool TovBarItemAccessibilityHelper::HasDropDown() {
    return dynamic_cast<IovBarLinksOwner*>(GetItem()) != nullptr;
}

std::string TovBarItemAccessibilityHelper::GetUserKeyTip() {
    TovBarItem* item = GetItem();
    return item != nullptr ? item->KeyTip : std::string();
}

std::string TovBarItemAccessibilityHelper::GetAutoKeyTip() {
    const TShortCut shortCut = GetShortCut();
    if (shortCut >= 0x4041 && shortCut <= 0x405A) {
        const std::string text = ShortCutToText(shortCut);
        if (!text.empty()) return text.substr(text.size() - 1);
    }
    if (TovBarItem* item = GetItem()) {
        std::string caption = item->Caption();
        const int position = FindAccelCharPos(caption, true);
        if (position > 0 && position <= static_cast<int>(caption.size()))
            return UpperCase(caption.substr(position - 1, 1));
    }
    return "Y";
}

void TovBarItemAccessibilityHelper::ExecuteKeyTip(TObject*) {
    TovBarHelperRef self(this);
    BarNavigationController()->EndKeyboardHandling();
    if (!IsOwnerAlive()) return;
    if (HasDropDown())
        ShowItemDropDown();
    else
        ExecuteItem();
}

// ---- Links

TovBarItemLink* TovBarItemLinkAccessibilityHelper::GetItemLink() {
    return IsOwnerAlive() ? dynamic_cast<TovBarItemLink*>(OwnerObject()) : nullptr;
}

TovBarItemControl* TovBarItemLinkAccessibilityHelper::GetItemControl() {
    TovBarItemLink* link = GetItemLink();
    return link != nullptr ? link->Control() : nullptr;
}

TCustomovBarControlAccessibilityHelper* TovBarItemLinkAccessibilityHelper::ParentBarHelper() {
    return dynamic_cast<TCustomovBarControlAccessibilityHelper*>(GetParent());
}

TovBarItem* TovBarItemLinkAccessibilityHelper::GetItem() {
    TovBarItemLink* link = GetItemLink();
    return link != nullptr ? link->Item() : nullptr;
}

TovBarManager* TovBarItemLinkAccessibilityHelper::OwningBarManager() {
    TovBarItemLink* link = GetItemLink();
    return link != nullptr ? link->OwningBarManager() : nullptr;
}

TovBarAccessibilityHelper* TovBarItemLinkAccessibilityHelper::GetNextAccessibleObject(int ADirection) {
    TCustomovBarControlAccessibilityHelper* bar = ParentBarHelper();
    return bar != nullptr ? bar->GetNextItemObject(this, ADirection) : nullptr;
}

void TovBarItemLinkAccessibilityHelper::GetKeyTipInfo(TovBarKeyTipInfo& AInfo) {
    TovBarItemAccessibilityHelper::GetKeyTipInfo(AInfo);
    if (TCustomovBarControlAccessibilityHelper* bar = ParentBarHelper())
        bar->GetItemKeyTipPosition(this, AInfo);
    TovBarItem* item = GetItem();
    AInfo.Enabled = item != nullptr && item->GetEnabled();
}

TuiAccessibilityHelper* TovBarItemLinkAccessibilityHelper::GetParent() {
    TovBarItemLink* link = GetItemLink();
    auto* bar = link != nullptr ? dynamic_cast<TCustomovBarControl*>(link->LinksBarControl()) : nullptr;
    return bar != nullptr ? ovBarControlHelper(bar) : nullptr;
}

void TovBarItemLinkAccessibilityHelper::ExecuteItem() {
    if (TCustomovBarControlAccessibilityHelper* bar = ParentBarHelper()) bar->ExecuteItemLink(this);
}

void TovBarItemLinkAccessibilityHelper::ShowItemDropDown() {
    if (TCustomovBarControlAccessibilityHelper* bar = ParentBarHelper()) bar->ShowItemLinkDropDown(this);
}

// ---- Item controls

TovBarItemControlAccessibilityHelper::TovBarItemControlAccessibilityHelper(TovBarItemControl* AControl)
    : TovBarItemLinkAccessibilityHelper(AControl), FControl(AControl) {}

bool TovBarItemControlAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState AShift) {
    if (TovBarItemLinkAccessibilityHelper::TryNavigationKey(AKey, AShift)) return true;
    TovBarAccessibilityHelper* parent = BarParent();
    return parent != nullptr && parent->TryNavigationKey(AKey, AShift);
}

void TovBarItemControlAccessibilityHelper::Select(bool ASetFocus) {
    if (!IsOwnerAlive()) return;
    TovBarHelperRef self(this);
    TCustomovBarControl* bar = FControl->ParentBar();
    TovBarItemLinkAccessibilityHelper::Select(ASetFocus);
    if (bar == nullptr) return;
    if (bar->IsActive())
        bar->SetSelectedControl(FControl);
    else
        bar->BarGetFocus(FControl);
    // A window item opens its editor when it is chosen.
    if (IsOwnerAlive() && FControl->IsWinControl() && ASetFocus) FControl->Click(false);
}

void TovBarItemControlAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarHelperRef self(this);
    TovBarItemLinkAccessibilityHelper::LoseSelection(ANext);
    TCustomovBarControlAccessibilityHelper* parent = ParentBarHelper();
    if (parent == nullptr) return;
    auto* next = dynamic_cast<TovBarItemControlAccessibilityHelper*>(ANext);
    if (next == nullptr || next->BarParent() != parent) parent->ReleaseSelection();
}

TovBarItem* TovBarItemControlAccessibilityHelper::GetItem() {
    return IsOwnerAlive() ? FControl->Item() : nullptr;
}

TShortCut TovBarItemControlAccessibilityHelper::GetShortCut() {
    return IsOwnerAlive() ? FControl->GetShortCut() : 0;
}

TovBarItemLink* TovBarItemControlAccessibilityHelper::GetItemLink() {
    return IsOwnerAlive() ? FControl->ItemLink() : nullptr;
}

HWND TovBarItemControlAccessibilityHelper::GetOwnerWindow() {
    TCustomovBarControl* bar = IsOwnerAlive() ? FControl->ParentBar() : nullptr;
    return bar != nullptr ? bar->Handle() : nullptr;
}

TuiAccessibilityHelper* TovBarItemControlAccessibilityHelper::GetParent() {
    TCustomovBarControl* bar = IsOwnerAlive() ? FControl->ParentBar() : nullptr;
    return bar != nullptr ? ovBarControlHelper(bar) : nullptr;
}

void TovBarItemControlAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (!IsOwnerAlive() || !GetVisible()) return;
    if (TCustomovBarControl* bar = FControl->ParentBar()) R = bar->GetItemControlRect(FControl);
}

bool TovBarItemControlAccessibilityHelper::IsSelectableObject() {
    return IsOwnerAlive() && GetVisible() && FControl->CanSelect();
}

LONG TovBarItemControlAccessibilityHelper::GetState(int) {
    if (!IsOwnerAlive()) return STATE_SYSTEM_INVISIBLE;
    TCustomovBarControl* bar = FControl->ParentBar();
    auto* parent = dynamic_cast<TCustomovBarControlAccessibilityHelper*>(GetParent());
    const bool shown =
        bar != nullptr && parent != nullptr && parent->GetState(0) == 0 && !parent->HidesChildren();
    return shown ? 0 : STATE_SYSTEM_INVISIBLE;
}

void TovBarItemControlAccessibilityHelper::GetKeyTipInfo(TovBarKeyTipInfo& AInfo) {
    TovBarItemLinkAccessibilityHelper::GetKeyTipInfo(AInfo);
    if (!IsOwnerAlive()) return;
    // A control that is not on screen (its group is collapsed) runs its key tip on the shown copy.
    if (!AInfo.Visible)
        AInfo.OnExecute = TNotifyEvent(this, &TovBarItemControlAccessibilityHelper::RedirectKeyTip);
    AInfo.Enabled = FControl->GetEnabled();
}

void TovBarItemControlAccessibilityHelper::RedirectKeyTip(TObject* ASender) {
    if (RedirectsKeyTip()) {
        TCustomovBarControlAccessibilityHelper* parent = ParentBarHelper();
        TCustomovBarControlAccessibilityHelper* target = nullptr;
        if (parent != nullptr) {
            try {
                target = parent->GetKeyTipTargetHelper();
            } catch (const EovException&) {
                target = nullptr;
            }
        }
        if (target != nullptr) {
            const int index = parent->IndexOfChildHelper(this);
            if (auto* item = dynamic_cast<TovBarAccessibilityHelper*>(target->ChildHelperAt(index))) {
                item->ExecuteKeyTip(ASender);
                return;
            }
        }
    }
    ExecuteKeyTip(ASender);
}

// ---- Button-like controls

void TovBarButtonLikeControlAccessibilityHelper::ExecuteItem() {
    TovBarHelperRef self(this);
    BarNavigationController()->EndKeyboardHandling();
    if (!IsOwnerAlive()) return;
    // A key tip clicks once: the item stays as the click leaves it.
    TovBarItem* item = Control()->Item();
    if (item == nullptr) {
        Control()->ControlClick(false);
        return;
    }
    TFlagOverride unclick(item->UnclickAfterDoing, false);
    Control()->ControlClick(false);
}

void TovBarButtonLikeControlAccessibilityHelper::ShowItemDropDown() {
    TovBarHelperRef self(this);
    TovBarNavigationController* controller = BarNavigationController();
    controller->ChangeSelectedObject(true, this);
    if (!IsOwnerAlive()) return;
    if (ShowDropDownWindow()) {
        controller->HideKeyTips();
        if (TCustomovBarControl* menu = controller->GetNavigationBarControl())
            controller->ShowKeyTips(ovBarControlHelper(menu), {});
    }
}

bool TovBarButtonControlAccessibilityHelper::HasDropDown() {
    auto* button = IsOwnerAlive() ? dynamic_cast<TovBarButton*>(Control()->Item()) : nullptr;
    return button != nullptr &&
           (button->ButtonStyle() == bsDropDown || button->ButtonStyle() == bsCheckedDropDown);
}

bool TovBarButtonControlAccessibilityHelper::ShowDropDownWindow() {
    auto* control = static_cast<TovBarButtonLikeControl*>(Control());
    control->DropDown(false);
    return IsOwnerAlive() && control->IsDroppedDown();
}

bool TovBarSubItemControlAccessibilityHelper::ShowDropDownWindow() {
    auto* control = static_cast<TovBarButtonLikeControl*>(Control());
    control->DropDown(true);
    return IsOwnerAlive() && control->IsDroppedDown();
}

void TovBarWinControlAccessibilityHelper::ExecuteKeyTip(TObject*) {
    TovBarHelperRef self(this);
    BarNavigationController()->EndKeyboardHandling();
    if (IsOwnerAlive()) BarNavigationController()->ChangeSelectedObject(true, this);
}
