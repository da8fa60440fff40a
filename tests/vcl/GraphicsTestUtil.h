// Helpers of the graphics tests: 32-bit bitmaps filled with one colour, and pixel reads as colours.
#pragma once

#include "platform/gdi/GdiText.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace graphics_test {

inline std::unique_ptr<TBitmap> MakeBitmap(int width, int height, TColor fill = clWhite,
                                           TPixelFormat format = pf32bit) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect(RECT{0, 0, width, height});
    return bitmap;
}

// The colour of a pixel (RGB, red in the low byte).
inline TColor At(TBitmap& bitmap, int x, int y) {
    return bitmap.Canvas()->Pixels(x, y) & 0xFFFFFF;
}

// Text layout with the built-in fixed-metric font.
class TestFontScope {
public:
    TestFontScope() { GdiSetTestFontEverywhere(true); }
    ~TestFontScope() { GdiSetTestFontEverywhere(false); }
};

} // namespace graphics_test
