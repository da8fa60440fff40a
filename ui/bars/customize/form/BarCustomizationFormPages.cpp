// The concrete Customize window's pages: texts and visibility, the active page, the help button and the
// drawing of the commands list.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/customize/form/CheckableButton.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/popupmenus/PopupMenu.h"

#include <algorithm>

namespace {

// The caption's width without its accelerator mark.
int CaptionTextWidth(TCanvas* ACanvas, std::string ACaption) {
    if (auto amp = ACaption.find('&'); amp != std::string::npos) ACaption.erase(amp, 1);
    return ACanvas->TextWidth(ACaption);
}

} // namespace

// A "... modify" button in a placeholder's stead, 5 pixels right of its label, dropping AMenu.
TCheckableButton* TovBarCustomizationForm::ReplacePlaceholder(TSpeedButton* APlace, TLabel* ALabel,
                                                              TovBarPopupMenu* AMenu) {
    auto* button = new TCheckableButton(this);
    button->SetParent(APlace->Parent());
    button->SetCaption(uiGetResourceString(ovSBAR_MODIFY));
    const int width = CaptionTextWidth(lbBarsList->Canvas(), button->Caption()) + 8;
    button->SetBounds(ALabel->Left() + ALabel->Width() + 5, APlace->Top(), width, APlace->Height());
    button->SetDropDownMenu(AMenu);
    return button;
}

void TovBarCustomizationForm::InitializeControls() {
    // Close: as wide as its text needs, kept at the panel's right edge.
    BClose->SetCaption(uiGetResourceString(ovSBAR_CLOSE));
    TCanvas* measure = lbBarsList->Canvas();
    measure->SetFont(BClose->Font());
    const int closeWidth = std::max(75, CaptionTextWidth(measure, BClose->Caption()) + 49);
    measure->SetFont(lbBarsList->Font());
    BClose->SetBounds(BottomPanel->Width() - 8 - closeWidth, BClose->Top(), closeWidth, BClose->Height());
    BClose->SetAnchors(TAnchors{akRight, akTop});
    UpdateHelpButton();

    // Toolbars page.
    BBarReset->SetVisible(!IsDesigning() && BarManager()->CanReset());
    LabelToobars->SetCaption(uiGetResourceString(ovSBAR_TOOLBARS));
    LabelToobars->SetFocusControl(lbBarsList);
    tsToolbars->SetCaption(uiGetResourceString(ovSBAR_TABSHEET1));

    // Commands page: the context-menu placeholders serve only the designer.
    tsItems->SetCaption(uiGetResourceString(ovSBAR_TABSHEET2));
    if (IsDesigning()) {
        // The design-time window is wider: the categories column takes room for its "... modify" button.
        constexpr int kCategoriesExtraWidth = 24;
        lbCategories->SetWidth(lbCategories->Width() + kCategoriesExtraWidth);
        for (TControl* control :
             {static_cast<TControl*>(LabelCommands), static_cast<TControl*>(CommandsPopupButtonPlace),
              static_cast<TControl*>(lbItems)})
            control->SetLeft(control->Left() + kCategoriesExtraWidth);
        CreateContextMenus();
        CategoriesPopupButton =
            ReplacePlaceholder(CategoriesPopupButtonPlace, LabelCategories, CategoriesPopupMenu);
        CommandsPopupButton = ReplacePlaceholder(CommandsPopupButtonPlace, LabelCommands, CommandsPopupMenu);
    }
    delete CategoriesPopupButtonPlace;
    CategoriesPopupButtonPlace = nullptr;
    delete CommandsPopupButtonPlace;
    CommandsPopupButtonPlace = nullptr;
    LabelCategories->SetCaption(uiGetResourceString(ovSBAR_CATEGORIES));
    LabelCommands->SetCaption(uiGetResourceString(ovSBAR_COMMANDS));
    LabelDescription->SetCaption(uiGetResourceString(ovSBAR_DESCRIPTION));
    DescriptionBevel->SetBounds(LabelDescription->Left() + LabelDescription->Width(), DescriptionBevel->Top(),
                                DescriptionBevel->Left() + DescriptionBevel->Width() -
                                    LabelDescription->Left() - LabelDescription->Width(),
                                DescriptionBevel->Height());

    // The design-time pages.
    tsCommands->SetTabVisible(IsDesigning());
    tsGroups->SetTabVisible(IsDesigning());
    if (IsDesigning()) {
        // Five tabs need more room than the three of run time.
        constexpr int kDesignExtraWidth = 64;
        SetClientWidth(ClientWidth() + kDesignExtraWidth);
        PageControl->SetWidth(PageControl->Width() + kDesignExtraWidth);
    }
    InitializeOptionsPage();
    InitializeAllCommandsPage();
    InitializeGroupsPage();
}

void TovBarCustomizationForm::RefreshLists() {
    RefreshList(lbBarsList);
    RefreshList(lbCategories);
    RefreshList(lbItems);
    RefreshList(LAllCommands);
    RefreshList(lbGroups);
}

void TovBarCustomizationForm::ItemsListChanged(TovBarItem* AItem) {
    TovBarCustomCustomizationForm::ItemsListChanged(AItem);
    if (IsDesigning()) {
        RefreshListLater(LAllCommands);
        RefreshListLater(lbGroupItems);
    }
}

void TovBarCustomizationForm::SetDescriptionText(const std::string& AText) {
    DescriptionLabel->SetCaption(AText);
}

void TovBarCustomizationForm::SynchronizeListsWithSelection() {
    if (BarManager()->BeingDestroyed() || FormState().Contains(fsCreating)) return;
    for (TCustomListBox* list : {lbBarsList, lbItems, LAllCommands, lbGroups})
        if (list != PushingList()) list->Perform(WM_OVBAR_CF_TAKESELECTION, 0, 0);
}

void TovBarCustomizationForm::SetActivePageIndex(int AIndex) {
    PageControl->SetActivePageIndex(AIndex);
}

void TovBarCustomizationForm::ShowCommandsPage() {
    PageControl->SetActivePage(tsItems);
}

void TovBarCustomizationForm::UpdateHelpButton() {
    BHelp->SetVisible(BarManager()->ShowHelpButton);
}

void TovBarCustomizationForm::BCloseClick(TObject*) {
    Close();
}

void TovBarCustomizationForm::BHelpClick(TObject*) {
    HelpButtonClick();
}

void TovBarCustomizationForm::lbItemsDrawItem(TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
    if (Index < 0 || Index >= lbItems->Count()) return;
    auto* item = dynamic_cast<TovBarItem*>(lbItems->Items()->Objects(Index));
    TCanvas* canvas = lbItems->Canvas();
    const TovBarCustomizationFormPainter* painter = GetPainterClass();
    const bool selected = State.Contains(odSelected);
    if (item == nullptr) {
        canvas->Brush()->SetColor(painter->GetEntryColor(false, nullptr));
        canvas->FillRect(Rect);
        return;
    }
    item->DrawCustomizingImage(canvas, Rect, selected);
    if (State.Contains(odFocused) && lbItems->Focused()) painter->DrawFocus(canvas, Rect, item);
}
