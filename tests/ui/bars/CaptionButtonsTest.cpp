// Caption buttons of a toolbar: their states under the mouse, hints, screen tips, and merging.
#include "BarsTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/caption/BarCaptionButtons.h"

using namespace bars_test;

namespace {

class CaptionButtonsTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
        bar = manager->AddToolbar(false, false);
        buttons = bar->CaptionButtons();
        for (int i = 0; i < 3; ++i) {
            TovBarCaptionButton* button = buttons->Add();
            button->Hint = "Button " + std::to_string(i);
            button->Bounds = RECT{10 + 20 * i, 2, 26 + 20 * i, 18};
        }
        TakeCalls();
    }
    std::vector<int> States() const {
        std::vector<int> states;
        for (int i = 0; i < buttons->Count(); ++i)
            states.push_back(buttons->Items(i)->State());
        return states;
    }

    TovBarManager* manager = nullptr;
    TovBar* bar = nullptr;
    TovBarCaptionButtons* buttons = nullptr;
};

} // namespace

TEST_F(CaptionButtonsTest, StatesFollowTheMouseAndDisabledButtonsStayDisabled) {
    buttons->Items(2)->SetEnabled(false);
    EXPECT_EQ(States(), (std::vector<int>{cbsNormal, cbsNormal, cbsDisabled}));
    buttons->UpdateStates(POINT{35, 10}, false);
    EXPECT_EQ(States(), (std::vector<int>{cbsNormal, cbsHot, cbsDisabled}));
    buttons->UpdateStates(POINT{35, 10}, true);
    EXPECT_EQ(States(), (std::vector<int>{cbsNormal, cbsPressed, cbsDisabled}));
    buttons->UpdateStates(POINT{55, 10}, false);
    EXPECT_EQ(States(), (std::vector<int>{cbsNormal, cbsNormal, cbsDisabled}));
    EXPECT_EQ(buttons->IndexAtPos(POINT{15, 5}), 0);
    EXPECT_EQ(buttons->IndexAtPos(POINT{55, 5}), -1) << "a disabled button is not hit";
    EXPECT_EQ(buttons->IndexAtPos(POINT{28, 5}), -1) << "between the buttons";
    const RECT all = buttons->GetBoundsRect();
    EXPECT_EQ(all.left, 10);
    EXPECT_EQ(all.right, 66);
    EXPECT_EQ(all.bottom, 18);
}

TEST_F(CaptionButtonsTest, AHotButtonShowsItsHintUntilItIsDisabled) {
    TovBarCaptionButton* button = buttons->Items(0);
    std::string hint;
    EXPECT_FALSE(button->GetHintText(hint));
    buttons->UpdateStates(POINT{15, 5}, false);
    EXPECT_TRUE(button->GetHintText(hint));
    EXPECT_EQ(hint, "Button 0");
    std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.ShowHint"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.UpdateCaptionButtons"), calls.end())
        << "a state change repaints";
    button->SetEnabled(false);
    EXPECT_EQ(button->State(), cbsDisabled);
    EXPECT_FALSE(button->GetHintText(hint));
    calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.HideHint"), calls.end());
}

TEST_F(CaptionButtonsTest, AFreedScreenTipLeavesNone) {
    auto* tip = new TComponent(nullptr);
    buttons->Items(0)->SetScreenTip(tip);
    buttons->Items(1)->Assign(buttons->Items(0));
    EXPECT_EQ(buttons->Items(1)->ScreenTip(), tip);
    tip->Free();
    EXPECT_EQ(buttons->Items(0)->ScreenTip(), nullptr);
    EXPECT_EQ(buttons->Items(1)->ScreenTip(), nullptr);
}

TEST_F(CaptionButtonsTest, ClicksAndGlyphChangesReachTheirListeners) {
    TObject* clicked = nullptr;
    buttons->Items(1)->SetOnClick(TNotifyEvent([&](TObject* ASender) { clicked = ASender; }, this));
    buttons->Items(1)->DoClick();
    EXPECT_EQ(clicked, buttons->Items(1));
    TakeCalls();
    TBitmap glyph(16, 16);
    buttons->Items(1)->SetGlyph(&glyph);
    EXPECT_EQ(buttons->Items(1)->Glyph()->Width(), 16);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.UpdateCaptionButtons"), calls.end());
}

TEST_F(CaptionButtonsTest, MergedToolbarsBringTheirButtonsAndTakeExactlyThoseAway) {
    TovBar* b = manager->AddToolbar(false, false);
    TovBar* c = manager->AddToolbar(false, false);
    b->CaptionButtons()->Add()->Hint = "From B";
    c->CaptionButtons()->Add()->Hint = "From C";
    c->CaptionButtons()->Add()->Hint = "From C too";
    bar->Merge(b);
    bar->Merge(c);
    ASSERT_EQ(buttons->Count(), 6);
    EXPECT_EQ(buttons->Items(3)->Hint, "From B");
    EXPECT_EQ(buttons->Items(3)->MergedFrom(), b->CaptionButtons());
    EXPECT_EQ(buttons->Items(0)->MergedFrom(), nullptr);
    bar->UnMerge(b);
    ASSERT_EQ(buttons->Count(), 5);
    EXPECT_EQ(buttons->Items(3)->Hint, "From C") << "one source's buttons go, another's stay";
    bar->UnMerge(nullptr);
    ASSERT_EQ(buttons->Count(), 3) << "the bar's own buttons stay";
    buttons->Merge(c->CaptionButtons());
    buttons->Unmerge(nullptr);
    EXPECT_EQ(buttons->Count(), 3);
}
