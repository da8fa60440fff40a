// The customizing popup on the headless screen: a right click on a link of a customized menu window opens
// it; the entries follow the bar's kind and the item (paint styles of buttons on toolbars only, never the
// designer's layout entries); clicks act on the link; a blank name is refused with its text.
#include "tests/ui/bars/controls/BarWindowTestSupport.h"
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarDesignController.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using bars_test::TWindowedMenu;

class CustomizingPopupTest : public menus_test::MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        form->Show();
        olva::win::PumpMessages();
    }
    void TearDown() override {
        BarDesignController()->OnCustomizingPopup = nullptr;
        menu.reset();
        MenusTest::TearDown();
    }
    // A customized menu window with the captions at the screen point.
    void OpenMenu(int X, int Y, const std::vector<std::string>& ACaptions) {
        menu = std::make_unique<TWindowedMenu>(manager);
        menu->SetPainter(painter.get());
        for (const std::string& caption : ACaptions)
            menu->Add(Command(caption));
        menu->Layout(120);
        const TRect client = menu->GetClientRect();
        menu->SetBounds(TRect{X, Y, X + client.right, Y + client.bottom});
        menu->HandleNeeded();
        menu->Show();
        manager->SetIsCustomizing(true);
        olva::win::PumpMessages();
    }
    TPoint LinkCentre(int AIndex) const {
        const TRect r = menu->ItemLinks()->Items(AIndex)->Control()->GetBoundsRect();
        TPoint p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(menu->Handle(), &p);
        return p;
    }
    // The captions of the open customizing popup's entries, with their state.
    static std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
        if (popup == nullptr) return entries;
        for (int i = 0; i < popup->ItemLinks()->Count(); ++i) {
            TovBarItem* item = popup->ItemLinks()->Items(i)->Item();
            std::string entry = item->Caption();
            if (auto* button = dynamic_cast<TovBarButton*>(item); button && button->Down())
                entry += " [down]";
            if (!item->GetEnabled()) entry += " [disabled]";
            entries.push_back(entry);
        }
        return entries;
    }
    // Runs AScript from the popup's loop once its window is open.
    void WhenOpen(std::function<void()> AScript) {
        FWaits = 0;
        FWhenOpen = std::move(AScript);
        BarDesignController()->OnCustomizingPopup = [this](TovBarCustomizingPopup*) {
            BarDesignController()->OnCustomizingPopup = nullptr;
            PostScript([this] { PollOpen(); });
        };
    }
    void PollOpen() {
        TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
        if (popup != nullptr && popup->GetSubMenuControl() != nullptr) {
            FWhenOpen();
            return;
        }
        if (++FWaits < 200) PostScript([this] { PollOpen(); });
    }
    // A right click on the link: the popup opens on the press and the release follows from its loop.
    void RightClick(const TPoint& P, std::function<void()> AScript) {
        WhenOpen([this, P, AScript] {
            Release(P.x, P.y, true);
            PostScript(AScript);
        });
        MoveMouse(P.x, P.y);
        Press(P.x, P.y, true);
        olva::win::PumpMessages();
    }
    TPoint EntryCentre(const std::string& ACaption) {
        return ItemCentre(BarDesignController()->CustomizingPopup()->GetSubMenuControl(), ACaption);
    }

    std::unique_ptr<TWindowedMenu> menu;

private:
    std::function<void()> FWhenOpen;
    int FWaits = 0;
};

TEST_F(CustomizingPopupTest, ARightClickOnAMenuLinkOffersTheMenuEntriesAndDeleteRemovesIt) {
    OpenMenu(200, 100, {"Cut", "Copy", "Paste"});
    std::vector<std::string> entries;
    RightClick(LinkCentre(1), [&] {
        entries = Entries();
        const TPoint del = EntryCentre("&Delete");
        MoveMouse(del.x, del.y);
        ClickAt(del.x, del.y);
    });
    // A button offers paint styles at run time, but a menu forbids them.
    const std::vector<std::string> expected{"&Reset", "&Delete", "&Name:", "Begin a &Group"};
    EXPECT_EQ(expected, entries);
    ASSERT_EQ(2, menu->ItemLinks()->Count());
    EXPECT_EQ("Paste", menu->ItemLinks()->Items(1)->Item()->Caption());
    EXPECT_EQ(nullptr, BarDesignController()->CustomizingPopup());
}

TEST_F(CustomizingPopupTest, OnAToolbarPaintStylesAreOfferedAndTheFirstLinkCannotBeginAGroup) {
    OpenMenu(200, 100, {"Open", "Save"});
    bar_standins::TStandInToolbar* toolbar = Toolbar();
    toolbar->Add(Command("Undo"));
    toolbar->Add(Command("Redo"));
    TovBarItemLink* undo = toolbar->ItemLinks()->Items(0);
    TovBarItemLink* redo = toolbar->ItemLinks()->Items(1);
    manager->SetIsCustomizing(false);
    manager->SetIsCustomizing(true);

    std::vector<std::string> first, second;
    PlaceCursor(400, 40);
    WhenOpen([&] {
        first = Entries();
        SaveScreenPart(WindowBounds(BarDesignController()->CustomizingPopup()->GetSubMenuControl()),
                       "customizing_popup_toolbar.png");
        Key(VK_ESCAPE);
    });
    EXPECT_TRUE(BarDesignController()->ShowLinkCustomizingPopup(toolbar, undo));
    const std::vector<std::string> expected{"&Reset",
                                            "&Delete",
                                            "&Name:",
                                            "Defa&ult style [down]",
                                            "&Text Only (Always)",
                                            "Text &Only (in Menus)",
                                            "Image &and Text",
                                            "Begin a &Group [disabled]"};
    EXPECT_EQ(expected, first);

    WhenOpen([&] {
        second = Entries();
        const TPoint textOnly = EntryCentre("&Text Only (Always)");
        MoveMouse(textOnly.x, textOnly.y);
        ClickAt(textOnly.x, textOnly.y);
    });
    EXPECT_TRUE(BarDesignController()->ShowLinkCustomizingPopup(toolbar, redo));
    ASSERT_EQ(8u, second.size());
    EXPECT_EQ("Begin a &Group", second[7]) << "enabled for the second link";
    EXPECT_EQ(psCaption, redo->EffectivePaintStyle());
    EXPECT_EQ(psStandard, undo->EffectivePaintStyle());

    PlaceCursor(400, 40);
    WhenOpen([&] {
        second = Entries();
        TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
        popup->ItemLinks()->Items(7)->Item()->Click();
        Key(VK_ESCAPE);
    });
    EXPECT_TRUE(BarDesignController()->ShowLinkCustomizingPopup(toolbar, redo));
    EXPECT_EQ("&Text Only (Always) [down]", second[4]);
    EXPECT_TRUE(redo->BeginGroup());
}

TEST_F(CustomizingPopupTest, ABlankNameIsRefusedWithItsTextAndChangesNothing) {
    OpenMenu(200, 100, {"Cut", "Copy"});
    TovBarItemLink* cut = menu->ItemLinks()->Items(0);
    std::string boxText;
    int waits = 0;
    std::function<void()> answerBox = [&] {
        for (int i = 0; i < Screen()->FormCount(); ++i)
            if (std::string text = MessageBoxText(Screen()->Forms(i)); !text.empty()) boxText = text;
        if (!boxText.empty() || ++waits > 50)
            Key(VK_RETURN);
        else
            PostScript(answerBox);
    };
    const TPoint p = LinkCentre(0);
    RightClick(p, [&] {
        TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
        for (int i = 0; i < popup->ItemLinks()->Count(); ++i)
            if (auto* edit = dynamic_cast<TovBarEdit*>(popup->ItemLinks()->Items(i)->Item())) {
                EXPECT_EQ("Cut", edit->GetText());
                edit->SetText("  ");
            }
        PostScript(answerBox);
    });
    EXPECT_EQ("A command name cannot be blank. Please enter a name.", boxText);
    EXPECT_EQ("Cut", cut->EffectiveCaption());

    RightClick(p, [&] {
        TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
        for (int i = 0; i < popup->ItemLinks()->Count(); ++i)
            if (auto* edit = dynamic_cast<TovBarEdit*>(popup->ItemLinks()->Items(i)->Item()))
                edit->SetText("Snip");
        Key(VK_ESCAPE);
    });
    EXPECT_EQ("Snip", cut->EffectiveCaption());
}

} // namespace
