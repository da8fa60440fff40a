// Pictures of the library's drawing, written under the test output folder for inspection: a sheet of
// frames, edges, fills and text; the six draw modes; an image list's images; a see-through control.
#include "WindowPaintingTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Pen.h"
#include "platform/win/Presenter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/ImageList.h"
#include "ui/core/graphics/ImageServices.h"
#include "ui/core/graphics/TextDrawing.h"
#include "ui/core/graphics/TextFlags.h"

#include <algorithm>
#include <cmath>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class GraphicsScreenshotTest : public UiCoreTest {};

void Label(TuiCanvas& ACanvas, int X, int Y, const std::string& AText) {
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.Font()->SetColor(clBlack);
    ACanvas.Canvas()->TextOut(X, Y, AText);
}

// A shaded ball with soft edges, premultiplied.
std::unique_ptr<TBitmap> Ball(int ASize, int R, int G, int B) {
    auto bitmap = MakeBitmap(ASize, ASize);
    const double c = (ASize - 1) / 2.0, radius = ASize / 2.0 - 0.5;
    for (int y = 0; y < ASize; ++y)
        for (int x = 0; x < ASize; ++x) {
            const double d = std::hypot(x - c, y - c);
            const double cover = std::clamp(radius - d + 0.5, 0.0, 1.0);
            const double light = 1.0 - 0.55 * std::hypot(x - c * 0.6, y - c * 0.6) / ASize;
            const int a = int(std::lround(cover * 255));
            auto channel = [&](int v) {
                return int(std::lround(std::clamp(v * light, 0.0, 255.0) * a / 255));
            };
            SetPixelAt(*bitmap, x, y, Bgra(channel(B), channel(G), channel(R), a));
        }
    return bitmap;
}

// A 24-bit house on the key colour (its bottom-left pixel).
std::unique_ptr<TBitmap> House(int ASize) {
    auto bitmap = MakeBitmap(ASize, ASize, clFuchsia);
    TCanvas* canvas = bitmap->Canvas();
    const int s = ASize;
    canvas->Brush()->SetColor(TColor(0x2060D0));
    canvas->Pen()->SetColor(TColor(0x103070));
    canvas->Polygon(std::vector<POINT>{{s / 2, 1}, {s - 2, s / 2}, {1, s / 2}});
    canvas->Brush()->SetColor(TColor(0x80C0E0));
    canvas->Rectangle(s / 5, s / 2, s - s / 5, s - 1);
    canvas->Brush()->SetColor(TColor(0x404080));
    canvas->FillRect(RECT{s / 2 - 2, s - 2 - s / 4, s / 2 + 2, s - 2});
    bitmap->SetPixelFormat(pf24bit);
    return bitmap;
}

TEST_F(GraphicsScreenshotTest, SheetOfFramesEdgesFillsAndText) {
    auto sheet = MakeBitmap(800, 430, clBtnFace);
    TuiCanvas canvas(sheet->Canvas());
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);

    Label(canvas, 10, 8, "Frames");
    canvas.FrameRect(TRect{10, 26, 80, 76}, clNavy);
    canvas.FrameRect(TRect{90, 26, 160, 76}, clMaroon, 4, TuiBorders{bLeft, bBottom});
    canvas.FrameRect(TRect{170, 26, 190, 46}, clGreen, 30);
    canvas.DrawComplexFrame(TRect{200, 26, 270, 76}, clRed, clBlue, uiBordersAll, 3);
    canvas.DrawFocusRect(TRect{280, 26, 350, 76}, 2);

    Label(canvas, 370, 8, "Edges");
    int x = 370;
    for (bool sunken : {false, true}) {
        TRect r{x, 26, x + 60, 76};
        canvas.DrawEdge(r, sunken, true);
        canvas.DrawEdge(TRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, sunken, false);
        Label(canvas, x + 4, 80, sunken ? "sunken" : "raised");
        x += 70;
    }
    canvas.DrawEdge(TRect{510, 26, 570, 76}, false, false, TuiBorders{bTop, bLeft});

    Label(canvas, 10, 100, "Tiled fills (whole, half tiles, and a fill excluded around a tile)");
    auto tile = MakeBitmap(16, 16, TColor(0xE0E0E0));
    tile->Canvas()->Brush()->SetColor(TColor(0x3080C0));
    tile->Canvas()->FillRect(RECT{0, 0, 8, 8});
    tile->Canvas()->FillRect(RECT{8, 8, 16, 16});
    canvas.FillRect(TRect{10, 118, 106, 166}, tile.get());
    canvas.FillRect(TRect{124, 118, 212, 166}, tile.get());
    canvas.SaveClipRegion();
    canvas.FillRect(TRect{250, 126, 290, 158}, tile.get(), true);
    canvas.FillRect(TRect{230, 118, 310, 166}, TColor(0x60A060));
    canvas.RestoreClipRegion();

    // Text in a grey box, on a clear brush.
    auto boxed = [&](const TRect& ABox, const TRect& AText, const std::string& AString, int AFlags,
                     bool AEnabled) {
        canvas.FrameRect(ABox, clGray);
        canvas.Brush()->SetStyle(bsClear);
        canvas.DrawText(AString, AText, AFlags, AEnabled);
    };
    Label(canvas, 10, 180, "Text: enabled, disabled, aligned in boxes");
    canvas.Font()->SetColor(clWindowText);
    const int flagsOf[] = {uiTextLeft | uiTextTop, uiTextCentre | uiTextVCentre, uiTextRight | uiTextBottom};
    x = 10;
    for (int flags : flagsOf) {
        for (bool enabled : {true, false}) {
            const TRect box{x, 198, x + 100, 238};
            boxed(box, uiGrowRect(box, -3, -2), enabled ? "Enabled" : "Disabled", flags | uiTextSingleLine,
                  enabled);
            x += 106;
        }
    }

    Label(canvas, 10, 250, "Multi-line, end ellipsis, path ellipsis");
    const TRect wrap{10, 268, 170, 338};
    boxed(wrap, wrap, "Normalize the whole file to -1 dB before converting it to MP3.",
          uiTextWordBreak | uiTextVCentre | uiTextCentre, true);
    const TRect ellipsis{180, 268, 330, 290};
    boxed(ellipsis, ellipsis, "A recording with a very long name.wav",
          uiTextSingleLine | uiTextVCentre | uiTextEndEllipsis, true);
    const TRect path{180, 300, 330, 322};
    boxed(path, path, "/home/user/Music/Recordings/2024/interview.wav",
          uiTextSingleLine | uiTextVCentre | uiTextPathEllipsis, true);
    const TRect lines{340, 268, 480, 338};
    canvas.FrameRect(lines, clGray);
    uiDrawMultiLineText(&canvas, "Split into lines\r\nby words and line breaks", uiShiftRect(lines, 4, 0),
                        clNavy, DT_VCENTER);

    Label(canvas, 650, 100, "Rotated text");
    const TuiRotationAngle angles[] = {raNone, raPlus90, raMinus90, ra180};
    const TRect boxes[] = {
        {650, 118, 790, 140}, {650, 150, 672, 290}, {690, 150, 712, 290}, {650, 300, 790, 322}};
    for (int i = 0; i < 4; ++i) {
        canvas.FrameRect(boxes[i], clGray);
        uiDrawRotatedText(&canvas, "Turned " + std::to_string(i), uiGrowRect(boxes[i], -2, -2), angles[i],
                          clMaroon, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }

    Label(canvas, 10, 350, "Inverted and design marker");
    canvas.FillRect(TRect{10, 368, 90, 410}, clNavy);
    canvas.InvertRect(TRect{30, 378, 70, 400});
    uiDrawDesignRect(&canvas, TRect{110, 368, 170, 410}, false);
    uiDrawDesignRect(&canvas, TRect{190, 368, 250, 410}, true);
    EXPECT_TRUE(SaveBitmapPng(*sheet, "canvas-sheet.png"));
}

TEST_F(GraphicsScreenshotTest, TheSixDrawModes) {
    const int cell = 64, scale = 2;
    auto sheet = MakeBitmap(40 + 6 * cell * scale, 40 + 2 * (cell * scale + 24), TColor(0xD8D8D8));
    TuiCanvas canvas(sheet->Canvas());
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);
    auto ball = Ball(24, 60, 140, 230);
    auto house = House(24);
    const char* names[] = {"normal", "disabled", "faded", "grey", "light", "shadowed"};
    int y = 10;
    for (TBitmap* glyph : {ball.get(), house.get()}) {
        for (int mode = 0; mode < 6; ++mode) {
            // Each mode drawn at its own size over a small pattern, then magnified for the eye.
            auto cellBitmap = MakeBitmap(cell, cell, TColor(0xD8D8D8));
            cellBitmap->Canvas()->Brush()->SetColor(TColor(0xB0B0B0));
            for (int k = 0; k < cell; k += 8)
                cellBitmap->Canvas()->FillRect(RECT{k, 0, k + 4, cell});
            const TRect glyphRect = uiCentreRectIn(TRect{0, 0, cell, cell}, 24, 24);
            uiDrawImage(cellBitmap->Canvas()->Handle(), glyphRect, TRect{0, 0, cell, cell}, glyph, nullptr, 0,
                        static_cast<TuiGlyphDrawMode>(mode));
            const int left = 20 + mode * cell * scale;
            StretchBlt(sheet->Canvas()->Handle(), left, y, cell * scale, cell * scale,
                       cellBitmap->Canvas()->Handle(), 0, 0, cell, cell, SRCCOPY);
            Label(canvas, left + 4, y + cell * scale + 4, names[mode]);
        }
        y += cell * scale + 24;
    }
    EXPECT_TRUE(SaveBitmapPng(*sheet, "draw-modes.png"));
}

TEST_F(GraphicsScreenshotTest, AnImageListsImagesAfterAStreamRoundTrip) {
    TuiImageList source(nullptr, 32, 32);
    source.SetCompressData(true);
    auto red = Ball(32, 220, 60, 50), green = Ball(32, 60, 190, 80), blue = Ball(32, 60, 110, 230);
    for (TBitmap* ball : {red.get(), green.get(), blue.get()})
        source.Add(ball, nullptr);
    auto house = House(32);
    source.AddMasked(house.get(), clFuchsia);
    auto fade = MakeBitmap(32, 32);
    for (int yy = 0; yy < 32; ++yy)
        for (int xx = 0; xx < 32; ++xx) {
            const int a = xx * 255 / 31;
            SetPixelAt(*fade, xx, yy, Bgra(a * 40 / 255, a * 160 / 255, a * 240 / 255, a));
        }
    source.Add(fade.get(), nullptr);
    TMemoryStream stream;
    source.WriteProperties(&stream);
    stream.SetPosition(0);
    TuiImageList list(nullptr, 32, 32);
    list.ReadProperties(&stream);
    ASSERT_EQ(list.Count(), 5);

    auto sheet = MakeBitmap(20 + 5 * 44, 110, clWindow);
    TuiCanvas canvas(sheet->Canvas());
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);
    canvas.FillRect(TRect{0, 55, sheet->Width(), 110}, TColor(0x705030));
    for (int i = 0; i < list.Count(); ++i) {
        list.Draw(sheet->Canvas(), 14 + i * 44, 12, i, true);
        list.Draw(sheet->Canvas(), 14 + i * 44, 66, i, false);
    }
    EXPECT_TRUE(SaveBitmapPng(*sheet, "image-list.png"));
}

class TransparentChildScreenshotTest : public TransparentScene {};

TEST_F(TransparentChildScreenshotTest, ASeeThroughChildOverAPatternedParent) {
    seeThrough->Invalidate();
    Pump();
    EXPECT_GT(seeThrough->paints, 0);
    EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), OutputPath("transparent-child.png")));
    // On screen the child shows the stripes, the block and the foreign window through itself.
    auto image = olva::win::WindowImage(form->Handle());
    ASSERT_NE(image, nullptr);
    const POINT child = seeThrough->ClientToScreen(POINT{0, 0});
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    auto at = [&](int X, int Y) {
        return static_cast<TColor>(
            PixelToColorRef(image->Pixel(child.x - frame.left + X, child.y - frame.top + Y)));
    };
    EXPECT_EQ(at(30, 45), StripeAt(80));
    EXPECT_EQ(at(5, 5), clLime);
    EXPECT_EQ(at(55, 40), clBlue);
    EXPECT_EQ(at(30, 25), clRed);
}

} // namespace
