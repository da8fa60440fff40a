// The quick customization popup behind a toolbar's mark, on the headless screen with real toolbar
// windows: what it lists, the "Add or Remove Buttons" list, Reset only where a toolbar can be reset, where
// it opens near the screen's edges and beside vertical toolbars, and the press that closes it.
#include "../BarsTestSupport.h"
#include "../gallery/BarGalleryArt.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/popupcontrols/BarQuickControl.h"
#include "ui/bars/popupcontrols/QuickCustItemControls.h"
#include "ui/bars/popupcontrols/QuickCustItems.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/PaintersInit.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace bars_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

std::string OutputPath(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

class QuickCustomizationTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        uiPaintersInitialize();
        ovSetBarWindowFactory(ovBarWindows());
        PlaceForm(100, 100, 400, 300);
        form->Show();
        olva::win::PumpMessages();
        manager = MakeManager();
        manager->SetStyle(bmsOffice11);
        manager->SetImages(bar_gallery::MakeGalleryImages(form, 16));
    }
    void TearDown() override {
        delete form;
        form = nullptr;
        uiPaintersFinalize();
        BarsTest::TearDown();
    }
    void PlaceForm(int ALeft, int ATop, int AWidth, int AHeight) {
        form->SetBounds(ALeft, ATop, AWidth, AHeight);
        olva::win::PumpMessages();
    }
    // A toolbar in the dock of the style with one button per caption (each with a picture).
    TovBar* AddToolbar(const std::vector<std::string>& ACaptions, TovBarDockingStyle AStyle = dsTop) {
        TovBar* bar = manager->AddToolbar(false, false);
        bar->SetCaption("Edit");
        for (size_t i = 0; i < ACaptions.size(); ++i) {
            auto* button = new TovBarButton(form);
            button->SetCaption(ACaptions[i]);
            button->SetImageIndex(static_cast<int>(i % bar_gallery::GalleryImageCount));
            bar->ItemLinks()->AddItem(button);
        }
        if (AStyle != dsTop) bar->ChangeDockingStyle(AStyle, nullptr);
        olva::win::PumpMessages();
        return bar;
    }
    static std::vector<std::string> Captions(int ACount) {
        std::vector<std::string> captions;
        for (int i = 0; i < ACount; ++i)
            captions.push_back("Command " + std::to_string(i));
        return captions;
    }
    static TovBarControl* Window(TovBar* ABar) { return dynamic_cast<TovBarControl*>(ABar->GetControl()); }
    static TPoint Centre(const TRect& R) { return TPoint{(R.left + R.right) / 2, (R.top + R.bottom) / 2}; }
    void Click(const TPoint& P) {
        SetCursorPos(P.x, P.y);
        InjectMouse(MouseAction::Move, P.x, P.y);
        InjectMouse(MouseAction::LeftDown, P.x, P.y);
        // The button is held while the press is handled, as a hand holds it.
        olva::win::PumpMessages();
        InjectMouse(MouseAction::LeftUp, P.x, P.y);
        olva::win::PumpMessages();
    }
    void ClickMark(TovBar* ABar) { Click(Centre(Window(ABar)->GetMarkScreenRect())); }
    static RECT WindowRect(TCustomovBarControl* AControl) {
        RECT r{};
        GetWindowRect(AControl->Handle(), &r);
        return r;
    }
    // The popup's "&Add or Remove Buttons" entry (its last link), or null.
    static TovBarQuickAccessItem* AccessItem(TovBarPopupControl* APopup) {
        TovBarItemLinks* links = APopup->ItemLinks();
        if (links == nullptr || links->Count() == 0) return nullptr;
        return dynamic_cast<TovBarQuickAccessItem*>(links->Items(links->Count() - 1)->Item());
    }
    // Opens "&Add or Remove Buttons" by a click on it; its menu.
    TCustomovBarControl* OpenList(TovBarPopupControl* APopup) {
        TovBarQuickAccessItem* item = AccessItem(APopup);
        if (item == nullptr || item->LinkCount() == 0 || item->Links(0)->Control() == nullptr) return nullptr;
        Click(Centre(APopup->GetItemControlRect(item->Links(0)->Control())));
        return dynamic_cast<TCustomovBarControl*>(item->ItemLinks()->BarControl());
    }
    static std::vector<std::string> CaptionsOf(TovBarItemLinks* ALinks) {
        std::vector<std::string> captions;
        for (int i = 0; i < ALinks->Count(); ++i) {
            TovBarItemLink* link = ALinks->Items(i);
            // A list entry without its control (its menu closed) is named by the link it stands for.
            TovBarItemLink* stoodFor = TovBarQuickCustItem::StandsFor(link);
            captions.push_back(link->Control() != nullptr ? link->Control()->GetCaption()
                               : stoodFor != nullptr      ? stoodFor->EffectiveCaption()
                                                          : link->EffectiveCaption());
        }
        return captions;
    }

    TovBarManager* manager = nullptr;
};

TEST_F(QuickCustomizationTest, TheMarkListsTheLinksThatFoundNoRoomThenAddOrRemoveButtons) {
    TovBar* bar = AddToolbar(Captions(30));
    TovBarControl* toolbar = Window(bar);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(toolbar->HasMark());
    std::vector<std::string> hidden;
    for (int i = 0; i < bar->ItemLinks()->Count(); ++i) {
        TovBarItemLink* link = bar->ItemLinks()->Items(i);
        if (link->Control() == nullptr || uiIsRectEmpty(TRect(link->ItemRect)))
            hidden.push_back(link->EffectiveCaption());
    }
    ASSERT_FALSE(hidden.empty()) << "thirty buttons do not fit a 400-pixel form";
    ASSERT_LT(hidden.size(), 30u);

    ClickMark(bar);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(toolbar->QuickPopup(), popup);
    EXPECT_EQ(toolbar->GetMarkState(), 2);
    EXPECT_EQ(popup->Kind(), bckQuickCustomization);
    EXPECT_TRUE(IsWindowVisible(popup->Handle()));
    std::vector<std::string> expected = hidden;
    expected.push_back("&Add or Remove Buttons");
    EXPECT_EQ(CaptionsOf(popup->ItemLinks()), expected);
    // The copies stand for the toolbar's own links, and the commands begin their own group.
    const int count = popup->ItemLinks()->Count();
    for (int i = 0; i + 1 < count; ++i) {
        TovBarItemLink* copy = popup->ItemLinks()->Items(i);
        ASSERT_NE(copy->SourceLink, nullptr);
        EXPECT_EQ(copy->SourceLink->Links(), bar->ItemLinks());
        EXPECT_EQ(copy->Item(), copy->SourceLink->Item());
    }
    EXPECT_TRUE(popup->ItemLinks()->Items(count - 1)->BeginGroup());
    // The internal bar is hidden and offers no quick customizing of its own.
    ASSERT_NE(popup->InternalBar(), nullptr);
    EXPECT_TRUE(popup->InternalBar()->Hidden());
    EXPECT_FALSE(popup->InternalBar()->AllowQuickCustomizing());
    for (int i = 0; i < manager->ItemCount(); ++i)
        EXPECT_NE(manager->Items(i), AccessItem(popup))
            << "the popup's entries are no commands of the manager";
}

TEST_F(QuickCustomizationTest, ABarShowingEverythingWithoutQuickCustomizingGivesAnEmptyPopup) {
    TovBar* bar = AddToolbar({"A", "B"});
    bar->SetAllowQuickCustomizing(false);
    TovBarControl* toolbar = Window(bar);
    ASSERT_NE(toolbar, nullptr);
    toolbar->Rebuild();
    olva::win::PumpMessages();
    EXPECT_FALSE(toolbar->IsTruncated());
    EXPECT_FALSE(toolbar->HasMark()) << "neither truncated nor quick-customizable";
    // Pressed anyway (from the keyboard's mark helper), the popup has nothing to show.
    toolbar->SetMarkState(2);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->ItemLinks()->Count(), 0);
    toolbar->SetMarkState(0);
    olva::win::PumpMessages();
    EXPECT_EQ(ovBarOpenQuickControl(), nullptr) << "a mark back to normal frees its popup";
}

TEST_F(QuickCustomizationTest, UncheckingAnEntryHidesTheCommandAndLeavesTheListOpen) {
    TovBar* bar = AddToolbar({"Cut", "Copy", "Paste"});
    ClickMark(bar);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    TCustomovBarControl* list = OpenList(popup);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(IsWindowVisible(list->Handle()));
    EXPECT_EQ(list->Kind(), bckQuickCustomization);
    std::vector<std::string> captions = CaptionsOf(list->ItemLinks());
    // Each command, then Customize (the manager was never loaded, so no Reset).
    EXPECT_EQ(captions, (std::vector<std::string>{"Cut", "Copy", "Paste", "&Customize..."}));
    TovBarItemLink* copyLink = bar->ItemLinks()->Items(1);
    auto* entry = dynamic_cast<TovBarQuickCustItemControl*>(list->ItemLinks()->Items(1)->Control());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->StoodForLink(), copyLink);
    EXPECT_TRUE(entry->IsChecked());
    EXPECT_EQ(entry->CheckColumnWidth(), uiHeightOfRect(entry->GetBoundsRect())) << "a square column";

    const RECT copyPlace = copyLink->ItemRect;
    const TPoint at = Centre(list->GetItemControlRect(entry));
    Click(at);
    EXPECT_FALSE(copyLink->Visible()) << "the command left the toolbar";
    EXPECT_EQ(copyLink->Control(), nullptr);
    EXPECT_EQ(bar->ItemLinks()->Items(2)->ItemRect.left, copyPlace.left) << "Paste moved into its place";
    ASSERT_EQ(ovBarOpenQuickControl(), popup) << "the popup stays open";
    ASSERT_TRUE(IsWindowVisible(list->Handle())) << "and so does the list";
    auto* again = dynamic_cast<TovBarQuickCustItemControl*>(list->ItemLinks()->Items(1)->Control());
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->IsChecked());

    Click(at);
    EXPECT_TRUE(copyLink->Visible()) << "a second click brings the command back";
    EXPECT_TRUE(IsWindowVisible(list->Handle()));
}

TEST_F(QuickCustomizationTest, ResetIsOfferedOnlyForAPredefinedResettableBarOfAManagerThatCanReset) {
    struct Case {
        bool ManagerLoaded;
        bool ManagerAllowReset;
        bool Predefined;
        bool BarAllowReset;
        bool Offered;
    };
    // A manager that was never loaded first: loading is once and for all.
    const Case cases[] = {
        {false, true, true, true, false}, {true, true, true, true, true},   {true, false, true, true, false},
        {true, true, false, true, false}, {true, true, true, false, false},
    };
    TovBar* bar = AddToolbar({"Cut", "Copy"});
    bool loaded = false;
    for (const Case& c : cases) {
        if (c.ManagerLoaded && !loaded) {
            loaded = true;
            manager->Loaded();
            // Loading applies the bar's streamed (hidden) state: shown again.
            bar->SetVisible(true);
            olva::win::PumpMessages();
        }
        manager->AllowReset = c.ManagerAllowReset;
        bar->SetPredefined(c.Predefined);
        bar->AllowReset = c.BarAllowReset;
        ASSERT_NE(Window(bar), nullptr);
        TovBarControl* toolbar = Window(bar);
        toolbar->SetMarkState(2);
        TovBarPopupControl* popup = ovBarOpenQuickControl();
        ASSERT_NE(popup, nullptr);
        TovBarQuickAccessItem* item = AccessItem(popup);
        ASSERT_NE(item, nullptr);
        item->RefillList();
        const std::vector<std::string> captions = CaptionsOf(item->ItemLinks());
        std::vector<std::string> expected{"Cut", "Copy"};
        if (c.Offered) expected.push_back("&Reset Toolbar");
        expected.push_back("&Customize...");
        EXPECT_EQ(captions, expected)
            << c.ManagerLoaded << c.ManagerAllowReset << c.Predefined << c.BarAllowReset;
        // The first entry after the commands begins the group.
        ASSERT_EQ(item->ItemLinks()->Count(), static_cast<int>(expected.size()));
        EXPECT_TRUE(item->ItemLinks()->Items(2)->BeginGroup());
        if (c.Offered) EXPECT_FALSE(item->ItemLinks()->Items(3)->BeginGroup());
        toolbar->SetMarkState(0);
        olva::win::PumpMessages();
    }
}

TEST_F(QuickCustomizationTest, CustomizeFromTheListOpensTheCustomizeWindow) {
    TovBar* bar = AddToolbar({"Cut", "Copy"});
    ClickMark(bar);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    TCustomovBarControl* list = OpenList(popup);
    ASSERT_NE(list, nullptr);
    TovBarItemLinks* links = list->ItemLinks();
    TovBarItemLink* customize = links->Items(links->Count() - 1);
    ASSERT_EQ(customize->EffectiveCaption(), "&Customize...");
    ASSERT_NE(customize->Control(), nullptr);
    Click(Centre(list->GetItemControlRect(customize->Control())));
    EXPECT_TRUE(manager->IsCustomizing());
    EXPECT_EQ(ovBarOpenQuickControl(), nullptr) << "the popup closed with the click";
    olva::win::PumpMessages();
    TovBarCustomCustomizationForm* window = BarCustomizingForm();
    ASSERT_NE(window, nullptr) << "the Customize window is open";
    EXPECT_TRUE(window->Visible());
    window->Close();
    olva::win::PumpMessages();
    EXPECT_EQ(BarCustomizingForm(), nullptr);
    EXPECT_FALSE(manager->IsCustomizing()) << "closing the window ends customizing";
}

TEST_F(QuickCustomizationTest, ThePressOnTheMarkThatClosesThePopupDoesNotOpenItAgain) {
    TovBar* bar = AddToolbar(Captions(30));
    ClickMark(bar);
    TovBarPopupControl* first = ovBarOpenQuickControl();
    ASSERT_NE(first, nullptr);
    TWeakLink<TovBarPopupControl> firstAlive(first);
    ClickMark(bar);
    EXPECT_FALSE(firstAlive) << "the popup was freed";
    EXPECT_EQ(ovBarOpenQuickControl(), nullptr) << "and no other opened";
    EXPECT_NE(Window(bar)->GetMarkState(), 2);
    // The next press opens it as usual.
    ClickMark(bar);
    EXPECT_NE(ovBarOpenQuickControl(), nullptr);
    // A press elsewhere closes it too.
    Click(TPoint{300, 300});
    EXPECT_EQ(ovBarOpenQuickControl(), nullptr);
    EXPECT_EQ(Window(bar)->GetMarkState(), 0);
}

TEST_F(QuickCustomizationTest, ThePopupOpensUnderTheMarkAndKeepsInsideTheWorkArea) {
    // Work area 1920 x 1040 (a task bar below). A form near its right edge and one at its bottom.
    struct Case {
        const char* Name;
        TPoint FormAt;
        TovBarDockingStyle Style;
    };
    const Case cases[] = {{"middle", {300, 200}, dsTop},
                          {"right edge", {1920 - 410, 200}, dsTop},
                          {"bottom", {300, 1040 - 300}, dsBottom},
                          {"left dock", {300, 200}, dsLeft},
                          {"left dock, right edge", {1920 - 60, 200}, dsLeft}};
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        PlaceForm(c.FormAt.x, c.FormAt.y, 400, 300);
        TovBar* bar = AddToolbar(Captions(30), c.Style);
        bar->SetCaption("Bar" + std::to_string(index++));
        TovBarControl* toolbar = Window(bar);
        ASSERT_NE(toolbar, nullptr);
        ASSERT_TRUE(toolbar->HasMark());
        ClickMark(bar);
        TovBarPopupControl* popup = ovBarOpenQuickControl();
        ASSERT_NE(popup, nullptr);
        const TRect mark = toolbar->GetMarkScreenRect();
        const RECT r = WindowRect(popup);
        EXPECT_GT(r.right - r.left, 0);
        EXPECT_LE(r.right, 1920);
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.bottom, 1040);
        const std::string name = c.Name;
        if (name == "middle") {
            EXPECT_EQ(r.top, mark.bottom) << "under the mark";
            EXPECT_EQ(r.right, mark.right) << "right-aligned with a docked toolbar's mark";
        } else if (name == "right edge") {
            EXPECT_EQ(r.top, mark.bottom);
            EXPECT_LE(r.right, 1920);
        } else if (name == "bottom") {
            EXPECT_EQ(r.bottom, mark.top) << "above the mark";
        } else if (name == "left dock") {
            EXPECT_EQ(r.left, mark.right) << "to the right of a vertical toolbar's mark";
            EXPECT_EQ(r.top, mark.top);
        } else {
            EXPECT_EQ(r.right, mark.left) << "to the left of the mark at the right edge";
        }
        Window(bar)->SetMarkState(0);
        olva::win::PumpMessages();
        bar->SetVisible(false);
        olva::win::PumpMessages();
    }
}

TEST_F(QuickCustomizationTest, PlacementRulesOfTheBaseAndTheQuickControl) {
    // The pure arithmetic, against a work area of 0..1000 x 0..800 and a mark at (900, 100)-(911, 130).
    TovBarQuickControl control(manager);
    const TRect work{0, 0, 1000, 800};
    const TRect owner{900, 100, 911, 130};
    const TSize size{200, 150};
    TPoint p{};
    control.CalcPopupPosition(size, owner, p, 0);
    EXPECT_EQ(p.x, 711);
    EXPECT_EQ(p.y, 130);
    control.CalcPopupPosition(size, owner, p, 1);
    EXPECT_EQ(p.x, 900);
    control.AdjustPopupPosition(p, size, work, owner);
    EXPECT_EQ(p.x, 800) << "shifted left to the work area's right edge";
    EXPECT_EQ(p.y, 130);
    const TRect low{100, 700, 111, 730};
    control.CalcPopupPosition(size, low, p, 1);
    control.AdjustPopupPosition(p, size, work, low);
    EXPECT_EQ(p.y, 550) << "above an owner near the bottom";
    EXPECT_EQ(p.x, 100);
}

TEST_F(QuickCustomizationTest, AMovedToolbarTakesItsPopupAlong) {
    TovBar* bar = AddToolbar(Captions(30));
    // Far enough from the screen's left edge that the popup needs no shifting.
    bar->SetFloatLeft(900);
    bar->SetFloatTop(300);
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* toolbar = Window(bar);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(toolbar->HasMark());
    // Pressed as the keyboard's mark helper presses it.
    toolbar->SetMarkState(2);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    const RECT before = WindowRect(popup);
    const RECT window = WindowRect(toolbar);
    SetWindowPos(toolbar->Handle(), nullptr, window.left + 40, window.top + 25, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    olva::win::PumpMessages();
    ASSERT_EQ(ovBarOpenQuickControl(), popup);
    const RECT after = WindowRect(popup);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
    TRect owner{};
    popup->GetOwnerRect(owner);
    EXPECT_EQ(owner, toolbar->GetMarkScreenRect());
}

TEST_F(QuickCustomizationTest, PictureOfAddOrRemoveButtonsOpen) {
    TovBar* bar =
        AddToolbar({"&Open",    "&Save",    "Cu&t",  "&Copy",      "&Paste", "&Undo",    "&Redo",
                    "&Find",    "&Replace", "&Mix",  "&Normalize", "&Echo",  "&Fade in", "Fade &out",
                    "&Silence", "&Amplify", "&Bass", "&Treble",    "&Delay", "&Chorus"});
    ClickMark(bar);
    TovBarPopupControl* popup = ovBarOpenQuickControl();
    ASSERT_NE(popup, nullptr);
    TCustomovBarControl* list = OpenList(popup);
    ASSERT_NE(list, nullptr);
    // One command unchecked, so both looks of an entry show.
    Click(Centre(list->GetItemControlRect(list->ItemLinks()->Items(2)->Control())));
    ASSERT_FALSE(bar->ItemLinks()->Items(2)->Visible());
    olva::win::PumpMessages();
    const RECT formRect = WindowRect(Window(bar));
    const RECT listRect = WindowRect(list);
    const RECT popupRect = WindowRect(popup);
    const int left = std::min({formRect.left, listRect.left, popupRect.left}) - 10;
    const int top = formRect.top - 10;
    const int right = std::max({formRect.right, listRect.right, popupRect.right}) + 10;
    const int bottom = std::max(listRect.bottom, popupRect.bottom) + 10;
    std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    ASSERT_NE(screen, nullptr);
    TSurface picture(right - left, bottom - top);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.Row(y)[x] = screen->Contains(left + x, top + y) ? screen->Row(top + y)[left + x] : 0;
    ASSERT_TRUE(SaveSurfaceToPng(picture, OutputPath("quick-customization.png")));
}

} // namespace
