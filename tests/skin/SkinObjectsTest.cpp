// Skin objects and window descriptions: every kind's defaults and round trip through its key table,
// the command words and the restore-hint rule, and the alpha images cut for the button family and the
// layer frame.
#include "SkinKeyScrambler.h"
#include "SkinTestSupport.h"

#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"

#include <gtest/gtest.h>

namespace skin_objects_test {
using namespace skintest;

const char* const AllKinds[] = {"menuitem",
                                "mainmenubaritem",
                                "mainmenuitem",
                                "captionmenubutton",
                                "captiontab",
                                "stdbutton",
                                "mainmenubarbutton",
                                "button",
                                "caption",
                                "trackbar",
                                "gauge",
                                "framegauge",
                                "frameregulator",
                                "label",
                                "bitlabel",
                                "switch",
                                "animate",
                                "userobject"};

TEST(SkinObjectsTest, EveryKindReadsItsDefaultsAndRoundTrips) {
    EXPECT_EQ(CreateSkinObjectData("panel", "x"), nullptr);
    // Track bars and animations never morph once loaded.
    for (const char* kind : AllKinds)
        ExpectKindRoundTrips(kind, CreateSkinObjectData,
                             [](TskDataSkinObject& Data) { Data.Morphing = false; });
}

TEST(SkinObjectsTest, DefaultsTheKindsSpell) {
    struct Case {
        const char* Kind;
        const char* Key;
        const char* Saved;
    } cases[] = {
        {"caption", "glowsize", "3"},
        {"bitlabel", "transparentcolor", "16711935"},
        {"animate", "countframes", "1"},
        {"animate", "timerinterval", "50"},
        {"animate", "command", "cmdefault"},
        {"stdbutton", "command", "cmdefault"},
        {"captionmenubutton", "leftoffset", "10"},
        {"captiontab", "rightoffset", "10"},
        {"label", "fontName", "Tahoma"},
        {"menuitem", "animateinterval", "25"},
        {"button", "groupindex", "-1"},
        {"gauge", "kind", "gkhorizontal"},
        {"button", "activepictureindex", "-1"},
        {"caption", "glowlayeralphablendvalue", "255"},
        {"caption", "quickbuttonalphamaskpictureindex", "-1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SavedDefault(CreateSkinObjectData, c.Kind, c.Key), c.Saved) << c.Kind << " " << c.Key;
}

TEST(SkinObjectsTest, CommandWordsAndTheRestoreHintRule) {
    struct Case {
        const char* Text;
        TskStdCommand Command;
        const char* RestoreHint;
    } cases[] = {
        {"hint=Maximize\ncommand=cmmaximize\n", cmMaximize, "Restore"},
        {"hint=Maximize\ncommand=cmclose\n", cmClose, ""},
        {"hint=Minimize\ncommand=cmminimize\n", cmMinimize, "Restore"},
        {"hint=Roll Up\ncommand=cmrollup\n", cmRollUp, "Restore"},
        {"hint=RollUp\ncommand=cmrollup\nrestorehint=Down\n", cmRollUp, "Down"},
        {"hint=Maximize\ncommand=cmMaximize\n", cmMinimizeToTray, ""},
        {"command=cmsysmenu\n", cmSysMenu, ""},
        {"", cmDefault, ""},
    };
    for (const Case& c : cases) {
        auto ini = IniFromText(std::string("[o]\n") + c.Text);
        TskDataSkinStdButton button("o");
        button.LoadFromIni(ini.get());
        EXPECT_EQ(button.Command, c.Command) << c.Text;
        EXPECT_EQ(button.RestoreHint, c.RestoreHint) << c.Text;
        TskDataSkinAnimate animate("o");
        animate.LoadFromIni(ini.get());
        EXPECT_EQ(animate.RestoreHint, c.RestoreHint) << c.Text;
    }
}

TEST(SkinObjectsTest, KindsWithRulesOfTheirOwn) {
    auto ini = IniFromText("[o]\nhint=tip\nmorphing=1\nrollup=1\nskinrect=1,2,3,4\ncursorindex=5\n"
                           "checkimagerect=1,1,5,5\nradioimagerect=2,2,6,6\nactiveradioimagerect=7,7,9,9\n");
    TskDataUserObject user("o");
    user.LoadFromIni(ini.get());
    EXPECT_EQ(user.Hint, "");
    EXPECT_FALSE(user.Morphing);
    EXPECT_TRUE(user.RollUp);
    EXPECT_EQ(user.SkinRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(user.CursorIndex, 5);
    auto saved = IniFromText("");
    user.SaveToIni(saved.get());
    TStringList keys;
    saved->ReadSection("o", keys);
    EXPECT_EQ(keys.Count(), 3);

    TskDataSkinTrackBar track("o");
    track.LoadFromIni(ini.get());
    EXPECT_FALSE(track.Morphing);
    TskDataSkinCaption caption("o");
    caption.LoadFromIni(ini.get());
    EXPECT_TRUE(caption.Morphing);

    TskDataSkinMenuItem item("o");
    item.LoadFromIni(ini.get());
    EXPECT_EQ(item.ActiveCheckImageRect, (TRect{1, 1, 5, 5}));
    EXPECT_EQ(item.ActiveRadioImageRect, (TRect{7, 7, 9, 9}));
    EXPECT_EQ(item.ActiveArrowImageRect, TRect{});
}

// ---- Alpha images

class AlphaImagesTest : public testing::Test {
protected:
    // Three active pictures: a 20 x 10 picture, a grey mask (luminance 100) and a 4 x 4 white mask.
    void Load(const std::string& LayerFrame, const std::string& Objects) {
        auto picture = MakeBitmap(
            20, 10, [](int x, int y) { return std::uint32_t(RGB(200, BYTE(10 * x), BYTE(20 * y))); });
        auto grey = MakeBitmap(20, 10, [](int, int) { return std::uint32_t(RGB(100, 100, 100)); });
        auto small = MakeBitmap(4, 4, [](int, int) { return 0x000000u; });
        const std::string text = "[VERSION]\n[PICTURES]\nactivepicturescount=3\n0=a\n1=b\n2=c\n[FORMINFO]\n"
                                 "[LAYERFRAME]\n" +
                                 LayerFrame + "[SKINOBJECTS]\n" + Objects + "[SKINCONTROLS]\n";
        TskCompressedStoredSkin stored(nullptr);
        PackTestSkin(text, {picture.get(), grey.get(), small.get()}, stored.CompressedStream());
        Data.LoadCompressedStoredSkin(&stored);
        ASSERT_FALSE(Data.Empty());
    }
    template <class T> T* Object(int Index) {
        return dynamic_cast<T*>(Data.ObjectList()[std::size_t(Index)].get());
    }
    TskSkinData Data{nullptr};
};

const std::string Buttons = "count=2\n0=close:button\n1=max:stdbutton\n"
                            "[close]\nactivepictureindex=0\nskinrect=0,0,6,4\nactiveskinrect=6,0,12,4\n"
                            "downrect=12,0,18,4\nalphamaskpictureindex=7\nalphamaskactivepictureindex=1\n"
                            "alphamaskinactivepictureindex=2\ninactiveskinrect=0,4,8,10\n"
                            "[max]\nactivepictureindex=0\nskinrect=0,0,6,4\nrestorerect=0,0,5,5\n";

TEST_F(AlphaImagesTest, ButtonsGetTheirImagesOnlyWithALayerFrameAndAFullBorder) {
    Load("pictureindex=0\nmaskpictureindex=1\nfullborder=1\n", Buttons);
    auto* close = Object<TskDataSkinButton>(0);
    ASSERT_NE(close, nullptr);
    // A mask index past the pictures: fully opaque.
    ASSERT_NE(close->AlphaNormalImage, nullptr);
    EXPECT_TRUE(close->AlphaNormalImage->HasPartialAlpha);
    EXPECT_EQ(close->AlphaNormalImage->PixelWidth(), 6);
    EXPECT_EQ(*close->AlphaNormalImage->PixelAddress(3, 2), 0xFF000000u | (200u << 16) | (30u << 8) | 40u);
    // The grey mask: alpha 100, colours premultiplied.
    ASSERT_NE(close->AlphaActiveImage, nullptr);
    const std::uint32_t p = *close->AlphaActiveImage->PixelAddress(1, 1); // picture (7, 1): RGB(200, 70, 20)
    EXPECT_EQ(p >> 24, 100u);
    EXPECT_EQ((p >> 16) & 0xFF, (200u * 100 + 127) / 255);
    EXPECT_EQ((p >> 8) & 0xFF, (70u * 100 + 127) / 255);
    EXPECT_NE(close->AlphaDownImage, nullptr);
    // A mask smaller than the look: the pixels it does not cover stay opaque.
    ASSERT_NE(close->AlphaInactiveImage, nullptr);
    EXPECT_EQ(*close->AlphaInactiveImage->PixelAddress(1, 1) >> 24, 0u);
    EXPECT_EQ(*close->AlphaInactiveImage->PixelAddress(6, 5) >> 24, 255u);
    auto* max = Object<TskDataSkinStdButton>(1);
    EXPECT_NE(max->AlphaRestoreImage, nullptr);
    EXPECT_EQ(max->AlphaRestoreActiveImage, nullptr); // an empty rectangle
    // The layer frame's images: picture with the grey mask's luminance, not premultiplied.
    ASSERT_NE(Data.LayerFrame()->ActiveImage, nullptr);
    EXPECT_EQ(*Data.LayerFrame()->ActiveImage->PixelAddress(0, 0), (100u << 24) | (200u << 16));
    EXPECT_TRUE(Data.LayerFrame()->ActiveImage->HasPartialAlpha);
    EXPECT_EQ(Data.LayerFrame()->InactiveImage, nullptr);

    // Without a full border (or a layer picture) no button images; the clear frees the frame's.
    Load("pictureindex=0\nmaskpictureindex=1\n", Buttons);
    EXPECT_EQ(Object<TskDataSkinButton>(0)->AlphaNormalImage, nullptr);
    EXPECT_EQ(Object<TskDataSkinStdButton>(1)->AlphaRestoreImage, nullptr);
    Data.ClearSkin();
    EXPECT_EQ(Data.LayerFrame()->ActiveImage, nullptr);
    EXPECT_EQ(Data.LayerFrame()->PictureIndex, -1);
}

TEST_F(AlphaImagesTest, CaptionButtonsAndTabsAlwaysGetTheirImages) {
    Load("",
         "count=3\n0=menu:captionmenubutton\n1=tab:captiontab\n2=none:captiontab\n"
         "[menu]\nactivepictureindex=0\nskinrect=0,0,4,4\n"
         "[tab]\nactivepictureindex=0\nskinrect=0,0,4,4\nalphamaskinactivepictureindex=1\ndownrect=1,1,3,3\n"
         "[none]\nskinrect=0,0,4,4\n");
    EXPECT_NE(Object<TskDataSkinCaptionMenuButton>(0)->AlphaNormalImage, nullptr);
    auto* tab = Object<TskDataSkinCaptionTab>(1);
    ASSERT_NE(tab->AlphaNormalImage, nullptr);
    EXPECT_EQ(*tab->AlphaNormalImage->PixelAddress(0, 0) >> 24, 100u);
    ASSERT_NE(tab->AlphaDownImage, nullptr);
    EXPECT_EQ(*tab->AlphaDownImage->PixelAddress(0, 0) >> 24, 255u);
    EXPECT_EQ(tab->AlphaInactiveImage, nullptr);
    EXPECT_EQ(Object<TskDataSkinCaptionTab>(2)->AlphaNormalImage, nullptr); // no active picture
}

} // namespace skin_objects_test
