// Bar control metrics, the menu layout, the drop position and the painting pipeline; and the picture of a
// menu window with a hot item on the headless screen (build/test-output/bars/).
#include "BarWindowTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <cmath>

using namespace bars_test;

namespace {

// A painter whose default text size a test chooses.
class TextSizePainter : public TovBarPainter {
public:
    int DefaultTextExtent(TuiCanvas*) override { return TextSize; }
    int TextSize = 19;
};

// A menu window whose items may be clipped at its bottom.
class ClippingMenu : public TWindowedMenu {
public:
    using TWindowedMenu::TWindowedMenu;
    bool IsItemClipped(const TRect&) const override { return Clip; }
    bool IsVerticalLayout() const override { return true; }
    // Records which controls the pipeline draws and marks their places grey.
    void DrawItemControl(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R) override {
        Drawn.push_back(AControl);
        if (Record) {
            FillRect(ACanvas->Handle(), &R, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            return;
        }
        TWindowedMenu::DrawItemControl(AControl, ACanvas, R);
    }
    std::vector<TovBarItemControl*> Drawn;
    bool Record = false;
    // The base menu layout from the top of the client, links' rectangles from their controls' heights.
    void LayOut() {
        CalcItemsRect();
        CalcItemControlsPositions(iptMenu, 0);
        RecalcViewInfo();
    }
    bool Clip = false;
};

} // namespace

TEST_F(BarWindowTest, MetricsFollowTheTextSize) {
    struct {
        int TextSize;
        double Ratio;
        int ArrowHeight;
    } cases[] = {{12, 1.0, 4}, {19, 1.0, 4}, {24, 24.0 / 19, 4}, {30, 30.0 / 19, 6}, {40, 40.0 / 19, 8}};
    TextSizePainter sized;
    TWindowedMenu menu(manager);
    menu.SetPainter(&sized);
    for (const auto& c : cases) {
        sized.TextSize = c.TextSize;
        menu.CalcMetrics();
        EXPECT_DOUBLE_EQ(c.Ratio, menu.GetRatio()) << c.TextSize;
        EXPECT_EQ(c.ArrowHeight, menu.GetMenuArrowHeight()) << c.TextSize;
    }
    EXPECT_GT(menu.GetComboArrowWidth(), 0);
}

TEST_F(BarWindowTest, TheMenuLayoutStopsAtTheBottomAndClipsOnlyWhenAsked) {
    for (const bool clip : {false, true}) {
        ClippingMenu menu(manager);
        menu.SetPainter(painter.get());
        for (const char* caption : {"One", "Two", "Three", "Four"})
            menu.Add(Button(caption));
        const int height = menu.ItemLinks()->VisibleItems(0)->Control()->GetRealHeight();
        menu.Clip = clip;
        // Room for one and a half items.
        menu.SetBounds(TRect{0, 0, 150, height + height / 2});
        menu.LayOut();
        const TRect first = menu.ItemLinks()->VisibleItems(0)->ItemRect;
        const TRect second = menu.ItemLinks()->VisibleItems(1)->ItemRect;
        const TRect third = menu.ItemLinks()->VisibleItems(2)->ItemRect;
        EXPECT_EQ(0, first.top);
        EXPECT_EQ(height, first.bottom);
        EXPECT_EQ(150, first.right);
        if (clip) {
            EXPECT_EQ(height, second.top);
            EXPECT_EQ(2 * height, second.bottom) << "the clipped item keeps its whole rectangle";
            EXPECT_EQ(2, menu.ViewInfo()->ItemControlCount());
        } else {
            EXPECT_TRUE(uiIsRectEmpty(second));
            EXPECT_EQ(1, menu.ViewInfo()->ItemControlCount());
        }
        EXPECT_TRUE(uiIsRectEmpty(third)) << "items after the bottom get nothing";
        EXPECT_EQ(menu.ItemLinks()->VisibleItems(0)->Control(), menu.ItemControlAtPos(TPoint{10, 2}));
        EXPECT_EQ(nullptr, menu.ItemControlAtPos(TPoint{10, 3 * height}));
    }
}

TEST_F(BarWindowTest, TheDropPositionIsTheNearerHalfOfTheItemUnderThePoint) {
    ClippingMenu menu(manager);
    menu.SetPainter(painter.get());
    for (const char* caption : {"One", "Two", "Three"})
        menu.Add(Button(caption));
    menu.SetBounds(TRect{0, 0, 150, 300});
    menu.LayOut();
    const TRect second = menu.ItemLinks()->VisibleItems(1)->ItemRect;
    struct {
        int Y;
        bool Before;
    } cases[] = {{second.top + 1, true}, {second.bottom - 2, false}};
    for (const auto& c : cases) {
        TovBarItemLink* link = nullptr;
        bool vertical = false, before = false, onSeparator = false;
        menu.CalcDropPosition(TPoint{20, c.Y}, link, vertical, before, onSeparator);
        EXPECT_EQ(menu.ItemLinks()->VisibleItems(1), link);
        EXPECT_EQ(c.Before, before) << c.Y;
        EXPECT_FALSE(onSeparator);
    }
    TovBarItemLink* none = nullptr;
    bool vertical = false, before = false, onSeparator = false;
    menu.CalcDropPosition(TPoint{20, 290}, none, vertical, before, onSeparator);
    EXPECT_EQ(nullptr, none) << "below the items nothing is found";
}

TEST_F(BarWindowTest, PaintingSkipsAControlOutsideTheViewInfoButNeverCoversIt) {
    ClippingMenu menu(manager);
    menu.SetPainter(painter.get());
    for (const char* caption : {"One", "Two"})
        menu.Add(Button(caption));
    menu.SetBounds(TRect{0, 0, 150, 100});
    menu.LayOut();
    const TRect second = menu.ItemLinks()->VisibleItems(1)->ItemRect;
    TovBarItemControl* control = menu.ItemLinks()->VisibleItems(1)->Control();
    menu.ViewInfo()->DeleteItemControl(menu.ViewInfo()->IndexOfItemControl(control));
    EXPECT_FALSE(menu.CanDrawItemControl(control));

    const TRect first = menu.ItemLinks()->VisibleItems(0)->ItemRect;
    TPicture picture = Picture(150, 100, clFuchsia);
    menu.Record = true;
    menu.DrawItemControls(picture.Canvas.get());
    EXPECT_EQ(std::vector<TovBarItemControl*>{menu.ItemLinks()->VisibleItems(0)->Control()}, menu.Drawn);
    // What is drawn afterwards reaches neither item's place.
    const RECT all{0, 0, 150, 100};
    FillRect(picture.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectClipRgn(picture.DC(), nullptr);
    EXPECT_EQ(Rgb(clFuchsia), picture.At(second.left + 5, (second.top + second.bottom) / 2))
        << "the skipped control is neither drawn nor covered";
    EXPECT_EQ(Rgb(clGray), picture.At(first.left + 5, first.top + 1));
    EXPECT_EQ(Rgb(clBlack), picture.At(5, 95)) << "below the items the clip is open";
}

TEST_F(BarWindowTest, AMenuWindowWithAHotItemOnTheScreen) {
    // The flat look draws the selection under a menu item.
    painter = std::make_unique<TovBarFlatPainter>();
    paintingFactory.Painter = painter.get();
    TWindowedMenu* menu = OpenMenu(300, 120, {"&New", "&Open...", "&Save", "Save &As...", "E&xit"});
    ButtonOf(menu, 3)->SetEnabled(false);
    MoveTo(ItemCentre(menu, 1));
    olva::win::PumpMessages();
    ASSERT_TRUE(olva::win::SaveWindowPng(menu->Handle(), OutputPath("barwindow-menu-hot.png")));
    ASSERT_TRUE(olva::win::SaveScreenPng(OutputPath("barwindow-screen.png")));
    const RECT hot = menu->ItemLinks()->VisibleItems(1)->ItemRect;
    const RECT normal = menu->ItemLinks()->VisibleItems(2)->ItemRect;
    const RECT below = menu->ItemLinks()->VisibleItems(4)->ItemRect;
    TPicture copy = Picture(menu->GetClientRect().right, menu->GetClientRect().bottom);
    SendMessage(menu->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy.DC()), 0);
    const int x = (hot.left + hot.right) / 2 + 20;
    EXPECT_NE(copy.At(x, (hot.top + hot.bottom) / 2), copy.At(x, (normal.top + normal.bottom) / 2))
        << "the hot item stands out";
    EXPECT_EQ(copy.At(x, (normal.top + normal.bottom) / 2), copy.At(x, (below.top + below.bottom) / 2));
    // The screen shows what the window painted.
    auto image = olva::win::WindowImage(menu->Handle());
    ASSERT_NE(nullptr, image);
}

TEST_F(BarWindowTest, ContainerItemsShowTheirLinksInPlaceAndTakeThemBack) {
    auto* list = new TovBarListItem(form);
    list->Items()->SetCommaText("alpha,beta");
    TWindowedMenu menu(manager);
    menu.SetPainter(painter.get());
    menu.Add(Button("Before"));
    menu.ItemLinks()->AddItem(list);
    menu.Add(Button("After"));
    ASSERT_EQ(3, menu.ItemLinks()->Count());

    menu.ExpandContainerLinks();
    EXPECT_EQ(1, menu.ExpandedContainerCount());
    ASSERT_EQ(5, menu.ItemLinks()->Count());
    std::vector<std::string> captions;
    for (int i = 0; i < menu.ItemLinks()->Count(); ++i)
        if (TovBarItem* item = menu.ItemLinks()->Items(i)->Item()) captions.push_back(item->Caption());
    EXPECT_EQ((std::vector<std::string>{"Before", list->Caption(), "&1 alpha", "&2 beta", "After"}),
              captions);

    menu.CollapseContainerLinks();
    EXPECT_EQ(0, menu.ExpandedContainerCount());
    EXPECT_EQ(3, menu.ItemLinks()->Count());
    EXPECT_EQ("After", menu.ItemLinks()->Items(2)->Item()->Caption());
    // A second expansion starts from the same links.
    menu.ExpandContainerLinks();
    EXPECT_EQ(5, menu.ItemLinks()->Count());
    menu.CollapseContainerLinks();
}

namespace {

class OwnedMenu : public TWindowedMenu {
public:
    using TWindowedMenu::TWindowedMenu;
    TRect GetOwnerBounds() const override { return Owner; }
    TRect Owner{0, 0, 0, 0};
};

} // namespace

TEST_F(BarWindowTest, TheOwnerEdgeIsTheStripWhereTheBarMeetsItsOwner) {
    struct {
        const char* Where;
        TRect Owner;
        TRect Edge;       // window coordinates
        TRect EdgeScreen; // one pixel outwards, screen coordinates
    } cases[] = {
        // The bar is at (100, 100)-(200, 180).
        {"below its owner", {120, 80, 160, 100}, {21, 0, 59, 1}, {121, 99, 159, 100}},
        {"above its owner", {90, 180, 150, 200}, {1, 79, 49, 80}, {101, 180, 149, 181}},
        {"right of its owner", {60, 110, 100, 130}, {0, 11, 1, 29}, {99, 111, 100, 129}},
        {"left of its owner", {200, 100, 230, 200}, {99, 1, 100, 79}, {200, 101, 201, 179}},
        {"apart from its owner", {300, 300, 320, 320}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    OwnedMenu menu(manager);
    menu.SetBounds(TRect{100, 100, 200, 180});
    for (const auto& c : cases) {
        menu.Owner = c.Owner;
        EXPECT_EQ(!uiIsRectEmpty(c.Edge), menu.IsAdjacentToOwner()) << c.Where;
        const TRect edge = menu.CalcOwnerEdgeRect(false);
        const TRect screen = menu.CalcOwnerEdgeRect(true);
        EXPECT_TRUE(edge.left == c.Edge.left && edge.top == c.Edge.top && edge.right == c.Edge.right &&
                    edge.bottom == c.Edge.bottom)
            << c.Where << ": " << edge.left << "," << edge.top << "," << edge.right << "," << edge.bottom;
        EXPECT_TRUE(screen.left == c.EdgeScreen.left && screen.top == c.EdgeScreen.top &&
                    screen.right == c.EdgeScreen.right && screen.bottom == c.EdgeScreen.bottom)
            << c.Where << ": " << screen.left << "," << screen.top << "," << screen.right << ","
            << screen.bottom;
    }
}
