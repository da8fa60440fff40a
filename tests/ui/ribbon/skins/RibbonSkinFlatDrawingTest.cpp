// The base skin's flat drawing, what every skin shows on a low-colour screen: the flat button frame, the
// small button, tabs, the form caption and borders, the quick access toolbar, etched lines, arrows, and
// operations that hand their element to another one following that one's override.
#include "BaseTestSkin.h"
#include "RibbonSkinTestSupport.h"

#include "ui/bars/skin/SkinPartKinds.h"

using namespace ribbon_skin_test;

namespace ribbon_skin_flat_drawing_test {

using RibbonSkinFlatDrawingTest = RibbonSkinTest;

unsigned Rgb(TColor AColor) {
    return ColorToRGB(AColor) & 0xFFFFFF;
}

TEST_F(RibbonSkinFlatDrawingTest, FlatButtonFrameByState) {
    TBaseTestSkin skin;
    struct TCase {
        int State;
        TColor Fill, Border;
    };
    const TCase cases[] = {
        {0, clBtnFace, clBtnShadow}, {1, clBtnFace, clBtnShadow},   {2, clHighlight, clWhite},
        {3, clBtnFace, clBtnShadow}, {4, clHighlight, clBtnShadow}, {5, clBtnFace, clBtnShadow},
        {6, clHighlight, clWhite},   {7, clHighlight, clWhite},     {8, clBtnFace, clBtnShadow}};
    for (const TCase& c : cases) {
        auto canvas = MakeCanvas(12, 10, kBackground);
        skin.DrawFlatButtonFrame(DCOf(*canvas), TRect{1, 1, 11, 9}, c.State);
        EXPECT_EQ(Rgb(c.Fill), ColorAt(*canvas, 5, 5)) << "state " << c.State;
        for (auto [x, y] : {std::pair{1, 5}, {10, 5}, {5, 1}, {5, 8}})
            EXPECT_EQ(Rgb(c.Border), ColorAt(*canvas, x, y))
                << "state " << c.State << " at " << x << "," << y;
        EXPECT_EQ(kBackground, PixelOf(*canvas, 0, 0));
        EXPECT_EQ(kBackground, PixelOf(*canvas, 11, 9));
    }
}

TEST_F(RibbonSkinFlatDrawingTest, SmallButtonShowsOnlyWhenHotOrHighlighted) {
    TBaseTestSkin skin;
    for (int state = 0; state < 9; ++state) {
        auto canvas = MakeCanvas(10, 10, kBackground);
        skin.DrawSmallButton(DCOf(*canvas), TRect{0, 0, 10, 10}, state, rcsaYellow);
        if (state == 2) {
            EXPECT_EQ(Rgb(clWhite), ColorAt(*canvas, 0, 5)) << "hot: the button's hot look";
        } else if (state == 3) {
            EXPECT_EQ(Rgb(clBtnShadow), ColorAt(*canvas, 0, 5)) << "highlighted: the button's pressed look";
            EXPECT_EQ(Rgb(clHighlight), ColorAt(*canvas, 5, 5));
        } else {
            EXPECT_TRUE(IsUniform(*canvas, kBackground)) << "state " << state;
        }
    }
}

TEST_F(RibbonSkinFlatDrawingTest, TabsLeaveTheirBottomRow) {
    TBaseTestSkin skin;
    struct TCase {
        int State;
        unsigned Inside, Left, Top;
    };
    const TCase cases[] = {{0, Rgb(clBtnFace), Rgb(clBtnFace), Rgb(clBtnFace)},
                           {1, Rgb(clHighlight), Rgb(clHighlight), Rgb(clBtnFace)},
                           {2, Rgb(clHighlight), Rgb(clWhite), Rgb(clWhite)},
                           {3, Rgb(clHighlight), Rgb(clHighlight), Rgb(clBtnFace)},
                           {4, Rgb(clHighlight), Rgb(clHighlight), Rgb(clBtnFace)}};
    for (const TCase& c : cases) {
        auto canvas = MakeCanvas(20, 12, kBackground);
        skin.DrawTab(DCOf(*canvas), TRect{0, 0, 20, 12}, c.State, rcsaYellow);
        EXPECT_EQ(c.Inside, ColorAt(*canvas, 10, 6)) << "state " << c.State;
        EXPECT_EQ(c.Left, ColorAt(*canvas, 0, 6)) << "state " << c.State;
        EXPECT_EQ(c.Top, ColorAt(*canvas, 10, 0)) << "state " << c.State;
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(kBackground, PixelOf(*canvas, x, 11)) << "state " << c.State;
    }
    // A context tab keeps the row and is filled with its colour first.
    auto canvas = MakeCanvas(20, 12, kBackground);
    skin.DrawContextTab(DCOf(*canvas), TRect{0, 0, 20, 12}, 0x00FF00, 1, rcsaYellow);
    EXPECT_EQ(Rgb(clHighlight), ColorAt(*canvas, 10, 11));
}

TEST_F(RibbonSkinFlatDrawingTest, FormCaptionRowsAndActivity) {
    TBaseTestSkin skin;
    TovRibbonSkinPaintData data;
    for (bool active : {true, false})
        for (std::uint8_t state : {ovRibbonFormNormal, ovRibbonFormMaximized}) {
            data.FormData.IsActive = active;
            data.FormData.WindowState = state;
            auto canvas = MakeCanvas(8, 12, kBackground);
            skin.DrawFormCaption(DCOf(*canvas), TRect{0, 0, 8, 12}, data);
            const unsigned caption = Rgb(active ? clActiveCaption : clInactiveCaption);
            if (state == ovRibbonFormMaximized) {
                EXPECT_EQ(caption, ColorAt(*canvas, 3, 0));
            } else {
                EXPECT_EQ(Rgb(clBtnFace), ColorAt(*canvas, 3, 0));
                EXPECT_EQ(Rgb(clBtnHighlight), ColorAt(*canvas, 3, 1));
                EXPECT_EQ(Rgb(clBtnFace), ColorAt(*canvas, 3, 2));
                EXPECT_EQ(Rgb(clBtnFace), ColorAt(*canvas, 3, 3));
                EXPECT_EQ(caption, ColorAt(*canvas, 3, 4));
            }
            EXPECT_EQ(caption, ColorAt(*canvas, 3, 11));
        }
}

TEST_F(RibbonSkinFlatDrawingTest, SquareCornersTruthTable) {
    struct TCase {
        std::uint8_t BorderStyle, FormStyle, WindowState, Rounded;
        bool Square;
    };
    const TCase cases[] = {
        {2, 0, 0, 1, false}, {0, 0, 0, 1, false}, {5, 0, 0, 1, false}, // sizeable, none, sizeable tool window
        {1, 0, 0, 1, true},  {3, 0, 0, 1, true},  {4, 0, 0, 1, true},  // single, dialog, tool window
        {2, 1, 0, 1, true},                                            // an MDI child
        {2, 0, 1, 1, true},  {2, 0, 2, 1, false},                      // minimized; maximized keeps them
        {2, 0, 0, 0, true},                                            // no rounded corners
    };
    for (const TCase& c : cases) {
        TovRibbonFormPaintData data;
        data.BorderStyle = c.BorderStyle;
        data.FormStyle = c.FormStyle;
        data.WindowState = c.WindowState;
        data.RoundedCorners = c.Rounded;
        EXPECT_EQ(c.Square, RibbonFormHasSquareCorners(data))
            << int(c.BorderStyle) << " " << int(c.FormStyle) << " " << int(c.WindowState) << " "
            << int(c.Rounded);
    }
}

TEST_F(RibbonSkinFlatDrawingTest, FormBordersRingFollowsTheCorners) {
    TBaseTestSkin skin;
    for (bool rounded : {true, false}) {
        TovRibbonSkinPaintData data;
        data.FormData.WindowBounds = TRect{0, 0, 40, 30};
        data.FormData.BorderStyle = 2;
        data.FormData.RoundedCorners = rounded ? 1 : 0;
        auto canvas = MakeCanvas(40, 30, kBackground);
        skin.DrawFormBorders(DCOf(*canvas), TRect{4, 0, 4, 4}, data);
        EXPECT_EQ(kBackground, PixelOf(*canvas, 20, 15)) << "the content area is left alone";
        EXPECT_EQ(Rgb(clBtnHighlight), ColorAt(*canvas, 0, 15)) << "the ring along the left edge";
        EXPECT_EQ(Rgb(clBtnFace), ColorAt(*canvas, 2, 15)) << "the frame inside the ring";
        // The lower corners: rounded, the corner pixel is frame; square, it is ring.
        EXPECT_EQ(Rgb(rounded ? clBtnFace : clBtnHighlight), ColorAt(*canvas, 0, 29)) << rounded;
        // The upper corners stay rounded either way.
        EXPECT_EQ(Rgb(clBtnFace), ColorAt(*canvas, 0, 0)) << rounded;
    }
}

TEST_F(RibbonSkinFlatDrawingTest, QuickAccessToolbarNeedsTwiceHalfItsHeight) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    skin.AddRef();
    // 21 pixels high: half is 10, so 20 pixels wide is the least that draws.
    for (int width : {19, 20}) {
        auto canvas = MakeCanvas(30, 21, kBackground);
        skin.DrawQuickAccessToolbar(DCOf(*canvas), TRect{0, 0, width, 21}, false, false, false, true, true);
        EXPECT_EQ(width >= 20, !IsUniform(*canvas, kBackground)) << "width " << width;
    }
    // Not in the caption: top + 3, bottom - 4; the end at its own width, the body up to R.Right - h.
    auto canvas = MakeCanvas(60, 21, kBackground);
    skin.DrawQuickAccessToolbar(DCOf(*canvas), TRect{0, 0, 60, 21}, false, false, true, true, true);
    EXPECT_EQ((TCellName{10059, 0}), CellAt(*canvas, 2, 10));
    EXPECT_EQ((TCellName{10063, 0}), CellAt(*canvas, 20, 10));
    EXPECT_EQ(kBackground, PixelOf(*canvas, 20, 2));
    EXPECT_EQ((TCellName{10063, 0}), CellAt(*canvas, 20, 3));
    EXPECT_EQ(kBackground, PixelOf(*canvas, 20, 17));
    EXPECT_EQ((TCellName{10063, 0}), CellAt(*canvas, 49, 10));
    EXPECT_EQ(kBackground, PixelOf(*canvas, 50, 10));
    // An inactive form's caption takes the second cells; below the ribbon the one part fills R.
    auto inactive = MakeCanvas(60, 21, kBackground);
    skin.DrawQuickAccessToolbar(DCOf(*inactive), TRect{0, 0, 60, 21}, false, true, false, false, true);
    EXPECT_EQ((TCellName{10061, 1}), CellAt(*inactive, 2, 10));
    auto below = MakeCanvas(60, 21, kBackground);
    skin.DrawQuickAccessToolbar(DCOf(*below), TRect{0, 0, 60, 21}, true, false, false, true, true);
    EXPECT_EQ((TCellName{10053, 0}), CellAt(*below, 0, 0));
    EXPECT_EQ((TCellName{10053, 0}), CellAt(*below, 59, 20));
}

TEST_F(RibbonSkinFlatDrawingTest, EtchedLines) {
    auto horizontal = MakeCanvas(6, 7, kBackground);
    TovCustomRibbonSkin::DrawEtchedLine(DCOf(*horizontal), TRect{0, 0, 6, 7}, 0x0000FF, 0x00FF00, true);
    EXPECT_EQ(kBackground, PixelOf(*horizontal, 2, 2));
    EXPECT_EQ(0x0000FFu, ColorAt(*horizontal, 2, 3));
    EXPECT_EQ(0x00FF00u, ColorAt(*horizontal, 2, 4));
    EXPECT_EQ(kBackground, PixelOf(*horizontal, 2, 5));
    auto vertical = MakeCanvas(7, 6, kBackground);
    TovCustomRibbonSkin::DrawEtchedLine(DCOf(*vertical), TRect{0, 0, 7, 6}, 0x0000FF, 0x00FF00, false);
    EXPECT_EQ(kBackground, PixelOf(*vertical, 2, 2));
    EXPECT_EQ(0x00FF00u, ColorAt(*vertical, 3, 2));
    EXPECT_EQ(0x0000FFu, ColorAt(*vertical, 4, 2));
    EXPECT_EQ(kBackground, PixelOf(*vertical, 5, 2));
}

TEST_F(RibbonSkinFlatDrawingTest, ArrowGlyphPointsDownInTheArrowColour) {
    TBaseTestSkin skin;
    auto canvas = MakeCanvas(15, 15, 0xFFFFFFFF);
    skin.DrawArrowDown(DCOf(*canvas), TRect{0, 0, 15, 15}, 0);
    // A triangle of size 4: four rows, the widest on top, in black (key 340).
    int rows = 0, previous = 100;
    for (int y = 0; y < 15; ++y) {
        int width = 0;
        for (int x = 0; x < 15; ++x)
            width += ColorAt(*canvas, x, y) == 0 ? 1 : 0;
        if (width == 0) continue;
        ++rows;
        EXPECT_LT(width, previous) << "row " << y;
        previous = width;
    }
    EXPECT_EQ(4, rows);
}

// A skin whose button is one green fill: every element drawn through it turns green.
class TGreenButtonSkin : public TBaseTestSkin {
public:
    void DrawButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override {
        DrawRibbonFrame(DC, R, 0x00FF00, 0, 0, clNone);
    }
};

TEST_F(RibbonSkinFlatDrawingTest, ForwardersFollowAnOverrideOfTheirTarget) {
    TGreenButtonSkin skin;
    using TDraw = std::function<void(HDC, const TRect&)>;
    const TovRibbonColorSchemeAccent a = rcsaBlue;
    const std::pair<const char*, TDraw> forwarders[] = {
        {"menu item", [&](HDC DC, const TRect& R) { skin.DrawMenuItemButton(DC, R, 2, a); }},
        {"menu view item", [&](HDC DC, const TRect& R) { skin.DrawMenuViewItem(DC, R, 2, a); }},
        {"menu view tab", [&](HDC DC, const TRect& R) { skin.DrawMenuViewTab(DC, R, 2, a); }},
        {"menu view button", [&](HDC DC, const TRect& R) { skin.DrawMenuViewButton(DC, R, 2, a); }},
        {"extra pane button",
         [&](HDC DC, const TRect& R) { skin.DrawApplicationMenuExtraPaneButton(DC, R, 2, a); }},
        {"extra pane check button",
         [&](HDC DC, const TRect& R) { skin.DrawApplicationMenuExtraPaneCheckButton(DC, R, 7, a); }},
        {"extra pane item",
         [&](HDC DC, const TRect& R) { skin.DrawApplicationMenuExtraPaneItem(DC, R, 7, a); }},
        {"small button", [&](HDC DC, const TRect& R) { skin.DrawSmallButton(DC, R, 2, a); }},
        {"help button", [&](HDC DC, const TRect& R) { skin.DrawHelpButton(DC, R, 3, a); }},
        {"minimize button", [&](HDC DC, const TRect& R) { skin.DrawMinimizeButton(DC, R, 2, a); }},
        {"application menu button",
         [&](HDC DC, const TRect& R) { skin.DrawApplicationMenuButton(DC, R, 2, a); }},
        {"groups scroll button",
         [&](HDC DC, const TRect& R) { skin.DrawTabGroupsScrollButton(DC, R, 0, 2, a); }},
        {"tab scroll button", [&](HDC DC, const TRect& R) { skin.DrawTabScrollButton(DC, R, 1, 4, a); }},
    };
    for (const auto& [name, draw] : forwarders) {
        auto canvas = MakeCanvas(10, 10, kBackground);
        draw(DCOf(*canvas), TRect{0, 0, 10, 10});
        EXPECT_EQ(0x00FF00u, ColorAt(*canvas, 5, 5)) << name;
    }
}

TEST_F(RibbonSkinFlatDrawingTest, BaseColoursAndAliasesThatFollowTheSkin) {
    TBaseTestSkin skin;
    EXPECT_EQ(TColor(clWindowText), skin.GetPartColor(ovSkinColorItemText, 0, rcsaYellow));
    EXPECT_EQ(TColor(clHighlightText), skin.GetPartColor(ovSkinColorItemText, 4, rcsaYellow));
    EXPECT_EQ(TColor(clDefault), skin.GetPartColor(12345, 0, rcsaYellow));
    EXPECT_EQ(TColor(clDefault), skin.GetPartColor(ovSkinColorMenuViewBackground, 0, rcsaYellow));
    skin.SetLowColors(true);
    EXPECT_EQ(TColor(clBtnFace), skin.GetPartColor(12345, 0, rcsaYellow)) << "low colour: a complete palette";
    EXPECT_EQ(TColor(clBtnFace), skin.GetPartColor(ovSkinColorMenuViewBackground, 0, rcsaYellow));

    // A key the base answers with another key's colour follows a skin's own colour of that key.
    class TMenuTextSkin : public TBaseTestSkin {
    public:
        TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override {
            if (APart == ovSkinColorMenuText) return 0x123456 + AState;
            return TBaseTestSkin::GetPartColor(APart, AState, AAccent);
        }
    } menuText;
    EXPECT_EQ(TColor(0x123456 + 2), menuText.GetPartColor(ovSkinColorMenuCaptionText, 2, rcsaYellow))
        << "22 = 362";
    EXPECT_EQ(TColor(0x123456), menuText.GetPartColor(ovSkinColorGalleryGroupHeaderText, 5, rcsaYellow))
        << "64 = 362 in state 0";
}

TEST_F(RibbonSkinFlatDrawingTest, MetricsOfTheBase) {
    TBaseTestSkin skin;
    EXPECT_EQ((TSize{42, 42}), skin.GetApplicationButtonSize());
    EXPECT_EQ((TRect{4, 0, 4, 4}), skin.GetWindowBordersWidth(false));
    EXPECT_EQ((TRect{4, 0, 4, 1}), skin.GetWindowBordersWidth(true));
    EXPECT_EQ(rs2007, skin.GetStyle());
    EXPECT_FALSE(skin.IsApplicationButtonTab());
    EXPECT_TRUE(skin.UseRoundedWindowCorners());
    EXPECT_FALSE(skin.UseFlatWindowBorders());
    EXPECT_EQ(12, skin.QuickAccessToolbarMarkButtonIndent(true, false));
    EXPECT_EQ(5, skin.QuickAccessToolbarMarkButtonIndent(true, true));
    EXPECT_EQ(14, skin.QuickAccessToolbarWidthOverride(true, false));
    EXPECT_EQ(0, skin.QuickAccessToolbarWidthOverride(false, false));
    EXPECT_EQ(2, skin.GetMenuSeparatorSize());
    EXPECT_EQ(3, skin.GetStatusBarSeparatorSize());
    EXPECT_EQ(13, skin.AdjustCaptionFontSize(13, true));
    EXPECT_EQ("", skin.GetSkinName());
    EXPECT_EQ((TRect{4, 16, 4, 29}), skin.GetApplicationMenuContentOffset(TRect{0, 0, 42, 42}));
}

} // namespace ribbon_skin_flat_drawing_test
