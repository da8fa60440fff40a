// What the two windows' layouts rely on in our skins, with the real skinned controls: how each control
// grows, the recording window's meters forced to 19 x 193 and lit from the bottom, and its volume
// fader's travel at 193 pixels.
#include "SkinControlTestSupport.h"
#include "SkinTestSupport.h"
#include "WindowSkinSupport.h"

#include "assets/skins/SkinResourceNames.h"
#include "platform/vcl/Bitmap.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

namespace window_skins_layout_test {
using namespace windowskins;
using skintest::PixelOf;

class WindowSkinsLayout : public skintest::TSkinControlTest {
protected:
    void UseSkin(const char* Name) {
        Stored = StoredSkin(Name);
        Skin->SetCompressedStoredSkin(Stored.get());
        ASSERT_FALSE(Skin->Empty());
    }
    template <class T> T* Add(const char* SkinName, int W, int H) {
        auto* control = new T(Form);
        control->SetParent(Form);
        control->SetSkinDataName(SkinName);
        control->SetSkinData(Skin);
        control->SetBounds(10, 10, W, H);
        return control;
    }
};

TEST_F(WindowSkinsLayout, EachControlGrowsAsMeant) {
    // 1 both ways, 2 in width (buttons stretch on their grid at any size), 0 fixed, 3 in height.
    struct TCase {
        const char* Skin;
        const char* Name;
        int Mode;
    };
    for (const TCase& c :
         {TCase{skin_resources::MainWindowSkin, "panelbottom", 1},
          TCase{skin_resources::MainWindowSkin, "panelTime", 1},
          TCase{skin_resources::MainWindowSkin, "panelLeft", 1},
          TCase{skin_resources::MainWindowSkin, "buttonbottomPlay", 2},
          TCase{skin_resources::MainWindowSkin, "buttonZoom", 2},
          TCase{skin_resources::MainWindowSkin, "buttonEffectFav", 2},
          TCase{skin_resources::MainWindowSkin, "buttonShowEffects", 2},
          TCase{skin_resources::RecordingSkin, "button", 2}, TCase{skin_resources::RecordingSkin, "gauge", 0},
          TCase{skin_resources::RecordingSkin, "trackbar", 3}}) {
        UseSkin(c.Skin);
        auto* control = Add<TskSkinPanel>(c.Name, 50, 50);
        control->SetSkinDataName(c.Name);
        control->FindSkinIndex();
        EXPECT_EQ(control->GetResizeMode(), c.Mode) << c.Name;
        control->Free();
    }
}

TEST_F(WindowSkinsLayout, TheMetersAreForcedTo19By193AndHalfTheRangeLightsTheLower96Rows) {
    UseSkin(skin_resources::RecordingSkin);
    auto* gauge = Add<TskSkinGauge>("gauge", 100, 20);
    gauge->SetMinValue(0);
    gauge->SetMaxValue(32512);
    ShowForm();
    EXPECT_EQ(gauge->Width(), 19);
    EXPECT_EQ(gauge->Height(), 193);
    TBitmap& picture = *Skin->ActivePicture(0);
    const auto& d = dynamic_cast<TskDataSkinGaugeControl&>(
        *Skin->CtrlList()[std::size_t(Skin->GetControlIndex("gauge"))]);
    // The rows where the lit meter differs from the dark one, from a row down.
    auto differing = [&](int From) {
        int rows = 0;
        for (int y = From; y < 193; ++y)
            for (int x = 0; x < 19; ++x)
                if (PixelOf(picture, d.SkinRect.left + x, y) !=
                    PixelOf(picture, d.ProgressRect.left + x, y)) {
                    ++rows;
                    break;
                }
        return rows;
    };
    // Each row shown is the dark or the lit meter's row, whole; returns how many are lit and not dark.
    auto litRows = [&] {
        auto shot = Capture(gauge);
        int lit = 0;
        for (int y = 0; y < 193; ++y) {
            bool dark = true, bright = true;
            for (int x = 0; x < 19; ++x) {
                const std::uint32_t shown = PixelOf(*shot, x, y);
                dark = dark && shown == PixelOf(picture, d.SkinRect.left + x, y);
                bright = bright && shown == PixelOf(picture, d.ProgressRect.left + x, y);
            }
            EXPECT_TRUE(dark || bright) << "row " << y;
            lit += bright && !dark;
        }
        return lit;
    };
    gauge->SetValue(16256); // Trunc(0.5 * 193) = 96 rows, 97 .. 192
    EXPECT_EQ(litRows(), differing(193 - 96));
    EXPECT_GT(differing(193 - 96), 60);
    gauge->SetValue(0);
    EXPECT_EQ(litRows(), 0);
    gauge->SetValue(40000);
    EXPECT_EQ(gauge->Value(), 32512);
    EXPECT_EQ(litRows(), differing(0));
}

TEST_F(WindowSkinsLayout, TheFaderTravels11To181At193PixelsHigh) {
    UseSkin(skin_resources::RecordingSkin);
    auto* fader = Add<TskSkinTrackBar>("trackbar", 18, 193);
    fader->SetMinValue(0);
    fader->SetMaxValue(65535);
    ShowForm();
    EXPECT_EQ(fader->Width(), 18);
    EXPECT_EQ(fader->Height(), 193);
    fader->SetValue(65535);
    Pump();
    EXPECT_EQ(fader->ThumbStart(), 11);
    EXPECT_EQ(fader->ThumbEnd(), 181);
    EXPECT_EQ(fader->ThumbRect().top, 0);
    EXPECT_EQ(fader->ThumbRect().bottom, 23);
    fader->SetValue(0);
    Pump();
    EXPECT_EQ(fader->ThumbRect().top, 170);
    EXPECT_EQ(fader->ThumbRect().bottom, 193);
}

} // namespace window_skins_layout_test
