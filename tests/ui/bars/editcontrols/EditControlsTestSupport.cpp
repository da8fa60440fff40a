#include "EditControlsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemLinks.h"

#include <algorithm>

namespace edit_controls_test {

void EditControlsTest::TearDown() {
    menus.clear();
    for (HWND list : listWindows)
        if (::IsWindow(list)) ::DestroyWindow(list);
    listWindows.clear();
    BarWindowTest::TearDown();
}

TovBarEdit* EditControlsTest::NewEdit(const std::string& ACaption, const std::string& AText) {
    auto* edit = new TovBarEdit(form);
    edit->SetCaption(ACaption);
    edit->SetWidth(90);
    edit->SetText(AText);
    return edit;
}

TovBarCombo* EditControlsTest::NewCombo(const std::string& ACaption,
                                        const std::vector<std::string>& AStrings) {
    auto* combo = new TovBarCombo(form);
    combo->SetCaption(ACaption);
    combo->SetWidth(90);
    for (const std::string& s : AStrings)
        combo->Items()->Add(s);
    return combo;
}

TRecordingMenu* EditControlsTest::OpenItemsMenu(int X, int Y, const std::vector<TovBarItem*>& AItems) {
    auto menu = std::make_unique<TRecordingMenu>(manager);
    menu->SetPainter(painter.get());
    for (TovBarItem* item : AItems)
        menu->Add(item);
    menu->Layout(160);
    const TRect client = menu->GetClientRect();
    menu->SetBounds(TRect{X, Y, X + client.right, Y + client.bottom});
    menu->HandleNeeded();
    // With its window the menu measures with its real fonts: it is laid out again, and its frame comes
    // off the bounds, which grow until the client fits.
    menu->Layout(160);
    const TRect measured = menu->GetClientRect();
    menu->SetBounds(TRect{X, Y, X + measured.right, Y + measured.bottom});
    RECT inside{};
    ::GetClientRect(menu->Handle(), &inside);
    const int dx = measured.right - inside.right, dy = measured.bottom - inside.bottom;
    if (dx > 0 || dy > 0)
        menu->SetBounds(
            TRect{X, Y, X + measured.right + std::max(dx, 0), Y + measured.bottom + std::max(dy, 0)});
    menu->Show();
    menu->SetActive(true);
    olva::win::PumpMessages();
    TRecordingMenu* result = menu.get();
    menus.push_back(std::move(menu));
    return result;
}

TovBarItemControl* EditControlsTest::ControlOf(TCustomovBarControl* AMenu, int AIndex) const {
    return AMenu->ItemLinks()->VisibleItems(AIndex)->Control();
}

TPoint EditControlsTest::ScreenPoint(TCustomovBarControl* AMenu, const TPoint& P) const {
    POINT p{P.x, P.y};
    ::ClientToScreen(AMenu->Handle(), &p);
    return TPoint{p.x, p.y};
}

TPoint EditControlsTest::PartCentre(TCustomovBarControl* AMenu, int AIndex, int APart) const {
    const TRect r = ControlOf(AMenu, AIndex)->Parts()[APart];
    return ScreenPoint(AMenu, TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void EditControlsTest::Press(const TPoint& P) {
    MoveTo(P);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, P.x, P.y);
    olva::win::PumpMessages();
}

void EditControlsTest::Release(const TPoint& P) {
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, P.x, P.y);
    olva::win::PumpMessages();
}

void EditControlsTest::Wheel(const TPoint& P, int ADelta) {
    olva::win::InjectMouse(olva::win::MouseAction::Wheel, P.x, P.y, ADelta);
    olva::win::PumpMessages();
}

void EditControlsTest::PressKeyWith(int AKey, const std::vector<int>& AModifiers) {
    for (int modifier : AModifiers)
        olva::win::InjectKey(modifier, true);
    olva::win::PumpMessages();
    PressKey(AKey);
    for (auto it = AModifiers.rbegin(); it != AModifiers.rend(); ++it)
        olva::win::InjectKey(*it, false);
    olva::win::PumpMessages();
}

void EditControlsTest::Type(const std::string& AText) {
    olva::win::InjectText(AText);
    olva::win::PumpMessages();
}

HWND EditControlsTest::MakeListWindow() {
    HWND list = ::CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP, 0, 0, 120, 80,
                                 nullptr, nullptr, nullptr, nullptr);
    listWindows.push_back(list);
    return list;
}

} // namespace edit_controls_test
