// The design-time context menus of the Customize window's categories and commands lists. Their items
// belong to the window's own bar manager, so they never appear among the customized manager's commands.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/popupmenus/PopupMenu.h"
#include "ui/core/base/ResourceStrings.h"

namespace {

TovBarButton* AddMenuButton(TovBarPopupMenu* AMenu, TComponent* AOwner, int ACategory,
                            const std::string& ACaption, TShortCut AShortCut, bool ABeginGroup,
                            const TNotifyEvent& AOnClick) {
    auto* button = new TovBarButton(AOwner);
    button->SetCaption(ACaption);
    button->SetCategory(ACategory);
    button->SetShortCut(AShortCut);
    button->SetOnClick(AOnClick);
    AMenu->ItemLinks()->AddItem(button)->SetBeginGroup(ABeginGroup);
    return button;
}

} // namespace

void TovBarCustomCustomizationForm::CreateContextMenus() {
    if (BarManager1 != nullptr) return;
    BarManager1 = new TovBarManager(this);
    BarManager1->SetStyle(FBarManager->Style());
    const int categories = BarManager1->Categories()->Add("Categories");
    const int commands = BarManager1->Categories()->Add("Commands");
    using Handler = void (TovBarCustomCustomizationForm::*)(TObject*);
    auto click = [this](Handler AHandler) { return TNotifyEvent(this, AHandler); };

    CategoriesPopupMenu = new TovBarPopupMenu(BarManager1);
    CategoriesAdd = AddMenuButton(CategoriesPopupMenu, this, categories, uiGetResourceString(ovSBAR_ADDEX),
                                  scNone, false, click(&TovBarCustomCustomizationForm::CategoriesAddClick));
    CategoriesInsert = AddMenuButton(CategoriesPopupMenu, this, categories,
                                     uiGetResourceString(ovSBAR_INSERTEX), ShortCut(VK_INSERT, scNone), false,
                                     click(&TovBarCustomCustomizationForm::CategoriesInsertClick));
    CategoriesRename =
        AddMenuButton(CategoriesPopupMenu, this, categories, uiGetResourceString(ovSBAR_RENAMEEX), scNone,
                      false, click(&TovBarCustomCustomizationForm::CategoriesRenameClick));
    CategoriesVisible =
        AddMenuButton(CategoriesPopupMenu, this, categories, uiGetResourceString(ovSBAR_VISIBLE), scNone,
                      true, click(&TovBarCustomCustomizationForm::CategoriesVisibleClick));
    CategoriesVisible->SetButtonStyle(bsChecked);
    CategoriesItemsVisible = new TovBarCombo(this);
    CategoriesItemsVisible->SetCaption("Items Visible:");
    CategoriesItemsVisible->SetCategory(categories);
    CategoriesItemsVisible->SetWidth(100);
    CategoriesItemsVisible->ShowEditor = false;
    for (const char* value : {"Never", "InCustomizing", "Always"})
        CategoriesItemsVisible->Items()->Add(value);
    CategoriesItemsVisible->OnChange = click(&TovBarCustomCustomizationForm::CategoriesItemsVisibleChange);
    CategoriesPopupMenu->ItemLinks()->AddItem(CategoriesItemsVisible);
    CategoriesDelete = AddMenuButton(CategoriesPopupMenu, this, categories,
                                     uiGetResourceString(ovSBAR_DELETE), ShortCut(VK_DELETE, scNone), true,
                                     click(&TovBarCustomCustomizationForm::CategoriesDeleteClick));
    CategoriesPopupMenu->OnPopup = click(&TovBarCustomCustomizationForm::CategoriesPopupMenuPopup);

    CommandsPopupMenu = new TovBarPopupMenu(BarManager1);
    CommandsAdd = AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_ADDEX),
                                ShortCut(VK_INSERT, scNone), false,
                                click(&TovBarCustomCustomizationForm::CommandsAddClick));
    CommandsDelete = AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_DELETE),
                                   ShortCut(VK_DELETE, scNone), false,
                                   click(&TovBarCustomCustomizationForm::CommandsDeleteClick));
    CommandsClear = AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_CLEAR),
                                  scNone, false, click(&TovBarCustomCustomizationForm::CommandsClearClick));
    CommandsMoveUp = AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_MOVEUP),
                                   ShortCut(VK_UP, scCtrl), true,
                                   click(&TovBarCustomCustomizationForm::CommandsMoveUpClick));
    CommandsMoveDown = AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_MOVEDOWN),
                                     ShortCut(VK_DOWN, scCtrl), false,
                                     click(&TovBarCustomCustomizationForm::CommandsMoveDownClick));
    CommandsSubMenuEditor =
        AddMenuButton(CommandsPopupMenu, this, commands, uiGetResourceString(ovSBAR_SUBMENUEDITOR), scNone,
                      true, click(&TovBarCustomCustomizationForm::CommandsSubMenuEditorClick));
    CommandsPopupMenu->OnPopup = click(&TovBarCustomCustomizationForm::CommandsPopupMenuPopup);
}

void TovBarCustomCustomizationForm::PopupCategoriesMenu() {
    if (!IsDesigning()) return;
    CreateContextMenus();
    CategoriesPopupMenu->PopupFromCursorPos();
}

void TovBarCustomCustomizationForm::PopupCommandsMenu() {
    if (!IsDesigning()) return;
    CreateContextMenus();
    CommandsPopupMenu->PopupFromCursorPos();
}
