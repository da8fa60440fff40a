// The bar hint: its window (plain hints square in the info colour, screen tips rounded and one pixel
// larger, 10 s against 200 s), and the hint's timing on the fake clock — the show pause, the hide time,
// the 400-ms quick show after a hint goes inside an open menu — with the texts the manager's options let
// through.
#include "../BarPaintingTestSupport.h"

#include "platform/gdi/GdiRegions.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/hints/BarHintController.h"
#include "ui/bars/hints/BarHintInterfaces.h"
#include "ui/bars/hints/BarHintWindow.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Region.h"
#include "ui/painters/hints/HintWindows.h"

#include <memory>
#include <string>

using namespace bars_test;

namespace bar_hint_window_tests {

// An object under the mouse that gives its own hint (as caption buttons do).
class THinted : public TObject, public IovBarHintProvider {
public:
    bool GetBarHint(std::string& AText, std::string& AShortCut) override {
        AText = Text;
        AShortCut = ShortCut;
        return !Text.empty();
    }
    bool IsBarHintEnabled() override { return Enabled; }
    TPoint GetBarHintPosition(const TPoint& ACursorPos, int) override {
        return TPoint{ACursorPos.x, ACursorPos.y + 20};
    }
    std::string Text = "Close";
    std::string ShortCut = " (Ctrl+W)";
    bool Enabled = true;
};

// A look whose hints are one-line screen tips.
class TScreenTipLook : public TovBarPainter {
public:
    std::unique_ptr<TovBarCustomHintViewInfo> CreateHintViewInfo(TovBarManager* AManager,
                                                                 const std::string& AHint,
                                                                 const std::string& AShortCut,
                                                                 TComponent* AScreenTip) override {
        return CreateBarHintViewInfo(AManager, AHint, AShortCut, this, AScreenTip);
    }
};

class BarHintWindowTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        SetCursorPos(200, 150);
        open.Active = true;
    }
    void TearDown() override {
        while (IovBarControl* current = CurrentBarControl())
            ReleaseCurrentBarControl(current);
        hints().Reset();
        BarPaintingTest::TearDown();
    }
    static TovBarHintController& hints() { return TovBarHintController::Instance(); }
    TovBarHintWindow* window() { return dynamic_cast<TovBarHintWindow*>(hints().Window()); }
    bool visible() { return hints().IsWindowVisible(); }
    std::string shownHint() {
        auto* info = dynamic_cast<TovBarHintViewInfo*>(window()->ViewInfo());
        return info != nullptr ? info->Hint() + "|" + info->ShortCut() : std::string("-");
    }
    FakeBarControl open{"menu", bckSubMenu};
};

TEST_F(BarHintWindowTest, APlainHintWaitsASecondAndGoesAfterTenSeconds) {
    hints().ActivateHint(manager, true, "Open a sound file", nullptr);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->ShowPause(), 1000u);
    Run(999);
    EXPECT_FALSE(visible());
    Run(1);
    ASSERT_TRUE(visible());
    EXPECT_FALSE(window()->ScreenTipStyle());
    EXPECT_EQ(window()->HideTimeout(), 10000u);
    EXPECT_EQ(shownHint(), "Open a sound file|");
    // Square corners: no window region.
    TuiRegion region;
    EXPECT_EQ(GetWindowRgn(window()->Handle(), region.Handle()), ERROR);
    Run(9999);
    EXPECT_TRUE(visible());
    Run(1);
    EXPECT_FALSE(visible());
    EXPECT_EQ(window()->ViewInfo(), nullptr); // freed as the window hid
}

TEST_F(BarHintWindowTest, AScreenTipStaysTwoHundredSecondsRoundedAndOnePixelLarger) {
    TScreenTipLook look;
    auto* toolbar = Toolbar(dsTop);
    toolbar->SetPainter(&look);
    TovBarButton* button = Button("Normalize");
    button->SetHint("Raise the level");
    TovBarItemLink* link = toolbar->Add(button);
    toolbar->Layout();
    hints().ActivateHint(manager, true, "", link->Control());
    Run(1000);
    ASSERT_TRUE(visible());
    ASSERT_TRUE(window()->ScreenTipStyle());
    EXPECT_EQ(window()->HideTimeout(), 200000u);
    EXPECT_EQ(window()->ShowPause(), 900u);
    const TRect laid = window()->ViewInfo()->GetBoundsRect();
    RECT r{};
    GetWindowRect(window()->Handle(), &r);
    EXPECT_EQ(uiWidthOfRect(r), uiWidthOfRect(laid) + 1);
    EXPECT_EQ(uiHeightOfRect(r), uiHeightOfRect(laid) + 1);
    TuiRegion region;
    ASSERT_NE(GetWindowRgn(window()->Handle(), region.Handle()), ERROR);
    TuiRegion rounded(CreateRoundRectRgn(0, 0, uiWidthOfRect(r), uiHeightOfRect(r), 2, 2));
    EXPECT_TRUE(EqualRgn(region.Handle(), rounded.Handle()));
    olva::win::SaveWindowPng(window()->Handle(), OutputPath("extras-screen-tip-hint.png"));
    Run(199999);
    EXPECT_TRUE(visible());
    Run(1);
    EXPECT_FALSE(visible());
}

TEST_F(BarHintWindowTest, WithinFourHundredMillisecondsOfAHintGoingTheNextShowsAtOnce) {
    SetCurrentBarControl(&open);
    hints().ActivateHint(manager, true, "Cut", nullptr);
    Run(1000);
    ASSERT_TRUE(visible());
    // Over an item without a hint in the open menu: the hint goes, the quick show begins.
    hints().ActivateHint(manager, true, "", nullptr);
    EXPECT_FALSE(visible());
    EXPECT_TRUE(hints().QuickShow());
    Run(300);
    hints().ActivateHint(manager, true, "Copy", nullptr);
    EXPECT_TRUE(visible());
    EXPECT_EQ(shownHint(), "Copy|");
    // Again, but the next hint comes too late.
    hints().ActivateHint(manager, true, "", nullptr);
    Run(400);
    EXPECT_FALSE(hints().QuickShow());
    hints().ActivateHint(manager, true, "Paste", nullptr);
    EXPECT_FALSE(visible());
    Run(1000);
    EXPECT_TRUE(visible());
    EXPECT_EQ(shownHint(), "Paste|");
}

TEST_F(BarHintWindowTest, MovingFromOneHintedItemToTheNextShowsTheNextAtOnce) {
    hints().ActivateHint(manager, true, "Cut", nullptr);
    Run(1000);
    hints().ActivateHint(manager, true, "Copy", nullptr);
    EXPECT_TRUE(visible());
    EXPECT_EQ(shownHint(), "Copy|");
    hints().HideHint(manager);
    EXPECT_FALSE(visible());
    EXPECT_FALSE(hints().Requested());
}

TEST_F(BarHintWindowTest, NoHintWhileHintsAreOffOrTheBarsAreCustomized) {
    manager->ShowHint = false;
    hints().ActivateHint(manager, true, "Open", nullptr);
    Run(2000);
    EXPECT_FALSE(visible());
    EXPECT_FALSE(hints().Requested());
    manager->ShowHint = true;
    manager->SetIsCustomizing(true);
    hints().ActivateHint(manager, true, "Open", nullptr);
    Run(2000);
    EXPECT_FALSE(visible());
    manager->SetIsCustomizing(false);
}

TEST_F(BarHintWindowTest, WhatAnObjectsHintShowsFollowsTheManagersOptions) {
    struct TCase {
        const char* What;
        bool Enabled, ForDisabled, ShortCuts;
        const char* Shown; // "-" for no hint
    };
    const TCase cases[] = {
        {"enabled, no shortcuts", true, true, false, "Close|"},
        {"enabled with shortcuts", true, true, true, "Close| (Ctrl+W)"},
        {"disabled, hints for disabled items", false, true, false, "Close|"},
        {"disabled, no hints for disabled items", false, false, true, "-"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        THinted hinted;
        hinted.Enabled = c.Enabled;
        manager->ShowHintForDisabledItems = c.ForDisabled;
        manager->ShowShortCutInHint = c.ShortCuts;
        hints().ActivateHint(manager, true, "", &hinted);
        Run(1000);
        EXPECT_EQ(visible(), std::string(c.Shown) != "-");
        if (visible()) {
            EXPECT_EQ(shownHint(), c.Shown);
            RECT r{};
            GetWindowRect(window()->Handle(), &r);
            EXPECT_EQ(r.top, 170); // the object's own place for it
        }
        hints().HideHint(manager);
    }
}

TEST_F(BarHintWindowTest, TheHintFollowsTheSelectionOfABar) {
    auto* toolbar = Toolbar(dsTop);
    TovBarButton* open = Button("Open");
    open->SetHint("Open a sound file");
    TovBarButton* save = Button("Save");
    save->SetHint("Save the sound");
    TovBarItemLink* openLink = toolbar->Add(open);
    TovBarItemLink* saveLink = toolbar->Add(save);
    toolbar->Layout();
    toolbar->SetSelectedControl(openLink->Control());
    Run(1000);
    ASSERT_TRUE(visible());
    EXPECT_EQ(shownHint(), "Open a sound file|");
    toolbar->SetSelectedControl(saveLink->Control());
    EXPECT_TRUE(visible());
    EXPECT_EQ(shownHint(), "Save the sound|");
    toolbar->SetSelectedControl(nullptr);
    EXPECT_FALSE(visible());
}

TEST_F(BarHintWindowTest, AHintWhoseObjectWentShowsNothing) {
    auto hinted = std::make_unique<THinted>();
    hints().ActivateHint(manager, true, "", hinted.get());
    hinted.reset();
    Run(1000);
    EXPECT_FALSE(visible());
}

} // namespace bar_hint_window_tests
