#include "ui/bars/navigation/BarNavigationController.h"

#include "platform/rtl/StrUtils.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Timers.h"
#include "ui/core/controls/ControlServices.h"

namespace {

std::unique_ptr<TovBarNavigationController>& ControllerInstance() {
    static std::unique_ptr<TovBarNavigationController> instance;
    return instance;
}

bool SameHelper(const TovBarAccessibilityHelper* A, const TovBarAccessibilityHelper* B) {
    return A == B;
}

bool TypedTextBegins(const std::string& APrefix, const std::string& AText) {
    return AText.size() >= APrefix.size() && AText.compare(0, APrefix.size(), APrefix) == 0;
}

bool IsArrow(WORD AKey) {
    return AKey == VK_LEFT || AKey == VK_UP || AKey == VK_RIGHT || AKey == VK_DOWN;
}

} // namespace

TovBarNavigationController* BarNavigationController() {
    auto& instance = ControllerInstance();
    if (!instance) instance = std::make_unique<TovBarNavigationController>();
    return instance.get();
}

void ovFreeBarNavigationController() {
    ControllerInstance().reset();
}

TovBarNavigationController::TovBarNavigationController() = default;

TovBarNavigationController::~TovBarNavigationController() {
    RemoveKeyTipWindows();
    FKeyTipWaitRoot.Reset(nullptr);
    delete FKeyTipWaitTimer;
    delete FRetiredTimer;
}

// ---- Key tips

void TovBarNavigationController::FreeKeyTipWaitTimer() {
    delete FKeyTipWaitTimer;
    FKeyTipWaitTimer = nullptr;
}

void TovBarNavigationController::BeginKeyTipWait(TovBarAccessibilityHelper* AContainer) {
    if (AContainer == nullptr) throw EovException("");
    DropDeadObjects();
    delete FRetiredTimer;
    FRetiredTimer = nullptr;
    if (FKeyTipWaitRoot && !SameHelper(FKeyTipWaitRoot.Get(), AContainer)) {
        FreeKeyTipWaitTimer();
        FKeyTipWaitRoot.Reset(nullptr);
    }
    if (AreKeyTipsShown() || IsWaitingForKeyTips()) return;
    FKeyTipWaitRoot.Reset(AContainer);
    FKeyTipWaitTimer = uiCreateTimer(KeyTipWaitInterval, true,
                                     TNotifyEvent(this, &TovBarNavigationController::KeyTipWaitTimerTick));
}

void TovBarNavigationController::EndKeyTipWait(bool AShowKeyTips) {
    FAltAlone = false;
    if (!IsWaitingForKeyTips()) return;
    FreeKeyTipWaitTimer();
    TovBarHelperRef root = FKeyTipWaitRoot;
    FKeyTipWaitRoot.Reset(nullptr);
    if (AShowKeyTips && root->IsOwnerAlive()) ShowKeyTips(root.Get(), {});
}

void TovBarNavigationController::KeyTipWaitTimerTick(TObject*) {
    // The timer is not freed inside its own tick: it is retired and freed by the next wait.
    FRetiredTimer = FKeyTipWaitTimer;
    FKeyTipWaitTimer = nullptr;
    if (FRetiredTimer != nullptr) FRetiredTimer->SetEnabled(false);
    if (FAltAlone) EndKeyTipWait(true);
}

void TovBarNavigationController::RemoveKeyTipWindows() {
    for (auto& data : FKeyTipData)
        data->HideWindow(FKeyTipWindowsManager);
    FKeyTipData.clear();
}

void TovBarNavigationController::ShowKeyTips(TovBarAccessibilityHelper* AContainer,
                                             const std::string& ATypedText) {
    if (!SameHelper(AContainer, FKeyTipContainer.Get())) {
        if (FKeyTipContainer) RemoveKeyTipWindows();
        FKeyTipWindowsManager = nullptr;
        FKeyTipContainer.Reset(AContainer);
        FTypedText.clear();
        if (AContainer != nullptr) {
            AContainer->SupportsKeyTips(FKeyTipWindowsManager);
            if (FKeyTipWindowsManager != nullptr) FKeyTipWindowsManager->BeginUpdate();
            FTypedText = UpperCase(ATypedText);
            AContainer->CollectKeyTipsData(FKeyTipData);
            RefreshKeyTipWindows();
        }
    } else if (AContainer != nullptr && UpperCase(ATypedText) != FTypedText) {
        if (FKeyTipWindowsManager != nullptr) FKeyTipWindowsManager->BeginUpdate();
        FTypedText = UpperCase(ATypedText);
        RefreshKeyTipWindows();
    }
}

void TovBarNavigationController::RefreshKeyTipWindows() {
    if (FKeyTipWindowsManager == nullptr) return;
    for (auto& data : FKeyTipData) {
        if (!data->Info.Visible) continue;
        if (!FTypedText.empty() && !TypedTextBegins(FTypedText, data->UpperKeyTip()))
            data->HideWindow(FKeyTipWindowsManager);
        else
            data->ShowWindow(FKeyTipWindowsManager);
    }
    FKeyTipWindowsManager->EndUpdate();
}

void TovBarNavigationController::HideKeyTips() {
    EndKeyTipWait(false);
    ShowKeyTips(nullptr, {});
}

void TovBarNavigationController::EscapeKeyTips() {
    if (TovBarHelperRef container = FKeyTipContainer) container->EscapeFromKeyTips();
}

bool TovBarNavigationController::MatchKeyTip(WORD AKey, TShiftState AShift, TNotifyEvent& AHandler,
                                             bool& AMatched, bool AFromProcessKey) {
    AHandler = nullptr;
    AMatched = false;
    if (AreKeyTipsShown() && AKey == VK_ESCAPE) return true;
    bool result = IsCharacterKey(AKey);
    if (!result) return false;
    // With Alt the key is typing only when it matches (Alt+letter is also an accelerator).
    if (AShift.Contains(ssAlt)) result = false;
    TovBarKeyTipDataList waitList;
    const TovBarKeyTipDataList* candidates = &FKeyTipData;
    std::string typed = FTypedText;
    if (!AreKeyTipsShown()) {
        if (!IsWaitingForKeyTips()) return false;
        FKeyTipWaitRoot->CollectKeyTipsData(waitList);
        candidates = &waitList;
        typed.clear();
    }
    const char ch = uiGetCharFromKeyCode(AKey);
    const std::string text = typed + UpperCase(std::string(1, ch));
    for (const auto& data : *candidates) {
        if (!data->Info.Visible) continue;
        const std::string keyTip = data->UpperKeyTip();
        if (!TypedTextBegins(text, keyTip)) continue;
        AMatched = true;
        result = true;
        if (keyTip == text && data->Info.Enabled) AHandler = data->Info.OnExecute;
        break;
    }
    if (!AMatched && AFromProcessKey) MessageBeep(0);
    return result;
}

bool TovBarNavigationController::IsKeyTipKey(WORD AKey, TShiftState AShift) {
    TNotifyEvent handler;
    bool matched;
    return MatchKeyTip(AKey, AShift, handler, matched, false);
}

void TovBarNavigationController::TypeKeyTipKey(WORD AKey, TShiftState AShift) {
    TNotifyEvent handler;
    bool matched;
    MatchKeyTip(AKey, AShift, handler, matched, false);
    if (handler) {
        FKeyTipWaitRoot.Reset(nullptr);
        FreeKeyTipWaitTimer();
        handler(nullptr);
        return;
    }
    TovBarHelperRef container = FKeyTipContainer;
    if (!container) {
        container = FKeyTipWaitRoot;
        FKeyTipWaitRoot.Reset(nullptr);
        FreeKeyTipWaitTimer();
    }
    if (container)
        ShowKeyTips(container.Get(), FTypedText + UpperCase(std::string(1, uiGetCharFromKeyCode(AKey))));
}

// ---- Navigation

void TovBarNavigationController::EnterNavigationMode(TovBarAccessibilityHelper* AContainer) {
    if (AContainer == nullptr || !AContainer->IsOwnerAlive()) return;
    if (TovBarAccessibilityHelper* first = AContainer->GetFirstAccessibleObject()) {
        FNavigationMode = true;
        first->Select(false);
    }
}

TCustomovBarControl* TovBarNavigationController::GetNavigationBarControl() {
    auto* control = dynamic_cast<TCustomovBarControl*>(CurrentBarControl());
    if (control == nullptr) return nullptr;
    const bool accessible =
        control->Enabled() && (control->Handle() == nullptr || IsWindowEnabled(control->Handle()));
    if (!accessible || control->IsCustomizing()) return nullptr;
    return control;
}

bool TovBarNavigationController::DrivesBarControl(TCustomovBarControl* ABarControl) {
    return FNavigationMode && ABarControl != nullptr && ABarControl == GetNavigationBarControl();
}

void TovBarNavigationController::DropDeadObjects() {
    if (FSelectedObject && !FSelectedObject->IsOwnerAlive()) FSelectedObject.Reset(nullptr);
    if (FSelectedObjectParent && !FSelectedObjectParent->IsOwnerAlive()) {
        FSelectedObject.Reset(nullptr);
        FSelectedObjectParent.Reset(nullptr);
    }
    if (FKeyTipContainer && !FKeyTipContainer->IsOwnerAlive()) ShowKeyTips(nullptr, {});
    if (FKeyTipWaitRoot && !FKeyTipWaitRoot->IsOwnerAlive()) {
        FKeyTipWaitRoot.Reset(nullptr);
        FreeKeyTipWaitTimer();
    }
}

TovBarAccessibilityHelper* TovBarNavigationController::GetSelectedObject() {
    DropDeadObjects();
    if (TCustomovBarControl* bar = GetNavigationBarControl())
        if (TovBarItemControl* selected = bar->SelectedControl()) return ovBarItemControlHelper(selected);
    return FSelectedObject.Get();
}

TovBarAccessibilityHelper* TovBarNavigationController::GetSelectedObjectParent() {
    DropDeadObjects();
    if (TCustomovBarControl* bar = GetNavigationBarControl()) return ovBarControlHelper(bar);
    return FSelectedObjectParent.Get();
}

void TovBarNavigationController::SetSelectedObject(TovBarAccessibilityHelper* AObject,
                                                   TovBarAccessibilityHelper* AParent) {
    FSelectedObject.Reset(AObject);
    FSelectedObjectParent.Reset(AParent);
}

void TovBarNavigationController::ChangeSelectedObject(bool ALogical, TovBarAccessibilityHelper* ANew,
                                                      TovBarAccessibilityHelper* AOld) {
    if (ANew == nullptr) return;
    TovBarHelperRef keepNew(ANew);
    TovBarHelperRef old(AOld != nullptr ? AOld : GetSelectedObject());
    if (SameHelper(old.Get(), ANew)) return;
    if (old && old->IsOwnerAlive()) old->LoseSelection(ANew);
    if (ANew->IsOwnerAlive()) ANew->Select(ALogical);
}

void TovBarNavigationController::DeselectAssignedObject() {
    if (TovBarHelperRef selected = FSelectedObject) {
        if (selected->IsOwnerAlive()) selected->LoseSelection(nullptr);
        FSelectedObject.Reset(nullptr);
        FSelectedObjectParent.Reset(nullptr);
    }
}

void TovBarNavigationController::EndKeyboardHandling() {
    FAltAlone = false;
    DeselectAssignedObject();
    if (TovBarHelperRef selected = TovBarHelperRef(GetSelectedObject()))
        if (selected->IsOwnerAlive()) selected->LoseSelection(nullptr);
    FNavigationMode = false;
    HideKeyTips();
}

void TovBarNavigationController::ForgetObject(TovBarAccessibilityHelper* AObject) {
    if (SameHelper(FSelectedObject.Get(), AObject)) FSelectedObject.Reset(nullptr);
    if (SameHelper(FSelectedObjectParent.Get(), AObject)) {
        FSelectedObject.Reset(nullptr);
        FSelectedObjectParent.Reset(nullptr);
    }
    if (SameHelper(FKeyTipContainer.Get(), AObject)) ShowKeyTips(nullptr, {});
    if (SameHelper(FKeyTipWaitRoot.Get(), AObject)) {
        FKeyTipWaitRoot.Reset(nullptr);
        FreeKeyTipWaitTimer();
    }
}

void TovBarNavigationController::MouseDown() {
    // Only what the keyboard started ends: a press in an open menu the mouse drives keeps its selection.
    const bool keyboardDriven = FNavigationMode || static_cast<bool>(FSelectedObject);
    FNavigationMode = false;
    FAltAlone = false;
    if (keyboardDriven || IsWaitingForKeyTips() || AreKeyTipsShown()) EndKeyboardHandling();
}

bool TovBarNavigationController::ClaimsKey(WORD AKey, TShiftState AShift) {
    if (IsArrow(AKey) || (AKey == VK_TAB && !AShift.Contains(ssCtrl))) return true;
    if (CurrentBarControl() == nullptr) {
        if (AKey == VK_MENU) return true;
        if (AKey == VK_F10) {
            TovBarAccessibilityHelper* parent = GetSelectedObjectParent();
            if (parent != nullptr) {
                TovBarManager* manager = parent->OwningBarManager();
                if (manager != nullptr && manager->UseF10ForMenu) return true;
            }
        }
    }
    if (TovBarAccessibilityHelper* selected = GetSelectedObject())
        return selected->AcceptsNavigationKey(AKey);
    if (TovBarAccessibilityHelper* parent = GetSelectedObjectParent())
        return parent->AcceptsNavigationKey(AKey);
    return false;
}

bool TovBarNavigationController::IsKeyForNavigation(WORD AKey, TShiftState AShift) {
    if (ClaimsKey(AKey, AShift)) {
        TovBarAccessibilityHelper* parent = GetSelectedObjectParent();
        if (parent != nullptr && parent->AllowsChildNavigation(AKey)) return true;
    }
    if (IsWaitingForKeyTips() || AreKeyTipsShown()) return IsKeyTipKey(AKey, AShift);
    return false;
}

void TovBarNavigationController::ProcessKey(WORD AKey, TShiftState AShift,
                                            TovBarAccessibilityHelper* ASelected,
                                            TovBarAccessibilityHelper* AParent) {
    struct THandlingKey {
        bool& Flag;
        bool Previous;
        explicit THandlingKey(bool& AFlag) : Flag(AFlag), Previous(AFlag) { Flag = true; }
        ~THandlingKey() { Flag = Previous; }
    } handling(FHandlingKey);
    DropDeadObjects();

    TNotifyEvent handler;
    bool matched = false;
    if (IsWaitingForKeyTips()) {
        FAltAlone = false;
        if (MatchKeyTip(AKey, AShift, handler, matched, false) && matched) {
            TypeKeyTipKey(AKey, AShift);
            EndKeyTipWait(false);
            return;
        }
    }
    if (AreKeyTipsShown() && AKey != VK_ESCAPE) {
        if (MatchKeyTip(AKey, AShift, handler, matched, true)) {
            if (matched) TypeKeyTipKey(AKey, AShift);
            return;
        }
        HideKeyTips();
    }

    TovBarHelperRef parent(AParent != nullptr ? AParent : GetSelectedObjectParent());
    TovBarHelperRef selected(ASelected != nullptr ? ASelected : GetSelectedObject());
    TovBarHelperRef target = selected ? selected : parent;

    if (AKey == VK_ESCAPE && AreKeyTipsShown()) {
        EscapeKeyTips();
        return;
    }
    if (AKey == VK_MENU || AKey == VK_ESCAPE || AKey == VK_F10) {
        WORD key = AKey;
        if (AKey == VK_ESCAPE && target && target->TryNavigationKey(key, AShift)) return;
        if (target) target->LoseSelection(nullptr);
        return;
    }
    WORD key = AKey;
    if (target && target->TryNavigationKey(key, AShift)) return;
    TovBarAccessibilityHelper* next = nullptr;
    const int direction = ovBarNavigationDirectionOfKey(key, AShift);
    if (!selected) {
        // Ctrl+Tab on a bar with nothing selected goes on to the next bar, as it does from an item.
        if (parent && key == VK_TAB && AShift.Contains(ssCtrl))
            next = parent->GetNextLogicalChild(-1, AShift);
        else if (parent)
            next = parent->DefaultSelectableObject(direction);
    } else if (key == VK_TAB) {
        next = selected->GetNextLogicalObject(AShift);
    } else {
        next = selected->GetNextAccessibleObject(direction);
    }
    ChangeSelectedObject(key == VK_TAB, next, selected.Get());
}
