// The skinned track bar: the recording window's geometry, drags that clamp, OnChange and OnLastChange,
// jumps, keys and the wheel only with the focus, and equal limits.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

namespace skin_track_bar_test {
using namespace skintest;

class SkinTrackBarTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        LoadSkin();
        Bar = new TskSkinTrackBar(Form);
        Bar->SetParent(Form);
        Bar->SetSkinDataName("trackbar");
        Bar->SetBounds(40, 20, 18, 193);
        Bar->SetSkinData(Skin);
        Bar->SetMinValue(0);
        Bar->SetMaxValue(65535);
        Bar->SetJumpWhenClick(true);
        Bar->SetCanFocused(false);
        Bar->OnChange = TNotifyEvent([this](TObject*) { Changes.push_back(Bar->Value()); }, this);
        Bar->OnLastChange = TNotifyEvent([this](TObject*) { ++LastChanges; }, this);
        ShowForm();
    }
    void Wheel(int Delta) {
        const POINT p = Bar->ClientToScreen(POINT{9, 50});
        olva::win::InjectMouse(olva::win::MouseAction::Wheel, p.x, p.y, Delta);
        Pump();
    }
    TskSkinTrackBar* Bar = nullptr;
    std::vector<int> Changes;
    int LastChanges = 0;
};

TEST_F(SkinTrackBarTest, TheRecordingBarsGeometry) {
    EXPECT_TRUE(Bar->Vertical());
    Bar->SetValue(65535);
    Bar->UpdateThumb();
    EXPECT_EQ(Bar->TrackArea, (TRect{0, 0, 18, 192}));
    EXPECT_EQ(Bar->ThumbStart(), 11);
    EXPECT_EQ(Bar->ThumbEnd(), 181);
    EXPECT_EQ(Bar->ThumbPos(), 170);
    EXPECT_EQ(Bar->ThumbRect(), (TRect{0, 0, 18, 23}));
    Bar->SetValue(0);
    Bar->UpdateThumb();
    EXPECT_EQ(Bar->ThumbPos(), 0);
    EXPECT_EQ(Bar->ThumbRect(), (TRect{0, 170, 18, 193}));
    EXPECT_EQ(Changes, (std::vector<int>{65535, 0}));
    // Setting the same value again changes nothing.
    Bar->SetValue(0);
    Bar->SetValue(-3);
    EXPECT_EQ(Changes.size(), 2u);
}

TEST_F(SkinTrackBarTest, DragsClampAndReportEachChangeOnce) {
    Bar->SetValue(0);
    Changes.clear();
    int starts = 0;
    Bar->OnStartDragButton = TNotifyEvent([&](TObject*) { ++starts; }, this);
    MouseDown(Bar, 9, 181); // the thumb's centre
    EXPECT_TRUE(Bar->Dragging());
    EXPECT_EQ(starts, 1);
    Hover(Bar, 9, 96);
    EXPECT_EQ(Bar->Value(), Bar->ValueFromPos(85));
    Hover(Bar, 9, 96); // no move, no change
    Hover(Bar, 9, -100);
    EXPECT_EQ(Bar->Value(), 65535);
    Hover(Bar, 9, -150);
    EXPECT_EQ(Bar->Value(), 65535);
    Hover(Bar, 9, 400);
    EXPECT_EQ(Bar->Value(), 0);
    EXPECT_EQ(Changes, (std::vector<int>{Bar->ValueFromPos(85), 65535, 0}));
    EXPECT_EQ(LastChanges, 0);
    MouseUp(Bar, 9, 400);
    EXPECT_FALSE(Bar->Dragging());
    EXPECT_EQ(LastChanges, 1);
}

TEST_F(SkinTrackBarTest, AClickOnTheTrackJumpsWithoutALastChange) {
    Bar->SetValue(0);
    Changes.clear();
    // The thumb's centre goes near the click: 100 rows from the bottom minus the area's top.
    Click(Bar, 9, 60);
    const int expected = Bar->ValueFromPos(193 - 60 - 11 - 0);
    EXPECT_EQ(Bar->Value(), expected);
    Bar->UpdateThumb();
    EXPECT_NEAR(Bar->ThumbRect().top + 11, 60, 2);
    EXPECT_EQ(LastChanges, 0);
    Bar->SetJumpWhenClick(false);
    Click(Bar, 9, 150);
    EXPECT_EQ(Bar->Value(), expected);
}

TEST_F(SkinTrackBarTest, KeysAndTheWheelNeedTheFocus) {
    Bar->SetValue(100);
    Wheel(120);
    EXPECT_EQ(Bar->Value(), 100); // not focused
    Bar->SetCanFocused(true);
    EXPECT_TRUE(Bar->TabStop());
    Bar->SetFocus();
    Pump();
    Wheel(120);
    EXPECT_EQ(Bar->Value(), 101);
    Wheel(-120);
    Wheel(-120);
    EXPECT_EQ(Bar->Value(), 99);
    Key(VK_UP);
    Key(VK_RIGHT);
    EXPECT_EQ(Bar->Value(), 101);
    Key(VK_DOWN);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(Bar->Value(), 98);
    EXPECT_EQ(LastChanges, 3 + 5);
}

TEST_F(SkinTrackBarTest, EqualLimitsKeepTheThumbAtTheStart) {
    Bar->SetMaxValue(0);
    Bar->UpdateThumb();
    EXPECT_EQ(Bar->ThumbPos(), 0);
    MouseDown(Bar, 9, 181);
    Hover(Bar, 9, 20);
    MouseUp(Bar, 9, 20);
    EXPECT_EQ(Bar->Value(), 0);
}

TEST_F(SkinTrackBarTest, WithoutASkinAPlainGrooveAndThumb) {
    auto* plain = new TskSkinTrackBar(Form);
    plain->SetParent(Form);
    plain->SetBounds(100, 20, 120, 24);
    plain->SetValue(0);
    plain->UpdateThumb();
    // A horizontal thumb of (24 - 4) / 2 = 10 x 20 at the left end.
    EXPECT_EQ(plain->ThumbRect(), (TRect{2, 2, 12, 22}));
    EXPECT_EQ(ColorAt(plain, 2, 10), std::uint32_t(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(plain, 60, 11), std::uint32_t(ColorToRGB(clBtnShadow))); // the groove
    MouseDown(plain, 6, 10);
    EXPECT_EQ(ColorAt(plain, 6, 10), std::uint32_t(RGB(162, 188, 228)));
    MouseUp(plain, 6, 10);
}

} // namespace skin_track_bar_test
