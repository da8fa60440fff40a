// The manager and its owner window: switching to another application and cancel mode close the open
// menu (only this manager's); the owner's activation hides and shows floating toolbars, or only
// repaints their frames; a display change brings floating toolbars back on screen; F1 in a menu asks
// help for the item's context or that of the sub-item that opened the menu; the layout is stored only
// at the owner's real end; shortcut questions reach every manager.
#include "../BarPaintingTestSupport.h"

#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Panel.h"
#include "platform/win/HelpInfo.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/owner/BarOwnerMessages.h"
#include "ui/bars/owner/BarOwnerRouting.h"
#include "ui/bars/owner/BarShortCuts.h"
#include "ui/core/controls/WindowUtils.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

using namespace bars_test;

namespace bar_owner_messages_tests {

// A toolbar window with a real window, so it can be shown and hidden.
class TWindowedBar : public FakeBarControl {
public:
    explicit TWindowedBar(const std::string& AName) : FakeBarControl(AName, bckToolbar) {
        Window = TCustomForm::New<TForm>(nullptr);
        Window->SetBounds(600, 200, 120, 60);
        Window->HandleNeeded();
    }
    ~TWindowedBar() override { delete Window; }
    HWND Handle() const override { return Window->Handle(); }
    bool Shown() const { return IsWindowVisible(Window->Handle()) != FALSE; }
    TForm* Window;
};

class TWindowedFactory : public PaintingFactory {
public:
    IovBarControl* CreateToolbarControl(TovBar* ABar) override {
        Last = new TWindowedBar(ABar->Caption());
        return Last;
    }
    TWindowedBar* Last = nullptr;
};

class BarOwnerMessagesTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        windowed.Painter = painter.get();
        previous = ovSetBarWindowFactory(&windowed);
        form->Show();
        handler = ovBarOwnerMessagesOf(manager);
        ovSetBarHelpHandler([this](int AContext, const TPoint* APopupPos) {
            helpContext = AContext;
            popupAt = APopupPos != nullptr ? std::optional<TPoint>(*APopupPos) : std::nullopt;
        });
    }
    void TearDown() override {
        ovSetBarHelpHandler(nullptr);
        while (IovBarControl* current = CurrentBarControl())
            ReleaseCurrentBarControl(current);
        delete otherForm;
        ovSetBarWindowFactory(previous);
        BarPaintingTest::TearDown();
    }
    TWindowedBar* FloatingToolbar() {
        TovBar* bar = manager->AddToolbar(false, false);
        bar->SetDockingStyle(dsNone);
        bar->SetVisible(true);
        auto* control = dynamic_cast<TWindowedBar*>(bar->GetControl());
        if (control != nullptr) ShowWindow(control->Handle(), SW_SHOWNA);
        return control;
    }
    // A panel of the form with a manager of its own and a toolbar holding a button with the shortcut.
    TovBarManager* OtherManager(TShortCut AShortCut) {
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 40, 200, 100);
        panel->HandleNeeded();
        auto* other = new TovBarManager(panel);
        TovBar* bar = other->AddToolbar(false, false);
        bar->SetVisible(true);
        auto* button = new TovBarButton(other);
        button->SetCaption("Echo");
        button->SetShortCut(AShortCut);
        bar->ItemLinks()->AddItem(button);
        return other;
    }
    void SendHelp() {
        HELPINFO info;
        info.hItemHandle = form->Handle();
        SendMessage(form->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }

    TWindowedFactory windowed;
    IovBarWindowFactory* previous = nullptr;
    TovBarOwnerMessages* handler = nullptr;
    TForm* otherForm = nullptr;
    std::optional<int> helpContext;
    std::optional<TPoint> popupAt;
};

TEST_F(BarOwnerMessagesTest, SwitchingToAnotherApplicationClosesTheOpenMenu) {
    auto* menu = Menu();
    SetCurrentBarControl(menu);
    olva::win::ActivateOtherApplication();
    olva::win::PumpMessages();
    EXPECT_EQ(menu->CloseUpReason(), bcrOther);
    EXPECT_FALSE(handler->MainFormActive());
}

TEST_F(BarOwnerMessagesTest, CancelModeClosesOnlyThisManagersMenu) {
    TovBarManager* other = OtherManager(0);
    auto* foreign = new bar_standins::TStandInMenu(other);
    standIns.emplace_back(foreign);
    SetCurrentBarControl(foreign);
    SendMessage(form->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(foreign->CloseUpReason(), bcrNone);
    auto* menu = Menu();
    SetCurrentBarControl(menu);
    SendMessage(form->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(menu->CloseUpReason(), bcrOther);
    EXPECT_EQ(handler->State() & bosCancelMode, 0u); // cleared afterwards
}

TEST_F(BarOwnerMessagesTest, FloatingToolbarsHideWhileTheApplicationIsInactiveAndComeBack) {
    TWindowedBar* floating = FloatingToolbar();
    ASSERT_NE(floating, nullptr);
    handler->SetMainFormActive(true);
    ASSERT_TRUE(floating->Shown());
    olva::win::ActivateOtherApplication();
    olva::win::PumpMessages();
    EXPECT_FALSE(floating->Shown());
    olva::win::ReturnToApplication();
    olva::win::PumpMessages();
    EXPECT_TRUE(handler->MainFormActive());
    EXPECT_TRUE(floating->Shown());
}

TEST_F(BarOwnerMessagesTest, WithoutHidingFloatingToolbarsOnlyRepaintTheirFrames) {
    manager->HideFloatingBarsWhenInactive = false;
    TWindowedBar* floating = FloatingToolbar();
    ASSERT_NE(floating, nullptr);
    handler->SetMainFormActive(true);
    TakeCalls();
    olva::win::ActivateOtherApplication();
    olva::win::PumpMessages();
    EXPECT_TRUE(floating->Shown());
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), floating->Name + ".UpdateFrame"), calls.end());
}

TEST_F(BarOwnerMessagesTest, AfterADisplayChangeAnOffScreenFloatingToolbarIsBackInTheWorkArea) {
    TWindowedBar* floating = FloatingToolbar();
    ASSERT_NE(floating, nullptr);
    floating->Window->SetBounds(1900, 1070, 120, 60);
    SendMessage(form->Handle(), WM_DISPLAYCHANGE, 32, 0);
    const TRect area = uiGetWorkAreaAtPoint(TPoint{300, 250});
    RECT r{};
    GetWindowRect(floating->Handle(), &r);
    EXPECT_EQ(r.right, area.right);
    EXPECT_EQ(r.bottom, area.bottom);
    EXPECT_EQ(r.right - r.left, 120);
}

TEST_F(BarOwnerMessagesTest, HelpInASubMenuTakesTheContextOfTheSubItemThatOpenedIt) {
    // (The help border icon makes the window again, which would close open menus.)
    form->SetBorderIcons(form->BorderIcons() + biHelp);
    auto* parent = Menu();
    TovBarButton* effects = Button("Effects");
    effects->SetHelpContext(42);
    TovBarItemLink* opener = parent->Add(effects);
    parent->Layout();
    auto* child = Menu();
    TovBarButton* echo = Button("Echo");
    TovBarButton* reverb = Button("Reverb");
    reverb->SetHelpContext(7);
    TovBarItemLink* echoLink = child->Add(echo);
    TovBarItemLink* reverbLink = child->Add(reverb);
    child->Layout();
    child->SetParentBarControl(parent);
    child->SetOwnerItemControl(opener->Control());
    SetCurrentBarControl(child);

    child->SetSelectedControl(echoLink->Control());
    SendHelp();
    EXPECT_EQ(helpContext, 42);
    ASSERT_TRUE(popupAt.has_value()); // a popup under the item that has the context
    const TRect openerRect = parent->GetItemControlRect(opener->Control());
    EXPECT_EQ(popupAt->y, openerRect.bottom);
    EXPECT_EQ(child->CloseUpReason(), bcrOther); // the menu closes first

    child->SetSelectedControl(reverbLink->Control());
    SetCurrentBarControl(child);
    SendHelp();
    EXPECT_EQ(helpContext, 7);
    // The sub-menu goes before the menu whose item opened it.
    for (auto& standIn : standIns)
        if (standIn.get() == child) standIn.reset();
}

TEST_F(BarOwnerMessagesTest, HelpWithoutAnyItemContextUsesTheBarsAndNothingForZero) {
    auto* menu = Menu();
    TovBarItemLink* link = menu->Add(Button("Echo"));
    menu->Layout();
    menu->SetSelectedControl(link->Control());
    SetCurrentBarControl(menu);
    manager->HelpContext = 5;
    SendHelp();
    EXPECT_EQ(helpContext, 5);
    EXPECT_FALSE(popupAt.has_value()); // the application's help for the context
    helpContext.reset();
    manager->HelpContext = 0;
    SendHelp();
    EXPECT_FALSE(helpContext.has_value());
}

TEST_F(BarOwnerMessagesTest, HelpOutsideMenusTakesTheItemUnderTheMouseOfTheBarAskedAbout) {
    auto* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("Open"));
    TovBarButton* normalize = Button("Normalize");
    normalize->SetHelpContext(31);
    TovBarItemLink* link = toolbar->Add(normalize);
    toolbar->Layout();
    toolbar->SetBounds(
        TRect{100, 100, 100 + toolbar->GetClientRect().right, 100 + toolbar->GetClientRect().bottom});
    toolbar->HandleNeeded();
    ShowWindow(toolbar->Handle(), SW_SHOWNA);
    olva::win::PumpMessages();
    const TRect item = toolbar->GetItemControlRect(link->Control());
    HELPINFO info;
    info.hItemHandle = toolbar->Handle();
    info.MousePos = POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    SendMessage(form->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(helpContext, 31);
}

TEST_F(BarOwnerMessagesTest, TheLayoutIsStoredOnlyWhenTheOwnerReallyGoes) {
    const std::string path = OutputPath("extras-owner-layout.ini");
    std::remove(path.c_str());
    manager->IniFileName = path;
    manager->StoreInIniFile = true;
    // The owner's window is made again: nothing is stored.
    form->RecreateWnd();
    form->HandleNeeded();
    EXPECT_FALSE(FileExists(path));
    // The owner goes.
    delete form;
    form = nullptr;
    EXPECT_TRUE(FileExists(path));
}

TEST_F(BarOwnerMessagesTest, ShortCutQuestionsReachEveryManagerOfTheForm) {
    const TShortCut ctrlE = ShortCut('E', scCtrl), ctrlS = ShortCut('S', scCtrl);
    TovBar* own = manager->AddToolbar(false, false);
    own->SetVisible(true);
    TovBarButton* save = Button("Save");
    save->SetShortCut(ctrlS);
    own->ItemLinks()->AddItem(save);
    TovBarManager* other = OtherManager(ctrlE);
    // From the form's manager on to the panel's, and from the panel's up to the form's.
    TovBarItemLink* link = ovBarFindShortCutLink(manager, ctrlE);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Item()->Caption(), "Echo");
    EXPECT_EQ(ovBarFindShortCutLink(other, ctrlE), link);
    TovBarItemLink* saveLink = ovBarFindShortCutLink(other, ctrlS);
    ASSERT_NE(saveLink, nullptr);
    EXPECT_EQ(saveLink->Item(), save);
    int clicks = 0;
    link->Item()->SetOnClick(TNotifyEvent([&clicks](TObject*) { ++clicks; }, this));
    EXPECT_TRUE(ovBarIsShortCut(manager, ctrlE));
    EXPECT_EQ(clicks, 1); // the shortcut typed runs the item; finding it does not
    EXPECT_EQ(ovBarFindShortCutLink(manager, ShortCut('Q', scCtrl)), nullptr);
    EXPECT_FALSE(ovBarIsShortCut(manager, ShortCut('Q', scCtrl)));
    // A hidden toolbar answers no shortcut questions.
    other->Bars()->GetItem(0)->SetVisible(false);
    EXPECT_FALSE(ovBarIsShortCut(manager, ctrlE));
}

} // namespace bar_owner_messages_tests
