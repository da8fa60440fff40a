#include "platform/vcl/ActionList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinUser.h"

#include <algorithm>

TCustomActionList::TCustomActionList(TComponent* AOwner)
    : TComponent(AOwner), FImageChangeLink(std::make_unique<TChangeLink>()) {
    FImageChangeLink->OnChange = TNotifyEvent(this, &TCustomActionList::ImageListChange);
}

TCustomActionList::~TCustomActionList() {
    if (FImages != nullptr) {
        FImages->UnRegisterChanges(FImageChangeLink.get());
        FImages->RemoveFreeNotification(this);
        FImages = nullptr;
    }
    while (!FActions.empty()) {
        TContainedAction* action = FActions.back();
        FActions.pop_back();
        action->FActionList = nullptr;
        action->Free();
    }
}

TContainedAction* TCustomActionList::Actions(int Index) const {
    if (Index < 0 || Index >= ActionCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FActions[static_cast<std::size_t>(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
    if (Value == FImages) return;
    if (FImages != nullptr) {
        FImages->UnRegisterChanges(FImageChangeLink.get());
        FImages->RemoveFreeNotification(this);
    }
    FImages = Value;
    if (FImages != nullptr) {
        FImages->RegisterChanges(FImageChangeLink.get());
        FImages->FreeNotification(this);
    }
    Change();
}

void TCustomActionList::ImageListChange(TObject*) {
    Change();
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Change();
    }
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
    bool handled = false;
    OnExecute(Action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
    bool handled = false;
    OnUpdate(Action, handled);
    return handled;
}

bool TCustomActionList::IsShortCut(TShortCut ShortCut) {
    if (ShortCut == scNone || FState != asNormal) return false;
    for (TContainedAction* action : FActions) {
        auto* custom = dynamic_cast<TCustomAction*>(action);
        if (custom != nullptr && custom->HasShortCut(ShortCut)) {
            custom->Execute();
            return true;
        }
    }
    return false;
}

bool TCustomActionList::IsShortCutKey(WORD CharCode, LPARAM KeyData) {
    TShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= scCtrl;
    if (KeyData & 0x20000000) modifiers |= scAlt; // the context bit: Alt was down
    return IsShortCut(::ShortCut(static_cast<std::uint16_t>(CharCode & 0xFF), modifiers));
}

void TCustomActionList::UpdateActions() {
    if (FState != asNormal) return;
    const auto actions = FActions;
    for (TContainedAction* action : actions)
        if (std::find(FActions.begin(), FActions.end(), action) != FActions.end()) action->Update();
}

void TCustomActionList::SetState(TActionListState Value) {
    if (Value == FState) return;
    FState = Value;
    if (FState == asSuspendedEnabled)
        for (TContainedAction* action : FActions)
            if (auto* custom = dynamic_cast<TCustomAction*>(action)) custom->SetEnabled(true);
    Change();
}

void TCustomActionList::AddAction(TContainedAction* Action) {
    if (Action == nullptr || Action->FActionList == this) return;
    FActions.push_back(Action);
    Action->FActionList = this;
    Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
    auto it = std::find(FActions.begin(), FActions.end(), Action);
    if (it == FActions.end()) return;
    FActions.erase(it);
    Action->FActionList = nullptr;
    if (!ComponentState().Contains(csDestroying)) Change();
}

void TCustomActionList::MoveAction(TContainedAction* Action, int NewIndex) {
    auto it = std::find(FActions.begin(), FActions.end(), Action);
    if (it == FActions.end()) return;
    NewIndex = std::clamp(NewIndex, 0, ActionCount() - 1);
    FActions.erase(it);
    FActions.insert(FActions.begin() + NewIndex, Action);
    Change();
}

void TCustomActionList::Change() {
    if (ComponentState().Contains(csDestroying)) return;
    OnChange(this);
}
