// How the program tests reach a command through the interim command menu: a click on the tab, then the
// arrow keys down to the action's item and Enter. It goes with the interim menu.
#include "platform/vcl/Action.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "source/interim/InterimCommandMenu.h"
#include "source/mainform/MainForm.h"
#include "tests/source/AppTestSupport.h"

#include <functional>

#include <gtest/gtest.h>

namespace app_test {

namespace {

using TItemTest = std::function<bool(TMenuItem*)>;

// The item below `Parent` that passes `Wanted` and the keys that reach it from an open menu (Down to
// it, Right into submenus), or nothing.
bool PathTo(TMenuItem* Parent, const TItemTest& Wanted, std::vector<int>& Keys, TMenuItem*& Found) {
    int downs = 0;
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (!item->Visible() || item->IsLine()) continue;
        ++downs;
        std::vector<int> inner;
        if (Wanted(item)) Found = item;
        if (Wanted(item) || (item->Count() > 0 && PathTo(item, Wanted, inner, Found))) {
            Keys.insert(Keys.end(), static_cast<std::size_t>(downs), VK_DOWN);
            if (!Wanted(item)) {
                // Right opens the submenu with its first item already highlighted.
                Keys.push_back(VK_RIGHT);
                Keys.insert(Keys.end(), inner.begin() + 1, inner.end());
            }
            return true;
        }
    }
    return false;
}

// Opens the tab whose menu holds the wanted item and chooses it; false when no tab holds it.
bool ChooseFromMenu(TMainForm* MainForm, const TItemTest& Wanted) {
    auto* menu = dynamic_cast<TInterimCommandMenu*>(&MainForm->Bars());
    if (menu == nullptr) return false;
    for (const char* tab : {"File", "Home", "Effect", "Noise Reduction", "View", "Tools", "Help"}) {
        std::vector<int> keys;
        TMenuItem* found = nullptr;
        if (!PathTo(menu->TabMenu(tab)->Items(), Wanted, keys, found)) continue;
        // A disabled item would leave the menu open: the test says so instead of waiting for it.
        MainForm->UpdateActions();
        if (found != nullptr && !found->Enabled()) {
            ADD_FAILURE() << "the menu item " << found->Caption() << " is disabled";
            return true;
        }
        TSpeedButton* button = menu->TabButton(tab);
        const POINT p = button->ClientToScreen(POINT{button->Width() / 2, button->Height() / 2});
        olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftDown, p.x, p.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftUp, p.x, p.y);
        keys.push_back(VK_RETURN);
        for (int key : keys) {
            olva::win::InjectKey(key, true);
            olva::win::InjectKey(key, false);
        }
        return true;
    }
    return false;
}

} // namespace

void AppTest::Command(TAction* Action) {
    if (!ChooseFromMenu(MainForm, [Action](TMenuItem* item) { return item->Action() == Action; }))
        ADD_FAILURE() << "no menu item runs " << Action->Name();
    Pump();
}

void AppTest::BarCommand(const std::string& Caption) {
    if (!ChooseFromMenu(MainForm, [&Caption](TMenuItem* item) {
            return item->Action() == nullptr && item->Count() == 0 && item->Caption() == Caption;
        }))
        ADD_FAILURE() << "no menu item reads " << Caption;
    Pump();
}

} // namespace app_test
