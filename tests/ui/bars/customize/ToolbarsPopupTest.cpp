// The toolbars popup on real docks and toolbars: a right click on a dock or on a toolbar outside
// customizing lists the closable, shown-to-the-user toolbars with their visibility, a click on an entry
// shows or hides that toolbar, "&Customize..." follows after a group line, and nothing opens while
// customizing or when nothing could be listed.
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/BarToolbarsPopup.h"

#include "platform/win/Input.h"
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

class ToolbarsPopupTest : public menus_test::MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        // Real toolbar, dock and menu windows: a manager made after the unit's own factory is in place.
        delete manager;
        ovSetBarWindowFactory(ovBarWindows());
        form->SetBounds(100, 100, 640, 480);
        olva::win::PumpMessages();
        manager = MakeManager();
        manager->MenuAnimations = maNone;
        standard = AddToolbar("Standard", {"New", "Open", "Save"});
        formatting = AddToolbar("Formatting", {"Bold", "Italic"});
        drawing = AddToolbar("Drawing", {"Line"});
        drawing->SetVisible(false);
        locked = AddToolbar("Locked", {"Fixed"});
        locked->SetAllowClose(false);
        hidden = AddToolbar("Internal", {"Secret"});
        hidden->SetHidden(true);
        olva::win::PumpMessages();
    }
    void TearDown() override {
        BarDesignController()->OnToolbarsPopup = nullptr;
        MenusTest::TearDown();
    }
    TovBar* AddToolbar(const std::string& ACaption, const std::vector<std::string>& AButtons) {
        TovBar* bar = manager->AddToolbar(false, false);
        bar->SetCaption(ACaption);
        for (const std::string& caption : AButtons) {
            auto* button = new TovBarButton(form);
            button->SetCaption(caption);
            bar->ItemLinks()->AddItem(button);
        }
        return bar;
    }
    TovDockControl* TopDock() const {
        return dynamic_cast<TovDockControl*>(manager->Bars()->DockControls(dsTop));
    }
    // A point of the top dock right of every toolbar, in screen coordinates.
    TPoint OnDock() const {
        HWND dock = TopDock()->Handle();
        RECT r{};
        ::GetWindowRect(dock, &r);
        return TPoint{r.right - 10, r.top + 5};
    }
    TPoint OnButton(TovBar* ABar, int AIndex) const {
        auto* control = dynamic_cast<TovBarControl*>(ABar->GetControl());
        const TRect r = ABar->ItemLinks()->Items(AIndex)->Control()->GetBoundsRect();
        TPoint p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ::ClientToScreen(control->Handle(), &p);
        return p;
    }
    // The entries of the open toolbars popup: caption, " [down]" for a checked one, " |" before one that
    // begins a group, " [disabled]".
    static std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        TovBarToolbarsPopup* popup = BarDesignController()->ToolbarsPopup();
        if (popup == nullptr) return entries;
        for (int i = 0; i < popup->ItemLinks()->Count(); ++i) {
            TovBarItemLink* link = popup->ItemLinks()->Items(i);
            std::string entry = (link->BeginGroup() ? "| " : "") + link->Item()->Caption();
            if (auto* button = dynamic_cast<TovBarButton*>(link->Item()); button && button->Down())
                entry += " [down]";
            if (!link->Item()->GetEnabled()) entry += " [disabled]";
            entries.push_back(entry);
        }
        return entries;
    }
    // A right press at P; once the popup's window is open the release follows and then the script.
    void RightClick(const TPoint& P, std::function<void()> AScript) {
        FOpened = false;
        BarDesignController()->OnToolbarsPopup = [this, P, AScript](TovBarToolbarsPopup*) {
            FOpened = true;
            PostScript([this, P, AScript] {
                // One popup per click: later ones (none is expected) are not scripted.
                BarDesignController()->OnToolbarsPopup = nullptr;
                Release(P.x, P.y, true);
                PostScript(AScript);
            });
        };
        MoveMouse(P.x, P.y);
        Press(P.x, P.y, true);
        olva::win::PumpMessages();
    }
    void ClickEntry(const std::string& ACaption) {
        const TPoint p = ItemCentre(BarDesignController()->ToolbarsPopup()->GetSubMenuControl(), ACaption);
        MoveMouse(p.x, p.y);
        ClickAt(p.x, p.y);
    }

    TovBar* standard = nullptr;
    TovBar* formatting = nullptr;
    TovBar* drawing = nullptr;
    TovBar* locked = nullptr;
    TovBar* hidden = nullptr;
    bool FOpened = false;
};

TEST_F(ToolbarsPopupTest, ARightClickOnTheDockListsTheToolbarsAndAClickHidesOne) {
    ASSERT_NE(nullptr, TopDock());
    std::vector<std::string> entries;
    RightClick(OnDock(), [&] {
        entries = Entries();
        SaveScreenPart(WindowBounds(BarDesignController()->ToolbarsPopup()->GetSubMenuControl()),
                       "toolbars-popup.png");
        ClickEntry("Formatting");
    });
    ASSERT_TRUE(FOpened);
    const std::vector<std::string> expected{"Standard [down]", "Formatting [down]", "Drawing",
                                            "| &Customize..."};
    EXPECT_EQ(expected, entries) << "not closable, hidden and merged toolbars are not listed";
    EXPECT_FALSE(formatting->Visible());
    EXPECT_TRUE(standard->Visible());
    EXPECT_EQ(nullptr, BarDesignController()->ToolbarsPopup());
    EXPECT_EQ(0, BarDesignController()->InternalItemCount()) << "the entries go with the popup";

    // On a toolbar's button the same popup opens; the button's command does not run.
    int clicks = 0;
    static_cast<TovBarButton*>(standard->ItemLinks()->Items(1)->Item())
        ->SetOnClick(TNotifyEvent([&clicks](TObject*) { ++clicks; }));
    RightClick(OnButton(standard, 1), [&] {
        entries = Entries();
        ClickEntry("Drawing");
    });
    ASSERT_TRUE(FOpened);
    const std::vector<std::string> after{"Standard [down]", "Formatting", "Drawing", "| &Customize..."};
    EXPECT_EQ(after, entries);
    EXPECT_TRUE(drawing->Visible());
    EXPECT_EQ(0, clicks);

    RightClick(OnDock(), [&] { ClickEntry("Formatting"); });
    EXPECT_TRUE(formatting->Visible());
}

TEST_F(ToolbarsPopupTest, CustomizeEntrySwitchesIntoCustomizingAndNothingOpensWhileCustomizing) {
    RightClick(OnDock(), [&] { ClickEntry("&Customize..."); });
    ASSERT_TRUE(FOpened);
    EXPECT_TRUE(manager->IsCustomizing());

    RightClick(OnDock(), [] {});
    EXPECT_FALSE(FOpened) << "while customizing a right click on the dock opens nothing";
    EXPECT_FALSE(BarDesignController()->ShowToolbarsPopup(manager));
    manager->SetIsCustomizing(false);
}

TEST_F(ToolbarsPopupTest, APopupWithNothingToListIsNeverShown) {
    manager->CanCustomize = false;
    standard->SetAllowClose(false);
    formatting->SetAllowClose(false);
    drawing->SetAllowClose(false);
    RightClick(OnDock(), [] {});
    EXPECT_FALSE(FOpened);
    EXPECT_FALSE(BarDesignController()->ShowToolbarsPopup(manager));
    EXPECT_EQ(nullptr, BarDesignController()->ToolbarsPopup());
    EXPECT_EQ(0, BarDesignController()->InternalItemCount());
}

TEST_F(ToolbarsPopupTest, TheApplicationMayChangeTheEntries) {
    manager->OnShowToolbarsPopup = [](TovBarManager*, TovBarItemLinks* ALinks) {
        // Only the customize entry stays.
        while (ALinks->Count() > 1)
            delete ALinks->Items(0);
    };
    std::vector<std::string> entries;
    RightClick(OnDock(), [&] {
        entries = Entries();
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(std::vector<std::string>{"| &Customize..."}, entries);
}

// Delete typed in the main window goes to the bars only while customizing: the link selected last is
// forgotten when customization ends, so the application's own Delete removes no toolbar button.
TEST_F(ToolbarsPopupTest, DeleteAfterCustomizingRemovesNoToolbarButton) {
    ovBarDesignControllerStart();
    form->SetFocus();
    manager->SetIsCustomizing(true);
    olva::win::PumpMessages();
    BarDesignController()->SelectLink(standard->ItemLinks()->Items(0), dsoExclusive);
    Key(VK_DELETE);
    olva::win::PumpMessages();
    ASSERT_EQ(2, standard->ItemLinks()->Count()) << "while customizing the key deletes the selected button";

    BarDesignController()->SelectLink(standard->ItemLinks()->Items(0), dsoExclusive);
    manager->SetIsCustomizing(false);
    olva::win::PumpMessages();
    form->SetFocus();
    Key(VK_DELETE);
    olva::win::PumpMessages();
    EXPECT_EQ(2, standard->ItemLinks()->Count());
    EXPECT_EQ(nullptr, BarDesignController()->LastSelectedLink());
}

// While customizing, a right click on a toolbar's button opens that link's customizing popup instead.
TEST_F(ToolbarsPopupTest, WhileCustomizingARightClickOnAToolbarLinkOpensItsCustomizingPopup) {
    manager->SetIsCustomizing(true);
    olva::win::PumpMessages();
    const TPoint p = OnButton(standard, 1);
    std::vector<std::string> entries;
    bool opened = false;
    BarDesignController()->OnCustomizingPopup = [&](TovBarCustomizingPopup*) {
        PostScript([&, p] {
            BarDesignController()->OnCustomizingPopup = nullptr;
            opened = true;
            Release(p.x, p.y, true);
            PostScript([&] {
                TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
                for (int i = 0; i < popup->ItemLinks()->Count(); ++i)
                    entries.push_back(popup->ItemLinks()->Items(i)->Item()->Caption());
                // The toolbar, the right-clicked link and the popup below it.
                RECT bar{};
                ::GetWindowRect(dynamic_cast<TovBarControl*>(standard->GetControl())->Handle(), &bar);
                const TRect menuRect = WindowBounds(popup->GetSubMenuControl());
                SaveScreenPart(TRect{bar.left - 8, bar.top - 8, std::max<int>(bar.right, menuRect.right) + 8,
                                     menuRect.bottom + 8},
                               "customizing-popup.png");
                Key(VK_ESCAPE);
            });
        });
    };
    MoveMouse(p.x, p.y);
    Press(p.x, p.y, true);
    olva::win::PumpMessages();
    BarDesignController()->OnCustomizingPopup = nullptr;
    ASSERT_TRUE(opened);
    EXPECT_EQ(nullptr, BarDesignController()->ToolbarsPopup());
    const std::vector<std::string> expected{"&Reset",
                                            "&Delete",
                                            "&Name:",
                                            "Defa&ult style",
                                            "&Text Only (Always)",
                                            "Text &Only (in Menus)",
                                            "Image &and Text",
                                            "Begin a &Group"};
    EXPECT_EQ(expected, entries);
    manager->SetIsCustomizing(false);
}

} // namespace
