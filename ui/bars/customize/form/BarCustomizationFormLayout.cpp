// The concrete Customize window's controls: a 366 x 310 client area with the page control over a bottom
// panel that holds Close (bottom right) and the help button (bottom left).
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/SpeedButton.h"

#include <memory>
#include <vector>

namespace {

template <class T>
T* CfPut(TWinControl* AParent, TComponent* AOwner, int ALeft, int ATop, int AWidth, int AHeight) {
    auto* control = new T(AOwner);
    control->SetBounds(ALeft, ATop, AWidth, AHeight);
    control->SetParent(AParent);
    return control;
}

TLabel* CfPutLabel(TWinControl* AParent, TComponent* AOwner, int ALeft, int ATop,
                   const std::string& ACaption) {
    auto* label = CfPut<TLabel>(AParent, AOwner, ALeft, ATop, 0, 0);
    label->SetCaption(ACaption);
    label->SetAutoSize(true);
    return label;
}

TCheckBox* CfPutCheckBox(TWinControl* AParent, TComponent* AOwner, int ALeft, int ATop, int AWidth,
                         const std::string& ACaption) {
    auto* box = CfPut<TCheckBox>(AParent, AOwner, ALeft, ATop, AWidth, 17);
    box->SetCaption(ACaption);
    return box;
}

// A section label over a horizontal rule that runs from the label's right edge to the page's margin.
TBevel* CfPutRule(TWinControl* AParent, TComponent* AOwner, TLabel* ALabel, int ARight) {
    const int left = ALabel->Left() + ALabel->Width();
    auto* rule = CfPut<TBevel>(AParent, AOwner, left, ALabel->Top() + ALabel->Height() / 2, ARight - left, 2);
    rule->SetShape(bsTopLine);
    return rule;
}

TListBox* CfPutList(TWinControl* AParent, TComponent* AOwner, int ALeft, int ATop, int AWidth, int AHeight) {
    auto* list = CfPut<TListBox>(AParent, AOwner, ALeft, ATop, AWidth, AHeight);
    return list;
}

TAction* CfMakeAction(TActionList* AList, TComponent* AOwner, const std::string& ACaption, int ATag = 0) {
    auto* action = new TAction(AOwner);
    action->SetActionList(AList);
    action->SetCaption(ACaption);
    action->SetTag(ATag);
    return action;
}

// Page width inside the page control and the right margin the controls keep to.
constexpr int CfPageRight = 338;

// The little pictures of the group lists' tool buttons, drawn here: add (a plus), delete (a cross), and
// up and down (arrows). The bottom-left pixel is the transparent colour.
std::unique_ptr<TBitmap> CfGroupButtonGlyph(int AKind) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(16, 16);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, 16, 16});
    canvas->Brush()->SetColor(clBtnText);
    switch (AKind) {
    case 0: // add
        canvas->FillRect(RECT{7, 3, 9, 13});
        canvas->FillRect(RECT{3, 7, 13, 9});
        break;
    case 1: // delete
        for (int i = 0; i < 9; ++i) {
            canvas->FillRect(RECT{3 + i, 3 + i, 5 + i, 5 + i});
            canvas->FillRect(RECT{11 - i, 3 + i, 13 - i, 5 + i});
        }
        break;
    default: { // up (2) or down (3)
        const bool up = AKind == 2;
        canvas->Pen()->SetColor(clBtnText);
        const std::vector<POINT> arrow =
            up ? std::vector<POINT>{{8, 3}, {13, 8}, {3, 8}} : std::vector<POINT>{{8, 12}, {13, 7}, {3, 7}};
        canvas->Polygon(arrow);
        canvas->FillRect(up ? RECT{6, 8, 10, 13} : RECT{6, 3, 10, 8});
        break;
    }
    }
    return bitmap;
}
} // namespace

TovBarCustomizationForm::TovBarCustomizationForm(TovBarManager* ABarManager)
    : TovBarCustomCustomizationForm(ABarManager) {
    TComponentLoading loading(this);
    SetCaption("Customize");
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetClientSize(366, 310);
    // In the middle of the screen, clear of the toolbars along the main window's edges that the user
    // drags commands onto.
    SetPosition(poScreenCenter);
    alCustomize = new TActionList(this);
    aAddItem = CfMakeAction(alCustomize, this, "Add Item");
    aNewToolBar = CfMakeAction(alCustomize, this, "&New...");
    aRenameToolBar = CfMakeAction(alCustomize, this, "R&ename...");
    aDeleteToolBar = CfMakeAction(alCustomize, this, "&Delete");
    aResetToolBar = CfMakeAction(alCustomize, this, "&Reset...");
    aDeleteItem = CfMakeAction(alCustomize, this, "Delete Item");
    aMoveUpItem = CfMakeAction(alCustomize, this, "Move Up", 255);
    aMoveDownItem = CfMakeAction(alCustomize, this, "Move Down", 1);
    aSubMenuEditor = CfMakeAction(alCustomize, this, "SubMenu Editor...");
    aClearItemList = CfMakeAction(alCustomize, this, "Clear");
    aAddGroup = CfMakeAction(alCustomize, this, "Add Group");
    aAddGroup->SetHint("Add Group (Ins)");
    aDeleteGroup = CfMakeAction(alCustomize, this, "Delete Group");
    aDeleteGroup->SetHint("Delete Group (Del)");
    aMoveUpGroup = CfMakeAction(alCustomize, this, "Move Up", 255);
    aMoveDownGroup = CfMakeAction(alCustomize, this, "Move Down", 1);
    aAddGroupItem = CfMakeAction(alCustomize, this, "&Add...");
    aDeleteGroupItem = CfMakeAction(alCustomize, this, "Delete");
    aMoveUpGroupItem = CfMakeAction(alCustomize, this, "Move Up Item", 255);
    aMoveDownGroupItem = CfMakeAction(alCustomize, this, "Move Down Item", 1);

    BottomPanel = CfPut<TPanel>(this, this, 0, 270, 366, 40);
    BottomPanel->SetAlign(alBottom);
    BottomPanel->SetBevelOuter(bvNone);
    BClose = CfPut<TButton>(BottomPanel, this, 366 - 8 - 75, 8, 75, 25);
    BClose->SetCaption("Close");
    BClose->SetDefault(true);
    BClose->SetCancel(true);
    BClose->SetModalResult(1);
    BHelp = CfPut<TBitBtn>(BottomPanel, this, 8, 8, 25, 25);
    BHelp->SetVisible(false);

    PageControl = CfPut<TPageControl>(this, this, 6, 6, 354, 264);
    CreateToolbarsPage();
    CreateCommandsPage();
    CreateOptionsPage();
    CreateAllCommandsPage();
    CreateGroupsPage();
    PageControl->SetActivePage(tsToolbars);
    BindHandlers();
}

TovBarCustomizationForm::~TovBarCustomizationForm() = default;

void TovBarCustomizationForm::CreateToolbarsPage() {
    tsToolbars = new TTabSheet(this);
    tsToolbars->SetCaption(" Toolbars ");
    tsToolbars->SetPageControl(PageControl);
    LabelToobars = CfPutLabel(tsToolbars, this, 8, 8, "Toolb&ars:");
    lbBarsList = CfPutList(tsToolbars, this, 8, 26, 214, 204);
    lbBarsList->SetStyle(lbOwnerDrawFixed);
    LabelToobars->SetFocusControl(lbBarsList);
    const int left = 232;
    const int width = CfPageRight - left;
    BBarNew = CfPut<TButton>(tsToolbars, this, left, 26, width, 25);
    BBarNew->SetAction(aNewToolBar);
    BBarRename = CfPut<TButton>(tsToolbars, this, left, 58, width, 25);
    BBarRename->SetAction(aRenameToolBar);
    BBarDelete = CfPut<TButton>(tsToolbars, this, left, 90, width, 25);
    BBarDelete->SetAction(aDeleteToolBar);
    BBarReset = CfPut<TButton>(tsToolbars, this, left, 122, width, 25);
    BBarReset->SetAction(aResetToolBar);
}

void TovBarCustomizationForm::CreateCommandsPage() {
    tsItems = new TTabSheet(this);
    tsItems->SetCaption(" Commands ");
    tsItems->SetPageControl(PageControl);
    LabelCategories = CfPutLabel(tsItems, this, 8, 8, "Cate&gories:");
    CategoriesPopupButtonPlace = CfPut<TSpeedButton>(tsItems, this, 80, 4, 60, 20);
    lbCategories = CfPutList(tsItems, this, 8, 26, 112, 146);
    LabelCategories->SetFocusControl(lbCategories);
    LabelCommands = CfPutLabel(tsItems, this, 128, 8, "Comman&ds:");
    CommandsPopupButtonPlace = CfPut<TSpeedButton>(tsItems, this, 200, 4, 60, 20);
    lbItems = CfPutList(tsItems, this, 128, 26, CfPageRight - 128, 146);
    lbItems->SetStyle(lbOwnerDrawFixed);
    lbItems->SetItemHeight(22);
    lbItems->SetColor(clBtnFace);
    LabelCommands->SetFocusControl(lbItems);
    LabelDescription = CfPutLabel(tsItems, this, 8, 180, "Description  ");
    DescriptionBevel = CfPutRule(tsItems, this, LabelDescription, CfPageRight);
    DescriptionLabel = CfPut<TLabel>(tsItems, this, 8, 198, CfPageRight - 8, 32);
    DescriptionLabel->SetWordWrap(true);
    DescriptionLabel->SetShowAccelChar(false);
}

void TovBarCustomizationForm::CreateOptionsPage() {
    tsOptions = new TTabSheet(this);
    tsOptions->SetCaption(" Options ");
    tsOptions->SetPageControl(PageControl);

    StandardOptionsPanel = CfPut<TPanel>(tsOptions, this, 0, 0, 346, 236);
    StandardOptionsPanel->SetAlign(alClient);
    StandardOptionsPanel->SetBevelOuter(bvNone);
    LabelMenuAnimations = CfPutLabel(StandardOptionsPanel, this, 8, 12, "&Menu animations:");
    ComboBoxMenuAnimations = CfPut<TComboBox>(StandardOptionsPanel, this, 110, 8, 110, 21);
    ComboBoxMenuAnimations->SetStyle(csDropDownList);
    LabelMenuAnimations->SetFocusControl(ComboBoxMenuAnimations);
    CBHint1 = CfPutCheckBox(StandardOptionsPanel, this, 8, 42, 320, "Show Tool&Tips on toolbars");
    CBHint2 = CfPutCheckBox(StandardOptionsPanel, this, 24, 64, 304, "Show s&hortcut keys in ToolTips");
    CBLargeIcons = CfPutCheckBox(StandardOptionsPanel, this, 8, 86, 320, "&Large icons");

    EnhancedOptionsPanel = CfPut<TPanel>(tsOptions, this, 0, 0, 346, 236);
    EnhancedOptionsPanel->SetAlign(alClient);
    EnhancedOptionsPanel->SetBevelOuter(bvNone);
    Label3 = CfPutLabel(EnhancedOptionsPanel, this, 8, 8, "Personalized Menus and Toolbars  ");
    Bevel3 = CfPutRule(EnhancedOptionsPanel, this, Label3, CfPageRight);
    CBMenusShowRecentItemsFirst =
        CfPutCheckBox(EnhancedOptionsPanel, this, 16, 28, 312, "Me&nus show recently used commands first");
    CBShowFullMenusAfterDelay =
        CfPutCheckBox(EnhancedOptionsPanel, this, 32, 50, 296, "Show f&ull menus after a short delay");
    BResetUsageData = CfPut<TButton>(EnhancedOptionsPanel, this, 16, 74, 130, 25);
    BResetUsageData->SetCaption("&Reset my usage data");
    Label2 = CfPutLabel(EnhancedOptionsPanel, this, 8, 110, "Other  ");
    Bevel2 = CfPutRule(EnhancedOptionsPanel, this, Label2, CfPageRight);
    CBLargeIconsEx = CfPutCheckBox(EnhancedOptionsPanel, this, 16, 130, 312, "&Large icons");
    CBHint1Ex = CfPutCheckBox(EnhancedOptionsPanel, this, 16, 152, 312, "Show Tool&Tips on toolbars");
    CBHint2Ex = CfPutCheckBox(EnhancedOptionsPanel, this, 32, 174, 296, "Show s&hortcut keys in ToolTips");
    Label1 = CfPutLabel(EnhancedOptionsPanel, this, 16, 202, "&Menu animations:");
    ComboBoxMenuAnimationsEx = CfPut<TComboBox>(EnhancedOptionsPanel, this, 118, 198, 110, 21);
    ComboBoxMenuAnimationsEx->SetStyle(csDropDownList);
    Label1->SetFocusControl(ComboBoxMenuAnimationsEx);
}

void TovBarCustomizationForm::CreateAllCommandsPage() {
    tsCommands = new TTabSheet(this);
    tsCommands->SetCaption(" All commands ");
    tsCommands->SetPageControl(PageControl);
    LAllCommands = CfPutList(tsCommands, this, 8, 8, CfPageRight - 8, 196);
    LAllCommands->SetStyle(lbOwnerDrawFixed);
    LAllCommands->SetMultiSelect(true);
    LAllCommands->SetItemHeight(16);
    CBShowCommandsWithShortCut =
        CfPutCheckBox(tsCommands, this, 8, 212, CfPageRight - 8, "Show commands that may have a shortcut");
    CBShowCommandsWithShortCut->SetChecked(true);
}

void TovBarCustomizationForm::CreateGroupsPage() {
    tsGroups = new TTabSheet(this);
    tsGroups->SetCaption("Groups");
    tsGroups->SetPageControl(PageControl);
    const int half = (CfPageRight - 8 - 8) / 2;
    auto makeToolBar = [this](int ALeft, TAction* const(&AActions)[4], TSpeedButton*(&AButtons)[4]) {
        auto* bar = CfPut<TPanel>(tsGroups, this, ALeft, 8, 4 * 24, 24);
        bar->SetBevelOuter(bvNone);
        for (int i = 0; i < 4; ++i) {
            AButtons[i] = CfPut<TSpeedButton>(bar, this, i * 24, 0, 24, 24);
            AButtons[i]->SetFlat(true);
            AButtons[i]->SetAction(AActions[i]);
            // A picture instead of the action's caption, which names the button in its hint.
            AButtons[i]->SetCaption("");
            AButtons[i]->SetShowHint(true);
            AButtons[i]->SetGlyph(CfGroupButtonGlyph(i).get());
        }
        return bar;
    };
    TAction* const groupActions[4] = {aAddGroup, aDeleteGroup, aMoveUpGroup, aMoveDownGroup};
    TSpeedButton* groupButtons[4] = {};
    GroupsToolBar = makeToolBar(8, groupActions, groupButtons);
    tbAddGroup = groupButtons[0];
    tbDeleteGroup = groupButtons[1];
    tbMoveUpGroup = groupButtons[2];
    tbMoveDownGroup = groupButtons[3];
    TAction* const itemActions[4] = {aAddGroupItem, aDeleteGroupItem, aMoveUpGroupItem, aMoveDownGroupItem};
    TSpeedButton* itemButtons[4] = {};
    GroupItemsToolBar = makeToolBar(8 + half + 8, itemActions, itemButtons);
    tbAddGroupItem = itemButtons[0];
    tbDeleteGroupItem = itemButtons[1];
    tbMoveUpGroupItem = itemButtons[2];
    tbMoveDownGroupItem = itemButtons[3];
    lbGroups = CfPutList(tsGroups, this, 8, 36, half, 194);
    lbGroups->SetStyle(lbOwnerDrawVariable);
    lbGroups->SetMultiSelect(true);
    lbGroupItems = CfPutList(tsGroups, this, 8 + half + 8, 36, half, 194);
    lbGroupItems->SetStyle(lbOwnerDrawVariable);
    lbGroupItems->SetMultiSelect(true);
}

void TovBarCustomizationForm::BindHandlers() {
    aNewToolBar->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aNewToolBarExecute));
    aRenameToolBar->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aRenameToolBarExecute));
    aDeleteToolBar->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aDeleteToolBarExecute));
    aResetToolBar->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aResetToolBarExecute));
    aAddItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aAddItemExecute));
    aDeleteItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aDeleteItemExecute));
    aMoveUpItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveItemExecute));
    aMoveDownItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveItemExecute));
    aSubMenuEditor->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aSubMenuEditorExecute));
    aClearItemList->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aClearItemListExecute));
    BClose->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::BCloseClick);
    BHelp->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::BHelpClick);
    lbItems->OnDrawItem = TDrawItemEvent(this, &TovBarCustomizationForm::lbItemsDrawItem);

    CBLargeIcons->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBLargeIconsClick);
    CBLargeIconsEx->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBLargeIconsClick);
    CBHint1->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBHint1Click);
    CBHint1Ex->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBHint1ExClick);
    CBHint2->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBHint2Click);
    CBHint2Ex->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::CBHint2Click);
    ComboBoxMenuAnimations->OnChange =
        TNotifyEvent(this, &TovBarCustomizationForm::ComboBoxMenuAnimationsClick);
    ComboBoxMenuAnimationsEx->OnChange =
        TNotifyEvent(this, &TovBarCustomizationForm::ComboBoxMenuAnimationsClick);
    CBMenusShowRecentItemsFirst->OnClick =
        TNotifyEvent(this, &TovBarCustomizationForm::CBMenusShowRecentItemsFirstClick);
    CBShowFullMenusAfterDelay->OnClick =
        TNotifyEvent(this, &TovBarCustomizationForm::CBShowFullMenusAfterDelayClick);
    BResetUsageData->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::BResetUsageDataClick);
    LAllCommands->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::LAllCommandsClick);
    LAllCommands->OnDrawItem = TDrawItemEvent(this, &TovBarCustomizationForm::LAllCommandsDrawItem);
    LAllCommands->OnKeyDown = TKeyEvent(this, &TovBarCustomizationForm::LAllCommandsKeyDown);
    CBShowCommandsWithShortCut->OnClick =
        TNotifyEvent(this, &TovBarCustomizationForm::CBShowCommandsWithShortCutClick);
    lbGroups->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::lbGroupsClick);
    lbGroups->OnDrawItem = TDrawItemEvent(this, &TovBarCustomizationForm::lbGroupsDrawItem);
    lbGroups->OnKeyDown = TKeyEvent(this, &TovBarCustomizationForm::lbGroupsKeyDown);
    lbGroupItems->OnClick = TNotifyEvent(this, &TovBarCustomizationForm::lbGroupItemsClick);
    lbGroupItems->OnDrawItem = TDrawItemEvent(this, &TovBarCustomizationForm::lbGroupItemsDrawItem);
    lbGroupItems->OnKeyDown = TKeyEvent(this, &TovBarCustomizationForm::lbGroupItemsKeyDown);
    aAddGroup->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aAddGroupExecute));
    aDeleteGroup->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aDeleteGroupExecute));
    aMoveUpGroup->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveGroupExecute));
    aMoveDownGroup->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveGroupExecute));
    aAddGroupItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aAddGroupItemExecute));
    aDeleteGroupItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aDeleteGroupItemExecute));
    aMoveUpGroupItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveGroupItemExecute));
    aMoveDownGroupItem->SetOnExecute(TNotifyEvent(this, &TovBarCustomizationForm::aMoveGroupItemExecute));
}
