#include "ui/bars/owner/BarShortCuts.h"

#include "platform/vcl/WinControl.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/popupmenus/PopupComponent.h"
#include "ui/bars/popupmenus/PopupMenuLinks.h"

#include <functional>

namespace bar_shortcuts_detail {

// A question only: the link's item has the shortcut (the items' own IsShortCut runs it).
TovBarItemLink* LinkWithShortCut(TovBarItemLinks* ALinks, TShortCut AShortCut) {
    if (ALinks == nullptr || AShortCut == 0) return nullptr;
    ALinks->UpdateItemActions();
    for (int i = 0; i < ALinks->AvailableItemCount(); ++i) {
        TovBarItemLink* link = ALinks->AvailableItems(i);
        TovBarItem* item = link->Item();
        if (item != nullptr && item->IsShortCutSupported() && item->ShortCut() == AShortCut) return link;
    }
    return nullptr;
}

// The links' own answer: a link whose item has the shortcut runs it.
bool RunsShortCut(TovBarItemLinks* ALinks, TShortCut AShortCut) {
    return ALinks != nullptr && ALinks->IsShortCut(AShortCut);
}

TovBarManager* ManagerOfWindow(HWND AWnd) {
    TovBarManagerList* list = BarManagerList();
    for (int i = 0; list != nullptr && i < list->Count(); ++i) {
        TovBarManager* manager = list->Managers(i);
        TWinControl* owner = manager->OwnerWinControl();
        if (owner != nullptr && owner->HandleAllocated() && owner->Handle() == AWnd) return manager;
    }
    return nullptr;
}

// Asks the managers from AManager's owner window up through the windows it lies in, then every other
// manager in turn, until one answers.
template <class TResult>
TResult AskManagers(TovBarManager* AManager, const std::function<TResult(TovBarManager*)>& AAsk) {
    if (AManager == nullptr) return TResult{};
    TWinControl* owner = AManager->OwnerWinControl();
    HWND wnd = owner != nullptr && owner->HandleAllocated() ? owner->Handle() : nullptr;
    bool askedOwn = false;
    while (wnd != nullptr) {
        if (TovBarManager* manager = ManagerOfWindow(wnd)) {
            askedOwn = askedOwn || manager == AManager;
            if (TResult result = AAsk(manager)) return result;
        }
        if ((GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) == 0) break;
        wnd = GetParent(wnd);
    }
    if (!askedOwn)
        if (TResult result = AAsk(AManager)) return result;
    TovBarManagerList* list = BarManagerList();
    if (list == nullptr) return TResult{};
    for (TovBarManager* manager = list->GetNextManager(AManager, true);
         manager != nullptr && manager != AManager; manager = list->GetNextManager(manager, true))
        if (TResult result = AAsk(manager)) return result;
    return TResult{};
}

bool ToolbarWindowShown(TovBar* ABar) {
    IovBarControl* control = ABar->GetControl();
    if (control == nullptr || !control->IsVisible()) return false;
    auto* window = dynamic_cast<TCustomovBarControl*>(control);
    return window == nullptr || window->Enabled();
}

} // namespace bar_shortcuts_detail

using namespace bar_shortcuts_detail;

TovBarItemLink* ovBarFindShortCutLink(TovBarManager* AManager, TShortCut AShortCut) {
    return AskManagers<TovBarItemLink*>(AManager, [AShortCut](TovBarManager* AManager) -> TovBarItemLink* {
        TovBar* mainMenu = AManager->GetMainMenuBar();
        if (mainMenu != nullptr && mainMenu->GetControl() != nullptr)
            if (TovBarItemLink* link = LinkWithShortCut(mainMenu->ItemLinks(), AShortCut)) return link;
        TovBars* bars = AManager->Bars();
        for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
            TovBar* bar = bars->GetItem(i);
            if (bar == mainMenu || !bar->Visible()) continue;
            if (TovBarItemLink* link = LinkWithShortCut(bar->ItemLinks(), AShortCut)) return link;
        }
        return nullptr;
    });
}

bool ovBarIsShortCut(TovBarManager* AManager, TShortCut AShortCut) {
    // A menu linked to the focused control's context menu comes first.
    if (TWinControl* focused = FindControl(GetFocus()))
        for (HWND wnd = focused->Handle(); wnd != nullptr; wnd = GetParent(wnd))
            if (TovBarManager* manager = ManagerOfWindow(wnd)) {
                if (manager->PopupMenuLinks()->IsShortCut(focused, AShortCut)) return true;
                break;
            }
    return AskManagers<bool>(AManager, [AShortCut](TovBarManager* AManager) {
        TovBar* mainMenu = AManager->GetMainMenuBar();
        if (mainMenu != nullptr && RunsShortCut(mainMenu->ItemLinks(), AShortCut)) return true;
        TovBars* bars = AManager->Bars();
        for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
            TovBar* bar = bars->GetItem(i);
            if (bar == mainMenu) continue;
            // A toolbar counts while its window shows it, or while it waits for its window to come back.
            if (!(bar->Visible() && ToolbarWindowShown(bar)) && !AManager->IsBarWaiting(bar)) continue;
            if (RunsShortCut(bar->ItemLinks(), AShortCut)) return true;
        }
        for (TovBarCustomPopupMenuComponent* menu : AManager->PopupMenus())
            if (menu->IsShortCut(AShortCut)) return true;
        return false;
    });
}
