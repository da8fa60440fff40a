// The Office11 painter: its colour rules with and without a scheme, the header frame and the hot band,
// expand boxes blended into their background, separators, and scroll bars borrowed from the native
// painter or, without one, drawn by the UltraFlat rules.
#include "PaintersTestSupport.h"
#include "RecordingTheme.h"

#include "ui/core/base/Geometry.h"
#include "ui/painters/lookandfeel/Office11Painter.h"
#include "ui/painters/lookandfeel/UltraFlatPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

using namespace painters_test;

namespace {

class Office11PainterTest : public PaintersTest {
protected:
    void SetUp() override {
        RecordingTheme::Reset();
        // A named theme of which no class opens: the scheme comes from the name, nothing is themed.
        RecordingTheme::OpenAll = false;
        ovBindUxTheme(&RecordingTheme::Entries());
        PaintersTest::SetUp();
        ReferenceOffice11Colors();
        office11 = static_cast<TuiOffice11LookAndFeelPainter*>(Painter("Office11"));
    }
    void TearDown() override {
        ReleaseOffice11Palette();
        PaintersTest::TearDown();
        ovBindUxTheme(nullptr);
    }
    void UseScheme(const std::u16string& AColour, bool AActive = true) {
        RecordingTheme::Colour = AColour;
        RecordingTheme::Active = AActive;
        RecordingTheme::Changed();
        RefreshOffice11Colors();
    }
    TuiOffice11LookAndFeelPainter* office11 = nullptr;
};

TEST_F(Office11PainterTest, ButtonSignsAndFacesWithAndWithoutAScheme) {
    struct Row {
        bool Scheme;
        TuiPainterButtonState State;
        TColor* Sign; // null: clHighlightText
        TColor* Face; // null: clBtnFace
    } const rows[] = {
        {false, cxbsPressed, nullptr, &Office11PressedColor1},
        {true, cxbsPressed, &Office11TextColor, &Office11PressedColor1},
        {false, cxbsNormal, &Office11TextColor, &Office11DockColor1},
        {true, cxbsHot, &Office11TextColor, &Office11HotColor1},
        {true, cxbsDisabled, &Office11DisabledTextColor, nullptr},
        {true, cxbsDefault, &Office11TextColor, &Office11DockColor1},
    };
    for (const Row& row : rows) {
        UseScheme(row.Scheme ? u"NormalColor" : u"", row.Scheme);
        SCOPED_TRACE(std::string(row.Scheme ? "blue" : "no scheme") + " state " + std::to_string(row.State));
        ASSERT_EQ(Office11SchemeColorsActive(), row.Scheme);
        EXPECT_EQ(office11->ButtonSignColor(row.State, clRed), row.Sign ? *row.Sign : clHighlightText);
        EXPECT_EQ(office11->ButtonFaceColor(row.State), row.Face ? *row.Face : clBtnFace);
    }
    // The radio body follows the faces, the normal one stays the window colour.
    EXPECT_EQ(office11->RadioButtonFillColor(cxbsNormal), clWindow);
    EXPECT_EQ(office11->RadioButtonFillColor(cxbsHot), Office11HotColor1);
    EXPECT_EQ(office11->CheckBoxFaceColor(cxbsPressed, cbsChecked), Office11PressedColor1);
    EXPECT_EQ(office11->CheckBoxFaceColor(cxbsNormal, cbsGrayed), clBtnFace);
}

TEST_F(Office11PainterTest, HeaderFramePixelsByNeighbours) {
    UseScheme(u"NormalColor");
    const TColor F = office11->HeaderFaceColor(), G = office11->HeaderGradientColor();
    const TColor dark = office11->DarkLineColor(), light = office11->LightLineColor();
    EXPECT_EQ(F, BlendRGB(Office11ToolbarColor1, Office11ToolbarColor2, 50));
    const TRect r{0, 0, 20, 16};
    struct Pixel {
        int X, Y;
        TColor Expected;
    };
    struct Case {
        const char* Name;
        TuiNeighbors Neighbours;
        std::vector<Pixel> Pixels;
    } const cases[] = {
        {"alone",
         {},
         {{5, 0, F},
          {5, 15, dark},
          {0, 1, F},
          {0, 14, G},
          {0, 2, light},
          {0, 13, light},
          {19, 0, BlendRGB(F, dark, 50)},
          {19, 14, BlendRGB(G, dark, 50)},
          {19, 1, dark},
          {19, 13, dark}}},
        {"between",
         TuiNeighbors{nLeft, nRight},
         {{0, 1, F},
          {0, 13, BlendRGB(F, G, 25)},
          {0, 14, G},
          {0, 3, light},
          {0, 12, light},
          {19, 1, F},
          {19, 13, BlendRGB(F, G, 25)},
          {19, 14, G},
          {19, 3, dark},
          {19, 12, dark}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bitmap = Draw(20, 16, clFuchsia, [&](TuiCanvas* canvas) {
            office11->DrawHeaderFrame(canvas, r, c.Neighbours, uiBordersAll);
        });
        for (const Pixel& p : c.Pixels)
            EXPECT_EQ(ColorAt(*bitmap, p.X, p.Y), p.Expected) << p.X << "," << p.Y;
    }
    // Only the sides in the border set are drawn.
    auto top = Draw(20, 16, clFuchsia,
                    [&](TuiCanvas* canvas) { office11->DrawHeaderFrame(canvas, r, {}, TuiBorders{bTop}); });
    EXPECT_EQ(ColorAt(*top, 5, 0), F);
    EXPECT_EQ(ColorAt(*top, 0, 5), clFuchsia);
    EXPECT_EQ(ColorAt(*top, 5, 15), clFuchsia);
}

TEST_F(Office11PainterTest, AHotHeaderShowsAnOrangeBandOnePixelWiderOnTheLeft) {
    UseScheme(u"NormalColor");
    const TRect bounds{10, 5, 70, 25};
    auto hot = Draw(80, 30, clFuchsia, [&](TuiCanvas* canvas) {
        office11->DrawContentArea(canvas, bounds, bounds, cxbsHot, taLeftJustify, taVerticalCenter, false,
                                  false, {}, nullptr, clBlack, clDefault, {});
    });
    const TRect band{9, 23, 70, 26};
    for (int y = 23; y < 26; ++y) {
        EXPECT_EQ(ColorAt(*hot, 9, y), GetGradientColor(band, y, Office11HotColor1, Office11HotColor2, false))
            << y;
        EXPECT_EQ(ColorAt(*hot, 69, y), ColorAt(*hot, 9, y)) << y;
    }
    EXPECT_EQ(ColorAt(*hot, 8, 24), clFuchsia);
    EXPECT_EQ(ColorAt(*hot, 70, 24), clFuchsia);
    // Above the band a hot header is the toolbar's light colour; a normal one has the header face and its
    // gradient over the last four rows instead, and no band.
    EXPECT_EQ(ColorAt(*hot, 30, 10), Office11ToolbarColor1);
    auto normal = Draw(80, 30, clFuchsia, [&](TuiCanvas* canvas) {
        office11->DrawContentArea(canvas, bounds, bounds, cxbsNormal, taLeftJustify, taVerticalCenter, false,
                                  false, {}, nullptr, clBlack, clRed, {});
    });
    EXPECT_EQ(ColorAt(*normal, 30, 10), office11->HeaderFaceColor());
    EXPECT_EQ(ColorAt(*normal, 30, 24),
              GetGradientColor(TRect{10, 21, 70, 25}, 24, office11->HeaderFaceColor(),
                               office11->HeaderGradientColor(), false));
    EXPECT_EQ(ColorAt(*normal, 9, 24), clFuchsia);
    // As a footer the face fills the whole cell.
    auto footer = Draw(80, 30, clFuchsia, [&](TuiCanvas* canvas) {
        office11->DrawContentArea(canvas, bounds, bounds, cxbsNormal, taLeftJustify, taVerticalCenter, false,
                                  false, {}, nullptr, clBlack, clRed, {}, true);
    });
    EXPECT_EQ(ColorAt(*footer, 30, 24), office11->HeaderFaceColor());
}

TEST_F(Office11PainterTest, ExpandBoxCornersBlendIntoTheBackgroundAndTheColourIsIgnored) {
    auto draw = [&](TColor AColour) {
        auto bitmap = MakeBitmap(11, 11, clBlue);
        SetPixelAt(*bitmap, 0, 0, Bgra(0, 0, 255, 0)); // red under the top-left corner
        TuiCanvas canvas(bitmap->Canvas());
        office11->DrawExpandBox(&canvas, TRect{0, 0, 11, 11}, true, AColour);
        return bitmap;
    };
    auto box = draw(clLime);
    EXPECT_EQ(ColorAt(*box, 0, 0), BlendRGB(Office11ExpandButtonColor1, clRed, 25));
    for (auto [x, y] : {std::pair{10, 10}, {0, 10}, {10, 0}})
        EXPECT_EQ(ColorAt(*box, x, y), BlendRGB(Office11ExpandButtonColor2, clBlue, 25)) << x << "," << y;
    // The shared picture is not changed by the blend, and the colour argument plays no part.
    EXPECT_NE(Office11ExpandButtonMinusBitmap->Canvas()->Pixels(0, 0), ColorAt(*box, 0, 0));
    auto other = draw(clYellow);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(PixelAt(*other, x, y), PixelAt(*box, x, y)) << x << "," << y;
    EXPECT_EQ(office11->ExpandBoxSize(), 11);
    EXPECT_EQ(office11->SmallExpandBoxSize(), 11);
}

TEST_F(Office11PainterTest, SeparatorsAndBordersInTheLineShades) {
    auto separator = Draw(6, 6, clFuchsia, [&](TuiCanvas* canvas) {
        office11->DrawSeparatorCore(canvas, TRect{1, 1, 5, 5}, false);
    });
    EXPECT_EQ(ColorAt(*separator, 1, 1), Office11SeparatorColor1);
    EXPECT_EQ(ColorAt(*separator, 4, 4), Office11SeparatorColor2);
    EXPECT_EQ(ColorAt(*separator, 2, 2), Office11SeparatorColor2); // the light copy covers the dark one
    EXPECT_EQ(ColorAt(*separator, 4, 1), clFuchsia);
    EXPECT_EQ(office11->SeparatorThickness(), 2);
    auto border = Draw(10, 10, clFuchsia, [&](TuiCanvas* canvas) {
        office11->DrawBorderFrame(canvas, TRect{0, 0, 10, 10});
    });
    EXPECT_EQ(ColorAt(*border, 0, 5), Office11ControlBorderColor);
    EXPECT_EQ(ColorAt(*border, 5, 5), clFuchsia);
}

TEST_F(Office11PainterTest, ScrollBarsComeFromTheNativePainterOrElseFromUltraFlat) {
    const TRect r{0, 0, 17, 17};
    auto pixels = [&](TuiCustomLookAndFeelPainter* APainter, TuiScrollBarPart APart,
                      TuiPainterButtonState AState) {
        auto bitmap = Draw(17, 17, clFuchsia, [&](TuiCanvas* canvas) {
            APainter->DrawScrollBarElement(canvas, false, r, APart, AState);
        });
        std::vector<std::uint32_t> result;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x)
                result.push_back(PixelAt(*bitmap, x, y));
        return result;
    };
    // With the native painter registered and styles off, its Standard scroll bars.
    const TuiScrollBarPart parts[] = {sbpLineUp, sbpThumbnail, sbpPageDown};
    for (TuiScrollBarPart part : parts)
        EXPECT_EQ(pixels(office11, part, cxbsHot), pixels(Painter("Standard"), part, cxbsHot)) << int(part);
    EXPECT_EQ(office11->ScrollBarMinimalThumbSize(true), Painter("Native")->ScrollBarMinimalThumbSize(true));
    // A manager without the native painter: the UltraFlat rules (flat one-pixel buttons) in the Office11
    // colours.
    TuiLookAndFeelPaintersManager* registered = uiLookAndFeelPaintersManager();
    TuiLookAndFeelPaintersManager alone;
    alone.Register(std::make_unique<TuiOffice11LookAndFeelPainter>());
    alone.Register(std::make_unique<TuiUltraFlatLookAndFeelPainter>());
    uiSetLookAndFeelPaintersManager(&alone);
    for (TuiScrollBarPart part : {sbpLineUp, sbpThumbnail}) {
        auto bitmap = Draw(17, 17, clFuchsia, [&](TuiCanvas* canvas) {
            office11->DrawScrollBarElement(canvas, false, r, part, cxbsHot);
        });
        EXPECT_EQ(ColorAt(*bitmap, 0, 8), Office11SelectedBorderColor) << int(part);
        EXPECT_EQ(ColorAt(*bitmap, 16, 8), Office11SelectedBorderColor) << int(part);
        EXPECT_EQ(ColorAt(*bitmap, 2, 2), Office11HotColor1) << int(part);
    }
    EXPECT_EQ(office11->ScrollBarMinimalThumbSize(true), 8);
    uiSetLookAndFeelPaintersManager(registered);
}

TEST_F(Office11PainterTest, GroupBoxesGoNativeOnlyWhenTheButtonThemeOpens) {
    const TRect r{0, 0, 30, 20};
    auto box = [&] {
        return Draw(30, 20, clFuchsia, [&](TuiCanvas* canvas) {
            office11->DrawGroupBoxBorder(canvas, r, true, 0, uiBordersAll);
        });
    };
    // No class opens: the UltraFlat highlight frame.
    EXPECT_EQ(ColorAt(*box(), 0, 10), Rgb(clHighlight));
    EXPECT_TRUE(RecordingTheme::CallsOf("DrawThemeBackground").empty());
    // With the button theme the native group box part is drawn.
    RecordingTheme::OpenAll = true;
    RecordingTheme::Changed();
    box();
    const auto drawn = RecordingTheme::CallsOf("DrawThemeBackground", u"Button");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].Part, 4);
    EXPECT_EQ(drawn[0].State, 1);
}

} // namespace
