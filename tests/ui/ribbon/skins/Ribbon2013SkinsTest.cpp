// The 2013 skins as data and as fills: the accent tables and the colours drawn from them, glyph colours by
// state, fills and frames of buttons, tabs and the caption, the launcher glyph pixel by pixel, the window's
// one-pixel borders, and the cells the family cuts.
#include "RibbonSkinTestSupport.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/graphics/Colors.h"
#include "ui/ribbon/skins/Ribbon2013Skins.h"

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_2013_skins_test {

using Ribbon2013SkinsTest = RibbonSkinTest;

TColor Lighter(TColor AColor, double ADelta) {
    return TovColorHelper::ChangeLightness(AColor, ADelta);
}

TEST_F(Ribbon2013SkinsTest, AccentTablesAndTheColoursDrawnFromThem) {
    const TovRibbon2013AccentColors expected[] = {{0x3EA5EA, 0x9CD0F4, 0xC8E3FD},
                                                  {0x9A572B, 0xE2BCA2, 0xF2E1D5},
                                                  {0x457220, 0xA0BF86, 0xE0F0D3},
                                                  {0x2647D2, 0x9CB9F4, 0xDDE5FD},
                                                  {0x7B3880, 0xDEBFE0, 0xEEDAF0}};
    TovWhiteRibbon2013Skin white;
    TovLightGrayRibbon2013Skin light;
    TovDarkGrayRibbon2013Skin dark;
    for (int a = 0; a < 5; ++a) {
        const auto accent = TovRibbonColorSchemeAccent(a);
        EXPECT_EQ(expected[a].Base, white.GetAccentColor(accent)) << a;
        EXPECT_EQ(expected[a].Pressed, white.GetPressedColor(accent)) << a;
        EXPECT_EQ(expected[a].Hot, white.GetHotColor(accent)) << a;
        EXPECT_EQ(Lighter(expected[a].Base, -0.05), light.GetAccentColor(accent)) << a;
        EXPECT_EQ(TColor(0x333333), dark.GetAccentColor(accent)) << a;
        // The glyphs: darker shades of the pressed colour when hot and pressed, grey otherwise.
        EXPECT_EQ(Lighter(expected[a].Pressed, -0.3), white.GetGlyphColor(2, accent)) << a;
        EXPECT_EQ(Lighter(expected[a].Pressed, -0.4), white.GetGlyphColor(4, accent)) << a;
        for (int state : {0, 1, 3, 5, 6, 7, 8})
            EXPECT_EQ(TColor(0x777777), white.GetGlyphColor(state, accent));
    }
    EXPECT_EQ(TColor(0x9A572B), white.GetPartColor(ovSkinColorTabText, 2, rcsaBlue));
    EXPECT_EQ(Lighter(0x3EA5EA, -0.2), white.GetPartColor(ovSkinColorTabText, 2, rcsaYellow));
    EXPECT_EQ(TColor(0x282828), white.GetPartColor(ovSkinColorTabText, 0, rcsaBlue)) << "as key 335";
    // DarkGray's menu view keeps the accent's hue: its tabs shade the base colour, not its dark grey.
    TCodedSheets sheets;
    auto tab = MakeCanvas(20, 20, kBackground);
    dark.DrawMenuViewTab(DCOf(*tab), TRect{0, 0, 20, 20}, 6, rcsaGreen);
    EXPECT_EQ(ColorToRGB(Lighter(0x457220, 0.1)), ColorAt(*tab, 10, 10));
    auto whiteTab = MakeCanvas(20, 20, kBackground);
    white.DrawMenuViewTab(DCOf(*whiteTab), TRect{0, 0, 20, 20}, 2, rcsaGreen);
    EXPECT_EQ(ColorToRGB(Lighter(0x457220, -0.08)), ColorAt(*whiteTab, 10, 10));
}

TEST_F(Ribbon2013SkinsTest, ColoursOfTheFamilyAndItsSchemes) {
    TovWhiteRibbon2013Skin white;
    TovLightGrayRibbon2013Skin light;
    TovDarkGrayRibbon2013Skin dark;
    struct TCase {
        TovCustomRibbon2013Skin* Skin;
        int Key, State;
        TColor Color;
    };
    const TCase cases[] = {{&white, 9, 0, 0xFEFEFE},
                           {&white, 9, 4, clWhite},
                           {&white, 10, 0, 0xC6C6C6},
                           {&dark, 10, 0, 0xABABAB},
                           {&white, 12, 1, 0xE2E2E2},
                           {&white, 12, 2, 0xE2BCA2},
                           {&white, 12, 6, clWhite},
                           {&white, 22, 0, 0x646464},
                           {&white, 51, 3, 0xFEFEFE},
                           {&white, 80, 0, 0x9A572B},
                           {&dark, 80, 0, 0x333333},
                           {&light, 81, 0, 0xF6F6F6},
                           {&white, 261, 1, Lighter(0x9A572B, 0.2)},
                           {&white, 271, 0, clWhite},
                           {&white, 335, 8, 0x8D8D8D},
                           {&white, 340, 1, 0xC6C6C6},
                           {&white, 340, 5, 0x444444},
                           {&white, 340, 0, 0x777777},
                           {&white, 362, 1, 0xB1B1B1},
                           {&white, 10065, 0, clWhite},
                           {&dark, 10018, 0, 0xE5E5E5},
                           {&white, 10130, 0, 0x292929},
                           {&white, 10131, 3, 0x818181},
                           {&white, 10133, 0, 0x5B391E},
                           {&white, 10139, 0, clWhite},
                           {&white, 10138, 0, clWhite},
                           {&white, 10141, 0, clNone},
                           {&white, 44, 0, clWhite},
                           {&white, 420, 0, 0xE5E2DF}};
    for (const TCase& c : cases)
        EXPECT_EQ(c.Color, c.Skin->GetPartColor(c.Key, c.State, rcsaBlue))
            << c.Skin->GetName() << " " << c.Key << "/" << c.State;
    EXPECT_EQ(TColor(0xE8E8E8), light.GetFormBackgroundColor2());
    EXPECT_EQ(TColor(0xF0F0F0), white.GetScrollBarPartColor(3, 2));
    EXPECT_EQ(TColor(clWhite), white.GetScrollBarPartColor(1, 2));
    EXPECT_EQ(TColor(0xABABAB), white.GetScrollBarPartBorderColor(3, 2));
    EXPECT_EQ(TColor(0x777777), white.GetScrollBarPartBorderColor(1, 2));
    EXPECT_EQ(TColor(0xE1E1E1), dark.GetScrollBarPartColor(3, 4));
    EXPECT_EQ(TColor(0xF0F0F0), dark.GetScrollBarPartColor(1, 4));
}

TEST_F(Ribbon2013SkinsTest, ButtonsTabsAndCaptionAsFillsAndFrames) {
    TovWhiteRibbon2013Skin skin;
    const TovRibbonColorSchemeAccent a = rcsaBlue;
    const unsigned hot = ColorToRGB(0xF2E1D5), pressed = ColorToRGB(0xE2BCA2);
    // Buttons: nothing at rest, hot, pressed, hot framed in pressed when checked and hot.
    const struct {
        int State;
        std::optional<unsigned> Inside, Edge;
    } buttons[] = {{0, {}, {}},           {1, {}, {}},           {2, hot, hot},
                   {3, hot, hot},         {4, pressed, pressed}, {5, pressed, pressed},
                   {6, pressed, pressed}, {7, hot, pressed},     {8, hot, hot}};
    for (const auto& b : buttons) {
        auto canvas = MakeCanvas(10, 10, kBackground);
        skin.DrawButton(DCOf(*canvas), TRect{0, 0, 10, 10}, b.State, a);
        if (!b.Inside) {
            EXPECT_TRUE(IsUniform(*canvas, kBackground)) << b.State;
            continue;
        }
        EXPECT_EQ(*b.Inside, ColorAt(*canvas, 5, 5)) << b.State;
        EXPECT_EQ(*b.Edge, ColorAt(*canvas, 0, 5)) << b.State;
    }
    // The application button: pressed fills like normal, hot with the base colour lighter.
    for (int state : {0, 1, 2}) {
        auto canvas = MakeCanvas(10, 10, kBackground);
        skin.DrawApplicationButton(DCOf(*canvas), TRect{0, 0, 10, 10}, state, a);
        EXPECT_EQ(ColorToRGB(state == 1 ? Lighter(0x9A572B, 0.1) : TColor(0x9A572B)), ColorAt(*canvas, 5, 5));
    }
    // Tabs: the active tab framed on three sides in the line colour, the focused one in the accent's.
    for (int state = 0; state < 5; ++state) {
        auto canvas = MakeCanvas(20, 12, kBackground);
        skin.DrawTab(DCOf(*canvas), TRect{0, 0, 20, 12}, state, a);
        if (state < 2) {
            EXPECT_TRUE(IsUniform(*canvas, kBackground)) << state;
            continue;
        }
        const bool focused = state == 4;
        EXPECT_EQ(focused ? pressed : ColorToRGB(0xC6C6C6), ColorAt(*canvas, 0, 6)) << state;
        EXPECT_EQ(focused ? pressed : ColorToRGB(0xC6C6C6), ColorAt(*canvas, 10, 0)) << state;
        EXPECT_EQ(focused ? hot : ColorToRGB(clWhite), ColorAt(*canvas, 10, 11))
            << state << ": open at the bottom";
    }
    // The caption: its top border only, all four sides when the window is minimized.
    for (std::uint8_t windowState : {ovRibbonFormNormal, ovRibbonFormMinimized}) {
        TovRibbonSkinPaintData data;
        data.Accent = a;
        data.FormData.IsActive = true;
        data.FormData.WindowState = windowState;
        auto canvas = MakeCanvas(20, 12, kBackground);
        skin.DrawFormCaption(DCOf(*canvas), TRect{0, 0, 20, 12}, data);
        EXPECT_EQ(ColorToRGB(0x9A572B), ColorAt(*canvas, 10, 0));
        const unsigned side =
            windowState == ovRibbonFormMinimized ? ColorToRGB(0x9A572B) : ColorToRGB(clWhite);
        EXPECT_EQ(side, ColorAt(*canvas, 0, 6)) << int(windowState);
        EXPECT_EQ(side, ColorAt(*canvas, 10, 11)) << int(windowState);
    }
    // The tab row: white while the application menu's state is 3, the background otherwise.
    TovDarkGrayRibbon2013Skin dark;
    auto tabs = MakeCanvas(4, 4, kBackground);
    dark.DrawTabsAreaBackground(DCOf(*tabs), TRect{0, 0, 4, 4}, true, false, 3);
    EXPECT_EQ(ColorToRGB(clWhite), ColorAt(*tabs, 2, 2));
    dark.DrawTabsAreaBackground(DCOf(*tabs), TRect{0, 0, 4, 4}, true, false, 0);
    EXPECT_EQ(ColorToRGB(0xE5E5E5), ColorAt(*tabs, 2, 2));
}

TEST_F(Ribbon2013SkinsTest, LauncherGlyphPixelByPixel) {
    auto canvas = MakeCanvas(11, 11, kBackground);
    DrawRibbon2013LauncherGlyph(DCOf(*canvas), TRect{0, 0, 11, 11}, 0x0000FF);
    const char* rows[] = {"######.", "#......", "#......", "#..#..#", "#...###", "#...###", "...####"};
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            const bool inCell = x >= 2 && x < 9 && y >= 2 && y < 9;
            const bool ink = inCell && rows[y - 2][x - 2] == '#';
            EXPECT_EQ(ink, ColorAt(*canvas, x, y) == 0x0000FFu) << x << "," << y;
        }
}

TEST_F(Ribbon2013SkinsTest, MetricsIdentityAndCells) {
    TCodedSheets sheets;
    TovWhiteRibbon2013Skin white;
    TovLightGrayRibbon2013Skin light;
    TovDarkGrayRibbon2013Skin dark;
    const char* names[] = {"White", "LightGray", "DarkGray"};
    int i = 0;
    for (TovCustomRibbon2013Skin* skin :
         {static_cast<TovCustomRibbon2013Skin*>(&white), static_cast<TovCustomRibbon2013Skin*>(&light),
          static_cast<TovCustomRibbon2013Skin*>(&dark)}) {
        EXPECT_EQ(names[i++], skin->GetName());
        EXPECT_EQ(rs2013, skin->GetStyle());
        EXPECT_EQ((TRect{1, 0, 1, 1}), skin->GetWindowBordersWidth(false));
        EXPECT_EQ((TRect{1, 0, 1, 1}), skin->GetWindowBordersWidth(true));
        EXPECT_TRUE(skin->UseFlatWindowBorders());
        EXPECT_FALSE(skin->UseRoundedWindowCorners());
        skin->AddRef();
        for (const TovRibbonCutInfo& cut : kRibbonCuts)
            EXPECT_EQ((cut.Families & rf2013) != 0, skin->WasCut(cut.Cut))
                << skin->GetName() << " " << cut.Name;
        skin->Release();
    }
    struct TOffsets {
        int Part;
        TRect Offsets;
    };
    for (const TOffsets& o : {TOffsets{1, {2, 2, 2, 2}}, TOffsets{250, {}}, TOffsets{252, {0, 18, 0, 0}},
                              TOffsets{260, {16, 0, 0, 0}}, TOffsets{270, {21, 11, 11, 11}},
                              TOffsets{1011, {2, 2, 2, 3}}, TOffsets{1001, {7, 7, 7, 7}}})
        EXPECT_EQ(o.Offsets, white.GetContentOffsets(o.Part)) << o.Part;
    for (auto [part, size] :
         {std::pair{254, 0}, {500, 0}, {10191, 0}, {260, 38}, {270, 38}, {280, 23}, {281, 35}, {10150, 2}})
        EXPECT_EQ(size, white.GetPartSize(part)) << part;
}

TEST_F(Ribbon2013SkinsTest, GlyphsAreTintedAsTheyAreDrawn) {
    TCodedSheets sheets;
    TovWhiteRibbon2013Skin skin;
    skin.AddRef();
    // A hot caption button: the edit button's hot fill, then the glyph in the hot glyph colour.
    auto canvas = MakeCanvas(29, 21, kBackground);
    skin.DrawFormBorderIcon(DCOf(*canvas), TRect{0, 0, 29, 21}, 3, 1, rcsaBlue);
    EXPECT_EQ(ColorToRGB(0xF2E1D5), ColorAt(*canvas, 1, 1));
    EXPECT_EQ(ColorToRGB(skin.GetGlyphColor(2, rcsaBlue)), ColorAt(*canvas, 14, 11));
    // The show-ribbon glyph sits at the right.
    auto right = MakeCanvas(40, 21, kBackground);
    skin.DrawFormBorderIcon(DCOf(*right), TRect{0, 0, 40, 21}, 6, 0, rcsaBlue);
    EXPECT_EQ(ColorToRGB(0x777777), ColorAt(*right, 39, 11));
    EXPECT_EQ(kBackground, PixelOf(*right, 20, 11));
    skin.Release();
}

} // namespace ribbon_2013_skins_test
