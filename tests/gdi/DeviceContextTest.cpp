#include "GdiTestUtil.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

using namespace gdi_test;

TEST(DeviceContext, MemoryDcStartsWithStockObjectsAndMonochromeBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 1);
    // A bitmap compatible with that DC is monochrome, as the desktop API makes it.
    HBITMAP mono = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP bm{};
    ASSERT_EQ(GetObject(mono, sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 2);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_TRUE(DeleteObject(mono));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(DeviceContext, SelectedBitmapCannotBeDeletedNorSelectedTwice) {
    TMemoryCanvas canvas(4, 4);
    EXPECT_FALSE(DeleteObject(canvas.Bitmap));
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, canvas.Bitmap), nullptr);
    DeleteDC(other);
    // Stock objects are never deleted.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), OBJ_BRUSH);
}

TEST(DeviceContext, DeletedBrushStillSelectedKeepsDrawing) {
    TMemoryCanvas canvas(2, 2);
    HBRUSH red = CreateSolidBrush(Red);
    HGDIOBJ old = SelectObject(canvas.Dc, red);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), 0u);
    PatBlt(canvas.Dc, 0, 0, 2, 2, PATCOPY);
    EXPECT_EQ(canvas.At(1, 1), Red);
    SelectObject(canvas.Dc, old);
}

TEST(DeviceContext, SaveAndRestoreIndexedAndRelative) {
    TMemoryCanvas canvas(4, 4);
    SetTextColor(canvas.Dc, Red);
    EXPECT_EQ(SaveDC(canvas.Dc), 1);
    SetTextColor(canvas.Dc, Green);
    SetWindowOrgEx(canvas.Dc, 5, 6, nullptr);
    EXPECT_EQ(SaveDC(canvas.Dc), 2);
    SetTextColor(canvas.Dc, Blue);
    EXPECT_EQ(SaveDC(canvas.Dc), 3);
    EXPECT_TRUE(RestoreDC(canvas.Dc, -1));
    EXPECT_EQ(GetTextColor(canvas.Dc), Blue);
    EXPECT_TRUE(RestoreDC(canvas.Dc, 1));
    EXPECT_EQ(GetTextColor(canvas.Dc), Red);
    POINT org{9, 9};
    GetWindowOrgEx(canvas.Dc, &org);
    EXPECT_EQ(org, (POINT{0, 0}));
    EXPECT_FALSE(RestoreDC(canvas.Dc, 1)); // that level is gone now
    EXPECT_FALSE(RestoreDC(canvas.Dc, -1));
    // The selected bitmap survives the restores.
    EXPECT_EQ(GetCurrentObject(canvas.Dc, OBJ_BITMAP), canvas.Bitmap);
}

TEST(DeviceContext, GetObjectReportsRecords) {
    HPEN pen = CreatePen(PS_DASH, 3, Red);
    LOGPEN lp{};
    EXPECT_EQ(GetObject(pen, sizeof(lp), &lp), int(sizeof(LOGPEN)));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, Red);
    HBRUSH hatch = CreateHatchBrush(HS_CROSS, Blue);
    LOGBRUSH32 lb{};
    EXPECT_EQ(GetObject(hatch, 12, &lb), 12);
    EXPECT_EQ(lb.lbStyle, BS_HATCHED);
    EXPECT_EQ(lb.lbColor, Blue);
    EXPECT_EQ(lb.lbHatch, ULONG(HS_CROSS));
    LOGFONT in{};
    in.lfHeight = -13;
    in.lfWeight = FW_BOLD;
    std::strcpy(in.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirect(&in);
    LOGFONT out{};
    EXPECT_EQ(GetObject(font, sizeof(out), &out), 60);
    EXPECT_EQ(out.lfHeight, -13);
    EXPECT_STREQ(out.lfFaceName, "Tahoma");
    EXPECT_EQ(GetObject(nullptr, sizeof(out), &out), 0);
    DeleteObject(pen);
    DeleteObject(hatch);
    DeleteObject(font);
}

TEST(DeviceContext, DeviceCapsOfColourSurface) {
    TMemoryCanvas canvas(3, 3);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc, TECHNOLOGY), DT_RASDISPLAY);
}

TEST(DeviceContext, SurfaceDcHonoursDeviceOriginVisibleRegionAndWindowOrigin) {
    auto screen = std::make_shared<TSurface>(10, 10);
    screen->Fill(0);
    // The "window" starts at (2, 3) on the surface and only its part left of x = 6 is visible.
    HRGN visible = CreateRectRgn(0, 0, 6, 10);
    HDC dc = GdiCreateSurfaceDC(screen, POINT{2, 3}, visible);
    DeleteObject(visible);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(SelectObject(dc, CreateCompatibleBitmap(dc, 2, 2)), nullptr); // no bitmaps in window DCs
    SetWindowOrgEx(dc, 1, 1, nullptr);
    HBRUSH red = CreateSolidBrush(Red);
    RECT r{1, 1, 4, 3}; // device (0,0)-(3,2) -> surface (2,3)-(5,5), cut at x = 6: fully visible
    FillRect(dc, &r, red);
    RECT wide{1, 4, 9, 5}; // device (0,3)-(8,4) -> surface (2,6)-(10,7), visible up to x = 6
    FillRect(dc, &wide, red);
    DeleteObject(red);
    const std::uint32_t redPixel = ColorRefToPixel(Red);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool first = x >= 2 && x < 5 && y >= 3 && y < 5;
            const bool second = x >= 2 && x < 6 && y == 6;
            EXPECT_EQ(screen->Pixel(x, y), (first || second) ? redPixel : 0u) << x << "," << y;
        }
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{-1, -2, 5, 8})); // surface (0,0)-(6,10) in logical coordinates
    DeleteDC(dc);
}

TEST(DeviceContext, ClipRegionsWorkInDeviceCoordinatesAndRectanglesInLogical) {
    TMemoryCanvas canvas(8, 8);
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.Dc, none), 0);
    DeleteObject(none);
    SetWindowOrgEx(canvas.Dc, 2, 2, nullptr);
    // Logical (2,2)-(6,6) is device (0,0)-(4,4).
    EXPECT_EQ(IntersectClipRect(canvas.Dc, 2, 2, 6, 6), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(canvas.Dc, 3, 3, 5, 5), COMPLEXREGION);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.Dc, clip), 1);
    RECT box{};
    GetRgnBox(clip, &box);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
    EXPECT_TRUE(PtVisible(canvas.Dc, 2, 2));
    EXPECT_FALSE(PtVisible(canvas.Dc, 3, 3));
    RECT inside{3, 3, 5, 5};
    EXPECT_FALSE(RectVisible(canvas.Dc, &inside));
    PatBlt(canvas.Dc, 0, 0, 20, 20, BLACKNESS);
    EXPECT_TRUE(MatchesArt(canvas, {"####....", "#..#....", "#..#....", "####....", "........"},
                           {{'#', Black}, {'.', White}}));
    // Offsetting the clip moves it in device units.
    PatBlt(canvas.Dc, 0, 0, 20, 20, WHITENESS);
    OffsetClipRgn(canvas.Dc, 4, 0);
    PatBlt(canvas.Dc, 0, 0, 20, 20, BLACKNESS);
    EXPECT_TRUE(MatchesArt(canvas, {"....####", "....#..#"}, {{'#', Black}, {'.', White}}));
    // Selecting no region removes clipping.
    EXPECT_EQ(SelectClipRgn(canvas.Dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(canvas.Dc, clip), 0);
    DeleteObject(clip);
}

TEST(DeviceContext, PngWriterWritesCompleteFilesOnly) {
    TSurface surface(3, 2);
    surface.Fill(ColorRefToPixel(Red));
    const std::string dir = OLVA_TEST_OUT_DIR;
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/gdi-surface.png";
    ASSERT_TRUE(SaveSurfaceToPng(surface, path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char header[8] = {};
    ASSERT_EQ(std::fread(header, 1, 8, f), 8u);
    std::fclose(f);
    EXPECT_EQ(header[1], 'P');
    EXPECT_EQ(header[2], 'N');
    // An empty surface or an unwritable place fails and leaves the existing file alone.
    const auto size = std::filesystem::file_size(path);
    EXPECT_FALSE(SaveSurfaceToPng(TSurface(), path));
    EXPECT_FALSE(SaveSurfaceToPng(surface, dir + "/no-such-folder/x.png"));
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST(DeviceContext, ResetAndMovedDeviceOriginForReusedWindowDcs) {
    auto screen = std::make_shared<TSurface>(6, 2);
    HDC dc = GdiCreateSurfaceDC(screen, POINT{0, 0}, nullptr);
    SetTextColor(dc, Red);
    SetWindowOrgEx(dc, 3, 0, nullptr);
    IntersectClipRect(dc, 3, 0, 4, 1);
    SaveDC(dc);
    ASSERT_TRUE(GdiResetDC(dc));
    EXPECT_EQ(GetTextColor(dc), Black);
    POINT org{9, 9};
    GetWindowOrgEx(dc, &org);
    EXPECT_EQ(org, (POINT{0, 0}));
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0);
    DeleteObject(clip);
    EXPECT_FALSE(RestoreDC(dc, -1)); // saved states are gone too
    // Moving the device origin moves what device (0, 0) means, clip and all.
    ASSERT_TRUE(GdiSetDCDeviceOrigin(dc, POINT{4, 1}));
    POINT where{};
    GetDCOrgEx(dc, &where);
    EXPECT_EQ(where, (POINT{4, 1}));
    EXPECT_EQ(SetPixel(dc, 1, 0, Red), Red);
    EXPECT_EQ(screen->Pixel(5, 1), ColorRefToPixel(Red));
    EXPECT_EQ(SetPixel(dc, 2, 0, Red), CLR_INVALID); // beyond the surface
    EXPECT_EQ(GdiGetDCSurface(dc), screen);
    DeleteDC(dc);
}
