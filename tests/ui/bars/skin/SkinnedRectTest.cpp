// One skin part: cutting it from a sheet, the nine slices at several sizes (stretched and tiled), the
// composed cache and when it is composed again, the Windows 7 interpolation rule, recolouring, clipping and
// the fallback of a part without a picture.
#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"

#include <tuple>
#include <vector>

using namespace skin_test;

namespace skinned_rect_test {

// The part's cell on its sheet, and frame margins that differ on every side.
constexpr TRect kCell{5, 4, 16, 14}; // 11 x 10
constexpr TRect kMargins{2, 3, 4, 1};
constexpr TColor kSliceColors[9] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0, 0xC0C000,
                                    0xC000C0, 0x4060A0, 0x40A060, 0xA06040};
// Around the cell: a colour no draw of the part may show.
constexpr TColor kOutsideCell = 0xFF00FF;

constexpr TColor Shade(TColor AColor) {
    return (AColor >> 1) & 0x7F7F7F;
}

// The slice of a pixel of a W x H picture whose margins fit it: its column and row.
int SliceColumn(int X, int AWidth, const TRect& AMargins) {
    return X < AMargins.left ? 0 : X >= AWidth - AMargins.right ? 2 : 1;
}
int SliceRow(int Y, int AHeight, const TRect& AMargins) {
    return Y < AMargins.top ? 0 : Y >= AHeight - AMargins.bottom ? 2 : 1;
}
// Where column or row c of a picture of that extent starts.
int SliceStart(int C, int AExtent, int ALow, int AHigh) {
    return C == 0 ? 0 : C == 1 ? ALow : AExtent - AHigh;
}
int SliceExtent(int C, int AExtent, int ALow, int AHigh) {
    return C == 0 ? ALow : C == 1 ? AExtent - ALow - AHigh : AHigh;
}

// The sheet: each slice of the cell flat in its colour, or in a checker of its colour and its shade counted
// from the slice's top-left.
std::unique_ptr<TovGPImage> MakeSheet(bool AChecker, int AColorShift = 0) {
    return MakeImage<TovGPImage>(24, 20, [=](int X, int Y) {
        if (!uiIsXYInRect(kCell, X, Y)) return Opaque(kOutsideCell);
        const int x = X - kCell.left, y = Y - kCell.top, w = uiWidthOfRect(kCell), h = uiHeightOfRect(kCell);
        const int column = SliceColumn(x, w, kMargins), row = SliceRow(y, h, kMargins);
        const TColor color = kSliceColors[(row * 3 + column + AColorShift) % 9];
        const int localX = x - SliceStart(column, w, kMargins.left, kMargins.right);
        const int localY = y - SliceStart(row, h, kMargins.top, kMargins.bottom);
        return Opaque(AChecker && (localX + localY) % 2 == 1 ? Shade(color) : color);
    });
}

std::unique_ptr<TovSkinnedRect> MakePart(bool AChecker = false) {
    const auto sheet = MakeSheet(AChecker);
    auto part = std::make_unique<TovSkinnedRect>();
    part->LoadFromImage(sheet->GetHandle(), kCell, kMargins);
    return part;
}

// The part drawn at R on a white bitmap 3 pixels larger than R's right and bottom on each side.
std::unique_ptr<TBitmap> DrawnPart(TovSkinnedRect& APart, const TRect& R) {
    auto bitmap = MakeBitmap(R.right + 3, R.bottom + 3, clWhite);
    APart.Draw(bitmap->Canvas()->Handle(), R);
    return bitmap;
}

// Nine slices, row by row, from the (start, end) of each column and each row.
std::vector<TRect> Grid(const std::vector<std::pair<int, int>>& AColumns,
                        const std::vector<std::pair<int, int>>& ARows) {
    std::vector<TRect> slices;
    for (const auto& [top, bottom] : ARows)
        for (const auto& [left, right] : AColumns)
            slices.push_back(TRect{left, top, right, bottom});
    return slices;
}

// Every pixel inside R is what AExpected says for its place in R; every other pixel is white.
template <class F> void ExpectPicture(TBitmap& ABitmap, const TRect& R, F AExpected) {
    int wrong = 0;
    for (int y = 0; y < ABitmap.Height(); ++y)
        for (int x = 0; x < ABitmap.Width(); ++x) {
            const TColor expected = uiIsXYInRect(R, x, y) ? AExpected(x - R.left, y - R.top) : clWhite;
            if (ColorAt(ABitmap, x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << ColorAt(ABitmap, x, y)
                              << ", expected " << expected;
        }
    EXPECT_EQ(wrong, 0);
}

// Draws of images through the imaging interface while a recording lives: destination and source.
struct TDrawCall {
    TRect Dest, Source;
};
std::vector<TDrawCall>* DrawLog = nullptr;
GpStatus RecordDraw(GpGraphics* AGraphics, GpImage* AImage, INT ADestX, INT ADestY, INT ADestWidth,
                    INT ADestHeight, INT ASourceX, INT ASourceY, INT ASourceWidth, INT ASourceHeight,
                    GpUnit AUnit, const GpImageAttributes* AAttributes, DrawImageAbort ACallback,
                    void* AData) {
    DrawLog->push_back({uiRectOfBounds(ADestX, ADestY, ADestWidth, ADestHeight),
                        uiRectOfBounds(ASourceX, ASourceY, ASourceWidth, ASourceHeight)});
    return ::GdipDrawImageRectRectI(AGraphics, AImage, ADestX, ADestY, ADestWidth, ADestHeight, ASourceX,
                                    ASourceY, ASourceWidth, ASourceHeight, AUnit, AAttributes, ACallback,
                                    AData);
}
class TDrawRecording {
public:
    explicit TDrawRecording(std::vector<TDrawCall>& ALog)
        : FOverride(ovGdipApi.GdipDrawImageRectRectI, &RecordDraw) {
        DrawLog = &ALog;
    }
    ~TDrawRecording() { DrawLog = nullptr; }

private:
    TEntryPointOverride<decltype(ovGdipApi.GdipDrawImageRectRectI)> FOverride;
};

// The four corners of the part at R are its cell's corners, pixel for pixel (the margins fit R); no pixel of
// R is left white and none outside it is drawn.
void ExpectCornersAndCover(TBitmap& ABitmap, const TRect& R) {
    const int width = uiWidthOfRect(R), height = uiHeightOfRect(R);
    ExpectPicture(ABitmap, R, [&](int X, int Y) {
        const int column = SliceColumn(X, width, kMargins), row = SliceRow(Y, height, kMargins);
        if (column != 1 && row != 1) return kSliceColors[row * 3 + column];
        const TColor drawn = ColorAt(ABitmap, R.left + X, R.top + Y);
        return drawn == clWhite ? TColor(0x1000000) : drawn; // anything but white
    });
}

class SkinnedRectTest : public SkinTest {
protected:
    void TearDown() override {
        ovGetOSVersionFlags(); // back to what the platform answers
        SkinTest::TearDown();
    }
    static void UseWindowsVersion(int AMajor, int AMinor) {
        ovSetOSVersionFlags(ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, AMajor, AMinor, false));
    }
};

TEST_F(SkinnedRectTest, ANewPartHasNoPictureAndDefaultSettings) {
    TovSkinnedRect part;
    EXPECT_FALSE(part.IsLoaded());
    EXPECT_EQ(part.ID(), -1);
    EXPECT_EQ(part.Name(), "");
    EXPECT_EQ(part.InterpolationMode(), 0);
    EXPECT_FALSE(part.Tiled());
    EXPECT_EQ(part.ContentMargins(), (TRect{8, 8, 8, 8}));
    EXPECT_EQ(part.GetContentRect(TRect{0, 0, 40, 30}), (TRect{8, 8, 32, 22}));
}

TEST_F(SkinnedRectTest, LoadingCopiesTheCellAndTakesItsMarginsAsContentMargins) {
    std::unique_ptr<TovSkinnedRect> part;
    {
        // The sheet goes before the part is drawn: the part keeps pixels of its own.
        part = MakePart();
    }
    EXPECT_TRUE(part->IsLoaded());
    EXPECT_EQ(part->ImageSize(), (TSize{11, 10}));
    EXPECT_EQ(part->FixedMargins(), kMargins);
    EXPECT_EQ(part->ContentMargins(), kMargins);
    EXPECT_EQ(part->MinSize(), (TSize{6, 4}));
    EXPECT_EQ(part->GetContentRect(TRect{10, 10, 50, 40}), (TRect{12, 13, 46, 39}));
    const std::vector<TRect> sources = Grid({{0, 2}, {2, 7}, {7, 11}}, {{0, 3}, {3, 9}, {9, 10}});
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(part->SourceSlice(i), sources[std::size_t(i)]) << i;
    // At its own size the picture is the cell, one to one.
    const TRect R{3, 3, 14, 13};
    auto bitmap = DrawnPart(*part, R);
    ExpectPicture(*bitmap, R, [](int X, int Y) {
        return kSliceColors[SliceRow(Y, 10, kMargins) * 3 + SliceColumn(X, 11, kMargins)];
    });
}

TEST_F(SkinnedRectTest, AFaultySourceIsRefusedAndThePartStaysAsItWas) {
    auto part = MakePart();
    GpBitmap* image = part->Image();
    const auto sheet = MakeSheet(false);
    const struct {
        bool NullSheet;
        TRect Source, Margins;
    } cases[] = {{true, kCell, kMargins},
                 {false, {5, 4, 5, 14}, kMargins},    // empty
                 {false, {16, 4, 5, 14}, kMargins},   // inverted
                 {false, {20, 10, 30, 20}, kMargins}, // beyond the 24 x 20 sheet
                 {false, {-1, 0, 5, 5}, kMargins},
                 {false, kCell, {2, -1, 4, 1}}};
    for (const auto& c : cases) {
        EXPECT_THROW(part->LoadFromImage(c.NullSheet ? nullptr : sheet->GetHandle(), c.Source, c.Margins),
                     EovException)
            << c.Source.left << "," << c.Source.top;
        EXPECT_EQ(part->Image(), image);
        EXPECT_EQ(part->ImageSize(), (TSize{11, 10}));
        EXPECT_EQ(part->FixedMargins(), kMargins);
    }
}

TEST_F(SkinnedRectTest, StretchedSlicesKeepTheCornersAndFillEdgesAndCentre) {
    // Geometry: which source slice went to which destination slice, the corners (copied one to one)
    // pixel by pixel, and the whole rectangle covered; stretched pixels are not compared.
    auto part = MakePart();
    const std::vector<TRect> cell = Grid({{0, 2}, {2, 7}, {7, 11}}, {{0, 3}, {3, 9}, {9, 10}});
    // A stretched side gives up its last source pixel, so that no pixel beyond the slice blends in.
    const std::vector<TRect> stretched = Grid({{0, 2}, {2, 6}, {7, 11}}, {{0, 3}, {3, 8}, {9, 10}});
    const struct {
        TSize Size;
        std::vector<TRect> Dests, Sources;
    } cases[] = {
        {{11, 10}, cell, cell},
        {{40, 30}, Grid({{0, 2}, {2, 36}, {36, 40}}, {{0, 3}, {3, 29}, {29, 30}}), stretched},
        {{100, 13}, Grid({{0, 2}, {2, 96}, {96, 100}}, {{0, 3}, {3, 12}, {12, 13}}), stretched},
        // At the minimum size the edges and the centre have nothing to fill.
        {{6, 4}, Grid({{0, 2}, {2, 2}, {2, 6}}, {{0, 3}, {3, 3}, {3, 4}}), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Size.cx << " x " << c.Size.cy);
        const TRect R = uiRectOfBounds(3, 2, c.Size.cx, c.Size.cy);
        std::vector<TDrawCall> draws;
        auto bitmap = [&] {
            const TDrawRecording recording(draws);
            return DrawnPart(*part, R);
        }();
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(part->DestSlice(i), c.Dests[std::size_t(i)]) << i;
        if (!c.Sources.empty()) {
            // Nine slices into the cache, then the cache into R.
            ASSERT_EQ(draws.size(), 10u);
            for (std::size_t i = 0; i < 9; ++i) {
                EXPECT_EQ(draws[i].Dest, c.Dests[i]) << i;
                EXPECT_EQ(draws[i].Source, c.Sources[i]) << i;
            }
            EXPECT_EQ(draws[9].Dest, R);
            EXPECT_EQ(draws[9].Source, uiRectOfSize(c.Size));
        }
        ExpectCornersAndCover(*bitmap, R);
    }
}

TEST_F(SkinnedRectTest, TiledSlicesRepeatTheirCellsFromTheirTopLeft) {
    auto part = MakePart(true);
    part->SetStretch(true);
    EXPECT_TRUE(part->Tiled());
    for (const TSize size : {TSize{11, 10}, TSize{40, 30}, TSize{23, 17}, TSize{6, 4}}) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        const TRect R = uiRectOfBounds(4, 3, size.cx, size.cy);
        auto bitmap = DrawnPart(*part, R);
        ExpectPicture(*bitmap, R, [&](int X, int Y) {
            const int column = SliceColumn(X, size.cx, kMargins), row = SliceRow(Y, size.cy, kMargins);
            const int sourceWidth = SliceExtent(column, 11, kMargins.left, kMargins.right);
            const int sourceHeight = SliceExtent(row, 10, kMargins.top, kMargins.bottom);
            const int x = (X - SliceStart(column, size.cx, kMargins.left, kMargins.right)) % sourceWidth;
            const int y = (Y - SliceStart(row, size.cy, kMargins.top, kMargins.bottom)) % sourceHeight;
            const TColor color = kSliceColors[row * 3 + column];
            return (x + y) % 2 == 1 ? Shade(color) : color;
        });
    }
}

TEST_F(SkinnedRectTest, BelowItsMinimumSizeLaterSlicesCoverEarlierOnes) {
    // 5 x 3 against margins of 2 + 4 and 3 + 1: the inner edges are clamped into the rectangle, the
    // right column starts at 1 and the bottom row at 2, and both are drawn after the left and top ones.
    auto part = MakePart();
    const TRect R{2, 2, 7, 5};
    auto bitmap = DrawnPart(*part, R);
    ExpectPicture(*bitmap, R, [](int X, int Y) {
        if (Y < 2) return X == 0 ? kSliceColors[0] : kSliceColors[2];
        return X == 0 ? kSliceColors[6] : kSliceColors[8];
    });
}

TEST_F(SkinnedRectTest, APartWithoutMarginsScalesItsWholePictureIntoTheCentre) {
    const auto sheet = MakeSheet(false);
    TovSkinnedRect part;
    part.LoadFromImage(sheet->GetHandle(), kCell, TRect{});
    EXPECT_EQ(part.MinSize(), (TSize{0, 0}));
    EXPECT_EQ(part.SourceSlice(4), (TRect{0, 0, 11, 10}));
    const TRect R{3, 2, 33, 22};
    auto bitmap = DrawnPart(part, R);
    EXPECT_EQ(part.DestSlice(4), (TRect{0, 0, 30, 20}));
    for (int i = 0; i < 9; ++i)
        if (i != 4) EXPECT_TRUE(uiIsRectEmpty(part.DestSlice(i))) << i;
    // Geometry only: the picture covers R exactly (its scaled pixels are not compared).
    EXPECT_EQ(BoundsOfColor(*bitmap, clWhite), (RECT{0, 0, 36, 25}));
    for (int y = R.top; y < R.bottom; ++y)
        for (int x = R.left; x < R.right; ++x)
            ASSERT_NE(ColorAt(*bitmap, x, y), clWhite) << x << "," << y;
}

TEST_F(SkinnedRectTest, TheCacheIsComposedOnlyForANewSizeOrAfterASettingChanged) {
    auto part = MakePart(true);
    auto bitmap = MakeBitmap(120, 80, clWhite);
    HDC dc = bitmap->Canvas()->Handle();
    const struct {
        TRect R;
        int Renders;
    } draws[] = {{{0, 0, 40, 30}, 1},   {{0, 0, 40, 30}, 1},  {{50, 40, 90, 70}, 1}, // moved, same size
                 {{0, 0, 41, 30}, 2},   {{0, 0, 40, 30}, 3},                         // every change of size
                 {{10, 10, 10, 40}, 3}, {{10, 10, 50, 10}, 3}};                      // empty: nothing
    for (const auto& d : draws) {
        part->Draw(dc, d.R);
        EXPECT_EQ(part->RenderCount(), d.Renders) << d.R.left << "," << d.R.top << "," << d.R.right;
    }
    EXPECT_EQ(part->CacheSize(), (TSize{40, 30}));
    EXPECT_EQ(part->CalculatedSize(), (TSize{40, 30}));

    // Tiling at the same size composes again, and the tiled centre shows: the checker unscaled.
    part->SetStretch(true);
    EXPECT_EQ(part->CalculatedSize(), (TSize{0, 0}));
    auto tiled = DrawnPart(*part, TRect{0, 0, 40, 30});
    EXPECT_EQ(part->RenderCount(), 4);
    // Row 5 is row 2 of the centre cell; its columns repeat every 5 pixels from column 2.
    for (int x = 2; x < 36; ++x)
        EXPECT_EQ(ColorAt(*tiled, x, 5),
                  ((x - 2) % 5 + 2) % 2 == 1 ? Shade(kSliceColors[4]) : kSliceColors[4])
            << x;
    part->SetStretch(true);
    part->Draw(dc, TRect{0, 0, 40, 30});
    EXPECT_EQ(part->RenderCount(), 4);

    UseWindowsVersion(6, 2);
    part->SetInterpolationMode(5);
    part->Draw(dc, TRect{0, 0, 40, 30});
    EXPECT_EQ(part->RenderCount(), 5);
    part->SetInterpolationMode(5);
    part->Draw(dc, TRect{0, 0, 40, 30});
    EXPECT_EQ(part->RenderCount(), 5);
}

TEST_F(SkinnedRectTest, LoadingAgainShowsTheNewPictureAtTheSameSize) {
    auto part = MakePart();
    const TRect R{0, 0, 30, 20};
    DrawnPart(*part, R);
    const auto other = MakeSheet(false, 1);
    part->LoadFromImage(other->GetHandle(), kCell, kMargins);
    auto bitmap = DrawnPart(*part, R);
    EXPECT_EQ(part->RenderCount(), 2);
    // The corners (copied unscaled) show the new colours.
    for (const auto& [x, y, slice] :
         std::vector<std::tuple<int, int, int>>{{0, 0, 0}, {29, 0, 2}, {0, 19, 6}, {29, 19, 8}})
        EXPECT_EQ(ColorAt(*bitmap, x, y), kSliceColors[(slice + 1) % 9]) << x << "," << y;
}

TEST_F(SkinnedRectTest, NothingIsDrawnOutsideTheClip) {
    auto part = MakePart();
    auto bitmap = MakeBitmap(60, 40, clWhite);
    HDC dc = bitmap->Canvas()->Handle();
    IntersectClipRect(dc, 0, 0, 30, 40);
    part->Draw(dc, TRect{10, 5, 50, 35});
    // The left corners are drawn, the right ones are clipped away, and so is everything right of 30.
    EXPECT_EQ(BoundsOfColor(*bitmap, kSliceColors[0]), (RECT{10, 5, 12, 8}));
    EXPECT_EQ(BoundsOfColor(*bitmap, kSliceColors[6]), (RECT{10, 34, 12, 35}));
    EXPECT_EQ(BoundsOfColor(*bitmap, kSliceColors[2]), RECT{});
    EXPECT_EQ(BoundsOfColor(*bitmap, kSliceColors[8]), RECT{});
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(ColorAt(*bitmap, x, y) == clWhite, x >= 30 || !uiIsXYInRect(TRect{10, 5, 50, 35}, x, y))
                << x << "," << y;

    // Wholly outside the clip: no drawing and no new composition, for either kind of draw.
    const int renders = part->RenderCount();
    part->Draw(dc, TRect{32, 5, 52, 35});
    part->DrawWithColor(dc, TRect{32, 5, 52, 35}, 255, clRed);
    EXPECT_EQ(part->RenderCount(), renders);
    EXPECT_EQ(part->CalculatedSize(), (TSize{40, 30}));
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), RECT{});
    SelectClipRgn(dc, nullptr);
}

TEST_F(SkinnedRectTest, OnWindows7EveryPartIsComposedWithModeZero) {
    std::vector<int> modesSet;
    static std::vector<int>* record = nullptr;
    record = &modesSet;
    const TEntryPointOverride spy(
        ovGdipApi.GdipSetInterpolationMode, +[](GpGraphics* G, InterpolationMode M) {
            record->push_back(M);
            return ::GdipSetInterpolationMode(G, M);
        });
    const struct {
        int Major, Minor, Asked, Used;
    } cases[] = {{6, 1, 7, 0}, {6, 1, 5, 0}, {6, 0, 7, 7}, {6, 2, 5, 5}, {5, 1, 3, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Major << "." << c.Minor << " asked " << c.Asked);
        UseWindowsVersion(c.Major, c.Minor);
        auto part = MakePart();
        EXPECT_EQ(part->SetInterpolationMode(c.Asked), part.get());
        EXPECT_EQ(part->InterpolationMode(), c.Used);
        modesSet.clear();
        DrawnPart(*part, TRect{0, 0, 30, 20});
        ASSERT_FALSE(modesSet.empty());
        EXPECT_EQ(modesSet.front(), c.Used); // the composition's own graphics
    }
    auto part = MakePart();
    for (int mode : {-1, 8})
        EXPECT_THROW(part->SetInterpolationMode(mode), EovException) << mode;
    EXPECT_EQ(part->InterpolationMode(), 0);
}

TEST_F(SkinnedRectTest, RecolouringGivesEveryPixelTheColourTimesItsAlpha) {
    // Each slice its own alpha, so that one picture holds nine alphas from opaque to nearly clear.
    static constexpr int kAlphas[9] = {255, 230, 200, 170, 128, 100, 64, 32, 8};
    const auto sheet = MakeImage<TovGPImage>(24, 20, [](int X, int Y) -> std::uint32_t {
        if (!uiIsXYInRect(kCell, X, Y)) return 0;
        const int x = X - kCell.left, y = Y - kCell.top;
        const int alpha = kAlphas[SliceRow(y, 10, kMargins) * 3 + SliceColumn(x, 11, kMargins)];
        return Premultiplied(90, 160, 20, alpha);
    });
    TovSkinnedRect part;
    part.LoadFromImage(sheet->GetHandle(), kCell, kMargins);
    const TRect R{1, 1, 12, 11}; // the part's own size: no pixel is resampled
    const struct {
        TColor Color;
        int Alpha;
    } cases[] = {{TColor(0x3060C0), 255}, {clHighlight, 255}, {TColor(0x3060C0), 128}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.Color << " alpha " << std::dec << c.Alpha);
        auto bitmap = MakeBitmap(14, 13, clBlack);
        part.DrawWithColor(bitmap->Canvas()->Handle(), R, std::uint8_t(c.Alpha), c.Color);
        const COLORREF rgb = ColorToRGB(c.Color);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 11; ++x) {
                const int alpha =
                    kAlphas[SliceRow(y, 10, kMargins) * 3 + SliceColumn(x, 11, kMargins)] * c.Alpha / 255;
                const std::uint32_t pixel = PixelAt(*bitmap, R.left + x, R.top + y);
                EXPECT_NEAR(ChannelOf(pixel, 16), int(rgb & 0xFF) * alpha / 255, 2) << x << "," << y;
                EXPECT_NEAR(ChannelOf(pixel, 8), int((rgb >> 8) & 0xFF) * alpha / 255, 2) << x << "," << y;
                EXPECT_NEAR(ChannelOf(pixel, 0), int((rgb >> 16) & 0xFF) * alpha / 255, 2) << x << "," << y;
            }
        EXPECT_EQ(ColorAt(*bitmap, 0, 0), clBlack);
        EXPECT_EQ(ColorAt(*bitmap, 12, 11), clBlack);
    }

    // clDefault draws the part as it is; clNone and an empty rectangle draw nothing.
    auto plain = MakeBitmap(14, 13, clWhite);
    part.Draw(plain->Canvas()->Handle(), R);
    auto asIs = MakeBitmap(14, 13, clWhite);
    part.DrawWithColor(asIs->Canvas()->Handle(), R, 255, clDefault);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 14; ++x)
            ASSERT_EQ(PixelAt(*asIs, x, y), PixelAt(*plain, x, y)) << x << "," << y;
    auto untouched = MakeBitmap(14, 13, clWhite);
    part.DrawWithColor(untouched->Canvas()->Handle(), R, 255, clNone);
    part.DrawWithColor(untouched->Canvas()->Handle(), TRect{3, 3, 3, 10}, 255, clRed);
    EXPECT_EQ(BoundsOfColor(*untouched, clWhite), (RECT{0, 0, 14, 13}));
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 14; ++x)
            ASSERT_EQ(ColorAt(*untouched, x, y), clWhite) << x << "," << y;
}

TEST_F(SkinnedRectTest, APartWithoutPictureFillsWithTheButtonFace) {
    TovSkinnedRect part;
    auto bitmap = MakeBitmap(30, 20, clWhite);
    part.Draw(bitmap->Canvas()->Handle(), TRect{5, 5, 25, 15});
    EXPECT_EQ(BoundsOfColor(*bitmap, ColorToRGB(clBtnFace)), (RECT{5, 5, 25, 15}));
    EXPECT_EQ(part.RenderCount(), 0);
}

} // namespace skinned_rect_test
