// The Customize window's Groups page (design time only): the manager's item groups and the members of
// the selected group. Groups are added, deleted and moved in the manager's group list; members are
// added through the add-group-items dialog, removed and moved inside their group. The groups list
// shares the designer selection; the members list keeps its own selection. Also the undoing, when the
// form goes, of what the Options, All commands and Groups pages chained.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/PageControl.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/customize/dialogs/AddGroupItemsDialog.h"
#include "ui/bars/customize/form/BlockMove.h"

#include <algorithm>
#include <functional>

namespace {

std::vector<TovBarComponent*> ListedSelection(TCustomListBox* AList) {
    std::vector<TovBarComponent*> selected;
    for (int i = 0; i < AList->Count(); ++i)
        if (AList->Selected(i))
            if (auto* object = dynamic_cast<TovBarComponent*>(AList->Items()->Objects(i)))
                selected.push_back(object);
    return selected;
}

void SelectObjects(TCustomListBox* AList, const std::vector<TovBarComponent*>& AObjects) {
    for (int i = 0; i < AList->Count(); ++i) {
        auto* object = dynamic_cast<TovBarComponent*>(AList->Items()->Objects(i));
        AList->SetSelected(i, std::find(AObjects.begin(), AObjects.end(), object) != AObjects.end());
    }
}

// The group whose members the members list shows: the first selected one.
TovBarGroup* ShownGroup(TovBarCustomizationForm* AForm) {
    const auto selected = ListedSelection(AForm->lbGroups);
    return selected.empty() ? nullptr : dynamic_cast<TovBarGroup*>(selected.front());
}

// Moves the selected entries of a list one step up or down as a block in the model: ASwap(i, j)
// exchanges the model objects at the list positions i and j. Answers whether anything moved.
bool MoveSelectedBlock(TCustomListBox* AList, TObject* AAction, const std::function<void(int, int)>& ASwap) {
    auto* action = dynamic_cast<TAction*>(AAction);
    if (action == nullptr || AList->Count() == 0) return false;
    std::vector<bool> selected(AList->Count());
    for (int i = 0; i < AList->Count(); ++i)
        selected[i] = AList->Selected(i);
    const std::vector<int> order = ovBarBlockMoveOrder(selected, ovBarMoveDirectionOfTag(action->Tag()));
    bool moved = false;
    ovBarApplyOrder(order, [&](int I, int J) {
        ASwap(I, J);
        moved = true;
    });
    return moved;
}

std::string UniqueGroupName(TovBarManager* AManager) {
    const std::string base = "ovBarGroup";
    TComponent* owner = AManager->Owner();
    std::string name =
        AManager->Designer() != nullptr ? AManager->Designer()->UniqueName(base) : std::string();
    if (!name.empty() && (owner == nullptr || owner->FindComponent(name) == nullptr)) return name;
    for (int n = 1;; ++n) {
        name = base + std::to_string(n);
        if (owner == nullptr || owner->FindComponent(name) == nullptr) return name;
    }
}

void UpdateGroupActions(TovBarCustomizationForm* AForm) {
    const auto groups = ListedSelection(AForm->lbGroups);
    const auto members = ListedSelection(AForm->lbGroupItems);
    AForm->aDeleteGroup->SetEnabled(!groups.empty());
    AForm->aMoveUpGroup->SetEnabled(!groups.empty());
    AForm->aMoveDownGroup->SetEnabled(!groups.empty());
    AForm->aAddGroupItem->SetEnabled(groups.size() == 1);
    AForm->aDeleteGroupItem->SetEnabled(!members.empty());
    AForm->aMoveUpGroupItem->SetEnabled(!members.empty());
    AForm->aMoveDownGroupItem->SetEnabled(!members.empty());
}

void RefillGroupItems(TovBarCustomizationForm* AForm) {
    TListBox* list = AForm->lbGroupItems;
    TovBarGroup* group = ShownGroup(AForm);
    TStrings* entries = list->Items();
    entries->BeginUpdate();
    entries->Clear();
    if (group != nullptr)
        for (int i = 0; i < group->Count(); ++i)
            if (TovBarComponent* member = group->Items(i)) entries->AddObject(member->Name(), member);
    entries->EndUpdate();
    // Only members of the shown group stay selected.
    std::vector<TovBarComponent*>& kept = AForm->FSelectedGroupItems;
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [&](TovBarComponent* c) { return entries->IndexOfObject(c) < 0; }),
               kept.end());
    SelectObjects(list, kept);
    UpdateGroupActions(AForm);
}

void RefillGroups(TovBarCustomizationForm* AForm) {
    TListBox* list = AForm->lbGroups;
    const auto selected = ListedSelection(list);
    TovBarManager* manager = AForm->BarManager();
    TStrings* entries = list->Items();
    entries->BeginUpdate();
    entries->Clear();
    for (int i = 0; i < manager->GroupCount(); ++i)
        if (TovBarGroup* group = manager->Groups(i)) entries->AddObject(group->Name(), group);
    entries->EndUpdate();
    SelectObjects(list, selected);
    RefillGroupItems(AForm);
}

// Every change ends with the designer hearing of it.
void GroupsChanged(TovBarCustomizationForm* AForm) {
    RefillGroups(AForm);
    AForm->BarManager()->DesignerModified();
}

void DrawEntry(TListBox* AList, int AIndex, RECT ARect, TOwnerDrawState AState, bool ABold) {
    TCanvas* canvas = AList->Canvas();
    const bool selected = AState.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? clHighlight : AList->Color());
    canvas->FillRect(ARect);
    canvas->Font()->Assign(AList->Font());
    if (ABold) canvas->Font()->SetStyle(TFontStyles{fsBold});
    canvas->Font()->SetColor(selected ? clHighlightText : AList->Font()->Color());
    std::string text = AList->Items()->Strings(AIndex);
    if (auto* item = dynamic_cast<TovBarItem*>(AList->Items()->Objects(AIndex));
        item && !item->Caption().empty())
        text = RemoveAccelChars(item->Caption()) + "  (" + item->Name() + ")";
    canvas->TextRect(ARect, ARect.left + 2, ARect.top + 1, text);
}

} // namespace

TovBarCustomizationForm::TPagesFinalizer::~TPagesFinalizer() {
    if (Form != nullptr) Form->FinalizePages();
}

void TovBarCustomizationForm::InitializeGroupsPage() {
    const bool designing = IsDesigning();
    tsGroups->SetTabVisible(designing);
    if (!designing || FPrevGroupsWndProc) return;
    FPagesFinalizer.Form = this;
    auto wrap = [this](TListBox* AList, TControl::TWndMethod& APrevious, bool ASharesSelection) {
        APrevious = AList->WindowProc;
        TControl::TWndMethod previous = APrevious;
        AList->WindowProc = [this, AList, previous, ASharesSelection](TMessage& Message) {
            switch (Message.Msg) {
            case WM_OVBAR_CF_REFILL:
                if (Message.WParam == 0)
                    RefillGroups(this);
                else
                    AList->Invalidate();
                return;
            case WM_OVBAR_CF_TAKESELECTION:
                // The members list keeps its own selection and never takes the designer's.
                if (ASharesSelection && PushingList() != AList) {
                    TakeDesignerSelection(AList);
                    RefillGroupItems(this);
                }
                return;
            default:
                previous(Message);
            }
        };
    };
    wrap(lbGroups, FPrevGroupsWndProc, true);
    wrap(lbGroupItems, FPrevGroupItemsWndProc, false);
    TuiComponentList* groupList = BarManager()->GroupList();
    FSavedGroupsChange = groupList->OnComponentListChanged;
    groupList->OnComponentListChanged = TuiComponentListChangedEvent(
        [this](TuiComponentList* AList, TComponent* AComponent, TuiComponentCollectionNotification AAction) {
            FSavedGroupsChange(AList, AComponent, AAction);
            RefillGroups(this);
        },
        this);
    int height = 0;
    lbGroupsMeasureItem(lbGroups, 0, height);
    lbGroups->SetItemHeight(height);
    lbGroupItems->SetItemHeight(height);
    RefillGroups(this);
}

void TovBarCustomizationForm::FinalizePages() {
    FPagesFinalizer.Form = nullptr;
    TovBarManager* manager = BarManager();
    if (FPrevAllCommandsWndProc) {
        LAllCommands->WindowProc = FPrevAllCommandsWndProc;
        FPrevAllCommandsWndProc = nullptr;
        manager->OnItemLinkAdd = nullptr;
        manager->OnItemLinkChange = nullptr;
        manager->OnItemLinkDelete = nullptr;
    }
    if (FPrevGroupsWndProc) {
        lbGroups->WindowProc = FPrevGroupsWndProc;
        lbGroupItems->WindowProc = FPrevGroupItemsWndProc;
        FPrevGroupsWndProc = nullptr;
        FPrevGroupItemsWndProc = nullptr;
        if (manager->GroupList() != nullptr)
            manager->GroupList()->OnComponentListChanged = FSavedGroupsChange;
        FSavedGroupsChange = nullptr;
    }
}

void TovBarCustomizationForm::lbGroupsClick(TObject*) {
    PushSelection(lbGroups);
    RefillGroupItems(this);
}

void TovBarCustomizationForm::lbGroupsDrawItem(TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
    DrawEntry(lbGroups, Index, Rect, State, true);
}

void TovBarCustomizationForm::lbGroupsMeasureItem(TWinControl* Control, int, int& Height) {
    auto* list = dynamic_cast<TListBox*>(Control);
    if (list == nullptr) list = lbGroups;
    TCanvas* canvas = list->Canvas();
    canvas->Font()->Assign(list->Font());
    canvas->Font()->SetStyle(TFontStyles{fsBold});
    Height = canvas->TextHeight("Wg") + 2;
}

void TovBarCustomizationForm::lbGroupItemsClick(TObject*) {
    FSelectedGroupItems = ListedSelection(lbGroupItems);
    UpdateGroupActions(this);
}

void TovBarCustomizationForm::lbGroupItemsDrawItem(TWinControl*, int Index, RECT Rect,
                                                   TOwnerDrawState State) {
    const bool isGroup = dynamic_cast<TovBarGroup*>(lbGroupItems->Items()->Objects(Index)) != nullptr;
    DrawEntry(lbGroupItems, Index, Rect, State, isGroup);
}

namespace {

// Ins adds, Del deletes, Ctrl+Up and Ctrl+Down move; the keys are consumed.
bool HandleGroupKey(WORD& Key, TShiftState Shift, TAction* AAdd, TAction* ADelete, TAction* AUp,
                    TAction* ADown) {
    TAction* action = nullptr;
    if (Shift.empty() && Key == VK_INSERT) action = AAdd;
    if (Shift.empty() && Key == VK_DELETE) action = ADelete;
    if (Shift == TShiftState{ssCtrl} && Key == VK_UP) action = AUp;
    if (Shift == TShiftState{ssCtrl} && Key == VK_DOWN) action = ADown;
    if (action == nullptr) return false;
    Key = 0;
    if (action->Enabled()) action->Execute();
    return true;
}

} // namespace

void TovBarCustomizationForm::lbGroupsKeyDown(TObject*, WORD& Key, TShiftState Shift) {
    HandleGroupKey(Key, Shift, aAddGroup, aDeleteGroup, aMoveUpGroup, aMoveDownGroup);
}

void TovBarCustomizationForm::lbGroupItemsKeyDown(TObject*, WORD& Key, TShiftState Shift) {
    HandleGroupKey(Key, Shift, aAddGroupItem, aDeleteGroupItem, aMoveUpGroupItem, aMoveDownGroupItem);
}

void TovBarCustomizationForm::aAddGroupExecute(TObject*) {
    TovBarManager* manager = BarManager();
    TovBarGroup* group = nullptr;
    ovBarWithinUpdate(manager, [&] {
        group = manager->CreateGroup();
        group->SetName(UniqueGroupName(manager));
    });
    RefillGroups(this);
    SelectObjects(lbGroups, {group});
    manager->DesignerSelect(group, bsoExclusive);
    GroupsChanged(this);
}

void TovBarCustomizationForm::aDeleteGroupExecute(TObject*) {
    const auto selected = ListedSelection(lbGroups);
    if (selected.empty()) return;
    ovBarWithinUpdate(BarManager(), [&] {
        for (auto it = selected.rbegin(); it != selected.rend(); ++it)
            delete *it;
    });
    GroupsChanged(this);
}

void TovBarCustomizationForm::aMoveGroupExecute(TObject* Sender) {
    TuiComponentList* groups = BarManager()->GroupList();
    const auto selected = ListedSelection(lbGroups);
    const bool moved = MoveSelectedBlock(lbGroups, Sender, [&](int I, int J) { groups->Exchange(I, J); });
    if (!moved) return;
    RefillGroups(this);
    SelectObjects(lbGroups, selected);
    GroupsChanged(this);
}

void TovBarCustomizationForm::aAddGroupItemExecute(TObject*) {
    TovBarGroup* group = ShownGroup(this);
    if (group == nullptr) return;
    const std::vector<TovBarComponent*> added = AddGroupItemsByDialog(group);
    if (added.empty()) return;
    FSelectedGroupItems = added;
    GroupsChanged(this);
}

void TovBarCustomizationForm::aDeleteGroupItemExecute(TObject*) {
    TovBarGroup* group = ShownGroup(this);
    const auto selected = ListedSelection(lbGroupItems);
    if (group == nullptr || selected.empty()) return;
    ovBarWithinUpdate(BarManager(), [&] {
        for (TovBarComponent* member : selected)
            group->Remove(member);
    });
    FSelectedGroupItems.clear();
    GroupsChanged(this);
}

void TovBarCustomizationForm::aMoveGroupItemExecute(TObject* Sender) {
    TovBarGroup* group = ShownGroup(this);
    if (group == nullptr) return;
    const auto selected = ListedSelection(lbGroupItems);
    // The members list shows every member in order: list positions are member positions.
    const bool moved = MoveSelectedBlock(lbGroupItems, Sender, [&](int I, int J) {
        group->Move(J, I);
        group->Move(I + 1, J);
    });
    if (!moved) return;
    FSelectedGroupItems = selected;
    GroupsChanged(this);
}
