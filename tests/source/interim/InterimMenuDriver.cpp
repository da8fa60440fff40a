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

namespace app_test {

namespace {

// The item of `Action` below `Parent` and the keys that reach it from an open menu (Down to it, Right
// into submenus), or nothing.
bool PathTo(TMenuItem* Parent, TAction* Action, std::vector<int>& Keys) {
    int downs = 0;
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (!item->Visible() || item->IsLine()) continue;
        ++downs;
        std::vector<int> inner;
        if (item->Action() == Action || (item->Count() > 0 && PathTo(item, Action, inner))) {
            Keys.insert(Keys.end(), static_cast<std::size_t>(downs), VK_DOWN);
            if (item->Action() != Action) {
                Keys.push_back(VK_RIGHT);
                Keys.insert(Keys.end(), inner.begin(), inner.end());
            }
            return true;
        }
    }
    return false;
}

} // namespace

void AppTest::Command(TAction* Action) {
    auto* menu = dynamic_cast<TInterimCommandMenu*>(&MainForm->Bars());
    ASSERT_NE(menu, nullptr);
    for (const char* tab : {"File", "Home", "Effect", "Noise Reduction", "View", "Tools", "Help"}) {
        std::vector<int> keys;
        if (!PathTo(menu->TabMenu(tab)->Items(), Action, keys)) continue;
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
        Pump();
        return;
    }
    ADD_FAILURE() << "no menu item runs " << Action->Name();
}

} // namespace app_test
