// Bar shadows: the shapes of a bar's shadow alone and joined to the element it drops down from (checked
// as regions on the screen: where the bands are, that they meet without a gap, and that no band lies on
// either window), the outline of a pressed toolbar mark, and the shadow windows that show the shapes —
// shaped where the screen can shape windows, as strips where it cannot.
#include "../BarPaintingTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/shadows/BarShadow.h"
#include "ui/bars/shadows/BarShadowShapes.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/Region.h"

#include "tests/support/TestWindowClass.h"
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

using namespace bars_test;

namespace bar_shadow_tests {

// A part's shape on the screen.
std::unique_ptr<TuiRegion> OnScreen(const TovBarShadowPartShape& APart) {
    auto region = std::make_unique<TuiRegion>();
    if (APart.Shape == nullptr) return region;
    region->Combine(APart.Shape.get(), roSet, false);
    region->Offset(APart.Bounds.left, APart.Bounds.top);
    return region;
}

bool Covers(const TuiRegion& ARegion, int X, int Y) {
    return PtInRegion(ARegion.Handle(), X, Y) != FALSE;
}

bool Meets(const TuiRegion& ARegion, const TRect& R) {
    return RectInRegion(ARegion.Handle(), &R) != FALSE;
}

bool Overlap(const TuiRegion& A, const TuiRegion& B) {
    TuiRegion common;
    common.Combine(const_cast<TuiRegion*>(&A), roSet, false);
    common.Combine(const_cast<TuiRegion*>(&B), roIntersect, false);
    return !common.IsEmpty();
}

// The bands of a lone window on the screen.
std::unique_ptr<TuiRegion> LoneBands(const TRect& R, int S) {
    TRect shifted = R;
    OffsetRect(&shifted, S, S);
    auto bands = std::make_unique<TuiRegion>(shifted);
    bands->CombineRect(R, roSubtract);
    return bands;
}

bool Equal(const TuiRegion& A, const TuiRegion& B) {
    return EqualRgn(A.Handle(), B.Handle()) != FALSE;
}

constexpr int S = 4;

TEST(BarShadowShapesTest, ALoneBarGetsBandsRightAndBelowStartingOneShadowInside) {
    const TRect bar{100, 50, 180, 150};
    TovBarShadowShapes shapes = ovBuildBarShadowShapes(bar, TRect{}, S, nullptr, nullptr, true);
    ASSERT_EQ(shapes.Parts[1].Shape, nullptr);
    EXPECT_EQ(shapes.Parts[0].Bounds, (TRect{104, 54, 184, 154}));
    auto screen = OnScreen(shapes.Parts[0]);
    EXPECT_TRUE(Equal(*screen, *LoneBands(bar, S)));
    EXPECT_FALSE(Covers(*screen, 180, 53)); // the right band starts s below the top
    EXPECT_TRUE(Covers(*screen, 183, 54));
    EXPECT_FALSE(Covers(*screen, 103, 150)); // the bottom band starts s right of the left edge
    EXPECT_TRUE(Covers(*screen, 104, 153));
    EXPECT_FALSE(Meets(*screen, bar));
}

TEST(BarShadowShapesTest, ANarrowerDropDownUnderItsButtonCastsOneContinuousRightShadow) {
    const TRect button{100, 20, 160, 40};
    const TRect dropDown{120, 40, 160, 140}; // same right edge
    TovBarShadowShapes shapes = ovBuildBarShadowShapes(dropDown, button, S, nullptr, nullptr, true);
    auto bar = OnScreen(shapes.Parts[0]);
    auto link = OnScreen(shapes.Parts[1]);
    // Down the right edge from the button's top + s to the drop-down's bottom + s, every row is shadowed
    // exactly once.
    for (int y = button.top + S; y < dropDown.bottom + S; ++y)
        for (int x = 160; x < 160 + S; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_NE(Covers(*bar, x, y), Covers(*link, x, y));
        }
    EXPECT_FALSE(Covers(*link, 160, button.top + S - 1));
    // No shadow on either window, the two parts never darken the same pixel.
    for (const TuiRegion* part : {bar.get(), link.get()}) {
        EXPECT_FALSE(Meets(*part, dropDown));
        EXPECT_FALSE(Meets(*part, button));
    }
    EXPECT_FALSE(Overlap(*bar, *link));
    // The button's uncovered bottom, left of the drop-down, keeps its band.
    EXPECT_TRUE(Covers(*link, button.left + S, button.bottom));
    EXPECT_TRUE(Covers(*link, dropDown.left - 1, button.bottom + S - 1));
    // The drop-down's window grew upwards by 2s; its bands are where a lone drop-down's would be, plus
    // the stretch of the right band up to the joint.
    EXPECT_EQ(shapes.Parts[0].Bounds, (TRect{124, 36, 164, 144}));
    TuiRegion extra;
    extra.Combine(bar.get(), roSet, false);
    extra.Combine(LoneBands(dropDown, S).release(), roSubtract);
    EXPECT_EQ(extra.BoundsRect(), (TRect{160, 40, 164, 44}));
}

// Joints in every direction: the shadows never fall on either window nor on each other.
struct TJointCase {
    const char* Name;
    TRect Link, Bar;
    bool Horizontal;
};

class BarShadowJointTest : public testing::TestWithParam<TJointCase> {};

TEST_P(BarShadowJointTest, NoBandOnEitherWindowAndNoDoubleShadow) {
    const TJointCase& c = GetParam();
    EXPECT_EQ(ovIsBarShadowJointHorizontal(c.Link, c.Bar), c.Horizontal);
    TovBarShadowShapes shapes = ovBuildBarShadowShapes(c.Bar, c.Link, S, nullptr, nullptr, true);
    ASSERT_NE(shapes.Parts[1].Shape, nullptr);
    auto bar = OnScreen(shapes.Parts[0]);
    auto link = OnScreen(shapes.Parts[1]);
    for (const TuiRegion* part : {bar.get(), link.get()}) {
        EXPECT_FALSE(Meets(*part, c.Bar));
        EXPECT_FALSE(Meets(*part, c.Link));
    }
    EXPECT_FALSE(Overlap(*bar, *link));
    // Together they shadow at least what is left uncovered of the two lone windows' bands.
    TuiRegion expected;
    expected.Combine(LoneBands(c.Bar, S).release(), roSet);
    expected.Combine(LoneBands(c.Link, S).release(), roAdd);
    expected.CombineRect(c.Bar, roSubtract);
    expected.CombineRect(c.Link, roSubtract);
    expected.Combine(bar.get(), roSubtract, false);
    expected.Combine(link.get(), roSubtract, false);
    EXPECT_TRUE(expected.IsEmpty()) << expected.BoundsRect().left << "," << expected.BoundsRect().top;
}

INSTANTIATE_TEST_SUITE_P(
    Joints, BarShadowJointTest,
    testing::Values(TJointCase{"BelowInside", {100, 20, 160, 40}, {110, 40, 150, 140}, true},
                    TJointCase{"BelowSameRight", {100, 20, 160, 40}, {120, 40, 160, 140}, true},
                    TJointCase{"BelowWider", {100, 20, 140, 40}, {90, 40, 200, 140}, true},
                    TJointCase{"AboveMenuOpenedUpwards", {100, 200, 160, 220}, {90, 100, 150, 200}, true},
                    TJointCase{"RightOfVerticalBar", {0, 100, 24, 124}, {24, 80, 120, 120}, false},
                    TJointCase{"RightSameBottom", {0, 100, 24, 124}, {24, 60, 120, 124}, false},
                    TJointCase{"LeftOfVerticalBar", {300, 100, 324, 124}, {200, 100, 300, 120}, false}),
    [](const testing::TestParamInfo<TJointCase>& AInfo) { return std::string(AInfo.param.Name); });

TEST(BarShadowShapesTest, AWiderDropDownIsNotJoinedAndTheButtonKeepsItsBandsBesideIt) {
    const TRect button{100, 20, 140, 40};
    const TRect dropDown{90, 40, 200, 140};
    TovBarShadowShapes shapes = ovBuildBarShadowShapes(dropDown, button, S, nullptr, nullptr, true);
    // The drop-down keeps a lone window's shadow; its window did not grow.
    EXPECT_EQ(shapes.Parts[0].Bounds, (TRect{94, 44, 204, 144}));
    EXPECT_TRUE(Equal(*OnScreen(shapes.Parts[0]), *LoneBands(dropDown, S)));
    // The button's bands, but for what the drop-down covers.
    TuiRegion expected;
    expected.Combine(LoneBands(button, S).release(), roSet);
    expected.CombineRect(dropDown, roSubtract);
    EXPECT_TRUE(Equal(*OnScreen(shapes.Parts[1]), expected));
    EXPECT_TRUE(Covers(*OnScreen(shapes.Parts[1]), 141, 30));
}

TEST(BarShadowShapesTest, AShapedWindowCastsItsShapesShadow) {
    // A bar whose window has its top-right corner cut off.
    const TRect bar{0, 0, 50, 50};
    auto shape = std::make_unique<TuiRegion>(TRect{0, 0, 50, 50});
    shape->CombineRect(TRect{40, 0, 50, 10}, roSubtract);
    TovBarShadowShapes shapes = ovBuildBarShadowShapes(bar, TRect{}, S, std::move(shape), nullptr, false);
    auto screen = OnScreen(shapes.Parts[0]);
    EXPECT_FALSE(Covers(*screen, 50, 10)); // the cut corner casts nothing at that height
    EXPECT_TRUE(Covers(*screen, 50, 14));
    EXPECT_TRUE(Covers(*screen, 42, 8)); // the corner's step has its own shadow
    EXPECT_FALSE(Covers(*screen, 44, 10));
    EXPECT_FALSE(Meets(*screen, TRect{0, 0, 40, 50}));
}

TEST(BarShadowShapesTest, ALinkIsOnlyJoinedWhenTheBarDropsFromAToolbar) {
    TovBarShadowShapes shapes =
        ovBuildBarShadowShapes(TRect{10, 40, 60, 90}, TRect{10, 20, 60, 40}, S, nullptr, nullptr, false);
    EXPECT_EQ(shapes.Parts[1].Shape, nullptr);
    EXPECT_EQ(shapes.Parts[0].Bounds, (TRect{14, 44, 64, 94}));
}

// ---- The windows

// A screen that can show neither window shapes nor per-pixel alpha.
class TUnshapedScreen : public olva::win::IPresenter {
public:
    void WindowChanged(HWND) override {}
    void WindowDestroyed(HWND) override {}
    bool SupportsPerPixelAlpha() const override { return false; }
    bool SupportsWindowShapes() const override { return false; }
};

// A painter whose pressed mark is drawn lower than its rectangle: three rows at the top show the
// toolbar's background.
class TMarkPainter : public TovBarPainter {
public:
    void BarDrawMarkBackground(TovBarControl* ABar, HDC ADC, HBRUSH ABrush, const TRect& R) override {
        StatesSeen.push_back(ABar->GetMarkState());
        ABar->FillBackground(ADC, TRect{R.left, R.top, R.right, R.top + 3}, clNone, ABrush);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT mark{R.left, R.top + 3, R.right, R.bottom};
        FillRect(ADC, &mark, red);
        DeleteObject(red);
    }
    std::vector<int> StatesSeen;
};

class BarShadowWindowTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        owner = new TForm(nullptr);
        owner->SetBounds(100, 40, 120, 200);
        owner->Show();
    }
    void TearDown() override {
        olva::win::SetPresenter(nullptr);
        delete owner;
        BarPaintingTest::TearDown();
    }
    TRect WindowRect(TWinControl* AControl) {
        RECT r{};
        GetWindowRect(AControl->Handle(), &r);
        return r;
    }
    TForm* owner = nullptr;
    TUnshapedScreen unshaped;
};

TEST_F(BarShadowWindowTest, AShownShadowIsAShapedWindowBesideTheBar) {
    const int s = TovBarShadow::ShadowSize();
    TovBarShadow shadow(owner);
    shadow.SetBounds(TRect{}, WindowRect(owner));
    shadow.SetVisible(true);
    TovBarShadowPart* part = shadow.Part(0);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(shadow.Part(1), nullptr);
    ASSERT_TRUE(part->IsShadowVisible());
    EXPECT_EQ(part->StripCount(), 0);
    EXPECT_EQ(WindowRect(part), (TRect{100 + s, 40 + s, 220 + s, 240 + s}));
    TuiRegion applied;
    ASSERT_NE(GetWindowRgn(part->Handle(), applied.Handle()), ERROR);
    TuiRegion bands;
    bands.Combine(LoneBands(TRect{100, 40, 220, 240}, s).release(), roSet);
    bands.Offset(-(100 + s), -(40 + s));
    EXPECT_TRUE(Equal(applied, bands));
}

TEST_F(BarShadowWindowTest, MovingWithoutResizingOnlyMovesThePart) {
    const int s = TovBarShadow::ShadowSize();
    TovBarShadow shadow(owner);
    shadow.SetBounds(TRect{}, TRect{100, 40, 220, 240});
    shadow.SetVisible(true);
    TovBarShadowPart* part = shadow.Part(0);
    shadow.SetBounds(TRect{}, TRect{300, 90, 420, 290});
    EXPECT_EQ(shadow.Part(0), part); // not rebuilt
    EXPECT_EQ(WindowRect(part), (TRect{300 + s, 90 + s, 420 + s, 290 + s}));
    shadow.SetBounds(TRect{}, TRect{300, 90, 400, 290}); // resized: rebuilt
    EXPECT_NE(shadow.Part(0), nullptr);
    EXPECT_EQ(WindowRect(shadow.Part(0)), (TRect{300 + s, 90 + s, 400 + s, 290 + s}));
}

TEST_F(BarShadowWindowTest, SwitchingOffHidesBothPartsAndOnRebuildsThem) {
    auto* toolbar = Toolbar(dsTop);
    auto* menu = Menu();
    menu->SetParentBarControl(toolbar);
    TovBarShadow shadow(owner, menu);
    shadow.SetBounds(TRect{100, 20, 220, 40}, TRect{100, 40, 220, 240});
    shadow.SetVisible(true);
    ASSERT_NE(shadow.Part(1), nullptr);
    TovBarShadowPart* first = shadow.Part(0);
    EXPECT_TRUE(first->IsPartShown());
    EXPECT_TRUE(shadow.Part(1)->IsPartShown());
    shadow.SetVisible(false);
    EXPECT_FALSE(shadow.Part(0)->IsPartShown());
    EXPECT_FALSE(shadow.Part(1)->IsPartShown());
    shadow.SetVisible(true);
    EXPECT_TRUE(shadow.Part(0)->IsPartShown());
    EXPECT_TRUE(shadow.Part(1)->IsPartShown());
    EXPECT_EQ(shadow.Part(0)->PartBounds().top,
              40 + TovBarShadow::ShadowSize() - 2 * TovBarShadow::ShadowSize());
}

TEST_F(BarShadowWindowTest, WithoutWindowShapesEachBandIsAStripBesideTheBar) {
    olva::win::SetPresenter(&unshaped);
    EXPECT_EQ(TovBarShadow::ShadowSize(), 2); // no per-pixel alpha: the solid 2-pixel shadow
    const TRect bar{100, 40, 220, 240};
    TovBarShadow shadow(owner);
    shadow.SetBounds(TRect{}, bar);
    shadow.SetVisible(true);
    TovBarShadowPart* part = shadow.Part(0);
    EXPECT_FALSE(part->IsShadowVisible()); // the unshaped window would cover the bar
    ASSERT_EQ(part->StripCount(), 2);
    EXPECT_EQ(WindowRect(part->Strip(0)), (TRect{220, 42, 222, 240}));
    EXPECT_EQ(WindowRect(part->Strip(1)), (TRect{102, 240, 222, 242}));
    EXPECT_TRUE(part->Strip(0)->IsShadowVisible());
    shadow.SetBounds(TRect{}, TRect{0, 0, 120, 200}); // moved: the strips follow
    EXPECT_EQ(WindowRect(part->Strip(1)), (TRect{2, 200, 122, 202}));
    shadow.SetVisible(false);
    EXPECT_EQ(part->StripCount(), 0);
}

TEST_F(BarShadowWindowTest, APressedMarksPaintedOutlineShapesTheLinkShadow) {
    TMarkPainter markPainter;
    auto* toolbar = Toolbar(dsTop);
    toolbar->SetPainter(&markPainter);
    toolbar->SetMarkState(2);
    auto* menu = Menu();
    menu->SetParentBarControl(toolbar);
    const int s = TovBarShadow::ShadowSize();
    const TRect mark{200, 10, 212, 40};
    TovBarShadow shadow(owner, menu);
    shadow.SetBounds(mark, TRect{120, 40, 212, 240});
    shadow.SetVisible(true);
    EXPECT_EQ(markPainter.StatesSeen, (std::vector<int>{1})); // drawn in its normal state
    EXPECT_EQ(toolbar->GetMarkState(), 2);                    // and given back
    ASSERT_NE(shadow.Part(1), nullptr);
    TuiRegion link;
    link.Combine(shadow.Part(1)->Shape(), roSet, false);
    link.Offset(shadow.Part(1)->PartBounds().left, shadow.Part(1)->PartBounds().top);
    // The outline starts three rows down, so does its right band.
    EXPECT_FALSE(Covers(link, 212, mark.top + s + 2));
    EXPECT_TRUE(Covers(link, 212, mark.top + 3 + s));
}

} // namespace bar_shadow_tests

namespace bar_shadow_tests {

// A borderless top-most window that draws what it is given (through a picture, as bar windows do).
std::map<HWND, std::function<void(TuiCanvas*)>>& PictureDrawers() {
    static std::map<HWND, std::function<void(TuiCanvas*)>> drawers;
    return drawers;
}

LRESULT PictureWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg != WM_PAINT) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(AWnd, &ps);
    RECT client{};
    GetClientRect(AWnd, &client);
    TBitmap picture(client.right, client.bottom);
    TuiCanvas canvas(picture.Canvas());
    if (auto it = PictureDrawers().find(AWnd); it != PictureDrawers().end()) it->second(&canvas);
    BitBlt(dc, 0, 0, client.right, client.bottom, picture.Canvas()->Handle(), 0, 0, SRCCOPY);
    EndPaint(AWnd, &ps);
    return 0;
}

HWND PictureWindow(const TRect& R, std::function<void(TuiCanvas*)> ADraw) {
    EnsureTestWindowClass("BarExtrasPicture", &PictureWindowProc);
    HWND wnd = CreateWindowEx(WS_EX_TOPMOST, "BarExtrasPicture", "", WS_POPUP, R.left, R.top,
                              uiWidthOfRect(R), uiHeightOfRect(R), nullptr, nullptr, nullptr, nullptr);
    PictureDrawers()[wnd] = std::move(ADraw);
    ShowWindow(wnd, SW_SHOWNA);
    UpdateWindow(wnd);
    return wnd;
}

class BarShadowPictureTest : public BarPaintingTest {
protected:
    static bool SaveScreenAround(const RECT& R, const std::string& AName) {
        const auto screen = olva::win::ComposeScreen();
        TSurface crop((R.right - R.left) * 2, (R.bottom - R.top) * 2);
        for (int y = 0; y < crop.Height(); ++y)
            for (int x = 0; x < crop.Width(); ++x)
                crop.SetPixel(x, y, screen->Pixel(R.left + x / 2, R.top + y / 2) | 0xFF000000u);
        return SaveSurfaceToPng(crop, OutputPath(AName));
    }
};

TEST_F(BarShadowPictureTest, ADropDownUnderItsToolbarButtonCastsOneJoinedShadow) {
    auto* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("Open", 0));
    toolbar->Add(Button("Save", 1));
    TovBarItemLink* effects = toolbar->Add(Button("Effects", 2, psCaptionGlyph));
    toolbar->Layout();
    auto* menu = Menu();
    for (const char* caption : {"Amplify", "Echo", "Normalize", "Reverse"})
        menu->Add(Button(caption));
    menu->Layout();
    bar_standins::JoinMenuBelow(toolbar, effects->Control(), menu);

    const TSize toolbarSize = toolbar->DockedWindowSize();
    HWND toolbarWindow = PictureWindow(TRect{0, 0, toolbarSize.cx, toolbarSize.cy},
                                       [toolbar](TuiCanvas* ACanvas) { toolbar->PaintDockedTo(ACanvas); });
    TRect menuRect = menu->GetWindowRectLocal();
    OffsetRect(&menuRect, menu->Position().x, menu->Position().y);
    HWND menuWindow = PictureWindow(menuRect, [menu](TuiCanvas* ACanvas) { menu->PaintTo(ACanvas); });
    olva::win::PumpMessages();

    // The shadow hangs on the menu's window.
    menu->SetHandle(menuWindow);
    const TRect link = toolbar->GetItemControlRect(effects->Control());
    auto shadow = std::make_unique<TovBarShadow>(nullptr, menu);
    shadow->SetBounds(link, menuRect);
    shadow->SetVisible(true);
    olva::win::PumpMessages();
    ASSERT_NE(shadow->Part(1), nullptr);

    EXPECT_TRUE(
        SaveScreenAround(RECT{0, 0, std::max<int>(toolbarSize.cx, menuRect.right) + 12, menuRect.bottom + 12},
                         "extras-dropdown-shadow.png"));
    // The menu and the button show exactly what they drew: no shadow lies on them.
    const auto screen = olva::win::ComposeScreen();
    const auto menuImage = olva::win::WindowImage(menuWindow);
    ASSERT_NE(menuImage, nullptr);
    for (int y = 0; y < uiHeightOfRect(menuRect); y += 3)
        for (int x = 0; x < uiWidthOfRect(menuRect); x += 3)
            ASSERT_EQ(screen->Pixel(menuRect.left + x, menuRect.top + y) & 0xFFFFFF,
                      menuImage->Pixel(x, y) & 0xFFFFFF)
                << x << "," << y;
    // Right of the menu and below it the desktop is darker.
    const std::uint32_t desktop = screen->Pixel(menuRect.right + 30, menuRect.top + 30) & 0xFFFFFF;
    EXPECT_NE(screen->Pixel(menuRect.right, menuRect.top + 20) & 0xFFFFFF, desktop);
    EXPECT_NE(screen->Pixel(menuRect.left + 20, menuRect.bottom) & 0xFFFFFF, desktop);
    shadow.reset();
    menu->SetHandle(nullptr);
    PictureDrawers().clear();
    DestroyWindow(menuWindow);
    DestroyWindow(toolbarWindow);
}

} // namespace bar_shadow_tests
