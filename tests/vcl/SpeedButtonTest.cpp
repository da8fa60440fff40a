#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/SpeedButton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace speedbutton_test {

using stdctrls_test::StdCtrlsTest;

class SpeedButtonTest : public StdCtrlsTest {
protected:
    TSpeedButton* Add(int left, int group) {
        auto* b = new TSpeedButton(form);
        b->SetBounds(left, 10, 23, 22);
        b->SetGroupIndex(group);
        b->SetParent(form);
        b->OnClick = [this, b](TObject*) { clicked.push_back(b); };
        return b;
    }
    std::vector<TSpeedButton*> clicked;
};

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDown) {
    TSpeedButton* draw = Add(10, 1);
    TSpeedButton* select = Add(40, 1);
    TSpeedButton* zoom = Add(70, 1);
    TSpeedButton* loop = Add(100, 2);
    ShowForm();
    Click(draw, 5, 5);
    EXPECT_TRUE(draw->Down());
    Click(zoom, 5, 5);
    EXPECT_FALSE(draw->Down());
    EXPECT_TRUE(zoom->Down());
    EXPECT_FALSE(select->Down());
    // Clicking the down button of a group keeps it down unless all may be up.
    Click(zoom, 5, 5);
    EXPECT_TRUE(zoom->Down());
    // Another group is left alone; with AllowAllUp its button toggles.
    loop->SetAllowAllUp(true);
    Click(loop, 5, 5);
    EXPECT_TRUE(loop->Down());
    EXPECT_TRUE(zoom->Down());
    Click(loop, 5, 5);
    EXPECT_FALSE(loop->Down());
    EXPECT_EQ(clicked, (std::vector<TSpeedButton*>{draw, zoom, zoom, loop, loop}));
}

TEST_F(SpeedButtonTest, APlainButtonClicksOnlyWhenReleasedOverIt) {
    TSpeedButton* play = Add(10, 0);
    ShowForm();
    MouseDown(play, 5, 5);
    EXPECT_EQ(play->State(), bsDown);
    MouseMoveTo(play, 200, 5);
    EXPECT_EQ(play->State(), bsUp);
    MouseUp(play, 200, 5);
    EXPECT_TRUE(clicked.empty());
    Click(play, 5, 5);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_FALSE(play->Down());
    play->SetDown(true); // no group: it cannot stay down
    EXPECT_FALSE(play->Down());
}

TEST_F(SpeedButtonTest, GlyphAndCaptionAreLaidOutByLayoutMarginAndSpacing) {
    TSpeedButton* b = Add(10, 0);
    b->SetBounds(10, 10, 100, 40);
    TBitmap strip(32, 16); // two 16x16 images: up and disabled
    b->SetGlyph(&strip);
    EXPECT_EQ(b->NumGlyphs(), 2);
    b->SetCaption("Mix");
    RECT glyph{}, text{};
    b->SetMargin(4);
    b->CalcLayout(glyph, text);
    EXPECT_EQ(glyph.left, 4);
    EXPECT_EQ(glyph.right - glyph.left, 16);
    EXPECT_EQ(text.left, 4 + 16 + 4);
    b->SetLayout(blGlyphRight);
    b->CalcLayout(glyph, text);
    EXPECT_EQ(glyph.right, 96);
    EXPECT_EQ(text.right, 96 - 16 - 4);
    // Margin -1 centres the pair; glyph on top stacks them.
    b->SetMargin(-1);
    b->SetLayout(blGlyphTop);
    b->CalcLayout(glyph, text);
    EXPECT_EQ(glyph.left, (100 - 16) / 2);
    EXPECT_EQ(text.top, glyph.bottom + 4);
    EXPECT_LE(std::abs(glyph.top - (40 - text.bottom)), 1); // equal room above and below
}

} // namespace speedbutton_test
