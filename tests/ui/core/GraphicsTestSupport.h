// Helpers of the library-graphics tests, beside the class library's (bitmaps of one colour, the test
// font): pixel reads with alpha, bounds of a colour, and pictures written under the test output folder.
#pragma once

#include "UiCoreTestSupport.h"
#include "tests/vcl/GraphicsTestUtil.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace graphics_test {

inline std::shared_ptr<TSurface> SurfaceOf(TBitmap& ABitmap) {
    return GdiGetBitmapSurface(ABitmap.Handle());
}

// The stored pixel: blue, green, red, alpha from the low byte up.
inline std::uint32_t PixelAt(TBitmap& ABitmap, int X, int Y) {
    return SurfaceOf(ABitmap)->Pixel(X, Y);
}
inline void SetPixelAt(TBitmap& ABitmap, int X, int Y, std::uint32_t APixel) {
    SurfaceOf(ABitmap)->SetPixel(X, Y, APixel);
}

// The colour of a stored pixel (red in the low byte), whatever origin and clip the bitmap's DC has.
inline TColor ColorAt(TBitmap& ABitmap, int X, int Y) {
    return static_cast<TColor>(PixelToColorRef(PixelAt(ABitmap, X, Y)));
}

constexpr std::uint32_t Bgra(int B, int G, int R, int A) {
    return std::uint32_t(B) | (std::uint32_t(G) << 8) | (std::uint32_t(R) << 16) | (std::uint32_t(A) << 24);
}
constexpr int ChannelOf(std::uint32_t APixel, int AShift) {
    return int((APixel >> AShift) & 0xFF);
}

// The smallest rectangle holding every pixel of the colour (ignoring alpha); empty when there is none.
inline RECT BoundsOfColor(TBitmap& ABitmap, TColor AColor) {
    const COLORREF wanted = ColorToRGB(AColor) & 0xFFFFFF;
    RECT bounds{ABitmap.Width(), ABitmap.Height(), 0, 0};
    for (int y = 0; y < ABitmap.Height(); ++y)
        for (int x = 0; x < ABitmap.Width(); ++x)
            if (PixelToColorRef(PixelAt(ABitmap, x, y)) == wanted) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    if (bounds.right <= bounds.left) return RECT{0, 0, 0, 0};
    return bounds;
}

// Layout with the built-in test font (TestFontScope): a height of 16 gives characters 8 pixels apart whose
// boxes cover columns 0-6 and rows 1-11 of their 8 x 16 cell.
constexpr int kTestFontHeight = 16;
constexpr int kTestFontAdvance = 8;

inline void UseTestFont(TFont* AFont) {
    AFont->SetName(GDI_TEST_FONT_FACE);
    AFont->SetHeight(-kTestFontHeight);
}

// Where the tests leave pictures for inspection.
inline std::string OutputPath(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "ui-core";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

inline bool SaveBitmapPng(TBitmap& ABitmap, const std::string& AName) {
    return SaveSurfaceToPng(*SurfaceOf(ABitmap), OutputPath(AName));
}

} // namespace graphics_test
