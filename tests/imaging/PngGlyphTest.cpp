// PNG glyph helpers: fading and greying for disabled buttons, glyphs from image lists, and the layout
// of glyph and caption.
#include "PngFixture.h"

#include "imaging/buttons/PngButtonFunctions.h"
#include "imaging/buttons/PngFunctions.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/gdi/GdiText.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/ImageList.h"

#include <gtest/gtest.h>

namespace png_glyph_test {
using namespace pngfix;

constexpr COLORREF Back = RGB(10, 20, 30);

// The luminance weights, rounded halves to even: (200, 100, 50) gives 124.5 -> 124.
int Lum(int r, int g, int b) {
    return int(Round(r * 0.3 + g * 0.59 + b * 0.11));
}

TEST(PngGlyph, FadeScalesAlphaAndGivesAlphaToOtherImages) {
    // RGBA: alpha 255 -> 128, 100 -> 50, 0 -> 0.
    auto rgba = Load(Png(3, 1, 8, 6, 0, [](int x, int, int c) {
        return c == 3 ? (x == 0 ? 255 : x == 1 ? 100 : 0) : 9;
    }));
    FadePngAlpha(*rgba, 127);
    EXPECT_EQ(rgba->AlphaRow(0)[0], 128);
    EXPECT_EQ(rgba->AlphaRow(0)[1], 50);
    EXPECT_EQ(rgba->AlphaRow(0)[2], 0);
    // RGB: gains an alpha channel, every pixel at 128.
    auto rgb = Load(Png(2, 1, 8, 2, 0, [](int x, int, int c) { return 30 * x + c; }));
    const COLORREF before = rgb->GetPixel(1, 0);
    FadePngAlpha(*rgb, 127);
    EXPECT_EQ(rgb->HeaderChunk()->ColorType, 6);
    EXPECT_EQ(rgb->AlphaRow(0)[1], 128);
    EXPECT_EQ(rgb->GetPixel(1, 0), before);
    // A key-colour palette image: an RGBA copy, the key transparent, the rest at the amount itself.
    auto keyed = Load(Png(
        3, 1, 8, 3, 0, [](int x, int, int) { return x; },
        Plte(3) + Chunk("tRNS", std::string("\xFF\x00", 2))));
    FadePngAlpha(*keyed, 127);
    EXPECT_EQ(keyed->HeaderChunk()->ColorType, 6);
    EXPECT_EQ(keyed->AlphaRow(0)[0], 127);
    EXPECT_EQ(keyed->AlphaRow(0)[1], 0);
    EXPECT_EQ(keyed->AlphaRow(0)[2], 127);
    EXPECT_EQ(keyed->GetPixel(2, 0), PlteColor(2));
}

TEST(PngGlyph, DesaturateMovesColoursToTheirGrey) {
    auto rgba = Load(Png(2, 1, 8, 6, 0, [](int x, int, int c) {
        const int colour[2][4] = {{200, 100, 50, 77}, {0, 255, 10, 255}};
        return colour[x][c];
    }));
    DesaturatePng(*rgba, 255);
    const int l0 = Lum(200, 100, 50), l1 = Lum(0, 255, 10);
    EXPECT_EQ(rgba->GetPixel(0, 0), RGB(l0, l0, l0));
    EXPECT_EQ(rgba->GetPixel(1, 0), RGB(l1, l1, l1));
    EXPECT_EQ(rgba->AlphaRow(0)[0], 77); // alpha untouched
    // Palette images change their colour table.
    auto palette = Load(Png(
        2, 1, 8, 3, 0, [](int x, int, int) { return x; }, Plte(2)));
    DesaturatePng(*palette, 255);
    const COLORREF c = PlteColor(1);
    const int l = Lum(GetRValue(c), GetGValue(c), GetBValue(c));
    EXPECT_EQ(palette->GetPixel(1, 0), RGB(l, l, l));
    // Amount 0 keeps colours (within the scaling's rounding); grey images stay as they are.
    auto grey = Load(Png(1, 1, 8, 0, 0, [](int, int, int) { return 99; }));
    DesaturatePng(*grey, 255);
    EXPECT_EQ(grey->GetPixel(0, 0), RGB(99, 99, 99));
}

TEST(PngGlyph, DisabledGlyphsPaintFadedOrGrey) {
    const std::string glyph = Png(2, 2, 8, 6, 0, [](int, int, int c) {
        const int colour[4] = {200, 100, 50, 255};
        return colour[c];
    });
    auto blend = [](int s, int d) { return (s * 128 + 127 * d + 255) / 256; };
    const int l = Lum(200, 100, 50);
    struct Case {
        const char* Name;
        TPngOptions Options;
        COLORREF Expected;
    };
    const Case cases[] = {
        {"enabled", {}, RGB(200, 100, 50)},
        {"blend", {pngBlendOnDisabled}, RGB(blend(200, 10), blend(100, 20), blend(50, 30))},
        {"grey", {pngGrayscaleOnDisabled}, RGB(l, l, l)},
        {"both", {pngBlendOnDisabled, pngGrayscaleOnDisabled}, RGB(blend(l, 10), blend(l, 20), blend(l, 30))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto png = Load(glyph);
        auto bitmap = FilledBitmap32(4, 4, Back);
        PaintPngGlyph(*png, bitmap->Canvas(), RECT{1, 1, 3, 3}, c.Options);
        EXPECT_EQ(BitmapPixel(*bitmap, 1, 1), c.Expected);
        EXPECT_EQ(BitmapPixel(*bitmap, 2, 2), c.Expected);
        EXPECT_EQ(BitmapPixel(*bitmap, 0, 0), Back);
        EXPECT_EQ(BitmapPixel(*bitmap, 3, 3), Back);
        EXPECT_EQ(png->AlphaRow(0)[0], 255); // the button's own image is never changed
    }
}

TEST(PngGlyph, ImageListEntryBecomesRgbWithMaskAlpha) {
    TImageList list(nullptr);
    list.SetSize(2, 2);
    TBitmap image(2, 2), mask(2, 2);
    image.Canvas()->Brush()->SetColor(TColor(RGB(0, 128, 255)));
    image.Canvas()->FillRect(RECT{0, 0, 2, 2});
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect(RECT{0, 0, 2, 2});
    mask.Canvas()->SetPixels(0, 0, clBlack);
    mask.Canvas()->SetPixels(1, 1, clBlack);
    ASSERT_EQ(list.Add(&image, &mask), 0);
    TPngPicture png;
    PngFromImageListIcon(png, &list, 0);
    ASSERT_TRUE(png.HasHeader());
    EXPECT_EQ(png.HeaderChunk()->ColorType, 6);
    EXPECT_EQ(png.GetPixel(0, 0), RGB(0, 128, 255));
    EXPECT_EQ(png.AlphaRow(0)[0], 255);
    EXPECT_EQ(png.AlphaRow(0)[1], 0);
    EXPECT_EQ(png.AlphaRow(1)[0], 0);
    EXPECT_EQ(png.AlphaRow(1)[1], 255);
    // An index outside the list changes nothing.
    PngFromImageListIcon(png, &list, 1);
    EXPECT_EQ(png.AlphaRow(0)[0], 255);
}

TEST(PngGlyph, LayoutOfGlyphAndCaption) {
    auto glyph = Load(Png(24, 24, 8, 6, 0, [](int, int, int) { return 255; }));
    auto canvas = FilledBitmap32(4, 4, Back);
    const std::string caption = "freecddb";
    RECT measured{0, 0, 97, 0};
    DrawText(canvas->Canvas()->Handle(), caption.c_str(), -1, &measured, DT_CALCRECT);
    const int w = measured.right, th = measured.bottom;
    ASSERT_GT(w, 0);
    struct Case {
        const char* Name;
        TPngButtonLayout Layout;
        UINT Flags;
        int Spacing, Margin;
        bool Down;
        std::string Caption;
        POINT Glyph, Text;
    };
    const int m = (97 - (24 + 4 + w)) / 2;
    const Case cases[] = {
        {"left", pblGlyphLeft, 0, 4, -1, false, caption, {m, 5}, {m + 24 + 4, (33 - th) / 2}},
        {"right",
         pblGlyphRight,
         0,
         4,
         -1,
         false,
         caption,
         {97 - m - 24, 5},
         {97 - m - 24 - 4 - w, (33 - th) / 2}},
        {"right-to-left swaps",
         pblGlyphLeft,
         DT_RIGHT,
         4,
         -1,
         false,
         caption,
         {97 - m - 24, 5},
         {97 - m - 24 - 4 - w, (33 - th) / 2}},
        {"top, margin given",
         pblGlyphTop,
         0,
         -1,
         2,
         false,
         caption,
         {(97 - 24 + 1) / 2, 2},
         {(97 - w) / 2, 2 + 24 + ((33 - 26) - th) / 2}},
        {"no caption, down",
         pblGlyphLeft,
         0,
         4,
         -1,
         true,
         "",
         {(97 - 24) / 2 + 1, 6},
         {(97 - 24) / 2 + 24 + 1, 17}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        POINT text{}, pos{};
        LayoutPngButton(canvas->Canvas(), glyph.get(), RECT{0, 0, 97, 33}, c.Flags, text, pos, c.Spacing,
                        c.Margin, c.Layout, c.Caption, c.Down, false);
        EXPECT_EQ(pos.x, c.Glyph.x);
        EXPECT_EQ(pos.y, c.Glyph.y);
        EXPECT_EQ(text.x, c.Text.x);
        EXPECT_EQ(text.y, c.Text.y);
    }
}

} // namespace png_glyph_test
