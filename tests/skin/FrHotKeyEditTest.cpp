// The framed hot-key edit: the favourites editor's use (value, change event, enabling), its colour for
// each state, FocusColor following Color, and the custom frame in the non-client area with hot tracking.
#include "SkinControlTestSupport.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Edit.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "skin/framed/FrHotKeyEdit.h"

#include <gtest/gtest.h>

namespace fr_hot_key_edit_test {
using namespace skintest;

class FrHotKeyEditTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        AddFocusSink(12, 200);
        Edit = new TFrHotKeyEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(12, 20, 145, 21);
        Edit->SetHotKey(32768);
        Edit->OnChange = TNotifyEvent([this](TObject*) { ++Changes; }, this);
        ShowForm();
    }
    // The screen's colour at a point of the edit's window, frame included.
    std::uint32_t WindowColorAt(int X, int Y) { return ColorAt(Form, Edit->Left() + X, Edit->Top() + Y); }
    TFrHotKeyEdit* Edit = nullptr;
    int Changes = 0;
};

TEST_F(FrHotKeyEditTest, TheFavouritesEditorsField) {
    EXPECT_EQ(Edit->Height(), 21);
    EXPECT_EQ(Edit->HotKey(), 32768);
    // Its 3-D border lies outside the client area.
    EXPECT_TRUE(GetWindowLong(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(Edit->ClientWidth(), 141);
    Edit->SetFocus();
    Pump();
    KeyDown(VK_CONTROL);
    Key('K');
    KeyUp(VK_CONTROL);
    EXPECT_EQ(Edit->HotKey(), scCtrl | 'K');
    EXPECT_EQ(Changes, 1);
    Edit->SetHotKey(0);
    EXPECT_EQ(Changes, 1); // the program's sets are not changes
    // Inside the client area the field's colour; no second edge is drawn there.
    EXPECT_EQ(WindowColorAt(3, 10), std::uint32_t(ColorToRGB(clWindow)));
}

TEST_F(FrHotKeyEditTest, EachStateHasItsColour) {
    Edit->SetFocusColor(clYellow);
    Edit->SetDisabledColor(clSilver);
    EXPECT_EQ(Edit->Color(), clWindow);
    Edit->SetFocus();
    Pump();
    EXPECT_EQ(Edit->Color(), clYellow);
    EXPECT_EQ(WindowColorAt(3, 10), std::uint32_t(ColorToRGB(clYellow)));
    Sink->SetFocus();
    Pump();
    EXPECT_EQ(Edit->Color(), clWindow);
    Edit->SetEnabled(false);
    EXPECT_EQ(Edit->Color(), clSilver);
    EXPECT_EQ(WindowColorAt(3, 10), std::uint32_t(ColorToRGB(clSilver)));
    Edit->SetEnabled(true);
    EXPECT_EQ(Edit->Color(), clWindow);
    EXPECT_EQ(Edit->NormalColor(), clWindow);
}

TEST_F(FrHotKeyEditTest, FocusColorFollowsColorWhileTheyAreEqual) {
    Edit->SetColor(clAqua);
    EXPECT_EQ(Edit->NormalColor(), clAqua);
    EXPECT_EQ(Edit->FocusColor(), clAqua);
    Edit->SetFocusColor(clYellow);
    Edit->SetColor(clLime);
    EXPECT_EQ(Edit->NormalColor(), clLime);
    EXPECT_EQ(Edit->FocusColor(), clYellow);
}

TEST_F(FrHotKeyEditTest, TheHotTrackedFrame) {
    Edit->SetFrameColor(clBlue);
    Edit->SetFrameHotColor(clRed);
    Edit->SetFrameSides(TSides{sdLeft});
    Edit->SetFrameHotTrack(true);
    EXPECT_TRUE(Edit->FrameVisible());
    EXPECT_EQ(Edit->FrameSides(), AllSides);
    Pump();
    // Plain: a one-pixel flat frame, the ring inside it in the field's colour.
    EXPECT_EQ(WindowColorAt(0, 10), std::uint32_t(ColorToRGB(clBlue)));
    EXPECT_EQ(WindowColorAt(1, 10), std::uint32_t(ColorToRGB(clWindow)));
    EXPECT_EQ(WindowColorAt(144, 20), std::uint32_t(ColorToRGB(clBlue)));
    // Under the mouse: two pixels of the hot colour.
    Hover(Edit, 20, 8);
    EXPECT_TRUE(Edit->MouseOver());
    EXPECT_EQ(WindowColorAt(0, 10), std::uint32_t(ColorToRGB(clRed)));
    EXPECT_EQ(WindowColorAt(1, 10), std::uint32_t(ColorToRGB(clRed)));
    MouseAway();
    EXPECT_EQ(WindowColorAt(1, 10), std::uint32_t(ColorToRGB(clWindow)));
    // With the focus the hot frame stays after the mouse leaves.
    Edit->SetFocus();
    Pump();
    EXPECT_EQ(WindowColorAt(0, 10), std::uint32_t(ColorToRGB(clRed)));
    Hover(Edit, 20, 8);
    MouseAway();
    EXPECT_EQ(WindowColorAt(0, 10), std::uint32_t(ColorToRGB(clRed)));
    // Visual styles are off here: the preference for themed frames still draws ours.
    EXPECT_EQ(Edit->FramingPreference(), fpXPThemes);
    EXPECT_FALSE(Edit->UsesThemedFrame());
}

TEST_F(FrHotKeyEditTest, AFrameControllerSetsTheFrame) {
    auto* controller = new TFrFrameController(Form);
    controller->SetFrameColor(clMaroon);
    controller->SetFrameVisible(true);
    controller->SetFocusColor(clYellow);
    Edit->SetFrameController(controller);
    EXPECT_TRUE(Edit->FrameVisible());
    EXPECT_EQ(Edit->FrameColor(), clMaroon);
    EXPECT_EQ(Edit->FocusColor(), clYellow);
    Pump();
    EXPECT_EQ(WindowColorAt(0, 10), std::uint32_t(ColorToRGB(clMaroon)));
}

} // namespace fr_hot_key_edit_test
