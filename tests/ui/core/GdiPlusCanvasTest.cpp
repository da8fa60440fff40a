// Canvases and drawing routines on the imaging interface: the source shrink of stretched parts, tiling
// by brush and cell by cell, fills and gradients, the buffered paint canvas of low-colour DCs, nesting of
// the shared paint canvas, and the blend of a 64-bit system.
#include "GdiPlusTestSupport.h"

#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"

#include <vector>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

struct TDrawCall {
    TRect Dest, Source;
    bool WithAttributes;
};
std::vector<TDrawCall> DrawCalls;
int WholeImageDraws = 0;

GpStatus RecordDraw(GpGraphics* AGraphics, GpImage* AImage, INT ADestX, INT ADestY, INT ADestWidth,
                    INT ADestHeight, INT ASourceX, INT ASourceY, INT ASourceWidth, INT ASourceHeight,
                    GpUnit AUnit, const GpImageAttributes* AAttributes, DrawImageAbort ACallback,
                    void* AData) {
    DrawCalls.push_back({uiRectOfBounds(ADestX, ADestY, ADestWidth, ADestHeight),
                         uiRectOfBounds(ASourceX, ASourceY, ASourceWidth, ASourceHeight),
                         AAttributes != nullptr});
    return ::GdipDrawImageRectRectI(AGraphics, AImage, ADestX, ADestY, ADestWidth, ADestHeight, ASourceX,
                                    ASourceY, ASourceWidth, ASourceHeight, AUnit, AAttributes, ACallback,
                                    AData);
}

GpStatus RecordWholeDraw(GpGraphics* AGraphics, GpImage* AImage, INT X, INT Y, INT AWidth, INT AHeight) {
    ++WholeImageDraws;
    return ::GdipDrawImageRectI(AGraphics, AImage, X, Y, AWidth, AHeight);
}

GpStatus NoTexture(GpImage*, GpWrapMode, INT, INT, INT, INT, GpTexture**) {
    return OutOfMemory;
}

class GdiPlusCanvasTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        DrawCalls.clear();
        WholeImageDraws = 0;
        target = MakeBitmap(64, 64, clWhite);
        canvas = std::make_unique<TovGPCanvas>();
        canvas->CreateHandle(target->Canvas()->Handle());
    }
    void TearDown() override {
        canvas.reset();
        target.reset();
        ovGetOSVersionFlags();
        UiCoreTest::TearDown();
    }
    std::unique_ptr<TBitmap> target;
    std::unique_ptr<TovGPCanvas> canvas;
};

// A picture whose every pixel differs: blue = x * 10, green = y * 10, opaque.
std::unique_ptr<TovPNGImage> Gradient(int AWidth, int AHeight) {
    return MakeImage(AWidth, AHeight, [](int x, int y) { return Bgra(x * 10, y * 10, 90, 255); });
}

TEST_F(GdiPlusCanvasTest, AStretchedPartTakesItsEdgesFromInsideThePart) {
    const struct {
        TRect Source, Dest, Expected;
    } cases[] = {
        {{0, 0, 16, 16}, {0, 0, 32, 32}, {0, 0, 15, 15}}, // enlarged both ways
        {{0, 0, 16, 16}, {0, 0, 16, 16}, {0, 0, 16, 16}}, // same size
        {{3, 4, 4, 5}, {0, 0, 32, 32}, {3, 4, 4, 5}},     // one pixel stays one pixel
        {{0, 0, 16, 16}, {0, 0, 8, 8}, {0, 0, 16, 16}},   // reduced
        {{2, 0, 18, 4}, {0, 0, 40, 4}, {2, 0, 17, 4}},    // only the width grows
    };
    auto image = Gradient(20, 20);
    const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
    for (const auto& c : cases) {
        DrawCalls.clear();
        ovGpDrawImage(canvas->Handle(), c.Dest, c.Source, 255, image->GetHandle());
        ASSERT_EQ(DrawCalls.size(), 1u);
        EXPECT_EQ(DrawCalls[0].Source, c.Expected);
        EXPECT_EQ(DrawCalls[0].Dest, c.Dest);
        EXPECT_FALSE(DrawCalls[0].WithAttributes);
    }
    // A constant alpha goes through the shared attributes; empty or invisible rectangles draw nothing.
    DrawCalls.clear();
    ovGpDrawImage(canvas->Handle(), TRect{0, 0, 8, 8}, TRect{0, 0, 8, 8}, 100, image->GetHandle());
    ovGpDrawImage(canvas->Handle(), TRect{0, 0, 0, 8}, TRect{0, 0, 8, 8}, 255, image->GetHandle());
    ovGpDrawImage(canvas->Handle(), TRect{0, 0, 8, 8}, TRect{5, 5, 5, 9}, 255, image->GetHandle());
    ovGpDrawImage(canvas->Handle(), TRect{100, 100, 108, 108}, TRect{0, 0, 8, 8}, 255, image->GetHandle());
    ASSERT_EQ(DrawCalls.size(), 1u);
    EXPECT_TRUE(DrawCalls[0].WithAttributes);
    EXPECT_EQ(ovGpGetAlphaBlendAttributes(100)->Alpha(), 100);
}

TEST_F(GdiPlusCanvasTest, AStretchedPartNeverBlendsInItsNeighboursOnAnySide) {
    // Two colours in 4 x 4 blocks, each block surrounded by the other colour: a nine-slice sheet whose every
    // slice has neighbours. Each block stretched to 16 x 16 must show its own colour alone, up to every edge.
    const std::uint32_t orange = Bgra(0, 128, 255, 255), teal = Bgra(128, 128, 0, 255);
    auto sheet = MakeImage(12, 12, [&](int x, int y) { return (x / 4 + y / 4) % 2 ? teal : orange; });
    for (int block = 0; block < 9; ++block) {
        const int bx = block % 3, by = block / 3;
        const TRect dest = uiRectOfBounds(2 + bx * 20, 2 + by * 20, 16, 16);
        ovGpDrawImage(canvas->Handle(), dest, uiRectOfBounds(bx * 4, by * 4, 4, 4), 255, sheet->GetHandle());
    }
    SaveBitmapPng(*target, "stretched-slices.png");
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool inBlock =
                x >= 2 && y >= 2 && x < 58 && y < 58 && (x - 2) % 20 < 16 && (y - 2) % 20 < 16;
            const std::uint32_t colour = !inBlock                            ? 0xFFFFFFu
                                         : ((x - 2) / 20 + (y - 2) / 20) % 2 ? teal
                                                                             : orange;
            ASSERT_EQ(PixelAt(*target, x, y) & 0xFFFFFF, colour & 0xFFFFFF) << x << "," << y;
        }
}

TEST_F(GdiPlusCanvasTest, TilingWithAlphaDrawsCellByCellTheLastOnesCut) {
    auto image = Gradient(20, 20);
    const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
    ovGpTileImagePart(canvas->Handle(), TRect{4, 6, 29, 21}, TRect{2, 3, 12, 13}, 128, image->GetHandle());
    // ceil(25 / 10) x ceil(15 / 10) cells, row by row.
    const std::vector<TRect> dests = {{4, 6, 14, 16},  {14, 6, 24, 16},  {24, 6, 29, 16},
                                      {4, 16, 14, 21}, {14, 16, 24, 21}, {24, 16, 29, 21}};
    const std::vector<TRect> sources = {{2, 3, 12, 13}, {2, 3, 12, 13}, {2, 3, 7, 13},
                                        {2, 3, 12, 8},  {2, 3, 12, 8},  {2, 3, 7, 8}};
    ASSERT_EQ(DrawCalls.size(), dests.size());
    for (std::size_t i = 0; i < dests.size(); ++i) {
        EXPECT_EQ(DrawCalls[i].Dest, dests[i]) << i;
        EXPECT_EQ(DrawCalls[i].Source, sources[i]) << i;
        EXPECT_TRUE(DrawCalls[i].WithAttributes);
    }
    // Half transparent over white.
    const std::uint32_t p = PixelAt(*target, 5, 7);
    EXPECT_GT(ChannelOf(p, 8), 100);
    EXPECT_LT(ChannelOf(p, 8), 200);
}

TEST_F(GdiPlusCanvasTest, OpaqueTilingWithOneBrushGivesThePixelsOfTheCellWay) {
    auto image =
        MakeImage(16, 16, [](int x, int y) { return Premultiplied(x * 15, y * 15, 200, 128 + x * 8); });
    const TRect dest{3, 5, 60, 41}, source{0, 0, 16, 16};
    {
        const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
        const TEntryPointOverride whole(ovGdipApi.GdipDrawImageRectI, &RecordWholeDraw);
        ovGpTileImagePart(canvas->Handle(), dest, source, 255, image->GetHandle());
    }
    EXPECT_TRUE(DrawCalls.empty());
    EXPECT_EQ(WholeImageDraws, 1);

    auto cells = MakeBitmap(64, 64, clWhite);
    TovGPCanvas cellCanvas;
    cellCanvas.CreateHandle(cells->Canvas()->Handle());
    {
        // Without a brush the cell way draws the same pixels.
        const TEntryPointOverride noBrush(ovGdipApi.GdipCreateTexture2I, &NoTexture);
        const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
        ovGpTileImagePart(cellCanvas.Handle(), dest, source, 255, image->GetHandle());
    }
    EXPECT_EQ(DrawCalls.size(), 4u * 3u);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(PixelAt(*target, x, y) & 0xFFFFFF, PixelAt(*cells, x, y) & 0xFFFFFF) << x << "," << y;
    // A part as large as the destination needs no brush.
    DrawCalls.clear();
    const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
    ovGpTileImagePart(canvas->Handle(), TRect{0, 0, 10, 10}, source, 255, image->GetHandle());
    ASSERT_EQ(DrawCalls.size(), 1u);
    EXPECT_EQ(DrawCalls[0].Source, (TRect{0, 0, 10, 10}));
}

GpRect GradientSpan;
int GradientBrushes = 0;
GpStatus RecordLineBrush(const GpRect* ARect, ARGB AColor1, ARGB AColor2, LinearGradientMode AMode,
                         GpWrapMode AWrap, GpLineGradient** ABrush) {
    GradientSpan = *ARect;
    ++GradientBrushes;
    EXPECT_EQ(AWrap, WrapModeTile);
    return ::GdipCreateLineBrushFromRectI(ARect, AColor1, AColor2, AMode, AWrap, ABrush);
}

TEST_F(GdiPlusCanvasTest, GradientSpansTheRectangleGrownByOnePixel) {
    GradientBrushes = 0;
    const TEntryPointOverride record(ovGdipApi.GdipCreateLineBrushFromRectI, &RecordLineBrush);
    HDC dc = target->Canvas()->Handle();
    ovGpFillRectByGradient(dc, TRect{10, 20, 30, 25}, clRed, clBlue, LinearGradientModeHorizontal, 255, 255);
    ASSERT_EQ(GradientBrushes, 1);
    EXPECT_EQ(GradientSpan.X, 9);
    EXPECT_EQ(GradientSpan.Y, 19);
    EXPECT_EQ(GradientSpan.Width, 22);
    EXPECT_EQ(GradientSpan.Height, 7);
    // Neither edge pixel is an end colour: the ends lie outside R.
    const std::uint32_t left = PixelAt(*target, 10, 22), right = PixelAt(*target, 29, 22);
    EXPECT_LT(ChannelOf(left, 16), 255);
    EXPECT_GT(ChannelOf(left, 16), 200);
    EXPECT_GT(ChannelOf(right, 0), 200);
    EXPECT_LT(ChannelOf(right, 0), 255);
    EXPECT_EQ(PixelAt(*target, 9, 22) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(PixelAt(*target, 30, 22) & 0xFFFFFF, 0xFFFFFFu);

    ovGpFillRectByGradient(dc, TRect{10, 20, 10, 25}, clRed, clBlue, LinearGradientModeVertical, 255, 255);
    EXPECT_EQ(GradientBrushes, 1);
}

TEST_F(GdiPlusCanvasTest, FillsTakeAlphaAndClNoneFillsNothingVisible) {
    HDC dc = target->Canvas()->Handle();
    ovGpFillRect(dc, TRect{0, 0, 10, 10}, clNone, 255);
    EXPECT_EQ(PixelAt(*target, 5, 5) & 0xFFFFFF, 0xFFFFFFu);
    ovGpFillRect(dc, TRect{0, 0, 10, 10}, clRed, 128);
    const std::uint32_t pink = PixelAt(*target, 5, 5);
    EXPECT_EQ(ChannelOf(pink, 16), 255);
    EXPECT_NEAR(ChannelOf(pink, 8), 127, 2);
    EXPECT_EQ(PixelAt(*target, 10, 5) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(GdiPlusCanvasTest, ALowColourDcPaintsThroughABufferOnePixelLarger) {
    auto mono = MakeBitmap(40, 30, clWhite);
    mono->SetMonochrome(true);
    HDC dc = mono->Canvas()->Handle();
    EXPECT_TRUE(ovGpIsDoubleBufferNeeded(dc));
    EXPECT_FALSE(ovGpIsDoubleBufferNeeded(target->Canvas()->Handle()));

    const TRect r{5, 6, 25, 16};
    TovGPCustomPaintCanvas* paint = ovGpBeginPaint(dc, r);
    ASSERT_NE(paint->Buffer(), nullptr);
    EXPECT_EQ(paint->Buffer()->Width(), 21);
    EXPECT_EQ(paint->Buffer()->Height(), 11);
    // Drawing uses the target's coordinates.
    ovGpFillRectByGraphics(paint->Handle(), TRect{10, 8, 15, 12}, ovGpColorToARGB(clBlack, 255));
    ovGpEndPaint(paint);
    EXPECT_EQ(paint, nullptr);
    EXPECT_EQ(BoundsOfColor(*mono, clBlack), (RECT{10, 8, 15, 12}));
}

TEST_F(GdiPlusCanvasTest, NestedUseOfTheSharedCanvasKeepsTheOuterGraphicsAndBuffer) {
    auto mono = MakeBitmap(40, 30, clWhite);
    mono->SetMonochrome(true);
    TovGPPaintCanvas* shared = ovSharedGpPaintCanvas();
    shared->BeginPaint(mono->Canvas()->Handle(), TRect{0, 0, 20, 20});
    GpGraphics* outer = shared->Handle();
    TBitmap* outerBuffer = shared->Buffer();
    ASSERT_NE(outerBuffer, nullptr);
    EXPECT_EQ(shared->Depth(), 1);

    ovGpFillRect(target->Canvas()->Handle(), TRect{0, 0, 8, 8}, clRed, 255);
    ovGpFillRect(mono->Canvas()->Handle(), TRect{30, 0, 40, 8}, clBlack, 255);
    EXPECT_EQ(shared->Handle(), outer);
    EXPECT_EQ(shared->Buffer(), outerBuffer);
    EXPECT_EQ(shared->Depth(), 1);
    EXPECT_EQ(ColorAt(*target, 4, 4), clRed);

    ovGpFillRectByGraphics(outer, TRect{2, 2, 6, 6}, ovGpColorToARGB(clBlack, 255));
    shared->EndPaint();
    EXPECT_EQ(shared->Depth(), 0);
    EXPECT_EQ(shared->Handle(), nullptr);
    EXPECT_EQ(ColorAt(*mono, 3, 3), clBlack);
    EXPECT_EQ(ColorAt(*mono, 35, 4), clBlack);
}

GpGraphics* DeletedGraphics = nullptr;
GpStatus RecordDeleteGraphics(GpGraphics* AGraphics) {
    DeletedGraphics = AGraphics;
    return ::GdipDeleteGraphics(AGraphics);
}

TEST_F(GdiPlusCanvasTest, APaintCanvasBegunOnAGraphicsTakesItOver) {
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(target->Canvas()->Handle(), &graphics), Ok);
    DeletedGraphics = nullptr;
    const TEntryPointOverride record(ovGdipApi.GdipDeleteGraphics, &RecordDeleteGraphics);
    TovGPCustomPaintCanvas* paint = ovGpBeginPaintOnGraphics(graphics);
    EXPECT_EQ(paint->Handle(), graphics);
    EXPECT_EQ(paint->Buffer(), nullptr);
    ovGpEndPaint(paint);
    EXPECT_EQ(DeletedGraphics, graphics);
}

TEST_F(GdiPlusCanvasTest, LayeredWindowsNeedABufferOnlyBeforeVista) {
    HWND window = MakeWindow();
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    HDC dc = GetDC(window);
    EXPECT_FALSE(ovGpIsDoubleBufferNeeded(dc));
    ovSetOSVersionFlags(ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, 5, 1, false));
    EXPECT_TRUE(ovGpIsDoubleBufferNeeded(dc));
    ReleaseDC(window, dc);
}

std::vector<InterpolationMode> Interpolations;
GpStatus RecordInterpolation(GpGraphics* AGraphics, InterpolationMode AMode) {
    Interpolations.push_back(AMode);
    return ::GdipSetInterpolationMode(AGraphics, AMode);
}

TEST_F(GdiPlusCanvasTest, On64BitWindowsTheBlendIsDrawnByTheImagingInterface) {
    auto source = MakeBitmap(8, 8, clBlack);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetPixelAt(*source, x, y, x < 4 ? Bgra(0, 0, 128, 128) : Bgra(200, 0, 0, 255));
    auto blend = [&](bool AWow64, const TRect& ADest, bool ASmooth) {
        auto dest = MakeBitmap(16, 16, clWhite);
        TovOSVersionFlags flags = ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, 6, 1, AWow64);
        ovSetOSVersionFlags(flags);
        DrawCalls.clear();
        Interpolations.clear();
        const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
        const TEntryPointOverride modes(ovGdipApi.GdipSetInterpolationMode, &RecordInterpolation);
        uiAlphaBlend(dest->Canvas()->Handle(), source->Canvas()->Handle(), ADest, 255, ASmooth,
                     TRect{0, 0, 8, 8});
        return dest;
    };
    auto system = blend(false, TRect{2, 2, 10, 10}, false);
    EXPECT_TRUE(DrawCalls.empty());
    auto wow64 = blend(true, TRect{2, 2, 10, 10}, false);
    ASSERT_EQ(DrawCalls.size(), 1u);
    EXPECT_EQ(Interpolations, std::vector<InterpolationMode>{InterpolationModeLowQuality});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int shift : {0, 8, 16})
                ASSERT_NEAR(ChannelOf(PixelAt(*system, x, y), shift), ChannelOf(PixelAt(*wow64, x, y), shift),
                            1)
                    << x << "," << y;
    blend(true, TRect{0, 0, 16, 16}, true);
    EXPECT_EQ(Interpolations, std::vector<InterpolationMode>{InterpolationModeHighQualityBicubic});
}

int MatrixSets = 0;
float LastAlphaScale = 0;
GpStatus RecordMatrix(GpImageAttributes* AAttributes, ColorAdjustType AType, BOOL AEnable,
                      const ColorMatrix* AMatrix, const ColorMatrix* AGray, ColorMatrixFlags AFlags) {
    ++MatrixSets;
    LastAlphaScale = AMatrix->m[3][3];
    EXPECT_EQ(AType, ColorAdjustTypeBitmap);
    return ::GdipSetImageAttributesColorMatrix(AAttributes, AType, AEnable, AMatrix, AGray, AFlags);
}

TEST_F(GdiPlusCanvasTest, TheSharedAttributesScaleAlphaAndChangeOnlyWhenTheAlphaDoes) {
    ovGpGetAlphaBlendAttributes(255);
    MatrixSets = 0;
    const TEntryPointOverride record(ovGdipApi.GdipSetImageAttributesColorMatrix, &RecordMatrix);
    ovGpGetAlphaBlendAttributes(51);
    EXPECT_EQ(MatrixSets, 1);
    EXPECT_FLOAT_EQ(LastAlphaScale, 0.2f);
    ovGpGetAlphaBlendAttributes(51);
    EXPECT_EQ(MatrixSets, 1);
    ovGpGetAlphaBlendAttributes(255);
    EXPECT_FLOAT_EQ(LastAlphaScale, 1.0f);
}

TEST_F(GdiPlusCanvasTest, CanvasDrawsImagesAndBitmapsButNotEmptyOnes) {
    auto image = MakeImage(4, 4, [](int, int) { return Bgra(0, 0, 255, 255); });
    canvas->Draw(image.get(), TRect{0, 0, 8, 8});
    EXPECT_EQ(BoundsOfColor(*target, clRed), (RECT{0, 0, 8, 8}));
    auto bitmap = MakeBitmap(2, 2, clBlack);
    SetPixelAt(*bitmap, 0, 0, Bgra(255, 0, 0, 255));
    SetPixelAt(*bitmap, 1, 0, Bgra(255, 0, 0, 255));
    SetPixelAt(*bitmap, 0, 1, Bgra(255, 0, 0, 255));
    SetPixelAt(*bitmap, 1, 1, Bgra(255, 0, 0, 255));
    canvas->DrawBitmap(bitmap.get(), TRect{20, 20, 24, 24});
    EXPECT_EQ(BoundsOfColor(*target, clBlue), (RECT{20, 20, 24, 24}));
    TBitmap empty;
    const TEntryPointOverride record(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw);
    DrawCalls.clear();
    canvas->DrawBitmap(&empty, TRect{0, 0, 4, 4});
    EXPECT_TRUE(DrawCalls.empty());
}

} // namespace
