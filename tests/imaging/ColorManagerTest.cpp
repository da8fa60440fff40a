// Converter tables of the colour manager: schemes, depths, masks, gamma and palettes.
#include "imaging/picture/ColorManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

void Configure(TColorManager& cm, TColorScheme s, TColorScheme t, int sb, int tb, int ss, int ts) {
    cm.SetSourceColorScheme(s);
    cm.SetTargetColorScheme(t);
    cm.SetSourceBitsPerSample(std::uint8_t(sb));
    cm.SetTargetBitsPerSample(std::uint8_t(tb));
    cm.SetSourceSamplesPerPixel(std::uint8_t(ss));
    cm.SetTargetSamplesPerPixel(std::uint8_t(ts));
}

using Bytes = std::vector<std::uint8_t>;

TEST(ColorManager, ConverterTable) {
    struct Case {
        const char* Name;
        TColorScheme Source, Target;
        int SourceBits, TargetBits, SourceSamples, TargetSamples;
        TConvertOptions SourceOptions;
        Bytes In;
        unsigned Count;
        std::uint8_t Mask;
        Bytes Expected; // the target starts zeroed
    };
    const Case cases[] = {
        {"indexed 2 to 4", csIndexed, csIndexed, 2, 4, 1, 1, 0, {0b00011011}, 4, 0xFF, {0x05, 0xAF}},
        {"grey 1 to 8", csG, csG, 1, 8, 1, 1, 0, {0b10100000}, 3, 0xFF, {255, 0, 255}},
        {"grey 8 copy", csG, csG, 8, 8, 1, 1, 0, {1, 2, 3}, 3, 0xFF, {1, 2, 3}},
        {"indexed mask 0x55",
         csIndexed,
         csIndexed,
         8,
         8,
         1,
         1,
         0,
         {7, 8, 9, 10},
         8,
         0x55,
         {0, 7, 0, 8, 0, 9, 0, 10}},
        {"indexed 4 mask 0x88", csIndexed, csIndexed, 4, 4, 1, 1, 0, {0x9A}, 8, 0x88, {0x90, 0, 0xA0, 0}},
        {"grey 16 to 8 swapped",
         csG,
         csG,
         16,
         8,
         1,
         1,
         coNeedByteSwap,
         {0xFF, 0xFF, 0x01, 0x01, 0x01, 0x00},
         3,
         0xFF,
         {255, 1, 0}},
        {"grey+alpha 8 drops alpha", csGA, csIndexed, 8, 8, 1, 1, 0, {10, 99, 20, 98}, 2, 0xFF, {10, 20}},
        {"grey+alpha 16 to 8",
         csGA,
         csIndexed,
         16,
         8,
         1,
         1,
         coNeedByteSwap,
         {0x80, 0x00, 0xFF, 0xFF, 0x40, 0x10, 0, 0},
         2,
         0xFF,
         {0x7F, 0x3F}},
        {"RGB to BGR", csRGB, csBGR, 8, 8, 3, 3, 0, {10, 20, 30}, 1, 0xFF, {30, 20, 10}},
        {"RGB to RGB", csRGB, csRGB, 8, 8, 3, 3, 0, {10, 20, 30}, 1, 0xFF, {10, 20, 30}},
        {"RGBA 16 to BGRA 8",
         csRGBA,
         csBGRA,
         16,
         8,
         4,
         4,
         coNeedByteSwap,
         {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF},
         1,
         0xFF,
         {0x9A, 0x56, 0x12, 0xFF}},
        {"RGB to BGRA keeps alpha", csRGB, csBGRA, 8, 8, 3, 4, 0, {1, 2, 3}, 1, 0xFF, {3, 2, 1, 0}},
        {"RGBA mask 0x55", csRGBA, csBGRA, 8, 8, 4, 4, 0, {1, 2, 3, 4}, 2, 0x55, {0, 0, 0, 0, 3, 2, 1, 4}},
        {"CMYK to BGR",
         csCMYK,
         csBGR,
         8,
         8,
         4,
         3,
         0,
         {255, 0, 0, 0, 0, 0, 0, 255},
         2,
         0xFF,
         {255, 255, 0, 0, 0, 0}},
        {"YCbCr grey", csYCbCr, csRGB, 8, 8, 3, 3, 0, {100, 128, 128}, 1, 0xFF, {100, 100, 100}},
        {"Lab white", csCIELab, csRGB, 8, 8, 3, 3, 0, {100, 0, 0}, 1, 0xFF, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TColorManager cm;
        Configure(cm, c.Source, c.Target, c.SourceBits, c.TargetBits, c.SourceSamples, c.TargetSamples);
        cm.SourceOptions = c.SourceOptions;
        Bytes out(c.Expected.size(), 0);
        cm.ConvertRow({c.In.data()}, out.data(), c.Count, c.Mask);
        EXPECT_EQ(out, c.Expected);
    }
}

TEST(ColorManager, SixteenToEightBitScalingTruncates) {
    EXPECT_EQ(TColorManager::MulDiv16(65535, 255, 65535), 255);
    EXPECT_EQ(TColorManager::MulDiv16(257, 255, 65535), 1);
    EXPECT_EQ(TColorManager::MulDiv16(256, 255, 65535), 0);
}

TEST(ColorManager, PlanarRgbSources) {
    TColorManager cm;
    Configure(cm, csRGB, csBGR, 8, 8, 3, 3);
    const std::uint8_t r[] = {1, 4}, g[] = {2, 5}, b[] = {3, 6};
    Bytes out(6, 0);
    cm.ConvertRow({r, g, b}, out.data(), 2, 0xFF);
    EXPECT_EQ(out, (Bytes{3, 2, 1, 6, 5, 4}));
}

TEST(ColorManager, ErrorsAndTheirMessages) {
    struct Case {
        std::function<void(TColorManager&)> Action;
        const char* Message;
    };
    const Case cases[] = {
        {[](TColorManager& cm) { cm.SetSourceBitsPerSample(0); },
         "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {[](TColorManager& cm) { cm.SetTargetBitsPerSample(17); },
         "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {[](TColorManager& cm) { cm.SetSourceBitsPerSample(3); },
         "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {[](TColorManager& cm) { cm.SetTargetBitsPerSample(12); },
         "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {[](TColorManager& cm) { cm.SetSourceSamplesPerPixel(5); },
         "Sample count per pixel does not correspond to the given color scheme."},
        {[](TColorManager& cm) { cm.SetTargetSamplesPerPixel(0); },
         "Sample count per pixel does not correspond to the given color scheme."},
        {[](TColorManager& cm) {
             Configure(cm, csG, csRGB, 8, 8, 1, 3);
             std::uint8_t b[4] = {};
             cm.ConvertRow({b}, b, 1, 0xFF);
         },
         "Conversion between indexed and non-indexed pixel formats is not supported."},
        {[](TColorManager& cm) {
             Configure(cm, csCMY, csRGB, 8, 8, 3, 3);
             std::uint8_t b[4] = {};
             cm.ConvertRow({b}, b, 1, 0xFF);
         },
         "Color conversion failed. Could not find a proper method."},
    };
    for (const auto& c : cases) {
        TColorManager cm;
        try {
            c.Action(cm);
            ADD_FAILURE() << "no error for: " << c.Message;
        } catch (const EColorConversionError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    TColorManager cm;
    Configure(cm, csG, csIndexed, 8, 8, 1, 1); // grey into an indexed target is fine
    std::uint8_t b[1] = {5}, out[1] = {0};
    cm.ConvertRow({b}, out, 1, 0xFF);
    EXPECT_EQ(out[0], 5);
    cm.SetSourceBitsPerSample(8); // unchanged value: still accepted
}

TEST(ColorManager, GammaTablesAndDefaults) {
    TColorManager cm;
    cm.AssignGamma(0, 0);
    EXPECT_FLOAT_EQ(cm.MainGamma(), 1.0f);
    EXPECT_FLOAT_EQ(cm.DisplayGamma(), 2.2f);
    cm.AssignGamma(1.0f / 2.2f, 2.2f);
    for (int i = 0; i < 256; ++i)
        EXPECT_NEAR(cm.GammaTable()[std::size_t(i)], i, 0) << i;
    cm.AssignGamma(1.0f, 1.0f);
    EXPECT_EQ(cm.GammaTable()[100], 100);
    cm.AssignGamma(0.5f, 1.0f); // exponent 2
    EXPECT_EQ(cm.GammaTable()[128], 64);
    EXPECT_EQ(cm.GammaTable()[255], 255);
}

TEST(ColorManager, Palettes) {
    TColorManager cm;
    Configure(cm, csIndexed, csIndexed, 2, 4, 1, 1);
    const std::uint8_t rgb[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    const TPicPalette spread = cm.BuildColorPalette({rgb}, pfInterlaced8Triple, 4, false);
    ASSERT_EQ(spread.size(), 16u);
    for (int j = 0; j < 16; ++j) {
        const int from = j < 5 ? 0 : j < 10 ? 1 : j < 15 ? 2 : 3;
        EXPECT_EQ(spread[std::size_t(j)],
                  (TPicPaletteEntry{rgb[from * 3], rgb[from * 3 + 1], rgb[from * 3 + 2], 0}))
            << j;
    }
    Configure(cm, csIndexed, csIndexed, 8, 8, 1, 1);
    const TPicPalette blueFirst = cm.BuildColorPalette({rgb}, pfInterlaced8Triple, 2, true);
    EXPECT_EQ(blueFirst[0], (TPicPaletteEntry{30, 20, 10, 0}));
    const std::uint8_t wide[] = {0x12, 0x00, 0x34, 0x00, 0x56, 0x00};
    cm.SourceOptions = coNeedByteSwap;
    const TPicPalette sixteen = cm.BuildColorPalette({wide}, pfInterlaced16Triple, 1, true);
    EXPECT_EQ(sixteen[0], (TPicPaletteEntry{0x11, 0x33, 0x55, 0})); // ×255 div 65535 truncates

    Configure(cm, csG, csG, 2, 4, 1, 1);
    const TPicPalette grey = cm.BuildGreyPalette(false);
    ASSERT_EQ(grey.size(), 16u);
    EXPECT_EQ(grey[5].Red, 85);
    EXPECT_EQ(grey[15].Red, 255);
    EXPECT_EQ(cm.BuildGreyPalette(true)[0].Red, 255);
    EXPECT_EQ(cm.PixelFormatFor(true), ppf4bit);
    Configure(cm, csRGBA, csBGRA, 16, 8, 4, 4);
    EXPECT_EQ(cm.PixelFormatFor(true), ppf32bit);
    EXPECT_EQ(cm.PixelFormatFor(false), ppf32bit);
    Configure(cm, csRGB, csBGR, 8, 8, 3, 3);
    EXPECT_EQ(cm.PixelFormatFor(true), ppf24bit);
}

} // namespace
