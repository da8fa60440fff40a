// The Office11 palette: scheme detection through named themes, the rows of all four schemes with their
// derived colours, gradients, arrows, grip dots, high contrast, the reference count, and a picture of the
// four palettes.
#include "PaintersTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <cstring>

using namespace painters_test;

namespace {

// A theme library that names the theme the test chose.
struct NamedTheme {
    static inline bool Active = true;
    static inline std::u16string File, Colour;
    static HTHEME Open(HWND, const WCHAR*) { return reinterpret_cast<HTHEME>(1); }
    static HRESULT Close(HTHEME) { return S_OK; }
    static BOOL IsActive() { return Active ? TRUE : FALSE; }
    static HRESULT Name(WCHAR* AFile, int AMaxFile, WCHAR* AColour, int AMaxColour, WCHAR* ASize,
                        int AMaxSize) {
        auto copy = [](const std::u16string& AText, WCHAR* ATarget, int AMax) {
            const std::size_t n = std::min<std::size_t>(AText.size(), static_cast<std::size_t>(AMax - 1));
            std::copy_n(AText.begin(), n, ATarget);
            ATarget[n] = 0;
        };
        copy(File, AFile, AMaxFile);
        copy(Colour, AColour, AMaxColour);
        copy(u"NormalSize", ASize, AMaxSize);
        return S_OK;
    }
};
const TovUxThemeEntries NamedThemeEntries{&NamedTheme::Open, &NamedTheme::Close, &NamedTheme::IsActive,
                                          &NamedTheme::Name};

class Office11PaletteTest : public PaintersTest {
protected:
    void SetUp() override {
        NamedTheme::Active = true;
        NamedTheme::File = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
        NamedTheme::Colour = u"NormalColor";
        ovBindUxTheme(&NamedThemeEntries);
        PaintersTest::SetUp();
    }
    void TearDown() override {
        PaintersTest::TearDown();
        ovBindUxTheme(nullptr);
    }
    void UseTheme(const std::u16string& AFile, const std::u16string& AColour, bool AActive = true) {
        NamedTheme::File = AFile;
        NamedTheme::Colour = AColour;
        NamedTheme::Active = AActive;
        // The theme manager reads the active flag on a theme change.
        SendMessage(ovThemeChangeReceiverHandle(), WM_THEMECHANGED, 0, 0);
        RefreshOffice11Colors();
    }
};

constexpr TColor RGBc(int R, int G, int B) {
    return static_cast<TColor>(R | (G << 8) | (B << 16));
}

TEST_F(Office11PaletteTest, SchemeDetectionByThemeFileAndColourName) {
    struct {
        std::u16string File, Colour;
        bool Active, Vista;
        TovOffice11Scheme Expected;
    } const cases[] = {
        {u"C:\\Themes\\Luna\\LUNA.MSSTYLES", u"NormalColor", true, false, schBlue},
        {u"C:\\Themes\\Luna\\luna.msstyles", u"homestead", true, false, schOlive},
        {u"C:\\Themes\\Luna\\Luna.msstyles", u"Metallic", true, false, schSilver},
        {u"C:\\Themes\\Luna\\Luna.msstyles", u"Royale", true, false, schNone},
        {u"C:\\Themes\\Aero\\Aero.msstyles", u"NormalColor", true, false, schNone},
        {u"C:\\Themes\\Aero\\Aero.msstyles", u"NormalColor", true, true, schBlue},
        {u"C:\\Themes\\Luna\\Luna.msstyles", u"NormalColor", false, true, schNone},
    };
    for (const auto& c : cases) {
        TovOSVersionFlags flags = ovOSVersion();
        flags.IsWinVistaOrLater = c.Vista;
        ovSetOSVersionFlags(flags);
        UseTheme(c.File, c.Colour, c.Active);
        EXPECT_EQ(GetOffice11SchemeFromTheme(), c.Expected);
        EXPECT_EQ(GetOffice11Scheme(), c.Expected);
        EXPECT_EQ(Office11SchemeColorsActive(), c.Expected != schNone);
    }
    ovGetOSVersionFlags();
}

struct SchemeRow {
    TColor* Colour;
    TColor Blue, Olive, Silver;
};

TEST_F(Office11PaletteTest, TheThreeSchemeRowsAndTheirDerivedColours) {
    const SchemeRow rows[] = {
        {&Office11ToolbarColor1, RGBc(221, 236, 254), RGBc(244, 247, 222), RGBc(243, 244, 250)},
        {&Office11ToolbarColor2, RGBc(129, 169, 226), RGBc(183, 198, 145), RGBc(153, 151, 181)},
        {&Office11DockColor1, RGBc(158, 190, 245), RGBc(217, 217, 167), RGBc(215, 215, 229)},
        {&Office11MarkColors2[omsNormal], RGBc(0, 53, 145), RGBc(96, 119, 107), RGBc(118, 116, 146)},
        {&Office11MenuBorderColor, RGBc(0, 45, 150), RGBc(117, 141, 94), RGBc(124, 124, 148)},
        {&Office11SelectedBorderColor, RGBc(0, 0, 128), RGBc(63, 93, 56), RGBc(75, 75, 111)},
        {&Office11PressedColor1, RGBc(255, 211, 142), RGBc(255, 211, 142), RGBc(255, 211, 142)},
        {&Office11SchemeColor1, RGBc(123, 164, 224), RGBc(181, 196, 143), RGBc(147, 145, 176)},
        {&Office11SchemeBackgroundColor, RGBc(253, 238, 201), RGBc(253, 238, 201), RGBc(253, 238, 201)},
        {&Office11MarkArrowColor, RGBc(0, 0, 0), RGBc(0, 0, 0), RGBc(0, 0, 0)},
        {&Office11FloatingCaptionTextColor, RGBc(255, 255, 255), RGBc(255, 255, 255), RGBc(255, 255, 255)},
        // Derived colours.
        {&Office11MenuBandColor2, RGBc(129, 169, 226), RGBc(183, 198, 145), RGBc(153, 151, 181)},
        {&Office11ButtonFaceColor, RGBc(158, 190, 245), RGBc(217, 217, 167), RGBc(215, 215, 229)},
        {&Office11ControlBorderColor, RGBc(0, 45, 150), RGBc(117, 141, 94), RGBc(124, 124, 148)},
    };
    const std::u16string names[3] = {u"NormalColor", u"HomeStead", u"Metallic"};
    const int percents[3] = {41, 125, 40};
    for (int scheme = 0; scheme < 3; ++scheme) {
        UseTheme(u"Luna.msstyles", names[scheme]);
        ASSERT_EQ(GetOffice11Scheme(), static_cast<TovOffice11Scheme>(scheme + 1));
        EXPECT_EQ(Office11GradientPercent(), percents[scheme]);
        for (const SchemeRow& row : rows) {
            const TColor expected = scheme == 0 ? row.Blue : scheme == 1 ? row.Olive : row.Silver;
            EXPECT_EQ(*row.Colour, expected)
                << "scheme " << scheme + 1 << " colour " << (row.Colour - &Office11ToolbarColor1);
        }
        // Blend of the mark's light end into the toolbar colour, 90 %; the shadow is the blend of the dark
        // end.
        EXPECT_EQ(Office11MarkBlendColors1[omsNormal],
                  BlendRGB(Office11MarkColors1[omsNormal], Office11ToolbarColor1, 90));
        EXPECT_EQ(Office11ShadowColor,
                  BlendRGB(Office11MarkColors2[omsNormal], Office11ToolbarCornerColor, 50));
        EXPECT_EQ(Office11MenuBandNonRecentColor1, BlendRGB(Office11ToolbarColor1, clBlack, 92));
    }
}

TEST_F(Office11PaletteTest, WithoutASchemeTheColoursComeFromTheSystem) {
    UseTheme(u"", u"", false);
    ASSERT_EQ(GetOffice11Scheme(), schNone);
    EXPECT_EQ(Office11GradientPercent(), 75);
    EXPECT_EQ(Office11ToolbarColor1, BlendRGB(clBtnFace, clWindow, 22));
    EXPECT_EQ(Office11DockColor1, Rgb(clBtnFace));
    EXPECT_EQ(Office11SelectedBorderColor, Rgb(clHighlight));
    EXPECT_EQ(Office11TextColor, Rgb(clBtnText));
    EXPECT_EQ(Office11MarkArrowColor, Rgb(clBtnText));
    // "Same as" colours are resolved after the colour they copy.
    EXPECT_EQ(Office11PressedColor3, GetNearestScreenColor(MixLightColor(14, 44, 40)));
    EXPECT_EQ(Office11PressedColor1, Office11PressedColor3);
    EXPECT_EQ(Office11PressedColor2, Office11PressedColor3);
    EXPECT_EQ(Office11HotColor1, Office11SelectedColor);
    EXPECT_EQ(Office11HighlightColor, Office11CheckedHotColor);
    EXPECT_EQ(Office11MarkColors2[omsHot], Office11MarkColors1[omsHot]);
    EXPECT_EQ(Office11MarkBlendColors1[omsNormal], BlendRGB(Office11MarkColors2[omsNormal], clWindow, 50));
    EXPECT_EQ(Office11FloatingBorderColor2, Office11ToolbarColor2);
    // The base painter's scheme answers read the palette.
    EXPECT_EQ(Painter("")->SchemeColor1(), Rgb(clBtnShadow));
    EXPECT_EQ(Painter("")->SchemeBackgroundColor(false), Rgb(clBtnFace));
    EXPECT_EQ(Painter("Flat")->SchemeBackgroundColor(true), clWindow);
}

TEST_F(Office11PaletteTest, BlendsMixesAndHighContrast) {
    EXPECT_EQ(BlendRGB(RGBc(200, 100, 0), RGBc(0, 100, 200), 75), RGBc(150, 100, 50));
    EXPECT_EQ(BlendRGB(RGBc(255, 255, 255), RGBc(255, 255, 255), 150), RGBc(255, 255, 255)); // capped
    EXPECT_FALSE(HighContrastIsBlack());
    EXPECT_FALSE(HighContrastIsWhite());
    EXPECT_FALSE(IsBlackFaceNonWhiteText());
    EXPECT_EQ(GetScaledColor(RGBc(200, 100, 50), 50), RGBc(100, 50, 25));
}

TEST_F(Office11PaletteTest, HighContrastAnswers) {
    auto frame = [] {
        auto bitmap = MakeBitmap(10, 10, clYellow);
        Office11FrameSelection(bitmap->Canvas()->Handle(), TRect{0, 0, 10, 10});
        return ColorAt(*bitmap, 0, 5);
    };
    ReferenceOffice11Colors();
    EXPECT_EQ(frame(), Office11SelectedBorderColor);
    // A black face with black text: the selection frame takes the highlight text colour, mixes the highlight.
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(0, 0, 0));
    EXPECT_TRUE(HighContrastIsBlack());
    EXPECT_TRUE(IsBlackFaceNonWhiteText());
    EXPECT_EQ(MixLightColor(14, 44, 40), Rgb(clHighlight));
    EXPECT_EQ(frame(), Rgb(clHighlightText));
    olva::win::SetSysColorOverride(COLOR_BTNTEXT, RGB(255, 255, 255));
    EXPECT_FALSE(IsBlackFaceNonWhiteText());
    // A white face: selected arrows are white.
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(255, 255, 255));
    EXPECT_TRUE(HighContrastIsWhite());
    EXPECT_EQ(MixLightColor(-2, 30, 72), Rgb(clHighlight));
    auto arrow = MakeBitmap(20, 20, clBlack);
    Office11DrawArrow(arrow->Canvas()->Handle(), TRect{0, 0, 20, 20}, true, 4, true, true);
    EXPECT_EQ(BoundsOfColor(*arrow, clWhite).right - BoundsOfColor(*arrow, clWhite).left, 7);
    ReleaseOffice11Palette();
    olva::win::ResetSystemOverrides();
}

TEST_F(Office11PaletteTest, GradientsFollowTheBandRule) {
    auto band = MakeBitmap(300, 4);
    HDC dc = band->Canvas()->Handle();
    FillGradientBand(dc, TRect{0, 0, 300, 4}, RGBc(0, 0, 0), RGBc(255, 0, 0), true);
    // 256 bands over 300 pixels: the first is colour 1, the last colour 2.
    EXPECT_EQ(ColorAt(*band, 0, 1), RGBc(0, 0, 0));
    EXPECT_EQ(ColorAt(*band, 299, 1), RGBc(255, 0, 0));
    // The colour at a coordinate: band MulDiv(x + 1, n, extent) - 1 of n.
    const std::pair<int, int> at[] = {{0, 0}, {150, 128}, {299, 255}};
    for (auto [x, red] : at)
        EXPECT_EQ(GetGradientColor(TRect{0, 0, 300, 4}, x, RGBc(0, 0, 0), RGBc(255, 0, 0), true),
                  RGBc(red, 0, 0))
            << x;
    // One pixel: colour 1; empty: colour 1; equal colours: a solid fill.
    auto one = MakeBitmap(1, 4);
    FillGradientBand(one->Canvas()->Handle(), TRect{0, 0, 1, 4}, RGBc(10, 20, 30), RGBc(200, 0, 0), true);
    EXPECT_EQ(ColorAt(*one, 0, 0), RGBc(10, 20, 30));
    EXPECT_EQ(GetGradientColor(TRect{5, 0, 5, 4}, 5, RGBc(10, 20, 30), RGBc(200, 0, 0), true),
              RGBc(10, 20, 30));
    // The two-segment gradient: c1 = 0, c2 = 200, P = 75 over 10 pixels.
    UseTheme(u"", u"", false);
    ASSERT_EQ(Office11GradientPercent(), 75);
    auto twice = MakeBitmap(4, 10);
    FillDoubleGradientRect(twice->Canvas()->Handle(), TRect{0, 0, 4, 10}, RGBc(0, 0, 0), RGBc(200, 0, 0),
                           false);
    const int expected[10] = {0, 17, 33, 50, 67, 75, 117, 144, 172, 200};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(ColorAt(*twice, 1, y), RGBc(expected[y], 0, 0)) << y;
    // A one-pixel two-segment gradient is the middle colour.
    auto single = MakeBitmap(4, 1);
    FillDoubleGradientRect(single->Canvas()->Handle(), TRect{0, 0, 4, 1}, RGBc(0, 0, 0), RGBc(200, 0, 0),
                           false);
    EXPECT_EQ(ColorAt(*single, 0, 0), RGBc(75, 0, 0));
    // clNone fills nothing.
    auto none = MakeBitmap(4, 4, clYellow);
    FillRectWithColor(none->Canvas()->Handle(), TRect{0, 0, 4, 4}, clNone);
    EXPECT_EQ(ColorAt(*none, 1, 1), Rgb(clYellow));
}

TEST_F(Office11PaletteTest, ArrowsGripDotsAndTheSizeGrip) {
    struct {
        TRect R;
        bool Down;
        int Size;
    } const arrows[] = {{{0, 0, 13, 20}, true, 3},  {{0, 0, 14, 20}, true, 3},  {{0, 0, 15, 20}, true, 4},
                        {{0, 0, 20, 11}, false, 3}, {{0, 0, 20, 13}, false, 4}, {{0, 0, 6, 6}, true, 3}};
    for (const auto& a : arrows)
        EXPECT_EQ(Office11ArrowSizeInRect(a.R, a.Down), a.Size);
    ReferenceOffice11Colors();
    auto arrow = MakeBitmap(20, 20, clWhite);
    Office11DrawArrow(arrow->Canvas()->Handle(), TRect{0, 0, 20, 20}, true, 4, false, true);
    const RECT down = BoundsOfColor(*arrow, Office11TextColor);
    EXPECT_EQ(down.right - down.left, 7);
    EXPECT_EQ(down.bottom - down.top, 4);
    // One dot even in a rectangle smaller than a cell; a 12 x 3 strip holds three.
    auto dots = MakeBitmap(12, 4, clYellow);
    Office11DrawGripDots(dots->Canvas()->Handle(), TRect{0, 0, 3, 3}, false);
    // A run of 3: the remainder 3 is halved to a shift of 1.
    EXPECT_EQ(BoundsOfColor(*dots, Office11GripColor1), (RECT{1, 0, 3, 2}));
    auto grip = MakeBitmap(12, 12, clYellow);
    Office11PaintSizeGrip(grip->Canvas()->Handle(), TRect{0, 0, 12, 12});
    int darkDots = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (ColorAt(*grip, x, y) == Office11GripColor1 &&
                (x == 0 || ColorAt(*grip, x - 1, y) != Office11GripColor1) &&
                (y == 0 || ColorAt(*grip, x, y - 1) != Office11GripColor1))
                ++darkDots;
    EXPECT_EQ(darkDots, 6);
    ReleaseOffice11Palette();
}

TEST_F(Office11PaletteTest, ReferencesBuildAndFreeTheBrushesAndAnExtraReleaseIsHarmless) {
    // The registered Office11 painter and the foundation's palette listener hold the palette while the
    // painters live, and both let go with them.
    ASSERT_EQ(Office11PaletteReferenceCount(), 2);
    EXPECT_NE(Office11GripBrush1, nullptr);
    uiPaintersFinalize();
    ASSERT_EQ(Office11PaletteReferenceCount(), 0);
    EXPECT_EQ(Office11GripBrush1, nullptr);
    ReferenceOffice11Colors();
    ReferenceOffice11Colors();
    EXPECT_NE(Office11GripBrush1, nullptr);
    ASSERT_NE(Office11SubMenuExpandBitmap, nullptr);
    EXPECT_NE(Office11ExpandButtonPlusBitmap, nullptr);
    ReleaseOffice11Palette();
    EXPECT_NE(Office11GripBrush1, nullptr);
    ReleaseOffice11Palette();
    EXPECT_EQ(Office11GripBrush1, nullptr);
    EXPECT_EQ(Office11SubMenuExpandBitmap, nullptr);
#ifdef NDEBUG
    ReleaseOffice11Palette();
    EXPECT_EQ(Office11PaletteReferenceCount(), 0);
#endif
    uiPaintersInitialize();
    EXPECT_EQ(Office11PaletteReferenceCount(), 2);
}

TEST_F(Office11PaletteTest, TheSubMenuExpandPictureIsRecolouredFromTheToolbarGradient) {
    UseTheme(u"Luna.msstyles", u"NormalColor");
    ReferenceOffice11Colors();
    TBitmap* bitmap = Office11SubMenuExpandBitmap;
    ASSERT_NE(bitmap, nullptr);
    // The darkest grey became colour 1, the lightest colour 2; the background stayed.
    bool sawFirst = false, sawSecond = false;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const TColor c = bitmap->Canvas()->Pixels(x, y) & 0xFFFFFF;
            sawFirst |= c == Office11ToolbarColor1;
            sawSecond |= c == Office11ToolbarColor2;
        }
    EXPECT_TRUE(sawFirst);
    EXPECT_TRUE(sawSecond);
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    ReleaseOffice11Palette();
    // One red value among all coloured pixels: they take colour 1.
    TBitmap flat;
    flat.SetPixelFormat(pf24bit);
    flat.SetSize(4, 1);
    flat.Canvas()->SetPixels(0, 0, clWhite);
    flat.Canvas()->SetPixels(1, 0, RGBc(100, 100, 100));
    flat.Canvas()->SetPixels(2, 0, RGBc(100, 50, 50));
    flat.Canvas()->SetPixels(3, 0, clBlack);
    RecolorSubMenuExpandBitmap(&flat);
    EXPECT_EQ(flat.Canvas()->Pixels(1, 0) & 0xFFFFFF, static_cast<std::uint32_t>(Office11ToolbarColor1));
    EXPECT_EQ(flat.Canvas()->Pixels(2, 0) & 0xFFFFFF, static_cast<std::uint32_t>(Office11ToolbarColor1));
    EXPECT_EQ(flat.Canvas()->Pixels(3, 0) & 0xFFFFFF, 0u);
}

TEST_F(Office11PaletteTest, PictureOfTheFourPalettes) {
    struct Scheme {
        std::u16string Colour;
        bool Active;
        const char* Name;
    } const schemes[] = {{u"", false, "system colours"},
                         {u"NormalColor", true, "blue"},
                         {u"HomeStead", true, "olive"},
                         {u"Metallic", true, "silver"}};
    const TColor* swatches[] = {
        &Office11ToolbarColor1,        &Office11ToolbarColor2,   &Office11DockColor1,
        &Office11DockColor2,           &Office11MarkColors1[0],  &Office11MarkColors2[0],
        &Office11ToolbarEdgeColor,     &Office11GripColor1,      &Office11SeparatorColor1,
        &Office11MenuBorderColor,      &Office11MenuColor,       &Office11SelectedColor,
        &Office11SelectedBorderColor,  &Office11HotColor1,       &Office11HotColor2,
        &Office11PressedColor1,        &Office11PressedColor2,   &Office11PressedColor3,
        &Office11CheckedColor,         &Office11CheckedHotColor, &Office11ItemFaceColor,
        &Office11HighlightColor,       &Office11PanelFaceColor,  &Office11SchemeColor2,
        &Office11SchemeBackgroundColor};
    constexpr int Swatch = 22, RowHeight = 110;
    auto sheet = MakeBitmap(40 + 25 * (Swatch + 2), 4 * RowHeight + 10, clWindow);
    TuiCanvas canvas(sheet->Canvas());
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);
    for (int s = 0; s < 4; ++s) {
        UseTheme(u"Luna.msstyles", schemes[s].Colour, schemes[s].Active);
        ReferenceOffice11Colors();
        const int top = 5 + s * RowHeight;
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(clNavy);
        canvas.DrawText(schemes[s].Name, TRect{10, top, 300, top + 14}, 0x41);
        HDC dc = canvas.Handle();
        for (int i = 0; i < 25; ++i) {
            const TRect r{10 + i * (Swatch + 2), top + 16, 10 + i * (Swatch + 2) + Swatch, top + 16 + Swatch};
            FillRectWithColor(dc, r, *swatches[i]);
            FrameRectWithColor(dc, r, clBtnShadow);
        }
        const TRect toolbar{10, top + 44, 260, top + 70};
        FillDoubleGradientRect(dc, toolbar, Office11ToolbarColor1, Office11ToolbarColor2, false);
        FillGradientBand(dc, TRect{270, top + 44, 520, top + 70}, Office11DockColor1, Office11DockColor2,
                         true);
        FillGradientBand(dc, TRect{530, top + 44, 556, top + 100}, Office11MenuBandColor1,
                         Office11MenuBandColor2, true);
        Office11DrawGripDots(dc, TRect{14, top + 48, 18, top + 67}, true);
        Office11DrawArrowInRect(dc, TRect{230, top + 44, 250, top + 70}, true, true, false);
        FillRectWithColor(dc, TRect{60, top + 48, 90, top + 67}, Office11HotColor1);
        Office11FrameSelection(dc, TRect{60, top + 48, 90, top + 67});
        FillDoubleGradientRect(dc, TRect{95, top + 48, 125, top + 67}, Office11PressedColor1,
                               Office11PressedColor2, false);
        Office11FrameSelection(dc, TRect{95, top + 48, 125, top + 67});
        FillRectWithColor(dc, TRect{270, top + 74, 330, top + 100}, Office11MenuColor);
        Office11PaintSizeGrip(dc, TRect{270, top + 74, 330, top + 100});
        if (Office11SubMenuExpandBitmap != nullptr)
            BitBlt(dc, 340, top + 78, 16, 16, Office11SubMenuExpandBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
        BitBlt(dc, 360, top + 80, 11, 11, Office11ExpandButtonMinusBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
        BitBlt(dc, 375, top + 80, 11, 11, Office11ExpandButtonPlusBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
        ReleaseOffice11Palette();
    }
    EXPECT_TRUE(SaveSurfaceToPng(*SurfaceOf(*sheet), PaintersOutputPath("office11-palettes.png")));
}

} // namespace
