// Pictures of the popup and hint gallery under build/test-output/painters/: every border style of each
// look with and without shadow, the sizing panels of resizable popups, and the four hint looks.
#include "gallery/PopupHintGallery.h"
#include "PaintersTestSupport.h"

#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/painters/popups/CustomPopupWindow.h"
#include "ui/painters/popups/PopupVisibleController.h"

#include <memory>
#include <string>

using namespace painters_test;
using namespace popup_hint_gallery;

namespace {

class PopupHintGalleryTest : public PaintersTest {
protected:
    void UseScreen(const TSize& ASize) {
        olva::win::SetMonitors({{{0, 0, ASize.cx, ASize.cy}, {0, 0, ASize.cx, ASize.cy}}});
        // Away from every window, so that nothing is hot.
        olva::win::InjectMouse(olva::win::MouseAction::Move, ASize.cx - 1, ASize.cy - 1);
        Pump();
    }
    // The screen's colour at a point.
    static COLORREF ScreenAt(int X, int Y) {
        auto screen = olva::win::ComposeScreen();
        return PixelToColorRef(screen->Pixel(X, Y));
    }
};

TEST_F(PopupHintGalleryTest, BorderStylesOfEachLookWithAndWithoutShadow) {
    ASSERT_GE(RegisteredLooks().size(), 3u);
    UseScreen(BorderStylesPageSize());
    for (TuiLookAndFeelKind kind : RegisteredLooks()) {
        SCOPED_TRACE(LookName(kind));
        auto page = std::make_unique<TBorderStylesPage>(kind);
        Pump();
        ASSERT_EQ(page->PopupCount(), 14);
        EXPECT_EQ(uiPopupVisibleController()->Count(), 14);
        for (int i = 0; i < page->PopupCount(); ++i) {
            TuiCustomPopupWindow* popup = page->Popups(i);
            EXPECT_TRUE(IsWindowVisible(popup->Handle()));
            // Below its caption.
            EXPECT_EQ(popup->Top(), 20 + (i / 7) * 120 + 18);
        }
        // A single border in the look's border colour; the shadow band right of the frame.
        TuiCustomPopupWindow* single = page->Popups(1);
        EXPECT_EQ(ScreenAt(single->Left(), single->Top() + 30),
                  ColorToRGB(single->Style()->BorderColor()) & 0xFFFFFF);
        TuiCustomPopupWindow* shadowed = page->Popups(7 + 1);
        EXPECT_EQ(ScreenAt(shadowed->Left() + shadowed->Width() - 1, shadowed->Top() + 30),
                  ColorToRGB(clBtnShadow) & 0xFFFFFF);
        EXPECT_EQ(ScreenAt(shadowed->Left() + shadowed->Width() - 1, shadowed->Top() + 1),
                  static_cast<COLORREF>(0xF0E4DA));
        EXPECT_TRUE(olva::win::SaveScreenPng(
            PaintersOutputPath(std::string("popups-borders-") + LookName(kind) + ".png")));
    }
    EXPECT_EQ(uiPopupVisibleController()->Count(), 0);
}

TEST_F(PopupHintGalleryTest, SizingPanelsInEachCornerWithTheCloseButtonStates) {
    UseScreen(SizingPanelsPageSize());
    for (TuiLookAndFeelKind kind : RegisteredLooks()) {
        SCOPED_TRACE(LookName(kind));
        auto page = std::make_unique<TSizingPanelsPage>(kind);
        Pump();
        ASSERT_EQ(page->PopupCount(), 12);
        EXPECT_TRUE(olva::win::SaveScreenPng(
            PaintersOutputPath(std::string("popups-sizing-") + LookName(kind) + ".png")));
    }
}

TEST_F(PopupHintGalleryTest, PlainHintScreenTipItsLookAlikeAndTheStandardHint) {
    UseScreen(HintsPageSize());
    auto page = std::make_unique<THintsPage>();
    Pump();
    const std::vector<HWND> windows = page->Windows();
    ASSERT_EQ(windows.size(), 5u);
    for (HWND window : windows)
        EXPECT_TRUE(IsWindowVisible(window));
    // The full screen tip is wider (318 with its description glyph) and taller than the others.
    RECT tip, lookAlike;
    GetWindowRect(windows[2], &tip);
    GetWindowRect(windows[3], &lookAlike);
    EXPECT_EQ(tip.right - tip.left, 318 + 1);
    EXPECT_GT(tip.bottom - tip.top, 3 * (lookAlike.bottom - lookAlike.top));
    EXPECT_TRUE(olva::win::SaveScreenPng(PaintersOutputPath("hints.png")));
}

} // namespace
