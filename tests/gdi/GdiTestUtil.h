// Helpers of the drawing tests: a memory DC over a fresh bitmap, and pictures written as character art.
#pragma once

#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gdi_test {

// A memory DC with a selected bitmap of the given size, filled with one colour; frees both at the end.
class TMemoryCanvas {
public:
    TMemoryCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255), int bitsPerPixel = 32) {
        Dc = CreateCompatibleDC(nullptr);
        Bitmap = bitsPerPixel == 1 ? CreateBitmap(width, height, 1, 1, nullptr)
                                   : CreateCompatibleBitmap(ScreenLike(), width, height);
        Old = SelectObject(Dc, Bitmap);
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(Dc, &all, brush);
        DeleteObject(brush);
    }
    ~TMemoryCanvas() {
        SelectObject(Dc, Old);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    TMemoryCanvas(const TMemoryCanvas&) = delete;
    TMemoryCanvas& operator=(const TMemoryCanvas&) = delete;

    TSurface& Surface() { return *GdiGetBitmapSurface(Bitmap); }
    // The colour of a pixel, read from the surface (no clipping).
    COLORREF At(int x, int y) { return PixelToColorRef(Surface().Pixel(x, y)) & 0xFFFFFF; }

    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;

private:
    // A colour surface DC to create colour bitmaps against.
    static HDC ScreenLike() {
        static HDC screen = GdiCreateSurfaceDC(std::make_shared<TSurface>(1, 1), POINT{0, 0}, nullptr);
        return screen;
    }
    HGDIOBJ Old = nullptr;
};

// Compares the colours of a surface area with character art: each character maps to a colour.
inline ::testing::AssertionResult MatchesArt(TMemoryCanvas& canvas, const std::vector<std::string>& art,
                                             const std::map<char, COLORREF>& colors, int left = 0,
                                             int top = 0) {
    std::string differences;
    for (int y = 0; y < int(art.size()); ++y)
        for (int x = 0; x < int(art[std::size_t(y)].size()); ++x) {
            const COLORREF expected = colors.at(art[std::size_t(y)][std::size_t(x)]);
            const COLORREF actual = canvas.At(left + x, top + y);
            if (expected != actual && differences.size() < 400)
                differences += " (" + std::to_string(left + x) + "," + std::to_string(top + y) + ")";
        }
    if (differences.empty()) return ::testing::AssertionSuccess();
    std::string picture;
    for (int y = 0; y < int(art.size()); ++y) {
        picture += "\n  ";
        for (int x = 0; x < int(art[std::size_t(y)].size()); ++x) {
            const COLORREF actual = canvas.At(left + x, top + y);
            char c = '?';
            for (const auto& [key, color] : colors)
                if (color == actual) c = key;
            picture += c;
        }
    }
    return ::testing::AssertionFailure() << "differs at" << differences << "; actual:" << picture;
}

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);

} // namespace gdi_test
