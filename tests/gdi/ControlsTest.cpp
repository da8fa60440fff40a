#include "GdiTestUtil.h"

using namespace gdi_test;

namespace {
// Classic scheme colours the drawing helpers use.
constexpr COLORREF Face = RGB(212, 208, 200), Shadow = RGB(128, 128, 128), DarkShadow = RGB(64, 64, 64),
                   Light = RGB(212, 208, 200), Highlight = RGB(255, 255, 255);
const std::map<char, COLORREF> Edge = {{'.', Red},       {'F', Face},  {'S', Shadow}, {'D', DarkShadow},
                                       {'H', Highlight}, {'K', Black}, {'W', White}};
} // namespace

TEST(Controls, DrawEdgeRingsAndAdjust) {
    struct Case {
        UINT EdgeKind, Flags;
        std::vector<std::string> Expected;
        RECT Adjusted;
    };
    const std::vector<Case> cases = {
        {EDGE_SUNKEN,
         BF_RECT | BF_ADJUST,
         {"SSSSSH", "SDDDFH", "SD..FH", "SD..FH", "SFFFFH", "HHHHHH"},
         {2, 2, 4, 4}},
        {EDGE_RAISED,
         BF_RECT | BF_MIDDLE,
         {"FFFFFD", "FHHHSD", "FHFFSD", "FHFFSD", "FSSSSD", "DDDDDD"},
         {0, 0, 6, 6}},
        {EDGE_ETCHED, BF_RECT, {"SSSSSH", "SHHHSH", "SH..SH", "SH..SH", "SSSSSH", "HHHHHH"}, {0, 0, 6, 6}},
        {BDR_RAISEDINNER,
         BF_TOP | BF_LEFT | BF_ADJUST,
         {"HHHHH.", "H.....", "H.....", "H.....", "H.....", "......"},
         {1, 1, 6, 6}},
        {EDGE_SUNKEN,
         BF_RECT | BF_FLAT | BF_ADJUST,
         {"SSSSSS", "SFFFFS", "SF..FS", "SF..FS", "SFFFFS", "SSSSSS"},
         {2, 2, 4, 4}},
    };
    for (const Case& c : cases) {
        TMemoryCanvas canvas(6, 6, Red);
        RECT r{0, 0, 6, 6};
        EXPECT_TRUE(DrawEdge(canvas.Dc, &r, c.EdgeKind, c.Flags));
        EXPECT_TRUE(MatchesArt(canvas, c.Expected, Edge)) << c.EdgeKind << " " << c.Flags;
        EXPECT_EQ(r, c.Adjusted);
    }
}

TEST(Controls, SystemColoursComeFromTheInstalledFunction) {
    GdiSetSysColorFunction([](int index) { return index == 16 ? RGB(1, 2, 3) : RGB(9, 9, 9); });
    TMemoryCanvas canvas(3, 3, Red);
    RECT r{0, 0, 3, 3};
    DrawEdge(canvas.Dc, &r, BDR_SUNKENOUTER, BF_TOPLEFT);
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3));
    FillRect(canvas.Dc, &r, reinterpret_cast<HBRUSH>(std::intptr_t(16 + 1))); // (HBRUSH)(COLOR_BTNSHADOW + 1)
    EXPECT_EQ(canvas.At(2, 2), RGB(1, 2, 3));
    GdiSetSysColorFunction(nullptr);
    EXPECT_EQ(GdiSysColor(16), Shadow);
}

TEST(Controls, FocusRectangleIsDottedAndUndoneByDrawingAgain) {
    TMemoryCanvas canvas(5, 4, White);
    RECT r{0, 0, 5, 4};
    DrawFocusRect(canvas.Dc, &r);
    EXPECT_TRUE(MatchesArt(canvas, {"K.K.K", ".....", "K...K", ".K.K."}, {{'.', White}, {'K', Black}}));
    DrawFocusRect(canvas.Dc, &r);
    EXPECT_TRUE(MatchesArt(canvas, {".....", ".....", ".....", "....."}, {{'.', White}}));
}

TEST(Controls, FrameControlPushButtonAndCheckBoxGeometry) {
    TMemoryCanvas canvas(16, 16, Red);
    RECT r{0, 0, 8, 6};
    EXPECT_TRUE(DrawFrameControl(canvas.Dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(r, (RECT{2, 2, 6, 4}));
    EXPECT_EQ(canvas.At(0, 0), Highlight); // soft raised edge: highlight outside at the top left
    EXPECT_EQ(canvas.At(7, 5), DarkShadow);
    EXPECT_EQ(canvas.At(3, 3), Face);
    // A check box: a 13-pixel sunken square at the left, white inside, with a black tick when checked.
    TMemoryCanvas box(16, 13, Red);
    RECT all{0, 0, 16, 13};
    DrawFrameControl(box.Dc, &all, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_EQ(box.At(0, 0), Shadow);
    EXPECT_EQ(box.At(12, 12), Highlight);
    EXPECT_EQ(box.At(13, 6), Red); // nothing drawn right of the square
    EXPECT_EQ(box.At(3, 3), White);
    int black = 0;
    for (int y = 2; y < 11; ++y)
        for (int x = 2; x < 11; ++x)
            black += box.At(x, y) == Black;
    EXPECT_EQ(black, 21); // the 7-column, 3-pixel-thick tick
}

TEST(Controls, ScrollArrowPointsTheRightWay) {
    TMemoryCanvas canvas(16, 16, Red);
    RECT r{0, 0, 16, 16};
    DrawFrameControl(canvas.Dc, &r, DFC_SCROLL, DFCS_SCROLLUP);
    // Count the black pixels of each row: an up arrow widens downwards.
    std::vector<int> widths;
    for (int y = 0; y < 16; ++y) {
        int n = 0;
        for (int x = 0; x < 16; ++x)
            n += canvas.At(x, y) == Black;
        if (n) widths.push_back(n);
    }
    ASSERT_GE(widths.size(), 3u);
    for (std::size_t i = 1; i < widths.size(); ++i)
        EXPECT_EQ(widths[i], widths[i - 1] + 2);
}

TEST(Controls, DrawIconExMasksAndBlendsAlpha) {
    // A 2x1 icon: pixel 0 opaque red (mask 0), pixel 1 transparent (mask 1, colour black).
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, nullptr);
    GdiGetBitmapSurface(mask)->SetPixel(1, 0, 0xFFFFFFu);
    HBITMAP color = CreateBitmap(2, 1, 1, 32, nullptr);
    GdiGetBitmapSurface(color)->SetPixel(0, 0, ColorRefToPixel(Red));
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    TMemoryCanvas canvas(4, 1, Green);
    EXPECT_TRUE(DrawIconEx(canvas.Dc, 1, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_TRUE(MatchesArt(canvas, {"GRGG"}, {{'G', Green}, {'R', Red}}));
    EXPECT_FALSE(DeleteObject(icon)); // icons are destroyed with DestroyIcon
    EXPECT_TRUE(DestroyIcon(icon));
    // With straight alpha, the colour is blended: half-transparent blue over white.
    GdiGetBitmapSurface(color)->SetPixel(0, 0, 0x800000FFu);
    HICON alpha = CreateIconIndirect(&info);
    TMemoryCanvas white(2, 1, White);
    DrawIconEx(white.Dc, 0, 0, alpha, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(white.At(1, 0), White);
    EXPECT_NEAR(GetRValue(white.At(0, 0)), 127, 1);
    EXPECT_EQ(GetBValue(white.At(0, 0)), 255);
    ICONINFO back{};
    EXPECT_TRUE(GetIconInfo(alpha, &back));
    EXPECT_NE(back.hbmMask, nullptr);
    DeleteObject(back.hbmMask);
    DeleteObject(back.hbmColor);
    DestroyIcon(alpha);
    DeleteObject(mask);
    DeleteObject(color);
}

TEST(Controls, CopyImageResizesIconsAndDefaultSizeDraws32) {
    HBITMAP mask = CreateBitmap(2, 2, 1, 1, nullptr); // all opaque
    HBITMAP color = CreateBitmap(2, 2, 1, 32, nullptr);
    GdiGetBitmapSurface(color)->Fill(ColorRefToPixel(Red));
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    HICON big = HICON(CopyImage(icon, IMAGE_ICON, 4, 4, 0));
    ASSERT_NE(big, nullptr);
    ICONINFO bigInfo{};
    ASSERT_TRUE(GetIconInfo(big, &bigInfo));
    BITMAP bm{};
    GetObject(bigInfo.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bigInfo.xHotspot, 2u); // icons keep their hot spot in the middle
    TMemoryCanvas canvas(40, 40, White);
    DrawIconEx(canvas.Dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    EXPECT_EQ(canvas.At(31, 31), Red);
    EXPECT_EQ(canvas.At(32, 32), White);
    DeleteObject(bigInfo.hbmMask);
    DeleteObject(bigInfo.hbmColor);
    DestroyIcon(big);
    DestroyIcon(icon);
    DeleteObject(mask);
    DeleteObject(color);
}
