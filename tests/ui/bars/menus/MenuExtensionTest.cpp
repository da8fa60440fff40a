// What menus that derive from the sub-menu offer them: borders of their own, a size a child item control
// asks for once the menu is placed, the view info's class, and internal menus that make their own entries.
#include "MenusTestSupport.h"

#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/InternalSubMenuControl.h"
#include "ui/bars/controls/SubMenuControlViewInfo.h"

#include <memory>

namespace menus_test {
namespace {

// A menu with a grip band of its own below the items.
class TBandedMenu : public TovBarInternalSubMenuControl {
public:
    using TovBarInternalSubMenuControl::TovBarInternalSubMenuControl;
    void GetBorders(bool AWithDetachCaption, TRect& R) const override {
        TovBarInternalSubMenuControl::GetBorders(AWithDetachCaption, R);
        R.bottom += Band;
    }
    int Band = 0;
};

// A menu whose child wants it wider, by Grow pixels, each time it is placed.
class TGrowingMenu : public TovBarInternalSubMenuControl {
public:
    using TovBarInternalSubMenuControl::TovBarInternalSubMenuControl;
    bool AdjustSizeByChildItemControl(TSize& ASize) override {
        ++Asked;
        RECT r{};
        ::GetWindowRect(Handle(), &r);
        ASize = TSize{r.right - r.left + Grow, r.bottom - r.top};
        return Grow != 0;
    }
    int Grow = 0;
    int Asked = 0;
};

class TCountingViewInfo : public TovBarSubMenuControlViewInfo {
public:
    TCountingViewInfo(TovBarSubMenuControl* AMenu, int* ACount)
        : TovBarSubMenuControlViewInfo(AMenu), FCount(ACount) {}
    void ComputeLayout() override {
        ++*FCount;
        TovBarSubMenuControlViewInfo::ComputeLayout();
    }

private:
    int* FCount;
};

class TMenuWithOwnViewInfo : public TovBarInternalSubMenuControl {
public:
    using TovBarInternalSubMenuControl::TovBarInternalSubMenuControl;
    int Layouts = 0;

protected:
    std::unique_ptr<TCustomovBarControlViewInfo> CreateViewInfo() override {
        return std::make_unique<TCountingViewInfo>(this, &Layouts);
    }
};

class MenuExtensionTest : public MenusTest {
protected:
    template <class T> std::unique_ptr<T> Open(const std::vector<std::string>& ACaptions, int X = 200,
                                               int Y = 150) {
        auto menu = std::make_unique<T>(manager);
        for (const std::string& caption : ACaptions)
            menu->InternalItemLinks()->AddItem(Command(caption));
        menu->MoveTo(TPoint{X, Y});
        menu->Show();
        return menu;
    }
    static TSize WindowSize(TCustomovBarControl* AMenu) {
        RECT r{};
        ::GetWindowRect(AMenu->Handle(), &r);
        return TSize{r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(MenuExtensionTest, BordersOfADerivedMenuSizeItsWindowAndItsClientArea) {
    auto plain = Open<TBandedMenu>({"Cut", "Copy"});
    auto banded = std::make_unique<TBandedMenu>(manager);
    banded->Band = 6;
    for (const char* caption : {"Cut", "Copy"})
        banded->InternalItemLinks()->AddItem(Command(caption));
    banded->MoveTo(TPoint{400, 150});
    banded->Show();
    EXPECT_EQ(WindowSize(banded.get()).cy, WindowSize(plain.get()).cy + 6);
    EXPECT_EQ(WindowSize(banded.get()).cx, WindowSize(plain.get()).cx);
    // The window system's client area is the one the menu lays its items out in.
    RECT client{};
    ::GetClientRect(banded->Handle(), &client);
    EXPECT_EQ(client.bottom - client.top, banded->GetClientRect().bottom - banded->GetClientRect().top);
    EXPECT_EQ(client.bottom - client.top, plain->GetClientRect().bottom - plain->GetClientRect().top);
    TRect borders{};
    banded->GetBorders(true, borders);
    EXPECT_EQ(banded->GetWindowRectLocal().bottom - banded->GetWindowRectLocal().top,
              banded->GetClientRect().bottom + borders.top + borders.bottom);
    banded->CloseUp(bcrOther);
    plain->CloseUp(bcrOther);
}

TEST_F(MenuExtensionTest, AChildsSizeIsAskedOncePerPlacementAndItsFlipsAreCombined) {
    auto normal = Open<TGrowingMenu>({"Gallery"});
    const int width = WindowSize(normal.get()).cx;
    EXPECT_EQ(normal->Asked, 1);
    normal->CloseUp(bcrOther);

    // Wide enough at the start point, too wide once the child asked for 40 more pixels: the second
    // placement opens to the left of the point.
    const int right = ::GetSystemMetrics(SM_CXSCREEN);
    const int start = right - width - 10;
    auto menu = std::make_unique<TGrowingMenu>(manager);
    menu->Grow = 40;
    menu->InternalItemLinks()->AddItem(Command("Gallery"));
    menu->MoveTo(TPoint{start, 150});
    menu->Show();
    EXPECT_EQ(menu->Asked, 1) << "not asked again while placed at the asked size";
    EXPECT_EQ(WindowSize(menu.get()).cx, width + 40);
    RECT r{};
    ::GetWindowRect(menu->Handle(), &r);
    EXPECT_EQ(r.left, start - (width + 40));
    menu->Grow = 0;
    menu->Asked = 0;
    menu->MoveTo(TPoint{start, 150});
    bool flippedX = false, flippedY = false;
    menu->Grow = 40;
    menu->CalcPosition(TSize{0, 0}, flippedX, flippedY);
    EXPECT_TRUE(flippedX) << "the first placement fitted, the second flipped: together flipped";
    EXPECT_FALSE(flippedY);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuExtensionTest, TheViewInfoListsTheShownItemsWithASeparatorAboveEachGroupButTheFirst) {
    auto menu = std::make_unique<TMenuWithOwnViewInfo>(manager);
    for (const char* caption : {"Open", "Save", "Print", "Close"})
        menu->InternalItemLinks()->AddItem(Command(caption));
    menu->InternalItemLinks()->Items(0)->SetBeginGroup(true);
    menu->InternalItemLinks()->Items(2)->SetBeginGroup(true);
    menu->MoveTo(TPoint{200, 150});
    menu->Show();
    EXPECT_GT(menu->Layouts, 0) << "the menu's own view info class";
    auto* info = dynamic_cast<TovBarSubMenuControlViewInfo*>(menu->ViewInfo());
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->ItemControlCount(), 4);
    ASSERT_EQ(info->SeparatorCount(), 1);
    int index = -1;
    TovBarItemControl* print = menu->InternalItemLinks()->Items(2)->Control();
    ASSERT_TRUE(info->FindSeparatorOfItemControl(print, index));
    TRect band{};
    info->GetSeparatorInfo(index, band);
    EXPECT_EQ(band.bottom, print->GetBoundsRect().top) << "right above the item";
    EXPECT_FALSE(info->FindSeparatorOfItemControl(menu->InternalItemLinks()->Items(0)->Control(), index));
    // Hit testing goes by the view info.
    const TRect save = menu->InternalItemLinks()->Items(1)->Control()->GetBoundsRect();
    EXPECT_EQ(menu->ItemControlAt(TPoint{save.left + 3, save.top + 2}),
              menu->InternalItemLinks()->Items(1)->Control());
    menu->CloseUp(bcrOther);
}

TEST_F(MenuExtensionTest, AnInternalMenuOwnsItsLinksTakesAnyItemAndNeverCustomizes) {
    TovBarButton* entry = Command("Filter");
    auto menu = std::make_unique<TovBarInternalSubMenuControl>(manager);
    TovBarInternalItemLinks* links = menu->InternalItemLinks();
    ASSERT_EQ(menu->ItemLinks(), links);
    EXPECT_EQ(links->BarControl(), menu.get());
    EXPECT_EQ(links->OwnerObject(), menu.get());
    EXPECT_TRUE(links->NoDesignerNotification);
    std::string error = "unset";
    EXPECT_TRUE(links->CanContainItem(entry, error));
    EXPECT_TRUE(error.empty());
    links->AddItem(entry);
    EXPECT_EQ(entry->LinkCount(), 1);
    links->ConnectBarControl();
    EXPECT_EQ(links->BarControl(), menu.get()) << "connecting makes no other window";

    auto plain = std::make_unique<TovBarSubMenuControl>(manager);
    manager->SetIsCustomizing(true);
    EXPECT_TRUE(plain->IsCustomizing());
    EXPECT_FALSE(menu->IsCustomizing());
    EXPECT_TRUE(menu->IsInternal());
    manager->SetIsCustomizing(false);

    menu->MoveTo(TPoint{200, 150});
    menu->Show();
    EXPECT_NE(entry->Links(0)->Control(), nullptr);
    menu->CloseUp(bcrOther);
    menu.reset();
    EXPECT_EQ(entry->LinkCount(), 0) << "the links went with the menu; the item stays";
}

} // namespace
} // namespace menus_test
