// The two windows' skins as the program loads them from its embedded resources: exactly the
// descriptions the windows look up, of the right classes, with one picture; each description grows the
// way its control needs; every rectangle lies in the picture; edges that repeat do so without seams;
// the meter's and the fader's two looks match where they must; check images have a clean key colour.
#include "SkinTestSupport.h"
#include "WindowSkinSupport.h"

#include "assets/skins/SkinResourceNames.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace window_skins_test {
using namespace windowskins;
using skintest::PixelOf;

constexpr std::uint32_t Key = 0xFF00FF;

int Width(const TRect& R) {
    return R.right - R.left;
}
int Height(const TRect& R) {
    return R.bottom - R.top;
}
bool Empty(const TRect& R) {
    return Width(R) < 1 || Height(R) < 1;
}

class WindowSkinsTest : public testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        InitializeVcl();
    }
    void TearDown() override {
        Data.reset();
        Stored.reset();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
    }
    TskSkinData& Load(const char* Name) {
        Stored = StoredSkin(Name);
        Data = std::make_unique<TskSkinData>(nullptr);
        Data->SetCompressedStoredSkin(Stored.get());
        EXPECT_FALSE(Data->Empty()) << Name;
        return *Data;
    }
    template <class T> T& Description(const char* Name) {
        const int index = Data->GetControlIndex(Name);
        EXPECT_GE(index, 0) << Name;
        auto* description =
            index >= 0 ? dynamic_cast<T*>(Data->CtrlList()[std::size_t(index)].get()) : nullptr;
        if (!description) throw std::runtime_error(std::string(Name) + " is missing or of another class");
        return *description;
    }
    TBitmap& Picture() { return *Data->ActivePicture(0); }
    // True when every pixel of the box equals the one at the same place one step along (DX, DY): the
    // box repeats, stretched or tiled, without a seam.
    bool Uniform(const TRect& Box, int DX, int DY) {
        for (int y = Box.top; y < Box.bottom - DY; ++y)
            for (int x = Box.left; x < Box.right - DX; ++x)
                if (PixelOf(Picture(), x, y) != PixelOf(Picture(), x + DX, y + DY)) return false;
        return true;
    }

    std::unique_ptr<TskCompressedStoredSkin> Stored;
    std::unique_ptr<TskSkinData> Data;
};

TEST_F(WindowSkinsTest, EachSkinHoldsExactlyTheDescriptionsItsWindowLooksUpAndOnePicture) {
    using TIsClass = std::function<bool(TskDataSkinControl*)>;
    auto is = [](auto* Sample) -> TIsClass {
        using T = std::remove_pointer_t<decltype(Sample)>;
        return [](TskDataSkinControl* D) { return typeid(*D) == typeid(T); };
    };
    const TIsClass panel = is((TskDataSkinPanelControl*)nullptr),
                   button = is((TskDataSkinButtonControl*)nullptr);
    const struct {
        const char* Skin;
        int Width, Height;
        std::vector<std::pair<std::string, TIsClass>> Controls;
    } skins[] = {
        {skin_resources::MainWindowSkin,
         100,
         100,
         {{"panelbottom", panel},
          {"panelTime", panel},
          {"panelLeft", panel},
          {"buttonbottomPlay", button},
          {"buttonZoom", button},
          {"buttonEffectFav", button},
          {"buttonShowEffects", button}}},
        {skin_resources::RecordingSkin,
         138,
         193,
         {{"gauge", is((TskDataSkinGaugeControl*)nullptr)},
          {"button", button},
          {"checkradio", is((TskDataSkinCheckRadioControl*)nullptr)},
          {"trackbar", is((TskDataSkinTrackBarControl*)nullptr)}}},
    };
    for (const auto& skin : skins) {
        SCOPED_TRACE(skin.Skin);
        TskSkinData& data = Load(skin.Skin);
        EXPECT_FALSE(data.SkinName.empty());
        EXPECT_FALSE(data.SkinAuthor.empty());
        ASSERT_EQ(data.ActivePictureCount(), 1);
        EXPECT_EQ(Picture().Width(), skin.Width);
        EXPECT_EQ(Picture().Height(), skin.Height);
        EXPECT_EQ(Picture().PixelFormat(), pf24bit);
        for (TBitmap* optional :
             {data.Picture(), data.InactivePicture(), data.Mask(), data.RollUpPicture(), data.RollUpMask()})
            EXPECT_TRUE(optional->Empty());
        EXPECT_TRUE(data.ObjectList().empty());
        ASSERT_EQ(data.CtrlList().size(), skin.Controls.size());
        for (std::size_t i = 0; i < skin.Controls.size(); ++i) {
            TskDataSkinControl* d = data.CtrlList()[i].get();
            EXPECT_EQ(d->Name, skin.Controls[i].first);
            EXPECT_TRUE(skin.Controls[i].second(d)) << d->Name << " is a " << typeid(*d).name();
            EXPECT_EQ(d->PictureIndex, 0) << d->Name;
        }
    }
}

TEST_F(WindowSkinsTest, PanelsGrowBothWaysWithTheirChildrenInsideATwoPixelFrame) {
    Load(skin_resources::MainWindowSkin);
    for (const char* name : {"panelbottom", "panelTime", "panelLeft"}) {
        SCOPED_TRACE(name);
        auto& d = Description<TskDataSkinPanelControl>(name);
        const int w = Width(d.SkinRect), h = Height(d.SkinRect);
        EXPECT_NE(d.RBPoint.x, 0);
        EXPECT_NE(d.RBPoint.y, 0); // both: it grows in width and height
        EXPECT_EQ(d.ClRect, (TRect{2, 2, w - 2, h - 2}));
        EXPECT_TRUE(d.StretchEffect);
        EXPECT_EQ(d.StretchType, stfull);
        EXPECT_EQ(d.BGPictureIndex, -1);
        EXPECT_TRUE(Empty(d.CaptionRect));
        // Top and bottom edges repeat along x; left and right edges either repeat along y or stretch
        // over exactly the centre's rows, so that edge and centre always line up.
        const TRect s = d.SkinRect;
        EXPECT_TRUE(Uniform({s.left + d.LTPoint.x, s.top, s.left + d.RTPoint.x, s.top + d.ClRect.top}, 1, 0));
        EXPECT_TRUE(
            Uniform({s.left + d.LBPoint.x, s.top + d.ClRect.bottom, s.left + d.RBPoint.x, s.bottom}, 1, 0));
        for (const auto& [edge, stretched] :
             {std::pair{TRect{s.left, s.top + d.LTPoint.y, s.left + d.ClRect.left, s.top + d.LBPoint.y},
                        d.LeftStretch},
              {TRect{s.left + d.ClRect.right, s.top + d.RTPoint.y, s.right, s.top + d.RBPoint.y},
               d.RightStretch}})
            EXPECT_TRUE(Uniform(edge, 0, 1) ||
                        (stretched && d.LTPoint.y == d.ClRect.top && d.LBPoint.y == d.ClRect.bottom));
    }
}

TEST_F(WindowSkinsTest, ButtonFacesStretchOnTheirClientGridWithoutSeams) {
    struct TCase {
        const char* Skin;
        const char* Name;
        int Width, Height; // of each face; 0: any
    };
    for (const TCase& c : {TCase{skin_resources::MainWindowSkin, "buttonbottomPlay", 22, 22},
                           TCase{skin_resources::MainWindowSkin, "buttonZoom", 22, 22},
                           TCase{skin_resources::MainWindowSkin, "buttonEffectFav", 0, 0},
                           TCase{skin_resources::MainWindowSkin, "buttonShowEffects", 0, 0},
                           TCase{skin_resources::RecordingSkin, "button", 0, 0}}) {
        SCOPED_TRACE(c.Name);
        Load(c.Skin);
        auto& d = Description<TskDataSkinButtonControl>(c.Name);
        // Grows in width (a right-top point, no bottom points): with the program's UseSkinSize off every
        // face is stretched on the client grid, its corners kept.
        EXPECT_TRUE(d.RTPoint.x != 0 || d.RTPoint.y != 0);
        EXPECT_EQ(d.RBPoint, (TPoint{0, 0}));
        EXPECT_EQ(d.LBPoint, (TPoint{0, 0}));
        if (c.Width) {
            EXPECT_EQ(Width(d.SkinRect), c.Width);
            EXPECT_EQ(Height(d.SkinRect), c.Height);
        }
        EXPECT_TRUE(d.Morphing);
        EXPECT_EQ(d.MorphKind, mkDefault);
        EXPECT_TRUE(d.ShowFocus);
        EXPECT_EQ(d.GlowLayerPictureIndex, -1);
        EXPECT_TRUE(Empty(d.AnimateSkinRect));
        EXPECT_NE(d.DisabledFontColor, d.FontColor); // an equal one would turn grey
        for (const TRect& face :
             {d.SkinRect, d.ActiveSkinRect, d.DownSkinRect, d.FocusedSkinRect, d.DisabledSkinRect}) {
            EXPECT_EQ(Width(face), Width(d.SkinRect));
            EXPECT_EQ(Height(face), Height(d.SkinRect));
            const TRect g{face.left + d.ClRect.left, face.top + d.ClRect.top, face.left + d.ClRect.right,
                          face.top + d.ClRect.bottom};
            EXPECT_TRUE(Uniform({g.left, face.top, g.right, g.top}, 1, 0)) << "top edge";
            EXPECT_TRUE(Uniform({g.left, g.bottom, g.right, face.bottom}, 1, 0)) << "bottom edge";
            EXPECT_TRUE(Uniform({g.left, g.top, g.right, g.bottom}, 1, 0)) << "centre";
        }
    }
}

// The contrast ratio of two colours (1 to 21) by their relative luminance.
double Contrast(std::uint32_t A, std::uint32_t B) {
    auto luminance = [](std::uint32_t C) {
        auto linear = [](std::uint32_t v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(C & 255) + 0.7152 * linear(C >> 8 & 255) + 0.0722 * linear(C >> 16 & 255);
    };
    const double a = luminance(A), b = luminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST_F(WindowSkinsTest, CaptionsStandOutFromTheirFaceInEveryState) {
    for (const auto& [skin, names] :
         {std::pair{skin_resources::MainWindowSkin,
                    std::vector<const char*>{"buttonbottomPlay", "buttonZoom", "buttonEffectFav",
                                             "buttonShowEffects"}},
          {skin_resources::RecordingSkin, std::vector<const char*>{"button"}}}) {
        Load(skin);
        for (const char* name : names) {
            auto& d = Description<TskDataSkinButtonControl>(name);
            const struct {
                const char* State;
                TRect Face;
                int Colour;
                double Least;
            } states[] = {{"normal", d.SkinRect, d.FontColor, 4.5},
                          {"hot", d.ActiveSkinRect, d.ActiveFontColor, 4.5},
                          {"down", d.DownSkinRect, d.DownFontColor, 4.5},
                          {"focused", d.FocusedSkinRect, d.ActiveFontColor, 4.5},
                          // Disabled captions are meant to recede, yet stay readable.
                          {"disabled", d.DisabledSkinRect, d.DisabledFontColor, 2.0}};
            for (const auto& s : states) {
                const std::uint32_t face =
                    PixelOf(Picture(), (s.Face.left + s.Face.right) / 2, (s.Face.top + s.Face.bottom) / 2);
                EXPECT_GE(Contrast(face, std::uint32_t(s.Colour)), s.Least) << name << " " << s.State;
            }
        }
    }
}

TEST_F(WindowSkinsTest, TheMetersLitPictureMatchesItsFrameRowForRow) {
    Load(skin_resources::RecordingSkin);
    auto& d = Description<TskDataSkinGaugeControl>("gauge");
    EXPECT_EQ(Width(d.SkinRect), 19);
    EXPECT_EQ(Height(d.SkinRect), 193);
    for (const TPoint& p : {d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint})
        EXPECT_EQ(p, (TPoint{0, 0})); // fixed size
    EXPECT_EQ(d.ProgressArea, (TRect{0, 0, 19, 193}));
    EXPECT_EQ(Width(d.ProgressRect), 19);
    EXPECT_EQ(Height(d.ProgressRect), 193);
    EXPECT_EQ(d.BeginOffset, 0);
    EXPECT_EQ(d.EndOffset, 0);
    EXPECT_TRUE(d.Vertical);
    EXPECT_FALSE(d.ProgressStretch);
    EXPECT_FALSE(d.ProgressTransparent);
    // Row for row the same frame; the lit rows differ only inside the LED column, and are brighter.
    int litRows = 0;
    for (int y = 0; y < 193; ++y) {
        bool differs = false;
        for (int x = 0; x < 19; ++x) {
            const std::uint32_t dark = PixelOf(Picture(), d.SkinRect.left + x, y);
            const std::uint32_t lit = PixelOf(Picture(), d.ProgressRect.left + x, y);
            if (dark == lit) continue;
            differs = true;
            EXPECT_TRUE(x >= 2 && x <= 16) << x << "," << y;
            const auto sum = [](std::uint32_t c) { return (c & 255) + (c >> 8 & 255) + (c >> 16 & 255); };
            EXPECT_GT(sum(lit), sum(dark)) << x << "," << y;
        }
        litRows += differs;
    }
    EXPECT_GT(litRows, 193 / 2);
    for (int y : {0, 192})
        EXPECT_FALSE(PixelOf(Picture(), d.SkinRect.left + 9, y) !=
                     PixelOf(Picture(), d.ProgressRect.left + 9, y));
}

TEST_F(WindowSkinsTest, TheFaderTrackGrowsInHeightBetweenItsEndCapsAndItsCapFitsTheTrack) {
    Load(skin_resources::RecordingSkin);
    auto& d = Description<TskDataSkinTrackBarControl>("trackbar");
    EXPECT_EQ(Width(d.SkinRect), 18);
    EXPECT_EQ(Height(d.SkinRect), 49);
    EXPECT_EQ(d.RTPoint, (TPoint{0, 0}));
    EXPECT_EQ(d.RBPoint, (TPoint{0, 0}));
    EXPECT_NE(d.LBPoint.y, 0); // grows in height only
    EXPECT_LT(d.LTPoint.y, d.LBPoint.y);
    EXPECT_EQ(d.TrackArea, (TRect{0, 0, 18, 48}));
    for (const TRect& thumb : {d.ButtonRect, d.ActiveButtonRect}) {
        EXPECT_EQ(Width(thumb), 18);
        EXPECT_EQ(Height(thumb), 23);
    }
    EXPECT_EQ(Width(d.ActiveSkinRect), 18);
    EXPECT_EQ(Height(d.ActiveSkinRect), 49);
    EXPECT_TRUE(d.Vertical);
    const TRect s = d.SkinRect, f = d.ActiveSkinRect;
    // The repeated rows between the end caps are all alike, in both the plain and the lit track.
    EXPECT_TRUE(Uniform({s.left, s.top + d.LTPoint.y, s.right, s.top + d.LBPoint.y}, 0, 1));
    EXPECT_TRUE(Uniform({f.left, f.top + d.LTPoint.y, f.right, f.top + d.LBPoint.y}, 0, 1));
    // The lit track differs from the plain one only in the groove; the cap's corners show the track's
    // background, so the cap stands on the track without a box around it.
    const std::uint32_t background = PixelOf(Picture(), s.left, s.top + d.LTPoint.y);
    for (int y = 0; y < 49; ++y) {
        EXPECT_EQ(PixelOf(Picture(), s.left, s.top + y), PixelOf(Picture(), f.left, f.top + y));
        EXPECT_EQ(PixelOf(Picture(), s.right - 1, s.top + y), PixelOf(Picture(), f.right - 1, f.top + y));
    }
    // (The rounded corner's outermost pixel is only touched by the cap's edge.)
    const auto near = [](std::uint32_t a, std::uint32_t b) {
        for (int shift : {0, 8, 16})
            if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > 6) return false;
        return true;
    };
    for (const TRect& thumb : {d.ButtonRect, d.ActiveButtonRect})
        for (const TPoint& corner :
             {TPoint{thumb.left, thumb.top}, TPoint{thumb.right - 1, thumb.top},
              TPoint{thumb.left, thumb.bottom - 1}, TPoint{thumb.right - 1, thumb.bottom - 1}})
            EXPECT_TRUE(near(PixelOf(Picture(), corner.x, corner.y), background))
                << corner.x << "," << corner.y;
}

TEST_F(WindowSkinsTest, CheckImagesAreTransparentByAKeyColourUsedOnlyAroundTheBox) {
    Load(skin_resources::RecordingSkin);
    auto& d = Description<TskDataSkinCheckRadioControl>("checkradio");
    EXPECT_EQ(d.FrameFontColor, 16777215);
    EXPECT_NE(d.UnenabledFontColor, d.FrameFontColor);
    for (const TRect& r :
         {d.CheckImageRect, d.UncheckImageRect, d.ActiveCheckImageRect, d.ActiveUncheckImageRect,
          d.UnenabledCheckImageRect, d.UnenabledUncheckImageRect, d.GrayedCheckImageRect}) {
        EXPECT_EQ(Width(r), 13);
        EXPECT_EQ(Height(r), 13);
        EXPECT_EQ(PixelOf(Picture(), r.left, r.bottom - 1), Key);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const bool corner = (x == r.left || x == r.right - 1) && (y == r.top || y == r.bottom - 1);
                EXPECT_EQ(PixelOf(Picture(), x, y) == Key, corner) << x << "," << y;
            }
    }
    // The checked and unchecked, plain, hot and disabled images all differ.
    const TRect images[] = {d.CheckImageRect,         d.UncheckImageRect,        d.ActiveCheckImageRect,
                            d.ActiveUncheckImageRect, d.UnenabledCheckImageRect, d.UnenabledUncheckImageRect,
                            d.GrayedCheckImageRect};
    for (const TRect& a : images)
        for (const TRect& b : images)
            if (&a < &b) {
                bool same = true;
                for (int y = 0; y < 13 && same; ++y)
                    for (int x = 0; x < 13 && same; ++x)
                        same = PixelOf(Picture(), a.left + x, a.top + y) ==
                               PixelOf(Picture(), b.left + x, b.top + y);
                EXPECT_FALSE(same);
            }
}

TEST_F(WindowSkinsTest, EveryPictureRectangleLiesInsideThePictureAndNothingElseUsesTheKey) {
    for (const char* skin : {skin_resources::MainWindowSkin, skin_resources::RecordingSkin}) {
        SCOPED_TRACE(skin);
        Load(skin);
        std::vector<TRect> rects;
        for (const auto& control : Data->CtrlList()) {
            rects.push_back(control->SkinRect);
            if (auto* b = dynamic_cast<TskDataSkinButtonControl*>(control.get()))
                rects.insert(rects.end(),
                             {b->ActiveSkinRect, b->DownSkinRect, b->FocusedSkinRect, b->DisabledSkinRect});
            if (auto* g = dynamic_cast<TskDataSkinGaugeControl*>(control.get()))
                rects.push_back(g->ProgressRect);
            if (auto* t = dynamic_cast<TskDataSkinTrackBarControl*>(control.get()))
                rects.insert(rects.end(), {t->ActiveSkinRect, t->ButtonRect, t->ActiveButtonRect});
        }
        int keyed = 0;
        for (const TRect& r : rects) {
            if (Empty(r)) continue; // the flat check box has no skin rectangle
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= Picture().Width() &&
                        r.bottom <= Picture().Height());
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    keyed += PixelOf(Picture(), x, y) == Key;
        }
        EXPECT_EQ(keyed, 0);
    }
}

} // namespace window_skins_test
