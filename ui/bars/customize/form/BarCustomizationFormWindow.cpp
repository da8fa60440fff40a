// The Customize window's life: opening and closing it for a manager, binding it to the manager while it
// is open (designer, change events, customizing mode), and what it does to the other windows of the bar
// system meanwhile.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Mouse.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/customize/dialogs/BarSubMenuEditor.h"
#include "ui/bars/customize/form/BarCustomizationFormListHelpers.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/customize/form/RunTimeSelectionController.h"
#include "ui/bars/owner/BarOwnerMessages.h"
#include "ui/bars/owner/BarOwnerRouting.h"

#include <algorithm>

namespace {

TovBarCustomCustomizationForm* gCustomizingForm = nullptr;
// Set while ShowBarCustomizingForm frees the form, so that the form's end does not free it again.
bool gFreeingForm = false;

TovBarCustomCustomizationForm* MakeCustomizationForm(TovBarManager* ABarManager) {
    return TCustomForm::New<TovBarCustomizationForm>(ABarManager);
}

// The visible toolbars of every manager but AExcept draw their frames again (the customizing state
// shows on them).
void RepaintOtherManagersBars(TovBarManager* AExcept) {
    TovBarManagerList* list = BarManagerList();
    if (list == nullptr) return;
    for (int i = 0; i < list->Count(); ++i) {
        TovBarManager* manager = list->Managers(i);
        if (manager == AExcept) continue;
        for (int j = 0; j < manager->Bars()->Count(); ++j) {
            TovBar* bar = manager->Bars()->GetItem(j);
            IovBarControl* control = bar->GetControl();
            if (control == nullptr || !bar->Visible()) continue;
            control->RebuildBar(true);
            control->Repaint();
            if (HWND handle = control->Handle()) ::SendMessage(handle, WM_NCPAINT, 1, 0);
        }
    }
}

// The form a manager's windows live in: at design time its parent form, at run time its MDI child or
// top form.
TCustomForm* CustomizedManagerForm(TovBarManager* AManager) {
    if (AManager->IsDesigning()) return AManager->GetParentForm();
    // A manager owned by the form itself belongs to that form; our window system has no MDI children.
    if (auto* form = dynamic_cast<TCustomForm*>(AManager->OwnerWinControl())) return form;
    return AManager->GetParentForm();
}

} // namespace

// ---- The form class and the open form

TovBarCustomizationFormMaker& ovBarCustomizationFormClass() {
    static TovBarCustomizationFormMaker maker = &MakeCustomizationForm;
    return maker;
}

TovBarCustomCustomizationForm* BarCustomizingForm() {
    return gCustomizingForm;
}

bool IsBarCustomizingFormShown() {
    return gCustomizingForm != nullptr;
}

void ShowBarCustomizingForm(TovBarManager* ABarManager, bool AShow) {
    if (AShow) {
        if (gCustomizingForm != nullptr) return;
        ABarManager->PrepareMergedBarsForCustomizing();
        ABarManager->OnShowCustomizingForm(ABarManager);
        RepaintOtherManagersBars(ABarManager);
        gCustomizingForm = ovBarCustomizationFormClass()(ABarManager);
        // The window the user worked in keeps the activation and the keyboard (the Delete key there
        // removes the selected link); the Customize window comes up beside it.
        HWND previousActive = ::GetActiveWindow();
        HWND previousFocus = ::GetFocus();
        gCustomizingForm->Show();
        if (previousActive != nullptr && ::IsWindow(previousActive)) ::SetActiveWindow(previousActive);
        if (previousFocus != nullptr && ::IsWindow(previousFocus)) ::SetFocus(previousFocus);
        return;
    }
    if (gCustomizingForm != nullptr && !gFreeingForm) {
        gFreeingForm = true;
        TovBarCustomCustomizationForm* form = gCustomizingForm;
        try {
            form->Free();
        } catch (...) {
            gFreeingForm = false;
            throw;
        }
        gFreeingForm = false;
    }
    // The sub-menu editor edits menus only while the Customize window is open.
    ovFreeSubMenuEditor();
    ABarManager->OnHideCustomizingForm(ABarManager);
    RepaintOtherManagersBars(ABarManager);
    ABarManager->RestoreBarsAfterCustomizing();
}

void RefreshBarCustomizingFormStyle() {
    if (gCustomizingForm != nullptr) gCustomizingForm->ApplyBarManagerStyle();
}

void RefreshBarCustomizingFormHelpButton() {
    if (gCustomizingForm != nullptr) gCustomizingForm->UpdateHelpButton();
}

void RefreshBarCustomizingFormOptions() {
    if (gCustomizingForm != nullptr) gCustomizingForm->UpdateOptions();
}

void AssignBarManagerFont(TCustomForm* AForm, TovBarManager* ABarManager) {
    if (AForm == nullptr || ABarManager == nullptr) return;
    AForm->Font()->SetName(ABarManager->Font()->Name());
    AForm->Font()->SetCharset(ABarManager->Font()->Charset());
}

// ---- Construction

TovBarCustomCustomizationForm::TovBarCustomCustomizationForm(TovBarManager* ABarManager)
    : TForm(nullptr), FBarManager(ABarManager) {
    SetBorderStyle(bsSizeable);
}

TovBarCustomCustomizationForm::~TovBarCustomCustomizationForm() {
    // A form deleted without its end (Free runs it) must not leave its handlers behind.
    RestoreEventHandlers();
    if (gCustomizingForm == this) gCustomizingForm = nullptr;
    FItemsListHelper.reset();
    FCategoriesListHelper.reset();
    FBarsListHelper.reset();
    if (FSelectionController != nullptr && FBarManager->Designer() == FSelectionController.get())
        FBarManager->SetDesigner(nullptr);
}

void TovBarCustomCustomizationForm::AfterConstruction() {
    FBarsListHelper = std::make_unique<TovBarCustomizationFormBarListHelper>(this, GetBarsListBox());
    FCategoriesListHelper =
        std::make_unique<TovBarCustomizationFormCategoryListHelper>(this, GetCategoriesListBox());
    FItemsListHelper = std::make_unique<TovBarCustomizationFormItemsListHelper>(this, GetItemsListBox());
    AssignBarManagerFont(this, FBarManager);
    FBarManager->DesignerGetSelection(FSavedSelection);
    Constraints()->SetMinHeight(Height());
    SetCaption(uiGetResourceString(ovSBAR_CAPTION));
    aNewToolBar->SetCaption(uiGetResourceString(ovSBAR_TNEW));
    aRenameToolBar->SetCaption(uiGetResourceString(ovSBAR_TRENAME));
    aDeleteToolBar->SetCaption(uiGetResourceString(ovSBAR_TDELETE));
    aResetToolBar->SetCaption(uiGetResourceString(ovSBAR_TRESET));
    if (!IsDesigning()) {
        FSelectionController = std::make_unique<TovBarRunTimeSelectionController>();
        FSelectionController->OnSelectionChanged = [this](TObject*) { SynchronizeListsWithSelection(); };
        FBarManager->SetDesigner(FSelectionController.get());
        if (FBarManager->Bars()->Count() > 0)
            FBarManager->DesignerSelect(FBarManager->Bars()->GetItem(0), bsoExclusive);
    }
    FSavedBarsChange = FBarManager->Bars()->OnChange;
    FBarManager->Bars()->OnChange =
        TuiComponentCollectionChangeEvent(this, &TovBarCustomCustomizationForm::BarsChanged);
    FSavedItemsChange = FBarManager->ItemList()->OnComponentListChanged;
    FHandlersInstalled = true;
    FBarManager->ItemList()->OnComponentListChanged =
        TuiComponentListChangedEvent(this, &TovBarCustomCustomizationForm::ItemListChanged);
    InitializeControls();
    WatchListWheels();
    ApplyBarManagerStyle();
    TForm::AfterConstruction();
}

void TovBarCustomCustomizationForm::BarsChanged(TuiComponentCollection* ACollection,
                                                TuiComponentCollectionItem* AItem,
                                                TuiComponentCollectionNotification AAction) {
    FSavedBarsChange(ACollection, AItem, AAction);
    // A bar on its way out leaves the selection before anything can ask about it.
    if (AAction == ccnDeleting || AAction == ccnExtracting) {
        if (FSelectionController != nullptr) FSelectionController->Forget(AItem);
        TCustomListBox* bars = GetBarsListBox();
        const int entry = bars->Items()->IndexOfObject(AItem);
        if (entry >= 0) bars->Items()->Delete(entry);
        return;
    }
    TovBar* bar = dynamic_cast<TovBar*>(AItem);
    TCustomListBox* list = GetBarsListBox();
    const int index = bar != nullptr ? list->Items()->IndexOfObject(bar) : -1;
    // A changed bar already listed only gets its caption again; anything else refills the list.
    if (bar != nullptr && index >= 0 && AAction == ccnChanged)
        RefreshList(list, bar, index);
    else
        RefreshList(list);
}

void TovBarCustomCustomizationForm::ItemListChanged(TuiComponentList* AList, TComponent* AComponent,
                                                    TuiComponentCollectionNotification AAction) {
    FSavedItemsChange(AList, AComponent, AAction);
    if (AAction == ccnDeleting || AAction == ccnExtracting || AAction == ccnExtracted) {
        if (FSelectionController != nullptr) FSelectionController->Forget(AComponent);
        TCustomListBox* items = GetItemsListBox();
        const int entry = items->Items()->IndexOfObject(AComponent);
        if (entry >= 0) items->Items()->Delete(entry);
        return;
    }
    ItemsListChanged(dynamic_cast<TovBarItem*>(AComponent));
}

void TovBarCustomCustomizationForm::RestoreEventHandlers() {
    if (!FHandlersInstalled) return;
    FHandlersInstalled = false;
    if (FBarManager->Bars() != nullptr) FBarManager->Bars()->OnChange = FSavedBarsChange;
    if (FBarManager->ItemList() != nullptr)
        FBarManager->ItemList()->OnComponentListChanged = FSavedItemsChange;
    FSavedBarsChange = nullptr;
    FSavedItemsChange = nullptr;
}

void TovBarCustomCustomizationForm::ForgetSelected(TPersistent* AObject) {
    if (FSelectionController != nullptr) FSelectionController->Forget(AObject);
}

bool TovBarCustomCustomizationForm::IsDesigning() const {
    return FBarManager->IsDesigning();
}

bool TovBarCustomCustomizationForm::CanAddToOwner() const {
    TComponent* owner = FBarManager->Owner();
    if (owner == nullptr) return true;
    const auto state = owner->ComponentState();
    return !(state.Contains(csDesigning) && state.Contains(csInline));
}

// ---- Window

void TovBarCustomCustomizationForm::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    Params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    Params.WindowClassStyle |= CS_OWNDC | CS_SAVEBITS;
    if (TCustomForm* owner = CustomizedManagerForm(FBarManager)) Params.WndParent = owner->Handle();
}

void TovBarCustomCustomizationForm::WMNCHitTest(TMessage& Message) {
    // Only vertical resizing: the side borders act as client area, the corners as top or bottom.
    switch (Message.Result) {
    case HTLEFT:
    case HTRIGHT:
        Message.Result = HTCLIENT;
        break;
    case HTTOPLEFT:
    case HTTOPRIGHT:
        Message.Result = HTTOP;
        break;
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        Message.Result = HTBOTTOM;
        break;
    default:
        break;
    }
}

void TovBarCustomCustomizationForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_OVBAR_CF_REFRESHLATER: {
        // Later copies of the same request are dropped: one refill answers them all.
        MSG pending;
        while (::PeekMessage(&pending, Handle(), WM_OVBAR_CF_REFRESHLATER, WM_OVBAR_CF_REFRESHLATER,
                             PM_REMOVE)) {
        }
        if (auto* list = reinterpret_cast<TCustomListBox*>(Message.WParam)) RefreshList(list);
        return;
    }
    case WM_NCHITTEST:
        TForm::Dispatch(Message);
        WMNCHitTest(Message);
        return;
    case WM_MOUSEWHEEL:
        if (RedirectMouseWheel(Message)) return;
        TForm::Dispatch(Message);
        return;
    case WM_ACTIVATE:
        TForm::Dispatch(Message);
        ForwardActivation(Message);
        return;
    default:
        TForm::Dispatch(Message);
    }
}

void TovBarCustomCustomizationForm::DoShow() {
    DisableBarManagerWindows();
    if (TCustomForm* owner = CustomizedManagerForm(FBarManager);
        owner != nullptr && owner->HandleAllocated()) {
        RECT r{};
        ::GetWindowRect(owner->Handle(), &r);
        FOwnerPosition = POINT{r.left, r.top};
        FOwnerPositionKnown = true;
    }
    TForm::DoShow();
}

bool TovBarCustomCustomizationForm::RedirectMouseWheel(TMessage& Message) {
    const POINT cursor{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (!ScrollListUnderCursor(cursor, static_cast<SHORT>(HIWORD(Message.WParam)))) return false;
    Message.Result = 1;
    return true;
}

bool TovBarCustomCustomizationForm::ScrollListUnderCursor(POINT ACursor, int ADelta) {
    auto* list = dynamic_cast<TCustomListBox*>(FindControl(::WindowFromPoint(ACursor)));
    if (list == nullptr || list == ActiveControl() || list->GetParentForm() != this) return false;
    // The system's wheel-scroll line count, one line step each (up for a wheel turned away).
    const int rows = WheelScrollRows(ADelta);
    for (int i = 0; i < std::abs(rows); ++i)
        ::SendMessage(list->Handle(), WM_VSCROLL, rows > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    return true;
}

void TovBarCustomCustomizationForm::WatchListWheels() {
    // A list with the focus hears the wheel first: it hands it on when the cursor is over another list.
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomListBox*>(Components(i)); list != nullptr && !list->OnMouseWheel)
            list->OnMouseWheel = TMouseWheelEvent(
                [this](TObject*, TShiftState, int ADelta, POINT, bool& AHandled) {
                    if (!AHandled) AHandled = ScrollListUnderCursor(Mouse()->CursorPos(), ADelta);
                },
                this);
}

void TovBarCustomCustomizationForm::ForwardActivation(TMessage& Message) {
    if (LOWORD(Message.WParam) == WA_INACTIVE || FDestroying) return;
    // While the manager handles its owner's own activation, the owner is being activated already.
    if (TovBarOwnerMessages* owner = ovBarOwnerMessagesOf(FBarManager);
        owner != nullptr && (owner->State() & 0x20) != 0)
        return;
    TCustomForm* form = CustomizedManagerForm(FBarManager);
    if (form == nullptr || form == this || !form->HandleAllocated()) return;
    ::SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

void TovBarCustomCustomizationForm::FollowOwnerWindowPos(const WINDOWPOS& APos) {
    if (FDestroying || !HandleAllocated()) return;
    auto follow = [&APos](HWND AWnd) {
        if (AWnd == nullptr) return;
        if ((APos.flags & SWP_SHOWWINDOW) != 0)
            ::ShowWindow(AWnd, SW_SHOWNA);
        else if ((APos.flags & SWP_HIDEWINDOW) != 0)
            ::ShowWindow(AWnd, SW_HIDE);
    };
    follow(Handle());
    if (TovBarSubMenuEditor* editor = ActiveSubMenuEditor(); editor != nullptr && editor->HandleAllocated())
        follow(editor->Handle());
    if ((APos.flags & SWP_NOMOVE) != 0) return;
    // A moved owner takes this window (and the sub-menu editor) along by as much.
    const POINT now{APos.x, APos.y};
    if (FOwnerPositionKnown && (now.x != FOwnerPosition.x || now.y != FOwnerPosition.y)) {
        const int dx = now.x - FOwnerPosition.x, dy = now.y - FOwnerPosition.y;
        auto move = [dx, dy](HWND AWnd) {
            RECT r{};
            if (AWnd == nullptr || !::GetWindowRect(AWnd, &r)) return;
            ::SetWindowPos(AWnd, nullptr, r.left + dx, r.top + dy, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        };
        move(Handle());
        if (TovBarSubMenuEditor* editor = ActiveSubMenuEditor();
            editor != nullptr && editor->HandleAllocated())
            move(editor->Handle());
    }
    FOwnerPosition = now;
    FOwnerPositionKnown = true;
}

void TovBarCustomCustomizationForm::DoHide() {
    TForm::DoHide();
    EnableDisabledWindows();
}

void TovBarCustomCustomizationForm::DoClose(TCloseAction& Action) {
    TForm::DoClose(Action);
    Action = caFree;
}

void TovBarCustomCustomizationForm::DoDestroy() {
    FDestroying = true;
    if (gCustomizingForm == this) gCustomizingForm = nullptr;
    EnableDisabledWindows();
    RestoreEventHandlers();
    // Ending the customizing mode hides the form; ShowBarCustomizingForm finds it gone already.
    FBarManager->SetIsCustomizing(false);
    FBarManager->DesignerSetSelection(FSavedSelection);
    TForm::DoDestroy();
}

void TovBarCustomCustomizationForm::DisableBarManagerWindows() {
    TovBarManagerList* list = BarManagerList();
    if (list == nullptr) return;
    auto disable = [this](HWND AWindow) {
        if (AWindow == nullptr || (HandleAllocated() && AWindow == Handle()) || !::IsWindowEnabled(AWindow))
            return;
        if (std::find(FDisabledWindows.begin(), FDisabledWindows.end(), AWindow) != FDisabledWindows.end())
            return;
        ::EnableWindow(AWindow, FALSE);
        FDisabledWindows.push_back(AWindow);
    };
    // The customized manager's own form stays enabled: its docked toolbars take the drops of the
    // commands dragged from this window, and a disabled window passes no mouse input to its children.
    TCustomForm* ownForm = CustomizedManagerForm(FBarManager);
    for (int i = 0; i < list->Count(); ++i) {
        TovBarManager* manager = list->Managers(i);
        if (manager == FBarManager) continue;
        TCustomForm* form = CustomizedManagerForm(manager);
        if (form != nullptr && form != this && form != ownForm) disable(form->Handle());
        for (int j = 0; j < manager->Bars()->Count(); ++j) {
            TovBar* bar = manager->Bars()->GetItem(j);
            IovBarControl* control = bar->GetControl();
            if (control != nullptr && (bar->DockingStyle() == dsNone || control->DockingStyle() == dsNone))
                disable(control->Handle());
        }
    }
}

void TovBarCustomCustomizationForm::EnableDisabledWindows() {
    // Only windows that still exist; one freed meanwhile may have a new window under its handle.
    for (HWND window : FDisabledWindows)
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    FDisabledWindows.clear();
}

// ---- Help

void TovBarCustomCustomizationForm::HelpButtonClick() {
    if (IsDesigning()) return;
    TovBarManager* manager = FBarManager;
    manager->OnHelpButtonClick(manager);
    if (manager->HelpContext != 0) ovBarShowHelpContext(manager->HelpContext, nullptr);
}

TColor TovBarCustomCustomizationForm::GetItemsBackgroundColor() const {
    return FBarManager->GetEffectiveStyle() == bmsFlat ? clWindow : clBtnFace;
}

const TovBarCustomizationFormPainter* TovBarCustomCustomizationForm::GetPainterClass() const {
    return ovCustomizationFormPainterFor(FBarManager);
}

void TovBarCustomCustomizationForm::InitializeControls() {}

void TovBarCustomCustomizationForm::SetDescriptionText(const std::string&) {}

void TovBarCustomCustomizationForm::ApplyBarManagerStyle() {
    UpdateOptions();
    RefreshLists();
    for (TCustomListBox* list : {static_cast<TCustomListBox*>(GetBarsListBox()),
                                 static_cast<TCustomListBox*>(GetCategoriesListBox())}) {
        list->SetColor(clWindow);
        list->Font()->SetColor(clWindowText);
    }
    GetItemsListBox()->SetColor(GetItemsBackgroundColor());
}
