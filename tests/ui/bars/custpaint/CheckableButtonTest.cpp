// The design-time "... modify" button: a press toggles it down and drops its menu below it, the menu's
// closing lets it up, the press that closes the menu on the button does not open it again, and it shows
// a raised edge when hot and a sunken one when down.
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/form/CheckableButton.h"

namespace {

using menus_test::MenusTest;

class CheckableButtonTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        button = new TCheckableButton(form);
        button->SetParent(form);
        button->SetBounds(40, 30, 90, 20);
        button->SetCaption("... modify");
        popup = MakePopup();
        popup->ItemLinks()->AddItem(Command("Add...", &addClicks));
        popup->ItemLinks()->AddItem(Command("Delete"));
        popup->OnPopup = TNotifyEvent(
            [this](TObject*) {
                ++popups;
                downWhileOpen = button->Down();
                // A menu opened unexpectedly is closed at once (its loop would wait for ever).
                std::function<void()> script = [this] { Key(VK_ESCAPE); };
                if (!scripts.empty()) {
                    script = std::move(scripts.front());
                    scripts.erase(scripts.begin());
                }
                PostScript(std::move(script));
            },
            this);
        button->SetDropDownMenu(popup);
        olva::win::PumpMessages();
    }

    POINT Screen(int X, int Y) { return button->ClientToScreen(POINT{X, Y}); }
    void PressButton() {
        const POINT p = Screen(20, 10);
        ClickAt(p.x, p.y);
        olva::win::PumpMessages();
    }
    // The screen's pixel as a colour value (the surface keeps red in its high byte).
    TColor ScreenPixel(POINT P) {
        olva::win::PumpMessages();
        std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
        const RECT origin = olva::win::VirtualScreen();
        const std::uint32_t pixel = screen->Pixel(P.x - origin.left, P.y - origin.top);
        return static_cast<TColor>(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    // The mouse moves there and the application's idle work tells controls of entering and leaving.
    void HoverAt(POINT P) {
        MoveMouse(P.x, P.y);
        olva::win::PumpMessages();
        bool done = true;
        Application()->DoIdleWork(done);
        olva::win::PumpMessages();
    }
    TRect MenuBounds() { return WindowBounds(popup->GetSubMenuControl()); }

    TCheckableButton* button = nullptr;
    TovBarPopupMenu* popup = nullptr;
    std::vector<std::function<void()>> scripts;
    int popups = 0, addClicks = 0;
    bool downWhileOpen = false;
};

TEST_F(CheckableButtonTest, APressDropsTheMenuAtTheBottomLeftCornerWithTheButtonDown) {
    TRect bounds{};
    scripts.push_back([&] {
        bounds = MenuBounds();
        Key(VK_ESCAPE);
    });
    PressButton();
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(downWhileOpen);
    const POINT corner = Screen(0, 20);
    EXPECT_EQ(bounds.left, corner.x);
    EXPECT_EQ(bounds.top, corner.y) << "below the button";
    EXPECT_FALSE(button->Down()) << "the closed menu lets the button up";
    EXPECT_FALSE(popup->PopupVisible());
}

TEST_F(CheckableButtonTest, ThePressThatClosesTheMenuOnTheButtonDoesNotReopenIt) {
    scripts.push_back([&] {
        const POINT p = Screen(30, 8);
        ClickAt(p.x, p.y);
    });
    PressButton();
    olva::win::PumpMessages();
    EXPECT_EQ(popups, 1) << "the closing press did not open the menu again";
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(popup->PopupVisible());

    // The next press is a new one.
    scripts.push_back([&] { Key(VK_ESCAPE); });
    PressButton();
    EXPECT_EQ(popups, 2);
    EXPECT_FALSE(button->Down());
}

TEST_F(CheckableButtonTest, AChosenCommandRunsAndTheButtonOpensAgainOnTheNextPress) {
    scripts.push_back([&] {
        const TPoint add = ItemCentre(popup->GetSubMenuControl(), "Add...");
        MoveMouse(add.x, add.y);
        ClickAt(add.x, add.y);
    });
    PressButton();
    EXPECT_EQ(addClicks, 1);
    EXPECT_FALSE(button->Down());
    scripts.push_back([&] { Key(VK_ESCAPE); });
    PressButton();
    EXPECT_EQ(popups, 2);
}

TEST_F(CheckableButtonTest, WithoutAMenuAPressTogglesTheButtonAndItNeverCapturesTheMouse) {
    button->SetDropDownMenu(nullptr);
    const POINT p = Screen(20, 10);
    Press(p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(GetCapture(), nullptr) << "no capture for the button's press";
    Release(p.x, p.y);
    PressButton();
    EXPECT_FALSE(button->Down());
}

TEST_F(CheckableButtonTest, AFreedMenuIsForgotten) {
    delete popup;
    popup = nullptr;
    EXPECT_EQ(button->DropDownMenu(), nullptr);
    PressButton();
    EXPECT_TRUE(button->Down());
}

TEST_F(CheckableButtonTest, ARaisedEdgeWhenHotASunkenOneWhenDownAndNoneOtherwise) {
    button->SetDropDownMenu(nullptr);
    SetActiveWindow(form->Handle());
    olva::win::PumpMessages();
    ASSERT_TRUE(form->Active());
    const POINT topLeft = Screen(0, 0), bottomRight = Screen(89, 19);
    const POINT outside = button->ClientToScreen(POINT{200, 150});
    HoverAt(outside);
    EXPECT_FALSE(button->IsHot());
    EXPECT_EQ(ScreenPixel(topLeft), static_cast<TColor>(ColorToRGB(clBtnFace) & 0xFFFFFF)) << "no edge";

    const POINT inside = Screen(45, 10);
    HoverAt(inside);
    EXPECT_TRUE(button->IsHot());
    EXPECT_EQ(ScreenPixel(topLeft), static_cast<TColor>(ColorToRGB(clBtnHighlight) & 0xFFFFFF)) << "raised";
    EXPECT_EQ(ScreenPixel(bottomRight), static_cast<TColor>(ColorToRGB(clBtnShadow) & 0xFFFFFF));

    button->SetDown(true);
    EXPECT_EQ(ScreenPixel(topLeft), static_cast<TColor>(ColorToRGB(clBtnShadow) & 0xFFFFFF)) << "sunken";
    EXPECT_EQ(ScreenPixel(bottomRight), static_cast<TColor>(ColorToRGB(clBtnHighlight) & 0xFFFFFF));
    SaveScreenPart(TRect{topLeft.x - 4, topLeft.y - 4, bottomRight.x + 5, bottomRight.y + 5},
                   "customize-checkable-button-down.png");
}

} // namespace
