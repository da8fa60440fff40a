#include "WindowPaintingTestSupport.h"

#include "platform/gdi/GdiRegions.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/WindowPainting.h"

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class WindowPaintingTest : public TransparentScene {};

TEST_F(WindowPaintingTest, AWindowPaintsIntoADCWithAndWithoutItsFrame) {
    auto client = MakeBitmap(202, 122, clWhite);
    uiPaintWindowToDC(panel->Handle(), client->Canvas()->Handle(), false, false);
    EXPECT_EQ(ColorAt(*client, 0, 0), StripeAt(0));
    EXPECT_EQ(ColorAt(*client, 4, 0), StripeAt(4));
    EXPECT_EQ(ColorAt(*client, 200, 0), clWhite); // the client is 200 wide

    auto framed = MakeBitmap(202, 122, clWhite);
    uiPaintWindowToDC(panel->Handle(), framed->Canvas()->Handle(), true, false);
    EXPECT_NE(ColorAt(*framed, 0, 0), StripeAt(0));
    EXPECT_EQ(ColorAt(*framed, 1, 1), StripeAt(0));
    EXPECT_EQ(ColorAt(*framed, 5, 1), StripeAt(4));

    // With a moved origin the frame goes through a bitmap and lands at the logical (0, 0).
    auto moved = MakeBitmap(220, 140, clWhite);
    SetWindowOrgEx(moved->Canvas()->Handle(), -10, -10, nullptr);
    uiPaintWindowToDC(panel->Handle(), moved->Canvas()->Handle(), true, false);
    EXPECT_EQ(ColorAt(*moved, 11, 11), StripeAt(0));
    EXPECT_EQ(ColorAt(*moved, 15, 11), StripeAt(4));
    EXPECT_EQ(ColorAt(*moved, 5, 5), clWhite);
}

TEST_F(WindowPaintingTest, TheBackgroundOfATransparentControlIsItsParentAndTheOtherChildren) {
    auto target = MakeBitmap(60, 50, clWhite);
    TuiCanvas canvas(target->Canvas());
    const int paintsBefore = panel->paints, ownPaintsBefore = seeThrough->paints;
    uiDrawTransparentControlBackground(seeThrough, &canvas, TRect{0, 0, 60, 50}, true);
    EXPECT_EQ(panel->paints, paintsBefore + 1);
    EXPECT_TRUE(panel->copying);
    EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));
    // The see-through control sits at (50, 30) of the panel's client area.
    EXPECT_EQ(ColorAt(*target, 30, 45), StripeAt(80));
    EXPECT_EQ(ColorAt(*target, 33, 45), StripeAt(83));
    EXPECT_EQ(ColorAt(*target, 5, 5), clLime);         // the block, a windowed sibling
    EXPECT_EQ(ColorAt(*target, 55, 35), clBlue);       // a foreign child window
    EXPECT_EQ(ColorAt(*target, 30, 25), StripeAt(80)); // not the control itself
    EXPECT_EQ(seeThrough->paints, ownPaintsBefore);

    auto alone = MakeBitmap(60, 50, clWhite);
    TuiCanvas aloneCanvas(alone->Canvas());
    uiDrawTransparentControlBackground(seeThrough, &aloneCanvas, TRect{0, 0, 60, 50}, false);
    EXPECT_EQ(ColorAt(*alone, 5, 5), StripeAt(55));
    EXPECT_EQ(ColorAt(*alone, 55, 35), StripeAt(105));
}

TEST_F(WindowPaintingTest, APartOfTheControlLandsWhereTheCanvasAsks) {
    auto target = MakeBitmap(60, 50, clWhite);
    TuiCanvas canvas(target->Canvas());
    uiDrawTransparentControlBackground(seeThrough, &canvas, TRect{20, 10, 40, 30}, true);
    EXPECT_EQ(ColorAt(*target, 19, 15), clWhite);
    EXPECT_EQ(ColorAt(*target, 20, 10), StripeAt(70));
    EXPECT_EQ(ColorAt(*target, 39, 29), StripeAt(89));
    EXPECT_EQ(ColorAt(*target, 40, 15), clWhite);
    EXPECT_EQ(ColorAt(*target, 30, 31), clWhite);
}

TEST_F(WindowPaintingTest, ACallForAParentAlreadyBeingPaintedReturnsAtOnce) {
    auto target = MakeBitmap(60, 50, clWhite);
    TuiCanvas canvas(target->Canvas());
    int nested = 0;
    panel->onPaint = [&] {
        // Asked again while the parent paints for the first call: nothing happens.
        auto inner = MakeBitmap(10, 10, clRed);
        TuiCanvas innerCanvas(inner->Canvas());
        uiDrawTransparentControlBackground(seeThrough, &innerCanvas, TRect{0, 0, 10, 10}, true);
        nested += ColorAt(*inner, 5, 5) == clRed ? 1 : 0;
    };
    const int paintsBefore = panel->paints;
    uiDrawTransparentControlBackground(seeThrough, &canvas, TRect{0, 0, 60, 50}, true);
    EXPECT_EQ(panel->paints, paintsBefore + 1);
    EXPECT_EQ(nested, 1);
    panel->onPaint = nullptr;
    // Once done the parent can be painted again.
    uiDrawTransparentControlBackground(seeThrough, &canvas, TRect{0, 0, 60, 50}, true);
    EXPECT_EQ(panel->paints, paintsBefore + 2);
}

TEST_F(WindowPaintingTest, NoParentNoPainting) {
    auto target = MakeBitmap(10, 10, clWhite);
    TuiCanvas canvas(target->Canvas());
    uiDrawTransparentControlBackground(nullptr, &canvas, TRect{0, 0, 10, 10}, true);
    uiDrawTransparentControlBackground(form, &canvas, TRect{0, 0, 10, 10}, true);
    EXPECT_EQ(BoundsOfColor(*target, clWhite), (RECT{0, 0, 10, 10}));
}

TEST_F(WindowPaintingTest, MappingBetweenWindowsAndPointsInRegions) {
    const TPoint offset = uiClientOriginOffset(panel->Handle());
    EXPECT_EQ(offset, (TPoint{1, 1}));
    EXPECT_EQ(uiClientOriginOffset(seeThrough->Handle()), (TPoint{0, 0}));
    // The see-through control's window (0, 0) is the panel's client (50, 30), its window (51, 31).
    EXPECT_EQ(uiMapWindowPoint(seeThrough->Handle(), panel->Handle(), TPoint{2, 3}, false), (TPoint{53, 34}));
    EXPECT_EQ(uiMapWindowPoint(seeThrough->Handle(), panel->Handle(), TPoint{2, 3}, true), (TPoint{52, 33}));
    EXPECT_EQ(uiMapWindowRect(seeThrough->Handle(), panel->Handle(), TRect{0, 0, 60, 50}, false),
              (TRect{51, 31, 111, 81}));
    HRGN region = CreateRectRgn(0, 0, 10, 10);
    EXPECT_TRUE(uiPtInRegion(region, TPoint{9, 9}));
    EXPECT_FALSE(uiPtInRegion(region, 10, 9));
    DeleteObject(region);
}

TEST_F(WindowPaintingTest, InvalidatingAnAreaMarksItForPainting) {
    Pump();
    uiInvalidateArea(panel->Handle(), TRect{5, 5, 15, 15}, false);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(panel->Handle(), &update, FALSE));
    EXPECT_EQ(update, (RECT{5, 5, 15, 15}));
    Pump();
    uiInvalidateArea(panel->Handle(), true);
    EXPECT_TRUE(GetUpdateRect(panel->Handle(), &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 200, 120}));
}

} // namespace
