// The skinned control base: sizes and geometry by resize mode, rectangles mapped to the grown control,
// the window region from a mask, blending with the parent, and the plain look without a description or
// without a picture.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/gdi/GdiRegions.h"
#include "platform/win/Painting.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

namespace skin_control_base_test {
using namespace skintest;

class SkinControlBaseTest : public TSkinControlTest {
protected:
    TskSkinCustomControl* NewControl(const std::string& Name, int W, int H) {
        auto* control = new TskSkinCustomControl(Form);
        control->SetParent(Form);
        control->SetSkinDataName(Name);
        control->SetBounds(20, 20, W, H);
        control->SetSkinData(Skin);
        return control;
    }
};

TEST_F(SkinControlBaseTest, ResizeModesDecideTheSize) {
    LoadSkin();
    ShowForm();
    struct Case {
        const char* Name;
        int Mode, W, H;
        TRect NewClRect;
    } cases[] = {
        {"hbar", 2, 100, 22, TRect{10, 0, 90, 22}},    // height forced to the skin's 22
        {"button", 1, 100, 40, TRect{5, 5, 95, 35}},   // grows both ways
        {"trackbar", 3, 18, 40, TRect{0, 8, 18, 32}},  // width forced to 18
        {"roundbutton", 0, 22, 22, TRect{0, 0, 0, 0}}, // fixed size
        {"missing", -1, 100, 40, TRect{0, 0, 0, 0}},   // no description: any size
        {"nopicture", -1, 100, 40, TRect{0, 0, 0, 0}}, // a description without a picture: the same
        {"pastlist", -1, 100, 40, TRect{0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        auto* control = NewControl(c.Name, 100, 40);
        EXPECT_EQ(control->SkinIndex() != -1 ? control->ResizeMode() : -1, c.Mode) << c.Name;
        EXPECT_EQ(control->Width(), c.W) << c.Name;
        EXPECT_EQ(control->Height(), c.H) << c.Name;
        if (c.Mode > 0) {
            EXPECT_EQ(control->NewClRect, c.NewClRect) << c.Name;
        }
        control->Free();
    }
}

TEST_F(SkinControlBaseTest, AGrownBarKeepsItsEdgesAndTilesItsMiddle) {
    LoadSkin();
    ShowForm();
    auto* control = NewControl("hbar", 57, 30);
    ASSERT_EQ(control->Height(), 22);
    // The picture's column x has red 10 x.
    auto column = [&](int x) { return int(ColorAt(control, x, 11) & 0xFF); };
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(column(x), 10 * x) << x;
    for (int x = 10; x < 47; ++x)
        EXPECT_EQ(column(x), 10 * (10 + (x - 10) % 2)) << x;
    for (int x = 47; x < 57; ++x)
        EXPECT_EQ(column(x), 10 * (x - 35)) << x;
}

TEST_F(SkinControlBaseTest, MapSkinRectMovesAndGrowsByTheZones) {
    LoadSkin();
    ShowForm();
    struct Case {
        const char* Name;
        int W, H;
        TRect In, Out;
    } cases[] = {
        // Mode 1 (button 60 x 24, corners at 5 and 55 / 19), grown by 40 x 16.
        {"button", 100, 40, TRect{1, 1, 4, 4}, TRect{1, 1, 4, 4}},         // top-left corner stays
        {"button", 100, 40, TRect{56, 1, 59, 4}, TRect{96, 1, 99, 4}},     // top-right corner moves right
        {"button", 100, 40, TRect{1, 20, 4, 23}, TRect{1, 36, 4, 39}},     // bottom-left moves down
        {"button", 100, 40, TRect{56, 20, 59, 23}, TRect{96, 36, 99, 39}}, // bottom-right moves both ways
        {"button", 100, 40, TRect{2, 2, 57, 21}, TRect{2, 2, 97, 37}},     // spanning all: grows
        {"button", 100, 40, TRect{2, 2, 57, 4}, TRect{2, 2, 97, 4}},       // spanning the top: wider
        {"button", 100, 40, TRect{2, 2, 4, 21}, TRect{2, 2, 4, 37}},       // spanning the left: taller
        {"button", 100, 40, TRect{20, 8, 30, 12}, TRect{20, 8, 30, 12}},   // in the middle: stays
        // Mode 2 (hbar, 10 | 2 | 10), 40 wider.
        {"hbar", 62, 22, TRect{8, 2, 14, 6}, TRect{8, 2, 54, 6}},
        {"hbar", 62, 22, TRect{13, 2, 20, 6}, TRect{53, 2, 60, 6}},
        {"hbar", 62, 22, TRect{2, 2, 8, 6}, TRect{2, 2, 8, 6}},
        // Mode 3 (track, 8 | 33 | 8), 71 higher.
        {"trackbar", 18, 120, TRect{0, 42, 18, 47}, TRect{0, 113, 18, 118}}, // below LB: moves down
        {"trackbar", 18, 120, TRect{0, 4, 18, 44}, TRect{0, 4, 18, 115}},    // across: grows
        {"trackbar", 18, 120, TRect{0, 1, 18, 6}, TRect{0, 1, 18, 6}},
    };
    for (const Case& c : cases) {
        auto* control = NewControl(c.Name, c.W, c.H);
        TRect out{};
        control->MapSkinRect(c.In, out);
        EXPECT_EQ(out, c.Out) << c.Name << " " << c.In.left << "," << c.In.top;
        control->Free();
    }
}

TEST_F(SkinControlBaseTest, AMaskGivesTheWindowItsShape) {
    LoadSkin();
    ShowForm();
    auto* round = NewControl("roundbutton", 50, 50);
    EXPECT_EQ(round->Width(), 22);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(round->Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 11, 11));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 21, 21));
    DeleteObject(region);
    // Without a mask the window has no region; a skin change takes the region away.
    round->SetSkinDataName("button");
    round->ChangeSkinData();
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(round->Handle(), none), ERROR);
    DeleteObject(none);
}

TEST_F(SkinControlBaseTest, AlphaBlendShowsTheControlOverItsParent) {
    LoadSkin();
    Form->SetColor(TColor(RGB(200, 0, 0)));
    ShowForm();
    auto* control = NewControl("hbar", 40, 22);
    const std::uint32_t opaque = ColorAt(control, 5, 11);
    EXPECT_EQ(opaque, std::uint32_t(RGB(50, 100, 175)));
    control->SetAlphaBlend(true);
    control->SetAlphaBlendValue(255);
    EXPECT_EQ(ColorAt(control, 5, 11), opaque);
    control->SetAlphaBlendValue(0);
    EXPECT_EQ(ColorAt(control, 5, 11), std::uint32_t(RGB(200, 0, 0)));
    control->SetAlphaBlendValue(128);
    const std::uint32_t half = ColorAt(control, 5, 11);
    EXPECT_NEAR(int(GetRValue(half)), (50 * 128 + 200 * 127) / 255, 2);
    EXPECT_NEAR(int(GetBValue(half)), 175 * 128 / 255, 2);
}

TEST_F(SkinControlBaseTest, WithoutASkinThePlainLookAndTheDefaultSize) {
    ShowForm();
    auto* control = NewControl("hbar", 40, 30);
    control->SetDefaultWidth(70);
    control->SetDefaultHeight(26);
    EXPECT_EQ(control->Width(), 70);
    EXPECT_EQ(control->Height(), 26);
    EXPECT_EQ(ColorAt(control, 10, 10), std::uint32_t(ColorToRGB(clBtnFace)));
    // Loading the skin later takes the skin's size; DrawDefault off leaves the plain look out.
    LoadSkin();
    control->ChangeSkinData();
    EXPECT_EQ(control->Height(), 22);
    control->SetSkinDataName("missing");
    control->SetDrawDefault(false);
    control->Repaint();
    EXPECT_NE(ColorAt(control, 10, 10), std::uint32_t(ColorToRGB(clBtnFace)));
}

TEST_F(SkinControlBaseTest, ADescriptionWithoutAPictureDrawsThePlainLook) {
    LoadSkin();
    ShowForm();
    for (const char* name : {"nopicture", "pastlist"}) {
        auto* button = new TskSkinButton(Form);
        button->SetParent(Form);
        button->SetSkinDataName(name);
        button->SetBounds(20, 20, 80, 26);
        button->SetSkinData(Skin);
        EXPECT_EQ(button->SkinIndex(), -1) << name;
        EXPECT_EQ(button->Width(), 80) << name;
        // The plain button: a grey frame around the button face.
        EXPECT_EQ(ColorAt(button, 0, 10), std::uint32_t(ColorToRGB(clBtnShadow))) << name;
        EXPECT_EQ(ColorAt(button, 3, 3), std::uint32_t(ColorToRGB(clBtnFace))) << name;
        button->Free();
    }
}

} // namespace skin_control_base_test
