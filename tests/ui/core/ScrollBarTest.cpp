#include "FakePainter.h"
#include "GraphicsTestSupport.h"
#include "UiCoreTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/ScrollBar.h"
#include "ui/core/controls/ScrollBarController.h"
#include "ui/core/controls/ScrollBarPainter.h"
#include "ui/core/controls/ScrollBarViewInfo.h"

#include <memory>
#include <string>
#include <vector>

using namespace ui_core_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class ScrollBarTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        registry = std::make_unique<TFakePaintersRegistry>();
        registry->painters = {&ultraFlat, &native};
        RootLookAndFeel()->Refresh();
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form->Free();
        registry.reset();
        UiCoreTest::TearDown();
    }
    TuiScrollBar* MakeBar(int X, int Y, int W, int H, TScrollBarKind AKind = sbHorizontal) {
        auto* bar = new TuiScrollBar(form);
        bar->SetKind(AKind);
        bar->SetBounds(X, Y, W, H);
        bar->SetParent(form);
        bar->OnScroll = TScrollEvent(
            [this](TObject*, TScrollCode ACode, int& APos) {
                scrolls.push_back({ACode, APos});
                if (onScroll) onScroll(ACode, APos);
            },
            this);
        bar->OnChange = TNotifyEvent([this](TObject*) { ++changes; }, this);
        Pump();
        return bar;
    }
    TRect PartRect(TuiScrollBar* ABar, TuiScrollBarPart APart) {
        return ABar->Helper()->ViewInfo()->GetPartInfo(APart)->Bounds;
    }
    TPoint Screen(TuiScrollBar* ABar, int X, int Y) { return ABar->ClientToScreen(TPoint{X, Y}); }
    void Mouse(MouseAction AAction, TuiScrollBar* ABar, int X, int Y) {
        const TPoint p = Screen(ABar, X, Y);
        InjectMouse(AAction, p.x, p.y);
        Pump();
    }
    std::vector<TScrollCode> ScrollCodes() const {
        std::vector<TScrollCode> codes;
        for (const auto& s : scrolls)
            codes.push_back(s.first);
        return codes;
    }

    std::unique_ptr<TFakePaintersRegistry> registry;
    TFakePainter ultraFlat{"UltraFlat", lfsUltraFlat}, native{"Native", lfsNative};
    TForm* form = nullptr;
    std::vector<std::pair<TScrollCode, int>> scrolls;
    std::function<void(TScrollCode, int&)> onScroll;
    int changes = 0;
};

TEST_F(ScrollBarTest, ANewBarHasTheDefaultSizeRangeAndSteps) {
    auto* bar = new TuiScrollBar(form);
    EXPECT_EQ(bar->Width(), 121);
    EXPECT_EQ(bar->Height(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(bar->Kind(), sbHorizontal);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->PageSize(), 0);
    EXPECT_EQ(bar->SmallChange(), 1);
    EXPECT_EQ(bar->LargeChange(), 1);
    EXPECT_TRUE(bar->ControlStyle().Contains(csCaptureMouse));
    EXPECT_EQ(uiGetDefaultScrollBarSize(), (TSize{16, 16}));
    EXPECT_EQ(bar->Helper()->LookAndFeelPainter(), &ultraFlat);
}

TEST_F(ScrollBarTest, InconsistentRangesAreRefusedAndPositionsClamped) {
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    bar->SetMax(10);
    struct Case {
        int min, max, position, page;
        bool raises;
    };
    const Case cases[] = {
        {50, 10, 0, 0, true}, {0, 100, 0, 101, true}, {0, 100, 0, 100, false}, {-5, -5, 3, 0, false}};
    for (const Case& c : cases) {
        const int min = bar->Min(), max = bar->Max(), page = bar->PageSize();
        if (c.raises) {
            try {
                bar->SetScrollParams(c.min, c.max, c.position, c.page);
                ADD_FAILURE();
            } catch (const EInvalidOperation& e) {
                EXPECT_EQ(e.Message(), "Scrollbar property out of range");
            }
            EXPECT_EQ(bar->Min(), min);
            EXPECT_EQ(bar->Max(), max);
            EXPECT_EQ(bar->PageSize(), page);
        } else {
            bar->SetScrollParams(c.min, c.max, c.position, c.page);
            EXPECT_EQ(bar->PageSize(), c.page);
        }
    }
    EXPECT_EQ(bar->Position(), -5);
    bar->SetScrollParams(0, 100, 0, 0);
    changes = 0;
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(100);
    EXPECT_EQ(changes, 1);
}

TEST_F(ScrollBarTest, Geometry) {
    TuiScrollBar* bar = MakeBar(10, 10, 232, 16); // track 200 between two 16-pixel buttons
    bar->SetScrollParams(0, 99, 0, 10);
    EXPECT_EQ(PartRect(bar, sbpLineUp), (TRect{0, 0, 16, 16}));
    EXPECT_EQ(PartRect(bar, sbpLineDown), (TRect{216, 0, 232, 16}));
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{16, 0, 36, 16}));
    EXPECT_EQ(PartRect(bar, sbpPageUp), (TRect{16, 0, 16, 16}));
    bar->SetPosition(90);
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{196, 0, 216, 16}));
    EXPECT_EQ(PartRect(bar, sbpPageUp), (TRect{16, 0, 196, 16}));
    EXPECT_EQ(PartRect(bar, sbpPageDown), (TRect{216, 0, 216, 16}));
    bar->SetPosition(45);
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{106, 0, 126, 16}));
    EXPECT_EQ(bar->Helper()->ViewInfo()->GetPart({110, 8}), sbpThumbnail);
    EXPECT_EQ(bar->Helper()->ViewInfo()->GetPart({50, 8}), sbpPageUp);
    EXPECT_EQ(bar->Helper()->ViewInfo()->GetPart({300, 8}), sbpNone);

    // Without a page the thumb has the system's thumb length.
    bar->SetScrollParams(0, 100, 50, 0);
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{108, 0, 124, 16}));

    // A bar shorter than two buttons: half its length each, no thumb.
    TuiScrollBar* shorty = MakeBar(10, 40, 20, 16);
    EXPECT_EQ(PartRect(shorty, sbpLineUp), (TRect{0, 0, 10, 16}));
    EXPECT_EQ(PartRect(shorty, sbpLineDown), (TRect{10, 0, 20, 16}));
    EXPECT_EQ(PartRect(shorty, sbpThumbnail), TRect{});

    // Vertical, and switching the kind swaps width and height.
    TuiScrollBar* vertical = MakeBar(300, 10, 16, 150, sbVertical);
    EXPECT_EQ(PartRect(vertical, sbpLineDown), (TRect{0, 134, 16, 150}));
    vertical->SetKind(sbHorizontal);
    EXPECT_EQ(vertical->Width(), 150);
    EXPECT_EQ(vertical->Height(), 16);
    EXPECT_EQ(PartRect(vertical, sbpLineDown), (TRect{134, 0, 150, 16}));
}

TEST_F(ScrollBarTest, ADisabledBarDrawsItsButtonsDisabledAndNothingElse) {
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    bar->SetEnabled(false);
    Pump();
    ultraFlat.parts.clear();
    bar->Repaint();
    std::vector<std::pair<TuiScrollBarPart, TuiPainterButtonState>> drawn;
    for (const auto& d : ultraFlat.parts)
        drawn.push_back({d.part, d.state});
    EXPECT_EQ(drawn, (std::vector<std::pair<TuiScrollBarPart, TuiPainterButtonState>>{
                         {sbpLineUp, cxbsDisabled}, {sbpLineDown, cxbsDisabled}}));
}

TEST_F(ScrollBarTest, AButtonRepeatsAfter400ThenEvery60MillisecondsWhileTheCursorStaysOnIt) {
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    Mouse(MouseAction::LeftDown, bar, 192, 8); // line-down button
    EXPECT_EQ(bar->Position(), 1);
    Run(399);
    EXPECT_EQ(bar->Position(), 1);
    Run(1);
    EXPECT_EQ(bar->Position(), 2);
    Run(60);
    EXPECT_EQ(bar->Position(), 3);
    Run(60);
    EXPECT_EQ(bar->Position(), 4);
    Mouse(MouseAction::Move, bar, 100, 8); // off the button: paused
    Run(300);
    EXPECT_EQ(bar->Position(), 4);
    Mouse(MouseAction::Move, bar, 190, 4); // back: resumed
    Run(60);
    EXPECT_EQ(bar->Position(), 5);
    Mouse(MouseAction::LeftUp, bar, 190, 4);
    Run(500);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(ScrollCodes().back(), scEndScroll);
    EXPECT_EQ(bar->Helper()->ViewInfo()->PressedPart, sbpNone);
    EXPECT_EQ(bar->Helper()->ViewInfo()->HotPart, sbpLineDown);
}

TEST_F(ScrollBarTest, PageAreasStepByTheLargeChange) {
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    bar->SetLargeChange(10);
    bar->SetPosition(50);
    Mouse(MouseAction::LeftDown, bar, 20, 8);
    Mouse(MouseAction::LeftUp, bar, 20, 8);
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(ScrollCodes(), (std::vector<TScrollCode>{scPageUp, scEndScroll}));
}

TEST_F(ScrollBarTest, DraggingTheThumbReportsTrackThenPositionThenEndScroll) {
    TuiScrollBar* bar = MakeBar(10, 10, 232, 16); // a 200-pixel track
    bar->SetScrollParams(0, 99, 0, 10);
    changes = 0;
    Mouse(MouseAction::LeftDown, bar, 20, 8);
    EXPECT_EQ(ScrollCodes(), std::vector<TScrollCode>{scTrack});
    Mouse(MouseAction::Move, bar, 38, 8); // 18 of 180 pixels: 9 of 90 positions
    EXPECT_EQ(bar->Position(), 9);
    EXPECT_EQ(changes, 1);
    Mouse(MouseAction::Move, bar, 38, 48); // 40 pixels below the bar: still tracking
    Mouse(MouseAction::Move, bar, 56, 48);
    EXPECT_EQ(bar->Position(), 18);
    Mouse(MouseAction::Move, bar, 56, 160); // 144 below: snaps back
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(PartRect(bar, sbpThumbnail).left, 16);
    Mouse(MouseAction::Move, bar, 74, 8);
    EXPECT_EQ(bar->Position(), 27);
    Mouse(MouseAction::Move, bar, 232 + 30, 8); // 30 beyond the end: the thumb stops at the button
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{196, 0, 216, 16}));
    EXPECT_EQ(bar->Position(), 90);
    Mouse(MouseAction::Move, bar, 232 + 40, 8); // 40 beyond: outside the tracking area
    EXPECT_EQ(bar->Position(), 0);
    Mouse(MouseAction::Move, bar, 74, 8);
    scrolls.clear();
    Mouse(MouseAction::LeftUp, bar, 74, 8);
    EXPECT_EQ(ScrollCodes(), (std::vector<TScrollCode>{scPosition, scEndScroll}));
    EXPECT_EQ(bar->Position(), 27);
}

TEST_F(ScrollBarTest, UnlimitedTrackingFollowsTheMouseAnywhere) {
    TuiScrollBar* bar = MakeBar(10, 10, 232, 16);
    bar->SetScrollParams(0, 99, 0, 10);
    bar->SetUnlimitedTracking(true);
    Mouse(MouseAction::LeftDown, bar, 20, 8);
    Mouse(MouseAction::Move, bar, 56, 250);
    EXPECT_EQ(bar->Position(), 18);
    Mouse(MouseAction::LeftUp, bar, 56, 250);
    EXPECT_EQ(bar->Position(), 18);
}

TEST_F(ScrollBarTest, AThumbThatFillsItsTrackKeepsThePosition) {
    ultraFlat.minimalThumb = 200; // the painter's smallest thumb fills the 200-pixel track
    TuiScrollBar* bar = MakeBar(10, 10, 232, 16);
    bar->SetScrollParams(10, 109, 10, 10);
    EXPECT_EQ(PartRect(bar, sbpThumbnail), (TRect{16, 0, 216, 16}));
    Mouse(MouseAction::LeftDown, bar, 100, 8);
    Mouse(MouseAction::Move, bar, 120, 8);
    Mouse(MouseAction::LeftUp, bar, 120, 8);
    EXPECT_EQ(bar->Position(), 10);
    for (const auto& s : scrolls)
        EXPECT_GE(s.second, 10);
}

TEST_F(ScrollBarTest, AnOnScrollAnswerOutsideTheRangeIsClamped) {
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    onScroll = [](TScrollCode ACode, int& APos) {
        if (ACode == scLineDown) APos = 1000;
    };
    bar->Helper()->Controller()->Scroll(scLineDown);
    EXPECT_EQ(bar->Position(), 100);
    onScroll = nullptr;
    bar->Perform(CN_HSCROLL, scTop, 0);
    EXPECT_EQ(bar->Position(), 0);
}

// A registry whose every style is drawn by one native painter.
struct TNativeRegistry : TFakePaintersRegistry {
    TuiLookAndFeelPainterBase* GetPainterByStyle(TuiLookAndFeelStyle) override { return painters[0]; }
};

TEST_F(ScrollBarTest, AnUltraFlatPainterNeverFades) {
    TFakeFader fader;
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    bar->Helper()->ViewInfo()->UpdatePartFadingStates(); // parts take their first states: no fades
    fader.calls.clear();
    ultraFlat.hotTracks = true;
    Mouse(MouseAction::Move, bar, 8, 8);
    EXPECT_EQ(bar->Helper()->ViewInfo()->HotPart, sbpLineUp);
    EXPECT_EQ(bar->Helper()->ViewInfo()->GetPartInfo(sbpLineUp)->State(), cxbsHot);
    EXPECT_EQ(fader.calls, std::vector<std::string>{"in"}); // asked; the fader then finds it cannot fade
    EXPECT_FALSE(bar->Helper()->ViewInfo()->GetPartInfo(sbpLineUp)->FadingHelper()->IsFadable());
    // Without hot tracking the thumb never looks hot.
    ultraFlat.hotTracks = false;
    Mouse(MouseAction::Move, bar, 100, 8);
    EXPECT_EQ(bar->Helper()->ViewInfo()->GetPartInfo(sbpThumbnail)->State(), cxbsNormal);
}

TEST_F(ScrollBarTest, HotPartsFadeInAndOutThroughTheFader) {
    TFakeFader fader;
    registry.reset();
    TNativeRegistry nativeRegistry;
    nativeRegistry.painters = {&native};
    native.hotTracks = true;
    RootLookAndFeel()->Refresh();
    TuiScrollBar* bar = MakeBar(10, 10, 200, 16);
    EXPECT_TRUE(bar->Helper()->Painter()->FadingAvailable());
    bar->Helper()->ViewInfo()->UpdatePartFadingStates();
    fader.calls.clear();
    Mouse(MouseAction::Move, bar, 8, 8);   // line-up button
    Mouse(MouseAction::Move, bar, 100, 8); // page area: never fades
    Mouse(MouseAction::Move, bar, 192, 8); // line-down button
    EXPECT_EQ(fader.calls, (std::vector<std::string>{"in", "out", "in"}));
    // While the fader has a frame, the part is not drawn by the painter.
    fader.drawsFrames = true;
    native.parts.clear();
    bar->Repaint();
    ASSERT_FALSE(native.parts.empty());
    for (const auto& d : native.parts)
        EXPECT_NE(d.part, sbpLineDown);
    // Pressing the hot button stops its fade.
    fader.calls.clear();
    Mouse(MouseAction::LeftDown, bar, 192, 8);
    EXPECT_EQ(fader.calls, std::vector<std::string>{"remove"});
    Mouse(MouseAction::LeftUp, bar, 192, 8);
    // The fade images are the part in state 1 and in state 2.
    TuiBitmap32* out = nullptr;
    TuiBitmap32* in = nullptr;
    bar->Helper()->ViewInfo()->GetPartInfo(sbpLineDown)->FadingHelper()->ProvideFadeImages(out, in);
    ASSERT_NE(out, nullptr);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(out->Width(), 16);
    EXPECT_EQ(graphics_test::ColorAt(*out, 5, 5), TFakePainter::PartColor(sbpLineDown, cxbsNormal));
    EXPECT_EQ(graphics_test::ColorAt(*in, 5, 5), TFakePainter::PartColor(sbpLineDown, cxbsHot));
    delete out;
    delete in;
    bar->Free();
}

TEST_F(ScrollBarTest, ScreenshotOfTheStates) {
    ultraFlat.hotTracks = true;
    form->SetBounds(100, 100, 300, 200);
    TuiScrollBar* normal = MakeBar(10, 10, 200, 16);
    normal->SetScrollParams(0, 99, 30, 20);
    TuiScrollBar* hot = MakeBar(10, 36, 200, 16);
    hot->SetScrollParams(0, 99, 60, 20);
    TuiScrollBar* pressed = MakeBar(10, 62, 200, 16);
    pressed->SetScrollParams(0, 99, 0, 20);
    TuiScrollBar* disabled = MakeBar(10, 88, 200, 16);
    disabled->SetEnabled(false);
    TuiScrollBar* vertical = MakeBar(230, 10, 16, 140, sbVertical);
    vertical->SetScrollParams(0, 10, 5, 0);
    Mouse(MouseAction::Move, hot, 8, 8);
    Mouse(MouseAction::LeftDown, pressed, 192, 8);
    Pump();
    ASSERT_TRUE(olva::win::SaveWindowPng(form->Handle(), graphics_test::OutputPath("scroll-bars.png")));
    auto colorAt = [](TuiScrollBar* ABar, int X, int Y) {
        HDC dc = GetDC(ABar->Handle());
        const COLORREF color = GetPixel(dc, X, Y);
        ReleaseDC(ABar->Handle(), dc);
        return color;
    };
    EXPECT_EQ(colorAt(normal, 8, 8), ColorToRGB(TFakePainter::PartColor(sbpLineUp, cxbsNormal)));
    EXPECT_EQ(colorAt(hot, 8, 8), ColorToRGB(TFakePainter::PartColor(sbpLineUp, cxbsHot)));
    EXPECT_EQ(colorAt(disabled, 8, 8), ColorToRGB(TFakePainter::PartColor(sbpLineUp, cxbsDisabled)));
    EXPECT_EQ(colorAt(disabled, 100, 8), ColorToRGB(TFakePainter::kBackgroundColor));
    EXPECT_EQ(colorAt(vertical, 8, 70), ColorToRGB(TFakePainter::PartColor(sbpThumbnail, cxbsNormal)));
    EXPECT_EQ(colorAt(pressed, 192, 8), ColorToRGB(TFakePainter::PartColor(sbpLineDown, cxbsPressed)));
    Mouse(MouseAction::LeftUp, pressed, 192, 8);
}

} // namespace
