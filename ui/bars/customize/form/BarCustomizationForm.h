// The "Customize" window a bar manager opens while the user rearranges its toolbars and commands. It
// never owns model objects: every button acts on the manager's bars, categories, items and groups and
// then refreshes its lists from the model. Two levels: TovBarCustomCustomizationForm holds the behaviour
// that does not depend on the concrete controls (it reaches its three main lists through virtual
// operations), TovBarCustomizationForm is the concrete window with its pages. At most one exists in the
// process (BarCustomizingForm()).
//
// The lists are kept in step with the model through four private messages sent to the list boxes (the
// list helpers answer them) and to the form:
//   WM_OVBAR_CF_REFILL         wParam 0: clear and refill the list; otherwise wParam is a model object and
//                              lParam its index, and only that entry's text is replaced;
//   WM_OVBAR_CF_TAKESELECTION  select exactly the objects the designer reports as selected;
//   WM_OVBAR_CF_UPDATEACTIONS  recompute the enabled states of the list's actions;
//   WM_OVBAR_CF_REFRESHLATER   posted to the form with the list box in wParam: the list is refilled
//                              once, however many copies were queued.
#pragma once

#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"
#include "ui/core/base/ComponentList.h"

#include <memory>
#include <string>
#include <vector>

class TAction;
class TActionList;
class TBevel;
class TBitBtn;
class TButton;
class TCheckBox;
class TComboBox;
class TImageList;
class TLabel;
class TPageControl;
class TPanel;
class TSpeedButton;
class TTabSheet;
class TovBar;
class TovBarButton;
class TovBarCombo;
class TovBarComponent;
class TCheckableButton;
class TovBarCustomizationFormBarListHelper;
class TovBarCustomizationFormCategoryListHelper;
class TovBarCustomizationFormItemsListHelper;
class TovBarCustomizationFormPainter;
class TovBarGroup;
class TovBarItem;
class TovBarItemLink;
class TovBarManager;
class TovBarPopupMenu;
class TovBarRunTimeSelectionController;
struct WINDOWPOS;

constexpr UINT WM_OVBAR_CF_REFILL = 0x80C9;        // WM_APP + 201
constexpr UINT WM_OVBAR_CF_TAKESELECTION = 0x80CA; // WM_APP + 202
constexpr UINT WM_OVBAR_CF_UPDATEACTIONS = 0x80CB; // WM_APP + 203
constexpr UINT WM_OVBAR_CF_REFRESHLATER = 0x80CC;  // WM_APP + 204

class TovBarCustomCustomizationForm : public TForm {
public:
    // Builds nothing of the manager's yet: the concrete form makes its controls in its constructor, and
    // AfterConstruction (TCustomForm::New calls it) then binds the form to the manager.
    explicit TovBarCustomCustomizationForm(TovBarManager* ABarManager);
    ~TovBarCustomCustomizationForm() override;
    void AfterConstruction() override;

    TovBarManager* BarManager() const { return FBarManager; }

    // ---- Virtual operations, in the order the window class adds them
    virtual void HelpButtonClick();
    // clWindow in the flat look, else clBtnFace.
    virtual TColor GetItemsBackgroundColor() const;
    virtual TovBar* GetBarFromList(int AIndex) const;
    virtual TListBox* GetBarsListBox() const = 0;
    virtual TListBox* GetCategoriesListBox() const = 0;
    virtual TListBox* GetItemsListBox() const = 0;
    // The customization-form painter the commands list draws with (by the manager's bar painter).
    virtual const TovBarCustomizationFormPainter* GetPainterClass() const;
    // The manager's item list changed (AItem null: anything); the items list follows.
    virtual void ItemsListChanged(TovBarItem* AItem);
    virtual void RefreshLists() = 0;
    virtual void InitializeControls();
    virtual void RestoreEventHandlers();
    virtual void SetDescriptionText(const std::string& AText);
    virtual void ApplyBarManagerStyle();
    virtual void SynchronizeListsWithSelection() = 0;
    virtual void SetActivePageIndex(int AIndex) = 0;
    virtual void ShowCommandsPage() = 0;
    virtual void UpdateHelpButton() = 0;
    virtual void UpdateOptions() = 0;

    // ---- Following the customized window
    // The owner window (or the application's main form) moved, was shown or hidden: the form (and the
    // sub-menu editor) keep their place beside it, and show and hide with it, never taking the activation.
    void FollowOwnerWindowPos(const WINDOWPOS& APos);

    // ---- Keeping lists and selection in step
    // Refreshes a list: with an object only that entry's text (at AIndex) is replaced, otherwise the list
    // is refilled and takes the designer selection. Skipped while the manager is being destroyed.
    void RefreshList(TCustomListBox* AList, TObject* AObject = nullptr, int AIndex = -1);
    // Posts a refresh of the list to the form; queued copies collapse into one.
    void RefreshListLater(TCustomListBox* AList);
    // The list's selected objects become the designer selection (the manager itself when none).
    void PushSelection(TCustomListBox* AList);
    // The list pushing its selection right now (its own take-selection message is ignored meanwhile).
    TCustomListBox* PushingList() const { return FPushingList; }
    // Selects in the list exactly the objects the designer reports as selected.
    void TakeDesignerSelection(TCustomListBox* AList);
    // The objects of the selected entries of a list, in list order.
    static std::vector<TObject*> SelectedObjects(TCustomListBox* AList);

    // The bars list's check box: shows or hides the bar of the entry when it may be closed, else beeps.
    void ToggleBarVisible(int AIndex);
    // Whether the bar may be hidden from the list (AllowClose, not the main menu, its window allows it).
    static bool BarCanBeClosed(TovBar* ABar);
    // The selected category's index in the manager's categories, -1 when none.
    int SelectedCategory() const;
    // The items the commands list shows for a category of the manager.
    void GetCategoryItems(int ACategory, std::vector<TovBarItem*>& AList) const;
    // Selects the category's entry in the categories list (when listed) and refills the commands list.
    void SelectCategoryEntry(int ACategory);
    // More than one category, one selected, and each of its items may be deleted.
    bool CanDeleteSelectedCategory() const;
    // Recomputes the enabled states of the toolbar actions and of the item actions.
    void UpdateToolbarActions();
    void UpdateItemActions();

    // ---- Handlers (as the form binds them)
    void aNewToolBarExecute(TObject* Sender);
    void aRenameToolBarExecute(TObject* Sender);
    void aDeleteToolBarExecute(TObject* Sender);
    void aResetToolBarExecute(TObject* Sender);
    void aAddItemExecute(TObject* Sender);
    void aDeleteItemExecute(TObject* Sender);
    void aSubMenuEditorExecute(TObject* Sender);
    void aClearItemListExecute(TObject* Sender);
    void aMoveItemExecute(TObject* Sender);
    void CategoriesAddClick(TObject* Sender);
    void CategoriesInsertClick(TObject* Sender);
    void CategoriesRenameClick(TObject* Sender);
    void CategoriesVisibleClick(TObject* Sender);
    void CategoriesItemsVisibleChange(TObject* Sender);
    void CategoriesDeleteClick(TObject* Sender);
    void CategoriesPopupMenuPopup(TObject* Sender);
    void CommandsPopupMenuPopup(TObject* Sender);
    void CommandsAddClick(TObject* Sender);
    void CommandsDeleteClick(TObject* Sender);
    void CommandsClearClick(TObject* Sender);
    void CommandsMoveUpClick(TObject* Sender);
    void CommandsMoveDownClick(TObject* Sender);
    void CommandsSubMenuEditorClick(TObject* Sender);
    // The design-time context menus of the categories and commands lists, made with the form's own bar
    // manager (BarManager1) the first time one is asked for; each opens at the cursor.
    void CreateContextMenus();
    void PopupCategoriesMenu();
    void PopupCommandsMenu();

    // ---- Components every customization form has
    TActionList* alCustomize = nullptr;
    TImageList* imgGroups = nullptr;
    TAction* aAddItem = nullptr;
    TAction* aNewToolBar = nullptr;
    TAction* aRenameToolBar = nullptr;
    TAction* aDeleteToolBar = nullptr;
    TAction* aResetToolBar = nullptr;
    TAction* aDeleteItem = nullptr;
    TAction* aMoveUpItem = nullptr;   // Tag 255: up
    TAction* aMoveDownItem = nullptr; // Tag 1: down
    TAction* aSubMenuEditor = nullptr;
    TAction* aClearItemList = nullptr;
    // The form's own bar manager with the items of the two context menus; made at design time only,
    // where those menus are reached.
    TovBarManager* BarManager1 = nullptr;
    TovBarButton* CategoriesAdd = nullptr;
    TovBarButton* CategoriesInsert = nullptr;
    TovBarButton* CategoriesRename = nullptr;
    TovBarButton* CategoriesVisible = nullptr;
    TovBarCombo* CategoriesItemsVisible = nullptr;
    TovBarButton* CategoriesDelete = nullptr;
    TovBarButton* CommandsAdd = nullptr;
    TovBarButton* CommandsDelete = nullptr;
    TovBarButton* CommandsClear = nullptr;
    TovBarButton* CommandsMoveUp = nullptr;
    TovBarButton* CommandsMoveDown = nullptr;
    TovBarButton* CommandsSubMenuEditor = nullptr;
    TovBarPopupMenu* CategoriesPopupMenu = nullptr;
    TovBarPopupMenu* CommandsPopupMenu = nullptr;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void DoShow() override;
    void DoHide() override;
    void DoClose(TCloseAction& Action) override;
    void DoDestroy() override;
    // The toolbar actions and the item actions answer New/Add only outside a designed embedded frame.
    bool CanAddToOwner() const;
    bool IsDesigning() const;
    // An object the form is about to free leaves the run-time selection first.
    void ForgetSelected(TPersistent* AObject);
    // Frees the objects last first inside one update of AList (the manager's toolbars or item list),
    // each leaving the run-time selection first.
    template <class TList, class T> void FreeLastFirst(TList* AList, const std::vector<T*>& AObjects) {
        AList->BeginUpdate();
        try {
            for (auto it = AObjects.rbegin(); it != AObjects.rend(); ++it) {
                ForgetSelected(*it);
                delete *it;
            }
        } catch (...) {
            AList->EndUpdate();
            throw;
        }
        AList->EndUpdate();
    }
    void DisableBarManagerWindows();
    void EnableDisabledWindows();

private:
    void BarsChanged(TuiComponentCollection* ACollection, TuiComponentCollectionItem* AItem,
                     TuiComponentCollectionNotification AAction);
    void ItemListChanged(TuiComponentList* AList, TComponent* AComponent,
                         TuiComponentCollectionNotification AAction);
    void WMNCHitTest(TMessage& Message);
    // The wheel over a list that is not the active control scrolls that list.
    bool RedirectMouseWheel(TMessage& Message);
    bool ScrollListUnderCursor(POINT ACursor, int ADelta);
    void WatchListWheels();
    // The customized manager's form keeps its active caption while this window is active.
    void ForwardActivation(TMessage& Message);

    TovBarManager* FBarManager = nullptr;
    std::unique_ptr<TovBarCustomizationFormBarListHelper> FBarsListHelper;
    std::unique_ptr<TovBarCustomizationFormCategoryListHelper> FCategoriesListHelper;
    std::unique_ptr<TovBarCustomizationFormItemsListHelper> FItemsListHelper;
    std::unique_ptr<TovBarRunTimeSelectionController> FSelectionController;
    std::vector<TPersistent*> FSavedSelection;
    // The change handlers of the manager's toolbar collection and item list this form displaced.
    TuiComponentCollectionChangeEvent FSavedBarsChange;
    TuiComponentListChangedEvent FSavedItemsChange;
    TCustomListBox* FPushingList = nullptr;
    std::vector<HWND> FDisabledWindows;
    // Where the owner window was when last seen (the form moves by as much as the owner does).
    POINT FOwnerPosition{0, 0};
    bool FOwnerPositionKnown = false;
    bool FDestroying = false;
    bool FHandlersInstalled = false;
};

class TovBarCustomizationForm : public TovBarCustomCustomizationForm {
public:
    explicit TovBarCustomizationForm(TovBarManager* ABarManager);
    ~TovBarCustomizationForm() override;

    TListBox* GetBarsListBox() const override { return lbBarsList; }
    TListBox* GetCategoriesListBox() const override { return lbCategories; }
    TListBox* GetItemsListBox() const override { return lbItems; }
    void ItemsListChanged(TovBarItem* AItem) override;
    void RefreshLists() override;
    void InitializeControls() override;
    TCheckableButton* ReplacePlaceholder(TSpeedButton* APlace, TLabel* ALabel, TovBarPopupMenu* AMenu);
    void SetDescriptionText(const std::string& AText) override;
    void SynchronizeListsWithSelection() override;
    void SetActivePageIndex(int AIndex) override;
    void ShowCommandsPage() override;
    void UpdateHelpButton() override;
    // Sets the option controls from the manager (Options page).
    void UpdateOptions() override;

    // ---- Handlers of the window and of the Toolbars and Commands pages
    void BCloseClick(TObject* Sender);
    void BHelpClick(TObject* Sender);
    void lbItemsDrawItem(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);

    // ---- Handlers of the Options, All commands and Groups pages
    void CBLargeIconsClick(TObject* Sender);
    void CBHint1Click(TObject* Sender);
    void CBHint1ExClick(TObject* Sender);
    void CBHint2Click(TObject* Sender);
    void ComboBoxMenuAnimationsClick(TObject* Sender);
    void CBMenusShowRecentItemsFirstClick(TObject* Sender);
    void CBShowFullMenusAfterDelayClick(TObject* Sender);
    void BResetUsageDataClick(TObject* Sender);
    void LAllCommandsClick(TObject* Sender);
    void LAllCommandsDrawItem(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);
    void LAllCommandsKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void CBShowCommandsWithShortCutClick(TObject* Sender);
    void lbGroupsClick(TObject* Sender);
    void lbGroupsDrawItem(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);
    void lbGroupsKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    // Also measures the entries of lbGroupItems.
    void lbGroupsMeasureItem(TWinControl* Control, int Index, int& Height);
    void lbGroupItemsClick(TObject* Sender);
    void lbGroupItemsDrawItem(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);
    void lbGroupItemsKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void aAddGroupExecute(TObject* Sender);
    void aDeleteGroupExecute(TObject* Sender);
    void aMoveGroupExecute(TObject* Sender);
    void aAddGroupItemExecute(TObject* Sender);
    void aDeleteGroupItemExecute(TObject* Sender);
    void aMoveGroupItemExecute(TObject* Sender);
    // The parts of InitializeControls that belong to those three pages (texts, visibility, wrapped
    // list windows, chained events), and the undoing of what they chained when the form ends.
    void InitializeOptionsPage();
    void InitializeAllCommandsPage();
    void InitializeGroupsPage();
    void FinalizePages();

    // ---- The window's controls
    TPanel* BottomPanel = nullptr;
    TButton* BClose = nullptr;
    TBitBtn* BHelp = nullptr;
    TPageControl* PageControl = nullptr;

    // Toolbars page
    TTabSheet* tsToolbars = nullptr;
    TLabel* LabelToobars = nullptr;
    TListBox* lbBarsList = nullptr;
    TButton* BBarNew = nullptr;
    TButton* BBarRename = nullptr;
    TButton* BBarDelete = nullptr;
    TButton* BBarReset = nullptr;

    // Commands page
    TTabSheet* tsItems = nullptr;
    TLabel* LabelCategories = nullptr;
    TLabel* LabelCommands = nullptr;
    TListBox* lbCategories = nullptr;
    TListBox* lbItems = nullptr;
    TLabel* LabelDescription = nullptr;
    TBevel* DescriptionBevel = nullptr;
    TLabel* DescriptionLabel = nullptr;
    // Placeholders of the design-time context-menu buttons (removed at run time).
    TSpeedButton* CategoriesPopupButtonPlace = nullptr;
    TSpeedButton* CommandsPopupButtonPlace = nullptr;
    // At design time the placeholders' buttons: "... modify", dropping the lists' context menus.
    TCheckableButton* CategoriesPopupButton = nullptr;
    TCheckableButton* CommandsPopupButton = nullptr;

    // Options page
    TTabSheet* tsOptions = nullptr;
    TPanel* StandardOptionsPanel = nullptr;
    TLabel* LabelMenuAnimations = nullptr;
    TComboBox* ComboBoxMenuAnimations = nullptr;
    TCheckBox* CBHint1 = nullptr;
    TCheckBox* CBHint2 = nullptr;
    TCheckBox* CBLargeIcons = nullptr;
    TPanel* EnhancedOptionsPanel = nullptr;
    TLabel* Label3 = nullptr;
    TBevel* Bevel3 = nullptr;
    TCheckBox* CBMenusShowRecentItemsFirst = nullptr;
    TCheckBox* CBShowFullMenusAfterDelay = nullptr;
    TButton* BResetUsageData = nullptr;
    TLabel* Label2 = nullptr;
    TBevel* Bevel2 = nullptr;
    TCheckBox* CBLargeIconsEx = nullptr;
    TCheckBox* CBHint1Ex = nullptr;
    TCheckBox* CBHint2Ex = nullptr;
    TLabel* Label1 = nullptr;
    TComboBox* ComboBoxMenuAnimationsEx = nullptr;

    // All commands page (design time)
    TTabSheet* tsCommands = nullptr;
    TListBox* LAllCommands = nullptr;
    TCheckBox* CBShowCommandsWithShortCut = nullptr;

    // Groups page (design time)
    TTabSheet* tsGroups = nullptr;
    TListBox* lbGroups = nullptr;
    TListBox* lbGroupItems = nullptr;
    TPanel* GroupsToolBar = nullptr;
    TSpeedButton* tbAddGroup = nullptr;
    TSpeedButton* tbDeleteGroup = nullptr;
    TSpeedButton* tbMoveUpGroup = nullptr;
    TSpeedButton* tbMoveDownGroup = nullptr;
    TPanel* GroupItemsToolBar = nullptr;
    TSpeedButton* tbAddGroupItem = nullptr;
    TSpeedButton* tbDeleteGroupItem = nullptr;
    TSpeedButton* tbMoveUpGroupItem = nullptr;
    TSpeedButton* tbMoveDownGroupItem = nullptr;
    TAction* aAddGroup = nullptr;
    TAction* aDeleteGroup = nullptr;
    TAction* aMoveUpGroup = nullptr;   // Tag 255
    TAction* aMoveDownGroup = nullptr; // Tag 1
    TAction* aAddGroupItem = nullptr;
    TAction* aDeleteGroupItem = nullptr;
    TAction* aMoveUpGroupItem = nullptr;   // Tag 255
    TAction* aMoveDownGroupItem = nullptr; // Tag 1

    // ---- State of the Options, All commands and Groups pages
    std::vector<TovBarComponent*> FSelectedGroupItems;
    int FAllCommandsColumnWidths[4] = {}; // name, caption, link count, shortcut
    TuiComponentListChangedEvent FSavedGroupsChange;
    TControl::TWndMethod FPrevAllCommandsWndProc;
    TControl::TWndMethod FPrevGroupsWndProc;
    TControl::TWndMethod FPrevGroupItemsWndProc;
    // Calls FinalizePages when the form goes, before the lists and the manager's events it chained could
    // reach a half-destroyed form (declared last: the first member to go).
    struct TPagesFinalizer {
        TovBarCustomizationForm* Form = nullptr;
        ~TPagesFinalizer();
    };

private:
    void CreateToolbarsPage();
    void CreateCommandsPage();
    void CreateOptionsPage();
    void CreateAllCommandsPage();
    void CreateGroupsPage();
    void BindHandlers();

    TPagesFinalizer FPagesFinalizer;
};

// Makes the customization form for a manager; ovBarCustomizationFormClass chooses which.
using TovBarCustomizationFormMaker = TovBarCustomCustomizationForm* (*)(TovBarManager* ABarManager);
// The form class the manager opens (TovBarCustomizationForm unless replaced).
TovBarCustomizationFormMaker& ovBarCustomizationFormClass();

// Opens the form for the manager (nothing while one is open) or closes it.
void ShowBarCustomizingForm(TovBarManager* ABarManager, bool AShow);
// The open form, or null.
TovBarCustomCustomizationForm* BarCustomizingForm();
bool IsBarCustomizingFormShown();
// The manager's style, help button or options changed: the open form follows.
void RefreshBarCustomizingFormStyle();
void RefreshBarCustomizingFormHelpButton();
void RefreshBarCustomizingFormOptions();
// The manager font's name and character set given to a form (this form and the editor dialogs).
void AssignBarManagerFont(TCustomForm* AForm, TovBarManager* ABarManager);
