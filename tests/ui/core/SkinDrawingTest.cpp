// Skin elements drawing themselves: margins made to fit, nine-part textures stretched, tiled and
// unscaled, borders and alternate image attributes, the element's order of layers, and its cache.
#include "GdiPlusTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinElementCache.h"
#include "ui/core/skins/SkinsUnit.h"

#include <vector>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

struct TPartDraw {
    TRect Dest, Source;
};
std::vector<TPartDraw> PartDraws;
GpStatus RecordDraw(GpGraphics* AGraphics, GpImage* AImage, INT ADestX, INT ADestY, INT ADestWidth,
                    INT ADestHeight, INT ASourceX, INT ASourceY, INT ASourceWidth, INT ASourceHeight,
                    GpUnit AUnit, const GpImageAttributes* AAttributes, DrawImageAbort ACallback,
                    void* AData) {
    PartDraws.push_back({uiRectOfBounds(ADestX, ADestY, ADestWidth, ADestHeight),
                         uiRectOfBounds(ASourceX, ASourceY, ASourceWidth, ASourceHeight)});
    return ::GdipDrawImageRectRectI(AGraphics, AImage, ADestX, ADestY, ADestWidth, ADestHeight, ASourceX,
                                    ASourceY, ASourceWidth, ASourceHeight, AUnit, AAttributes, ACallback,
                                    AData);
}

class SkinDrawingTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        PartDraws.clear();
    }
    void TearDown() override {
        ovSkinImageSet = 0;
        UiCoreTest::TearDown();
    }
};

void ShadowImage(TovSkinImage& AImage) {
    AImage.LoadFromResource(nullptr, "OVSHADOWMASK", "PNG");
    AImage.Margins()->SetAll(5);
}

// The grey a black pixel of that alpha leaves on white.
int OnWhite(int AAlpha) {
    return 255 - AAlpha;
}

int MaskAlpha(int X, int Y) {
    auto fade = [](int i) { return std::min(i + 1, 12 - i); };
    return (5 * fade(X) * fade(Y) + 1) / 2;
}

TEST_F(SkinDrawingTest, MarginsAreMadeToFitTheRectangle) {
    const struct {
        TRect Margins, R, Expected;
    } cases[] = {{{5, 5, 5, 5}, {0, 0, 100, 40}, {5, 5, 5, 5}},
                 {{5, 5, 5, 5}, {0, 0, 8, 8}, {4, 4, 4, 4}},
                 {{-3, 2, 4, -1}, {0, 0, 50, 50}, {0, 2, 4, 0}},
                 {{10, 0, 2, 0}, {0, 0, 6, 9}, {5, 0, 1, 0}},
                 {{3, 3, 3, 3}, {10, 10, 10, 10}, {0, 0, 0, 0}}};
    for (const auto& c : cases) {
        TRect margins = c.Margins;
        ovSkinsFitMargins(margins, c.R);
        EXPECT_EQ(margins, c.Expected);
    }
    TRect parts[9];
    ovSkinsSplitRectByMargins(TRect{0, 0, 8, 8}, TRect{5, 5, 5, 5}, parts);
    EXPECT_EQ(parts[4], (TRect{5, 5, 3, 3})); // inverted: the routine itself does not fit
    EXPECT_EQ(parts[8], (TRect{3, 3, 8, 8}));
}

TEST_F(SkinDrawingTest, TheShadowMaskKeepsItsCornersAndStretchesEdgesAndCentre) {
    TovSkinImage shadow;
    ShadowImage(shadow);
    auto target = MakeBitmap(120, 60, clWhite);
    {
        const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
        shadow.Draw(target->Canvas()->Handle(), TRect{10, 10, 110, 50}, 0, esNormal);
    }
    const std::vector<TRect> dests = {{10, 10, 15, 15}, {15, 10, 105, 15}, {105, 10, 110, 15},
                                      {10, 15, 15, 45}, {15, 15, 105, 45}, {105, 15, 110, 45},
                                      {10, 45, 15, 50}, {15, 45, 105, 50}, {105, 45, 110, 50}};
    // Stretched parts take their edge pixels from inside the part: 2 wide becomes 1.
    const std::vector<TRect> sources = {{0, 0, 5, 5},  {5, 0, 6, 5},  {7, 0, 12, 5},
                                        {0, 5, 5, 6},  {5, 5, 6, 6},  {7, 5, 12, 6},
                                        {0, 7, 5, 12}, {5, 7, 6, 12}, {7, 7, 12, 12}};
    ASSERT_EQ(PartDraws.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(PartDraws[i].Dest, dests[i]) << i;
        EXPECT_EQ(PartDraws[i].Source, sources[i]) << i;
    }
    auto grey = [&](int X, int Y) { return ChannelOf(PixelAt(*target, X, Y), 8); };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_NEAR(grey(10 + x, 10 + y), OnWhite(MaskAlpha(x, y)), 1) << x << "," << y;
            EXPECT_NEAR(grey(109 - x, 49 - y), OnWhite(MaskAlpha(11 - x, 11 - y)), 1) << x << "," << y;
        }
    EXPECT_NEAR(grey(60, 12), OnWhite(MaskAlpha(5, 2)), 1);
    EXPECT_NEAR(grey(60, 30), OnWhite(MaskAlpha(5, 5)), 1);
    EXPECT_EQ(grey(9, 30), 255);
    EXPECT_EQ(grey(110, 30), 255);

    // Into 8 x 8 the margins shrink to 4: four reduced corners and nothing between them.
    PartDraws.clear();
    const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
    shadow.Draw(target->Canvas()->Handle(), TRect{0, 0, 8, 8}, 0, esNormal);
    ASSERT_EQ(PartDraws.size(), 4u);
    EXPECT_EQ(PartDraws[0].Dest, (TRect{0, 0, 4, 4}));
    EXPECT_EQ(PartDraws[0].Source, (TRect{0, 0, 5, 5}));
    EXPECT_EQ(PartDraws[3].Dest, (TRect{4, 4, 8, 8}));
    EXPECT_EQ(PartDraws[3].Source, (TRect{7, 7, 12, 12}));
}

// A 20 x 10 texture of two cells side by side (Normal, Hot), each with a 2-pixel frame (black, red) and a
// chequered centre, so that tiling and stretching differ.
void FramedCells(TovSkinImage& AImage) {
    auto texture = MakeImage(20, 10, [](int x, int y) {
        const int cx = x % 10;
        if (cx < 2 || cx >= 8 || y < 2 || y >= 8) return x < 10 ? Bgra(0, 0, 0, 255) : Bgra(0, 0, 255, 255);
        return ((cx - 2) / 3 + (y - 2) / 3) % 2 == 0 ? Bgra(0, 200, 0, 255) : Bgra(0, 0, 200, 255);
    });
    AImage.Texture()->Assign(texture.get());
    AImage.SetStates(TovSkinElementStates{esNormal, esHot});
    AImage.Margins()->SetAll(2);
}

TEST_F(SkinDrawingTest, TilingRepeatsTheCentreAndStretchingEnlargesIt) {
    TovSkinImage image;
    FramedCells(image);
    auto tiled = MakeBitmap(40, 20, clWhite), stretched = MakeBitmap(40, 20, clWhite);
    image.SetStretch(smTile);
    image.Draw(tiled->Canvas()->Handle(), TRect{0, 0, 30, 16}, 0, esNormal);
    image.SetStretch(smStretch);
    image.Draw(stretched->Canvas()->Handle(), TRect{0, 0, 30, 16}, 0, esNormal);
    // The frame is black in both; the centre's 6-pixel pattern repeats only when tiled.
    for (auto* bitmap : {tiled.get(), stretched.get()}) {
        EXPECT_EQ(ColorAt(*bitmap, 0, 8), clBlack);
        EXPECT_EQ(ColorAt(*bitmap, 29, 15), clBlack);
        EXPECT_EQ(ColorAt(*bitmap, 30, 8), clWhite);
    }
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(PixelAt(*tiled, x, 4), PixelAt(*tiled, x + 6, 4)) << x;
    EXPECT_EQ(ColorAt(*tiled, 2, 2), ColorAt(*tiled, 8, 2));
    // Stretched, the centre's first 3-pixel square grows wider than 3 pixels, its own colour to its edge.
    EXPECT_NE(ColorAt(*tiled, 2, 2), ColorAt(*tiled, 5, 2));
    EXPECT_EQ(ColorAt(*stretched, 2, 2), ColorAt(*stretched, 5, 2));
    EXPECT_EQ(ColorAt(*stretched, 2, 2), TColor(0x00C800)); // green, not blended with the frame
    // The Hot cell has a red frame.
    image.Draw(tiled->Canvas()->Handle(), TRect{0, 0, 30, 16}, 0, esHot);
    EXPECT_EQ(ColorAt(*tiled, 0, 8), clRed);
}

TEST_F(SkinDrawingTest, UnscaledCellsAreCentredAndMayOverflowTheirRectangle) {
    TovSkinImage image;
    FramedCells(image);
    image.SetStretch(smNoResize);
    auto target = MakeBitmap(40, 40, clWhite);
    image.Draw(target->Canvas()->Handle(), TRect{20, 20, 26, 26}, 0, esHot);
    EXPECT_EQ(BoundsOfColor(*target, clRed), (RECT{18, 18, 28, 28}));
    image.Draw(target->Canvas()->Handle(), TRect{0, 0, 16, 12}, 0, esNormal);
    EXPECT_EQ(BoundsOfColor(*target, clBlack), (RECT{3, 1, 13, 11}));
}

TEST_F(SkinDrawingTest, BordersAreDrawnLeftTopRightBottomAndClNoneIsNotDrawn) {
    TovSkinElement element(nullptr, "E");
    element.Borders()->Left()->SetColor(clRed);
    element.Borders()->Left()->SetThin(3);
    element.Borders()->Top()->SetColor(clLime);
    element.Borders()->Top()->SetThin(2);
    element.Borders()->Bottom()->SetColor(clBlue);
    auto target = MakeBitmap(30, 30, clWhite);
    element.Draw(target->Canvas()->Handle(), TRect{5, 5, 25, 25}, 0, esNormal);
    EXPECT_EQ(ColorAt(*target, 5, 5), clLime); // Top covers Left's corner
    EXPECT_EQ(ColorAt(*target, 7, 15), clRed);
    EXPECT_EQ(ColorAt(*target, 8, 15), clWhite);
    EXPECT_EQ(ColorAt(*target, 5, 24), clBlue);   // Bottom covers Left's corner
    EXPECT_EQ(ColorAt(*target, 24, 15), clWhite); // Right has no colour
    EXPECT_EQ(BoundsOfColor(*target, clBlue), (RECT{5, 24, 25, 25}));
    EXPECT_EQ(element.Borders()->Widths(), (TRect{3, 2, 0, 1}));
    // A lone border draws on a canvas of its own.
    element.Borders()->Right()->SetColor(clYellow);
    element.Borders()->Right()->Draw(target->Canvas()->Handle(), TRect{0, 0, 10, 10});
    EXPECT_EQ(BoundsOfColor(*target, clYellow), (RECT{9, 0, 10, 10}));
}

TEST_F(SkinDrawingTest, AlternateAttributesDrawAGradientAndTwoRingsOfBorders) {
    TovSkinAlternateImageAttributes attributes(nullptr, "AlternateImage1Normal");
    attributes.ContentOffsets()->SetRect(TRect{2, 2, 2, 2});
    attributes.SetGradientBeginColor(clYellow);
    attributes.SetGradientEndColor(clYellow);
    for (int side = 0; side < 4; ++side) {
        attributes.Borders()->Items(side)->SetColor(side == 2 ? clNone : clRed);
        attributes.Borders()->Items(side)->SetThin(2);
        attributes.BordersInner()->Items(side)->SetColor(clBlue);
    }
    auto target = MakeBitmap(30, 30, clWhite);
    ovSkinPaint(target->Canvas()->Handle(), TRect{0, 0, 30, 30}, [&](TovSkinCanvas* ACanvas) {
        attributes.Draw(ACanvas, TRect{0, 0, 30, 30});
    });
    EXPECT_EQ(ColorAt(*target, 1, 15), clWhite);  // the content offset
    EXPECT_EQ(ColorAt(*target, 2, 15), clRed);    // outer ring
    EXPECT_EQ(ColorAt(*target, 4, 15), clBlue);   // inner ring, inside the outer one
    EXPECT_EQ(ColorAt(*target, 5, 15), clYellow); // the gradient
    // No outer ring on the right: the inner ring takes its place there.
    EXPECT_EQ(ColorAt(*target, 27, 15), clBlue);
    EXPECT_EQ(ColorAt(*target, 28, 15), clWhite);
    EXPECT_EQ(ColorAt(*target, 15, 25), clBlue);
    EXPECT_EQ(ColorAt(*target, 15, 26), clRed);
}

TEST_F(SkinDrawingTest, AnElementDrawsFillImageBordersAndGlyphInThisOrder) {
    TovSkinElement element(nullptr, "E");
    element.SetColor(clRed);
    // An image that covers only its top rows.
    auto band = MakeImage(10, 10, [](int, int y) { return y < 4 ? Bgra(0, 255, 0, 255) : 0u; });
    element.Image()->Texture()->Assign(band.get());
    element.Borders()->Top()->SetColor(clBlue);
    element.Borders()->Top()->SetThin(2);
    auto dot = MakeImage(1, 1, [](int, int) { return Bgra(0, 255, 255, 255); });
    element.Glyph()->Texture()->Assign(dot.get());
    element.ContentOffset()->SetRect(TRect{8, 8, 8, 8});
    auto target = MakeBitmap(30, 30, clWhite);
    element.Draw(target->Canvas()->Handle(), TRect{0, 0, 30, 30}, 0, esNormal);
    EXPECT_EQ(ColorAt(*target, 15, 0), clBlue);    // border over image
    EXPECT_EQ(ColorAt(*target, 15, 4), clLime);    // image over fill
    EXPECT_EQ(ColorAt(*target, 15, 15), clYellow); // glyph over fill
    EXPECT_EQ(ColorAt(*target, 2, 20), clRed);     // the fill
    EXPECT_EQ(ColorAt(*target, 7, 20), clRed);

    // Alternate attributes take the image's place when the set says so.
    auto* alternate = static_cast<TovSkinAlternateImageAttributes*>(
        element.Properties()->Add("AlternateImage1Normal", ovSkinClassOf<TovSkinAlternateImageAttributes>()));
    alternate->SetGradientBeginColor(clFuchsia);
    ovSkinImageSet = 2;
    element.Draw(target->Canvas()->Handle(), TRect{0, 0, 30, 30}, 0, esNormal);
    EXPECT_EQ(ColorAt(*target, 15, 4), clFuchsia);
    EXPECT_EQ(ColorAt(*target, 15, 0), clBlue);
}

TEST_F(SkinDrawingTest, AnEmptyImageFillsItsGradientInsideItsMargins) {
    TovSkinImage image;
    image.Margins()->SetAll(3);
    image.SetGradientBeginColor(clGreen);
    auto target = MakeBitmap(20, 20, clWhite);
    image.Draw(target->Canvas()->Handle(), TRect{0, 0, 20, 20}, 0, esNormal);
    EXPECT_EQ(BoundsOfColor(*target, clGreen), (RECT{3, 3, 17, 17}));
}

TEST_F(SkinDrawingTest, TheEmptyElementIsAWhiteBoxInARedFrame) {
    auto target = MakeBitmap(20, 20, clBlack);
    ovSkinEmptyElement()->Draw(target->Canvas()->Handle(), TRect{2, 2, 12, 10}, 3, esHot);
    EXPECT_EQ(BoundsOfColor(*target, clRed), (RECT{2, 2, 12, 10}));
    EXPECT_EQ(BoundsOfColor(*target, clWhite), (RECT{3, 3, 11, 9}));
}

TEST_F(SkinDrawingTest, TheCacheIsBuiltPerSizeStateIndexAndImageSetNeverPerPlace) {
    TovSkinElement element(nullptr, "E");
    element.SetColor(clNavy);
    FramedCells(*element.Image());
    element.Image()->SetImageCount(1);
    element.SetCached(true);
    TovSkinElementCache* cache = element.Cache();
    auto target = MakeBitmap(80, 60, clWhite);
    HDC dc = target->Canvas()->Handle();
    const struct {
        TRect R;
        int Index;
        TovSkinElementState State;
        std::uint8_t Set;
        int Builds;
    } draws[] = {{{0, 0, 20, 10}, 0, esNormal, 0, 1}, {{30, 20, 50, 30}, 0, esNormal, 0, 1},
                 {{30, 20, 50, 30}, 0, esHot, 0, 2},  {{0, 40, 20, 50}, 1, esHot, 0, 3},
                 {{0, 40, 20, 52}, 1, esHot, 0, 4},   {{0, 40, 20, 52}, 1, esHot, 2, 5},
                 {{50, 0, 70, 12}, 1, esHot, 2, 5}};
    for (const auto& d : draws) {
        ovSkinImageSet = d.Set;
        element.Draw(dc, d.R, d.Index, d.State);
        EXPECT_EQ(cache->BuildCount(), d.Builds) << d.R.left << "," << d.R.top;
    }
    EXPECT_TRUE(cache->IsOpaque());
    // An empty or clipped rectangle leaves it alone.
    element.Draw(dc, TRect{5, 5, 5, 40}, 0, esNormal);
    HRGN clip = CreateRectRgn(0, 0, 10, 10);
    SelectClipRgn(dc, clip);
    element.Draw(dc, TRect{40, 40, 60, 50}, 0, esNormal);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
    EXPECT_EQ(cache->BuildCount(), 5);
    EXPECT_TRUE(cache->HasPicture());
    // A change of the element is never shown from an old picture.
    element.SetColor(clMaroon);
    element.Draw(dc, TRect{50, 0, 70, 12}, 1, esHot);
    EXPECT_EQ(cache->BuildCount(), 6);
}

TEST_F(SkinDrawingTest, TheCacheIsOpaqueOnlyWhenTheFillCoversAndShowsWhatTheElementDraws) {
    TovSkinElement element(nullptr, "E");
    FramedCells(*element.Image());
    auto glyph = MakeImage(4, 4, [](int x, int) { return Premultiplied(0, 0, 255, 60 * x); });
    element.Glyph()->Texture()->Assign(glyph.get());
    element.Borders()->Bottom()->SetColor(clFuchsia);
    const struct {
        TColor Color;
        std::uint8_t Alpha;
        bool Opaque;
    } cases[] = {{clTeal, 255, true}, {clTeal, 120, false}, {clDefault, 255, true}, {clNone, 255, true}};
    for (const auto& c : cases) {
        element.SetCached(false);
        element.SetColor(c.Color);
        element.SetAlpha(c.Alpha);
        EXPECT_EQ(element.IsAlphaNeeded(), !c.Opaque);
        auto plain = MakeBitmap(40, 30, clSilver), cached = MakeBitmap(40, 30, clSilver);
        element.Draw(plain->Canvas()->Handle(), TRect{3, 4, 33, 24}, 0, esHot);
        element.SetCached(true);
        element.Draw(cached->Canvas()->Handle(), TRect{3, 4, 33, 24}, 0, esHot);
        EXPECT_EQ(element.Cache()->IsOpaque(), c.Opaque);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                for (int shift : {0, 8, 16})
                    ASSERT_NEAR(ChannelOf(PixelAt(*plain, x, y), shift),
                                ChannelOf(PixelAt(*cached, x, y), shift), 1)
                        << c.Color << " " << x << "," << y;
    }
    // Without a fill, only an opaque texture stretched or tiled over the whole rectangle covers it.
    element.SetColor(clDefault);
    element.Image()->SetStretch(smNoResize);
    EXPECT_TRUE(element.IsAlphaNeeded());
    element.Image()->SetStretch(smTile);
    EXPECT_FALSE(element.IsAlphaNeeded());
    element.Image()->Texture()->Assign(glyph.get());
    EXPECT_TRUE(element.IsAlphaNeeded());
    element.Image()->Clear();
    EXPECT_TRUE(element.IsAlphaNeeded());
}

} // namespace
