#include "BarsTestSupport.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Screen.h"
#include "tests/support/TestPaths.h"
#include "ui/bars/BarCursors.h"

#include <filesystem>

using namespace bars_test;

// The four cursors are in their slots with their hot spots, and look right: drawn six times their size on
// a coloured background into build/test-output/bars/cursors.png.
TEST_F(BarsTest, CursorsAreLoadedIntoTheirSlots) {
    const TCursor slots[] = {crovBarDragCursor, crovBarDragCopyCursor, crovBarDragNoDropCursor,
                             crovBarEditSizingCursor};
    const DWORD hotX[] = {0, 0, 0, 16};
    constexpr int Scale = 6, Cell = 32 * Scale + 16;
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    TSurface sheet(4 * Cell, Cell);
    for (int i = 0; i < 4; ++i) {
        HCURSOR cursor = Screen()->Cursors(slots[i]);
        ASSERT_NE(cursor, nullptr) << slots[i];
        EXPECT_NE(cursor, Screen()->Cursors(crDefault));
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(cursor, &icon));
        EXPECT_FALSE(icon.fIcon);
        EXPECT_EQ(icon.xHotspot, hotX[i]);
        if (icon.hbmColor) DeleteObject(icon.hbmColor);
        if (icon.hbmMask) DeleteObject(icon.hbmMask);
        // Drawn over a light blue ground, so that both the black outline and the white body show.
        auto* pixels = static_cast<std::uint32_t*>(bits);
        std::fill(pixels, pixels + 32 * 32, 0xFF8CB4E6u);
        ASSERT_TRUE(DrawIconEx(dc, 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL));
        int dark = 0, light = 0;
        for (int p = 0; p < 32 * 32; ++p) {
            const std::uint32_t c = pixels[p] & 0xFFFFFF;
            if (c == 0) ++dark;
            if (c == 0xFFFFFF) ++light;
        }
        EXPECT_GT(dark, 20) << slots[i];
        EXPECT_GT(light, 20) << slots[i];
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x) {
                const int sx = (x - 8) / Scale, sy = (y - 8) / Scale;
                const bool inside = x >= 8 && y >= 8 && sx < 32 && sy < 32;
                sheet.Row(y)[i * Cell + x] = inside ? (pixels[sy * 32 + sx] | 0xFF000000u) : 0xFF506070u;
            }
    }
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    const std::filesystem::path folder = std::filesystem::path(OlvaTestOutputPath()) / "bars";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(SaveSurfaceToPng(sheet, (folder / "cursors.png").string()));
}
