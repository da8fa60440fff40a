#include "GraphicsTestUtil.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"

#include <cstring>
#include <vector>

using namespace graphics_test;

TEST(CanvasTest, RectangleUsesPenForTheOutlineAndBrushInside) {
    auto bitmap = MakeBitmap(10, 10, clWhite);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetColor(clRed);
    canvas->Brush()->SetColor(clBlue);
    canvas->Rectangle(2, 2, 8, 8);
    struct Case {
        int x, y;
        TColor expected;
    };
    const Case cases[] = {{2, 2, clRed},  {7, 7, clRed},   {2, 5, clRed},   {3, 3, clBlue},
                          {6, 6, clBlue}, {8, 8, clWhite}, {1, 1, clWhite}, {9, 0, clWhite}};
    for (const Case& c : cases)
        EXPECT_EQ(At(*bitmap, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(CanvasTest, ChangingSelectedObjectsTakesEffectAtTheNextDrawing) {
    auto bitmap = MakeBitmap(4, 1, clWhite);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(RECT{0, 0, 2, 1});
    HBRUSH first = canvas->Brush()->Handle();
    canvas->Brush()->SetColor(clLime);
    EXPECT_FALSE(canvas->Brush()->HandleAllocated()); // the old handle went with the change
    canvas->FillRect(RECT{2, 0, 4, 1});
    EXPECT_NE(canvas->Brush()->Handle(), nullptr);
    EXPECT_EQ(At(*bitmap, 0, 0), clRed);
    EXPECT_EQ(At(*bitmap, 3, 0), clLime);
    (void)first;

    canvas->Pen()->SetColor(clBlue);
    canvas->MoveTo(0, 0);
    canvas->LineTo(2, 0);
    canvas->Pen()->SetMode(pmNot); // inverts what is there
    canvas->MoveTo(2, 0);
    canvas->LineTo(4, 0);
    EXPECT_EQ(At(*bitmap, 1, 0), clBlue);
    EXPECT_EQ(At(*bitmap, 3, 0), 0xFFFFFF ^ clLime);
}

TEST(CanvasTest, ObjectsReportChangesAndAssignCopiesEveryProperty) {
    TFont font;
    int changes = 0;
    font.OnChange = [&changes](TObject*) { ++changes; };
    font.SetName("Courier New");
    font.SetSize(12);
    font.SetStyle({fsBold, fsItalic});
    font.SetStyle({fsBold, fsItalic}); // same value: no event
    font.SetColor(clRed);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);
    LOGFONT log = font.LogFont();
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfItalic, 1);
    EXPECT_STREQ(log.lfFaceName, "Courier New");

    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Name(), "Courier New");
    EXPECT_EQ(copy.Height(), -16);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_TRUE(copy.Style() == (TFontStyles{fsBold, fsItalic}));

    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clGreen); // a colour makes a clear brush solid
    EXPECT_EQ(brush.Style(), bsSolid);
    TPen pen;
    EXPECT_THROW(pen.Assign(&brush), EConvertError);
}

TEST(CanvasTest, ACanvasWithoutADeviceContextRefusesToDraw) {
    TCanvas canvas;
    try {
        canvas.Rectangle(0, 0, 1, 1);
        FAIL() << "expected an exception";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Canvas does not allow drawing");
    }
}

TEST(CanvasTest, TextIsMeasuredAndDrawnWithTheFont) {
    TestFontScope testFont;
    auto bitmap = MakeBitmap(60, 20, clWhite);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->SetHeight(16);
    SIZE extent = canvas->TextExtent("abcd");
    EXPECT_EQ(extent.cx, 32);
    EXPECT_EQ(extent.cy, 16);
    EXPECT_EQ(canvas->TextWidth(""), 0);
    canvas->Brush()->SetColor(clYellow);
    canvas->Font()->SetColor(clBlack);
    canvas->TextOut(4, 2, "ab");
    EXPECT_EQ(canvas->PenPos().x, 4 + 16);
    EXPECT_EQ(At(*bitmap, 4, 2), clYellow); // the background of the first cell, painted by the brush
    EXPECT_EQ(At(*bitmap, 3, 2), clWhite);
    EXPECT_EQ(At(*bitmap, 20, 2), clWhite);
    // A clear brush leaves the background alone; TextRect clips to its rectangle.
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(RECT{30, 0, 36, 20}, 30, 2, "xyz");
    EXPECT_EQ(At(*bitmap, 36, 10), clWhite);
}

TEST(CanvasTest, PixelsCopyRectClipRectAndFocusRect) {
    auto source = MakeBitmap(4, 4, clRed);
    source->Canvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(source->Canvas()->Pixels(1, 1) & 0xFFFFFF, clBlue);

    auto target = MakeBitmap(8, 8, clWhite);
    target->Canvas()->CopyRect(RECT{0, 0, 8, 8}, source->Canvas(), RECT{0, 0, 4, 4}); // stretched x2
    EXPECT_EQ(At(*target, 2, 2), clBlue);
    EXPECT_EQ(At(*target, 3, 3), clBlue);
    EXPECT_EQ(At(*target, 4, 4), clRed);

    target->Canvas()->SetCopyMode(cmDstInvert);
    target->Canvas()->CopyRect(RECT{0, 0, 1, 1}, source->Canvas(), RECT{0, 0, 1, 1});
    EXPECT_EQ(At(*target, 0, 0), 0xFFFFFF ^ clRed);

    RECT clip = target->Canvas()->ClipRect();
    EXPECT_EQ(clip.right, 8);
    EXPECT_EQ(clip.bottom, 8);

    auto plain = MakeBitmap(6, 6, clWhite);
    plain->Canvas()->DrawFocusRect(RECT{0, 0, 6, 6});
    plain->Canvas()->DrawFocusRect(RECT{0, 0, 6, 6}); // XOR: twice is nothing
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(At(*plain, i, 0), clWhite);
}

TEST(CanvasTest, BrushCopyPaintsTheKeyColourWithTheBrush) {
    auto picture = MakeBitmap(3, 1, clRed);
    picture->Canvas()->SetPixels(1, 0, clLime);
    auto target = MakeBitmap(3, 1, clWhite);
    target->Canvas()->Brush()->SetColor(clBlue);
    target->Canvas()->BrushCopy(RECT{0, 0, 3, 1}, picture.get(), RECT{0, 0, 3, 1}, clLime);
    EXPECT_EQ(At(*target, 0, 0), clRed);
    EXPECT_EQ(At(*target, 1, 0), clBlue);
    EXPECT_EQ(At(*target, 2, 0), clRed);
}

TEST(CanvasTest, DrawHonoursTransparencyAndStretchDrawScales) {
    auto picture = MakeBitmap(2, 2, clLime);
    picture->Canvas()->SetPixels(0, 0, clRed);
    auto target = MakeBitmap(4, 4, clWhite);
    picture->SetTransparent(true); // key: the bottom-left pixel (lime)
    target->Canvas()->Draw(1, 1, picture.get());
    EXPECT_EQ(At(*target, 1, 1), clRed);
    EXPECT_EQ(At(*target, 2, 2), clWhite);

    picture->SetTransparent(false);
    target->Canvas()->StretchDraw(RECT{0, 0, 4, 4}, picture.get());
    EXPECT_EQ(At(*target, 1, 1), clRed);
    EXPECT_EQ(At(*target, 3, 3), clLime);
}

TEST(CanvasTest, AdoptedHandlesBringTheirProperties) {
    LOGFONT log;
    log.lfHeight = -20;
    log.lfWeight = FW_BOLD;
    log.lfEscapement = 900;
    std::strcpy(log.lfFaceName, "Arial");
    TFont font;
    font.SetHandle(CreateFontIndirect(&log));
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_TRUE(font.Style().Contains(fsBold));
    EXPECT_EQ(font.Orientation(), 900);
    HFONT adopted = font.Handle();
    font.SetHandle(adopted); // the same handle again changes nothing and frees nothing
    EXPECT_EQ(font.Handle(), adopted);
    EXPECT_EQ(GetObjectType(adopted), OBJ_FONT);

    TPen pen;
    pen.SetHandle(CreatePen(PS_DASH, 3, RGB(1, 2, 3)));
    EXPECT_EQ(pen.Style(), psDash);
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Color(), TColor(RGB(1, 2, 3)));
    TBrush brush;
    brush.SetHandle(CreateHatchBrush(HS_CROSS, RGB(9, 9, 9)));
    EXPECT_EQ(brush.Style(), bsCross);
}

TEST(CanvasTest, ShapesMatchTheDrawingLayersOwnPicture) {
    // The same shapes once through the canvas and once straight through device-context calls.
    auto viaCanvas = MakeBitmap(24, 16, clWhite);
    TCanvas* canvas = viaCanvas->Canvas();
    canvas->Pen()->SetColor(clNavy);
    canvas->Pen()->SetWidth(2);
    canvas->Brush()->SetColor(clYellow);
    canvas->Ellipse(1, 1, 11, 9);
    canvas->RoundRect(12, 1, 23, 9, 4, 4);
    canvas->Brush()->SetStyle(bsDiagCross);
    const std::vector<POINT> triangle = {{2, 15}, {8, 10}, {14, 15}};
    canvas->Polygon(triangle);
    canvas->Pen()->SetStyle(psDot);
    canvas->Polyline(std::vector<POINT>{{15, 10}, {23, 15}});

    auto expected = MakeBitmap(24, 16, clWhite);
    HDC dc = expected->Canvas()->Handle();
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 128));
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    ::Ellipse(dc, 1, 1, 11, 9);
    ::RoundRect(dc, 12, 1, 23, 9, 4, 4);
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(255, 255, 0));
    SelectObject(dc, hatch);
    SetBkMode(dc, TRANSPARENT);
    ::Polygon(dc, triangle.data(), 3);
    HPEN dotted = CreatePen(PS_DOT, 2, RGB(0, 0, 128));
    SelectObject(dc, dotted);
    const POINT line[2] = {{15, 10}, {23, 15}};
    ::Polyline(dc, line, 2);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush),
                           static_cast<HGDIOBJ>(hatch), static_cast<HGDIOBJ>(dotted)})
        DeleteObject(object);

    int differences = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            if (At(*viaCanvas, x, y) != At(*expected, x, y)) ++differences;
    EXPECT_EQ(differences, 0);
    // And the picture is not blank: the shapes left their colours.
    EXPECT_EQ(At(*viaCanvas, 6, 5), clYellow);
    EXPECT_EQ(At(*viaCanvas, 1, 5), clNavy);
}

TEST(CanvasTest, DrawingAMonochromePictureLeavesTheCanvasColours) {
    TestFontScope testFont;
    auto target = MakeBitmap(20, 20, clWhite);
    TCanvas* canvas = target->Canvas();
    canvas->Font()->SetHeight(8);
    canvas->Font()->SetColor(clRed);
    canvas->Brush()->SetColor(clYellow);
    canvas->TextOut(0, 10, "a"); // font and brush selected, their colours in the DC
    auto mask = MakeBitmap(2, 1, clWhite);
    mask->Canvas()->SetPixels(0, 0, clBlack);
    mask->SetMonochrome(true);
    canvas->Draw(0, 0, mask.get()); // drawn in black on white, whatever the canvas's colours
    EXPECT_EQ(At(*target, 0, 0), clBlack);
    EXPECT_EQ(At(*target, 1, 0), clWhite);
    canvas->TextOut(10, 10, "a");
    EXPECT_EQ(At(*target, 10, 10), clYellow); // the brush paints the text background again
    EXPECT_EQ(GetTextColor(canvas->Handle()), ColorToRGB(clRed));
}
