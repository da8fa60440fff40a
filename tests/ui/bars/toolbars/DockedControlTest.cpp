#include "ToolbarsTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "ui/bars/Bar.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/controls/DockedControl.h"
#include "ui/bars/painting/BarPainterInterfaces.h"
#include "ui/core/graphics/Bitmaps.h"

#include <string>

using namespace bars_test;
using bar_standins::TStandInToolbar;

TEST_F(ToolbarsTest, ACaptionButtonClicksOnlyWhenReleasedOverItself) {
    // Docked: the floating caption's own close button is not in the way.
    TStandInToolbar* toolbar = Toolbar(dsTop, {"A"});
    TovBarCaptionButtons* buttons = toolbar->Bar()->CaptionButtons();
    std::string clicks;
    for (int i = 0; i < 2; ++i) {
        TovBarCaptionButton* button = buttons->Add();
        button->Bounds = RECT{10 + 20 * i, 2, 26 + 20 * i, 18};
        button->SetOnClick(TNotifyEvent([&clicks, i](TObject*) { clicks += std::to_string(i); }, this));
    }
    struct TCase {
        POINT Press, Release;
        bool Tracked;
        const char* Clicks;
    };
    const TCase cases[] = {
        {{15, 10}, {15, 10}, true, "0"},
        {{15, 10}, {20, 17}, true, "0"},
        {{15, 10}, {35, 10}, true, ""},  // on the other button
        {{15, 10}, {200, 10}, true, ""}, // outside every button
        {{35, 10}, {35, 10}, true, "1"},
        {{28, 10}, {35, 10}, false, ""}, // pressed between the buttons: nothing tracked
    };
    for (const TCase& c : cases) {
        clicks.clear();
        EXPECT_EQ(toolbar->BeginCaptionButtonTracking(c.Press), c.Tracked);
        if (c.Tracked) {
            const int pressed = toolbar->TrackedCaptionButton();
            EXPECT_EQ(buttons->Items(pressed)->State(), cbsPressed);
            toolbar->TrackCaptionButton(POINT{200, 200});
            EXPECT_EQ(buttons->Items(pressed)->State(), cbsNormal) << "away from it, it looks released";
            toolbar->TrackCaptionButton(c.Press);
            EXPECT_EQ(buttons->Items(pressed)->State(), cbsPressed);
        }
        EXPECT_EQ(toolbar->EndCaptionButtonTracking(c.Release), std::string(c.Clicks) != "");
        EXPECT_EQ(clicks, c.Clicks) << c.Press.x << " to " << c.Release.x << "," << c.Release.y;
        EXPECT_NE(buttons->Items(0)->State(), cbsPressed);
        EXPECT_NE(buttons->Items(1)->State(), cbsPressed);
    }
    // A press whose capture is lost never clicks.
    clicks.clear();
    ASSERT_TRUE(toolbar->BeginCaptionButtonTracking(POINT{15, 10}));
    toolbar->CancelCaptionButtonTracking();
    EXPECT_FALSE(toolbar->EndCaptionButtonTracking(POINT{15, 10}));
    EXPECT_EQ(clicks, "");
}

TEST_F(ToolbarsTest, OneOnRowFollowsTheColumnsOfTheRow) {
    TovDockControl* dock = Dock(dsTop);
    TStandInToolbar* first = Toolbar(dsTop, {"A"});
    TStandInToolbar* second = Toolbar(dsTop, {"B"});
    TovDockRow* row = dock->InsertRow(0);
    row->AddCol(first);
    EXPECT_TRUE(first->Bar()->OneOnRow()) << "one column";
    row->AddCol(second);
    EXPECT_FALSE(first->Bar()->OneOnRow()) << "two columns";
    EXPECT_FALSE(second->Bar()->OneOnRow());
    row->RemoveColOf(first);
    EXPECT_TRUE(second->Bar()->OneOnRow());
    // A row that loses its last bar goes only when asked to.
    row->AddBar(first->Bar());
    EXPECT_FALSE(row->RemoveBar(first->Bar(), false));
    EXPECT_FALSE(row->RemoveBar(second->Bar(), false));
    EXPECT_EQ(dock->DockRowCount(), 1);
    row->AddBar(first->Bar());
    EXPECT_TRUE(row->RemoveBar(first->Bar(), true));
    EXPECT_EQ(dock->DockRowCount(), 0);
}

namespace {

// A fader that records what it is asked to fade.
class RecordingFader : public IovFader {
public:
    void FadeIn(IovFadingObject* AObject) override { Calls.push_back(AObject == nullptr ? "?" : "in"); }
    void FadeOut(IovFadingObject*) override { Calls.push_back("out"); }
    void Remove(IovFadingObject*, bool) override {}
    bool DrawFadeStep(IovFadingObject*, HDC, const TRect&) override { return false; }
    std::vector<std::string> Calls;
};

// A painter that fades: the mark is drawn black when hot and white otherwise.
class FadingPainter : public TovBarPainter, public IovBarFadingPainter {
public:
    bool FadingImagesNeedOpaque() override { return true; }
    void DrawItemControlFadeImage(TovBarItemControl*, TuiCanvas*, const TRect&) override {}
    void DrawBarMarkFadeImage(TovBarControl*, HDC ADC, const TRect& R, int AState) override {
        FillRect(ADC, &R, static_cast<HBRUSH>(GetStockObject(AState == 1 ? BLACK_BRUSH : WHITE_BRUSH)));
        States.push_back(AState);
    }
    std::vector<int> States;
};

} // namespace

TEST_F(ToolbarsTest, TheMarkDoesNotFadeWhilePressed) {
    RecordingFader fader;
    ovSetFaderSlot(&fader);
    struct TSlotReset {
        ~TSlotReset() { ovSetFaderSlot(nullptr); }
    } slotReset;
    FadingPainter fading;
    TStandInToolbar* toolbar = Toolbar(dsTop, {"A", "B"});
    toolbar->SetPainter(&fading);
    toolbar->SetClientRect(TRect{0, 0, 80, 24});
    TovBarControlMarkFadingHelper* helper = toolbar->MarkFadingHelper();
    struct TCase {
        int MarkState;
        bool Fades;
    };
    for (const TCase& c : {TCase{0, true}, TCase{1, true}, TCase{2, false}}) {
        toolbar->SetMarkState(c.MarkState);
        EXPECT_EQ(helper->IsFadable(), c.Fades) << c.MarkState;
        fader.Calls.clear();
        ovFadeInHelper(helper);
        ovFadeOutHelper(helper);
        EXPECT_EQ(fader.Calls.size(), c.Fades ? 2u : 0u) << c.MarkState;
    }
    toolbar->SetMarkState(0);
    TuiBitmap32* out = nullptr;
    TuiBitmap32* in = nullptr;
    helper->ProvideFadeImages(out, in);
    std::unique_ptr<TuiBitmap32> outImage(out), inImage(in);
    ASSERT_NE(out, nullptr);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(fading.States, (std::vector<int>{0, 1})) << "normal first, then hot";
    EXPECT_EQ(out->Width(), toolbar->GetMarkSize());
    toolbar->SetPainter(painter.get());
    EXPECT_FALSE(helper->IsFadable()) << "a painter that does not fade";
    TovBarControlMDIButtonFadingHelper mdi(toolbar, 2);
    toolbar->SetPainter(&fading);
    EXPECT_FALSE(mdi.IsFadable()) << "no MDI buttons are shown";
    toolbar->SetPainter(painter.get());
}
