// The skinned panel and group box: children inside the grown client rectangle, the frame in strips,
// a background picture, nothing at all with EmptyDrawing, the transparent looks, and the caption band's
// check box and roll-up with and without a skin.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

namespace skin_panel_test {
using namespace skintest;

class SkinPanelTest : public TSkinControlTest {
protected:
    template <class T = TskSkinPanel> T* NewPanel(const std::string& Name, int W, int H) {
        auto* panel = new T(Form);
        panel->SetParent(Form);
        if (!Name.empty()) panel->SetSkinDataName(Name);
        panel->SetBounds(20, 20, W, H);
        panel->SetSkinData(Skin);
        return panel;
    }
    TskSkinButton* ChildOf(TskSkinPanel* Panel, TAlign Align) {
        auto* child = new TskSkinButton(Form);
        child->SetParent(Panel);
        child->SetAlign(Align);
        return child;
    }
};

TEST_F(SkinPanelTest, ChildrenLieInsideTheGrownClientRectangle) {
    LoadSkin();
    ShowForm();
    auto* panel = NewPanel("panel", 200, 120);
    auto* child = ChildOf(panel, alClient);
    EXPECT_EQ(panel->NewClRect, (TRect{6, 6, 194, 114}));
    EXPECT_EQ(child->BoundsRect(), (RECT{6, 6, 194, 114}));
    // Growing the panel grows the client area with it.
    panel->SetBounds(20, 20, 240, 150);
    EXPECT_EQ(child->BoundsRect(), (RECT{6, 6, 234, 144}));
    // The group box's client area lies below its caption band.
    auto* box = NewPanel<TskSkinGroupBox>("", 160, 100);
    auto* inside = ChildOf(box, alClient);
    EXPECT_EQ(inside->BoundsRect(), (RECT{6, 22, 154, 94}));
}

TEST_F(SkinPanelTest, TheFrameComesInStripsAndTheCentreIsTiled) {
    LoadSkin();
    ShowForm();
    auto* panel = NewPanel("panel", 200, 120);
    TBitmap* picture = Skin->ActivePicture(0);
    const TRect& p = layout::Panel;
    EXPECT_EQ(ColorAt(panel, 0, 0), PixelOf(*picture, p.left, p.top));
    EXPECT_EQ(ColorAt(panel, 1, 60), PixelOf(*picture, p.left + 1, p.top + 20));
    EXPECT_EQ(ColorAt(panel, 198, 119), PixelOf(*picture, p.right - 2, p.bottom - 1));
    EXPECT_EQ(ColorAt(panel, 100, 60), PixelOf(*picture, p.left + 20, p.top + 20));
}

TEST_F(SkinPanelTest, ABackgroundPictureStretchedDownAndRepeatedAcross) {
    LoadSkin();
    ShowForm();
    // The picture is 12 x 20 with a stripe in column 5: stretched to 40 rows, repeated every 12 columns.
    auto* panel = NewPanel("panelbg", 100, 40);
    TBitmap* background = Skin->ActivePicture(3);
    for (int x : {5, 17, 29, 89})
        EXPECT_EQ(ColorAt(panel, x, 20), PixelOf(*background, 5, 10)) << x;
    EXPECT_EQ(ColorAt(panel, 0, 0), PixelOf(*background, 0, 0));
    EXPECT_EQ(ColorAt(panel, 12, 39), PixelOf(*background, 0, 19));
}

TEST_F(SkinPanelTest, EmptyDrawingPaintsNothing) {
    LoadSkin();
    Form->SetColor(TColor(RGB(10, 200, 30)));
    ShowForm();
    auto* panel = NewPanel("panel", 100, 60);
    EXPECT_NE(ColorAt(panel, 50, 30), std::uint32_t(RGB(10, 200, 30)));
    panel->SetEmptyDrawing(true);
    panel->Invalidate();
    const auto before = Capture(panel);
    // Whatever the window showed stays: the panel draws not a pixel.
    panel->Repaint();
    const auto after = Capture(panel);
    for (int y = 0; y < 60; y += 7)
        for (int x = 0; x < 100; x += 9)
            EXPECT_EQ(PixelOf(*after, x, y), PixelOf(*before, x, y));
}

TEST_F(SkinPanelTest, TransparentLooksShowTheParent) {
    LoadSkin();
    Form->SetColor(TColor(RGB(10, 200, 30)));
    ShowForm();
    auto* panel = NewPanel("panel", 100, 60);
    panel->SetTransparentMode(true);
    EXPECT_EQ(ColorAt(panel, 50, 30), std::uint32_t(RGB(10, 200, 30)));
    EXPECT_EQ(ColorAt(panel, 0, 30), std::uint32_t(Skin->Colors()->cBtnShadow));
    panel->SetBorderStyle(TskSkinBorderStyle::bvNone); // skinned: repainted by the caller
    panel->Repaint();
    EXPECT_EQ(ColorAt(panel, 0, 30), std::uint32_t(RGB(10, 200, 30)));
    // The transparent group: the caption in the labels' colour and a line around.
    auto* box = NewPanel<TskSkinGroupBox>("", 160, 80);
    box->SetLeft(150);
    box->SetTransparentMode(true);
    box->SetCaption("Commands");
    const auto picture = Capture(box);
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (GetRValue(PixelOf(*picture, x, y)) > 150 && GetGValue(PixelOf(*picture, x, y)) < 120) ++red;
    EXPECT_GT(red, 10);
    EXPECT_EQ(PixelOf(*picture, 0, 79), std::uint32_t(Skin->Colors()->cBtnShadow));
    EXPECT_EQ(PixelOf(*picture, 80, 40), std::uint32_t(RGB(10, 200, 30)));
}

TEST_F(SkinPanelTest, TheGroupBoxCaptionIsDrawnOnlyWhenThereIsOne) {
    LoadSkin();
    ShowForm();
    auto* box = NewPanel<TskSkinGroupBox>("", 160, 80);
    auto white = [&] {
        const auto picture = Capture(box);
        int count = 0;
        for (int y = 2; y < 20; ++y)
            for (int x = 4; x < 156; ++x)
                if (PixelOf(*picture, x, y) == 0xFFFFFFu) ++count;
        return count;
    };
    EXPECT_EQ(white(), 0);
    box->SetCaption("Commands");
    EXPECT_GT(white(), 10);
    EXPECT_EQ(box->CaptionRect(), (TRect{4, 2, 156, 20}));
}

TEST_F(SkinPanelTest, WithoutASkinTheBandChecksAndRollsUp) {
    ShowForm();
    auto* panel = NewPanel("panel", 160, 100);
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    auto* child = ChildOf(panel, alClient);
    EXPECT_EQ(child->BoundsRect(), (RECT{1, 23, 159, 99}));
    int checkedEvents = 0;
    panel->OnChecked = TNotifyEvent([&](TObject*) { ++checkedEvents; }, this);
    Click(panel, 60, 10);
    EXPECT_TRUE(panel->Checked());
    EXPECT_TRUE(child->Enabled());
    Click(panel, 60, 10);
    EXPECT_FALSE(panel->Checked());
    EXPECT_FALSE(child->Enabled());
    EXPECT_EQ(checkedEvents, 2);
    Click(panel, 60, 60); // below the band: nothing
    EXPECT_FALSE(panel->Checked());
    // Rolling up leaves the caption band; rolling down brings the height back.
    panel->SetCheckedMode(false);
    panel->SetRollUpMode(true);
    Click(panel, 60, 10);
    EXPECT_TRUE(panel->RollUpState());
    EXPECT_EQ(panel->Height(), 23);
    EXPECT_FALSE(child->Visible());
    EXPECT_EQ(panel->RealHeight(), 100);
    Click(panel, 60, 10);
    EXPECT_FALSE(panel->RollUpState());
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_TRUE(child->Visible());
    EXPECT_EQ(panel->RealHeight(), -1);
}

TEST_F(SkinPanelTest, RollingUpAndDownKeepsTheSizeLimits) {
    ShowForm();
    auto* panel = NewPanel("panel", 160, 100);
    panel->SetCaptionMode(true);
    panel->SetRollUpMode(true);
    panel->Constraints()->SetMinHeight(60);
    panel->Constraints()->SetMaxWidth(300);
    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), 23); // below the minimum while rolled up
    EXPECT_EQ(panel->Constraints()->MinHeight(), 0);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_EQ(panel->Constraints()->MinHeight(), 60);
    EXPECT_EQ(panel->Constraints()->MaxWidth(), 300);
    // A second round trip keeps them too.
    panel->SetRollUpState(true);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Constraints()->MinHeight(), 60);
}

TEST_F(SkinPanelTest, ASkinnedPanelRollsUpToItsFrame) {
    LoadSkin();
    ShowForm();
    auto* box = NewPanel<TskSkinGroupBox>("", 160, 100);
    box->SetRollUpMode(true);
    box->SetCaption("Commands");
    box->Repaint();
    // A click in the caption band rolls it up to the height less the client area (22 + 6).
    Click(box, 60, 10);
    EXPECT_EQ(box->Height(), 28);
    Click(box, 60, 10);
    EXPECT_EQ(box->Height(), 100);
}

} // namespace skin_panel_test
