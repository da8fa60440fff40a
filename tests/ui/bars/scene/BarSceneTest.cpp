// The bar scene in every look, as the headless screen shows it: each picture under
// build/test-output/bars/ (scene-<look>.png, floating-caption-<look>.png), with the geometry a user relies
// on checked in each look.
#include "BarSceneTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>
#include <set>

namespace scene_test {
namespace {

TEST_F(BarSceneTest, EveryLookDocksFloatsAndOpensMenusWhereTheyBelong) {
    BuildScene();
    for (const std::string& look : Looks()) {
        SCOPED_TRACE(look);
        UseLook(look);
        RECT client{};
        ::GetClientRect(form->Handle(), &client);
        POINT origin{0, 0};
        ::ClientToScreen(form->Handle(), &origin);
        const TRect menuRect = ScreenRect(mainMenu), standardRect = ScreenRect(standard),
                    transportRect = ScreenRect(transport), formatRect = ScreenRect(format),
                    toolsRect = ScreenRect(tools), statusRect = ScreenRect(status);
        // The rows of the top dock: the main menu, then two toolbars side by side, then one more.
        EXPECT_EQ(menuRect.top, origin.y);
        EXPECT_EQ(standardRect.top, transportRect.top) << "one row";
        EXPECT_GE(standardRect.top, menuRect.bottom);
        EXPECT_GE(formatRect.top, std::max(standardRect.bottom, transportRect.bottom));
        EXPECT_GE(transportRect.left, standardRect.right);
        EXPECT_LE(transportRect.right, origin.x + client.right) << "the row ends inside the form";
        EXPECT_TRUE(Window(transport)->HasMark()) << "the truncated toolbar shows its mark";
        // The left dock starts below the top one; the status bar takes the bottom row whole.
        EXPECT_EQ(toolsRect.left, origin.x);
        EXPECT_GE(toolsRect.top, formatRect.bottom);
        EXPECT_EQ(statusRect.bottom, origin.y + client.bottom);
        EXPECT_EQ(statusRect.left, origin.x);
        EXPECT_EQ(statusRect.right, origin.x + client.right);
        EXPECT_LE(toolsRect.bottom, statusRect.top);

        OpenMenus();
        if (HasFatalFailure()) return;
        const TRect item = Window(mainMenu)->GetItemControlRect(mainMenu->ItemLinks()->Items(2)->Control());
        const TRect open = WindowBounds(effectsMenu), sub = WindowBounds(fadeMenu);
        EXPECT_NEAR(open.top, item.bottom, 1) << "the menu hangs below its main-menu item";
        EXPECT_NEAR(open.left, item.left, 1);
        EXPECT_GE(sub.left, open.right - 8) << "the sub-menu opens to the side";
        TRect shot = uiGrowRect(TRect(form->BoundsRect()), 8, 8);
        ::UnionRect(&shot, &shot, &open);
        ::UnionRect(&shot, &shot, &sub);
        const TRect floating = ScreenRect(palette);
        ::UnionRect(&shot, &shot, &floating);
        SaveScreenPart(uiGrowRect(shot, 12, 12), "scene-" + look + ".png");
        CloseMenus();
        SaveScreenPart(uiGrowRect(floating, 6, 6), "floating-caption-" + look + ".png");
    }
}

// The composed screen, read in screen coordinates.
struct TScreenPixels {
    std::shared_ptr<TSurface> Screen = olva::win::ComposeScreen();
    RECT Origin = olva::win::VirtualScreen();
    TColor At(int X, int Y) const {
        return static_cast<TColor>(PixelToColorRef(Screen->Pixel(X - Origin.left, Y - Origin.top)));
    }
};

// The floating toolbar's caption in each look, wide enough for its text and too narrow for it: the text
// shows whole or ends with an ellipsis (no letter cut at the edge of its room), and the close button shows.
void CheckFloatingCaption(TovBar* ABar, TovBarControl* AControl, const std::string& ALook, bool AWide) {
    TovBarPainter* painter = AControl->GetPainter();
    ASSERT_NE(painter, nullptr);
    const RECT screen = AControl->ScreenBounds();
    const TRect window{0, 0, screen.right - screen.left, screen.bottom - screen.top};
    TRect caption{};
    painter->GetBarCaptionRect(ABar, window, caption);
    ASSERT_GT(uiHeightOfRect(caption), 8);
    TRect room = caption;
    const int closeSize = AControl->HasCloseButton() ? painter->BarCaptionHeight() : 0;
    room.right -= closeSize;
    int x = caption.left + 2;
    if (AControl->HasMark()) painter->BarShiftFloatingCaption(AControl, x, room);
    const TColor ink = bars_test::Rgb(painter->BarCaptionTextColor(AControl));
    const TScreenPixels pixels;
    int inked = 0, inkedAtEdge = 0;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int px = x; px < room.right; ++px)
            if (pixels.At(screen.left + px, screen.top + y) == ink) {
                ++inked;
                if (px >= room.right - 1) ++inkedAtEdge;
            }
    if (AWide) {
        EXPECT_GT(inked, 30) << "the caption text shows";
    }
    EXPECT_EQ(inkedAtEdge, 0) << "no letter is cut at the edge of the caption's room";
    // The painter base draws no close glyph of its own; every look does.
    if (ALook == "Base" || closeSize == 0) return;
    std::set<TColor> colours;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int px = caption.right - closeSize; px < caption.right; ++px)
            colours.insert(pixels.At(screen.left + px, screen.top + y));
    EXPECT_GE(colours.size(), 2u) << "the close button shows its glyph";
}

TEST_F(BarSceneTest, FloatingCaptionsShowTheirTextAndCloseButtonWithoutCuttingALetter) {
    BuildScene();
    for (const std::string& look : Looks()) {
        SCOPED_TRACE(look);
        UseLook(look);
        // The skinned look draws its caption strip with the skin (below the buttons).
        if (look == "TestSkin") continue;
        for (const bool wide : {true, false}) {
            palette->SetFloatClientWidth(wide ? 160 : 50);
            palette->UpdatePosition();
            olva::win::PumpMessages();
            TovBarControl* control = Window(palette);
            ASSERT_NE(control, nullptr);
            // The classic looks ask for the system's small caption and close button.
            if (control->GetPainter()->BarUseSystemCaption()) {
                EXPECT_TRUE(control->GetPainter()->BarUseSystemCloseButton());
                EXPECT_TRUE(control->HasCloseButton());
            }
            CheckFloatingCaption(palette, control, look, wide);
            SaveScreenPart(uiGrowRect(TRect(control->ScreenBounds()), 6, 6),
                           std::string(wide ? "floating-caption-wide-" : "floating-caption-narrow-") + look +
                               ".png");
        }
    }
}

TEST_F(ThemedBarSceneTest, TheThemedLookDocksFloatsAndOpensMenus) {
    BuildScene();
    ASSERT_EQ(Looks(), std::vector<std::string>{"XP"});
    UseLook("XP");
    ASSERT_NE(dynamic_cast<TovBarXPPainter*>(manager->DefaultPainter()), nullptr) << "the theme is bound";
    OpenMenus();
    if (HasFatalFailure()) return;
    const TRect item = Window(mainMenu)->GetItemControlRect(mainMenu->ItemLinks()->Items(2)->Control());
    const TRect open = WindowBounds(effectsMenu);
    EXPECT_NEAR(open.top, item.bottom, 1);
    EXPECT_NEAR(open.left, item.left, 1);
    TRect shot = uiGrowRect(TRect(form->BoundsRect()), 8, 8);
    const TRect sub = WindowBounds(fadeMenu), floating = ScreenRect(palette);
    ::UnionRect(&shot, &shot, &open);
    ::UnionRect(&shot, &shot, &sub);
    ::UnionRect(&shot, &shot, &floating);
    SaveScreenPart(uiGrowRect(shot, 12, 12), "scene-XP.png");
    CloseMenus();
    SaveScreenPart(uiGrowRect(floating, 6, 6), "floating-caption-XP.png");
}

} // namespace
} // namespace scene_test
