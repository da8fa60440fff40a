#include "BarWindowTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/hooks/BarHooks.h"

#include <algorithm>

namespace bars_test {

TWindowedMenu::~TWindowedMenu() {
    if (OnDestroyed) OnDestroyed();
}

void BarWindowTest::SetUp() {
    BarPaintingTest::SetUp();
    form->Show();
    olva::win::PumpMessages();
}

void BarWindowTest::TearDown() {
    ovBarHookPoints() = TovBarHookPoints{};
    menus.clear();
    BarPaintingTest::TearDown();
}

TWindowedMenu* BarWindowTest::OpenMenu(int X, int Y, const std::vector<std::string>& ACaptions,
                                       TCustomovBarControl* AParent) {
    auto menu = std::make_unique<TWindowedMenu>(manager);
    menu->SetPainter(painter.get());
    for (const std::string& caption : ACaptions) {
        TovBarButton* button = Button(caption);
        button->SetOnClick(TNotifyEvent(
            [this, caption](TObject*) {
                auto it =
                    std::find_if(clicks.begin(), clicks.end(), [&](auto& e) { return e.first == caption; });
                if (it == clicks.end())
                    clicks.emplace_back(caption, 1);
                else
                    ++it->second;
            },
            this));
        menu->Add(button);
    }
    menu->Layout(120);
    const TRect client = menu->GetClientRect();
    menu->SetBounds(TRect{X, Y, X + client.right, Y + client.bottom});
    menu->HandleNeeded();
    if (AParent != nullptr) menu->SetParentBarControl(AParent);
    menu->Show();
    menu->SetActive(true);
    olva::win::PumpMessages();
    TWindowedMenu* result = menu.get();
    menus.push_back(std::move(menu));
    return result;
}

TovBarItemControl* BarWindowTest::ItemControl(TCustomovBarControl* AMenu, int AIndex) const {
    return AMenu->ItemLinks()->VisibleItems(AIndex)->Control();
}

TovBarButton* BarWindowTest::ButtonOf(TCustomovBarControl* AMenu, int AIndex) const {
    return dynamic_cast<TovBarButton*>(AMenu->ItemLinks()->VisibleItems(AIndex)->Item());
}

TPoint BarWindowTest::ItemCentre(TCustomovBarControl* AMenu, int AIndex) const {
    const RECT r = AMenu->ItemLinks()->VisibleItems(AIndex)->ItemRect;
    const TRect bounds = AMenu->BoundsRect();
    return TPoint{bounds.left + (r.left + r.right) / 2, bounds.top + (r.top + r.bottom) / 2};
}

void BarWindowTest::MoveTo(const TPoint& P) {
    olva::win::InjectMouse(olva::win::MouseAction::Move, P.x, P.y);
    olva::win::PumpMessages();
}

void BarWindowTest::Click(const TPoint& P) {
    MoveTo(P);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, P.x, P.y);
    olva::win::PumpMessages();
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, P.x, P.y);
    olva::win::PumpMessages();
}

void BarWindowTest::PressKey(int AKey) {
    olva::win::InjectKey(AKey, true);
    olva::win::PumpMessages();
    olva::win::InjectKey(AKey, false);
    olva::win::PumpMessages();
}

void BarWindowTest::FreeMenu(TWindowedMenu* AMenu) {
    auto it = std::find_if(menus.begin(), menus.end(), [&](auto& m) { return m.get() == AMenu; });
    if (it != menus.end()) menus.erase(it);
}

int BarWindowTest::ClicksOf(const std::string& ACaption) const {
    for (const auto& [caption, count] : clicks)
        if (caption == ACaption) return count;
    return 0;
}

} // namespace bars_test
