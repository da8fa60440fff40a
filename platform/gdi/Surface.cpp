#include "platform/gdi/Surface.h"

#include <algorithm>

TSurface::TSurface(int width, int height, int bitsPerPixel, bool bottomUp)
    : FBitsPerPixel(bitsPerPixel == 1 ? 1 : 32), FBottomUp(bottomUp) {
    Resize(width, height);
}

void TSurface::Resize(int width, int height) {
    FWidth = std::max(0, width);
    FHeight = std::max(0, height);
    FPixels.assign(std::size_t(FWidth) * std::size_t(FHeight), 0u);
}

std::uint32_t TSurface::Pixel(int x, int y) const {
    return Contains(x, y) ? Row(y)[x] : 0u;
}

void TSurface::SetPixel(int x, int y, std::uint32_t bgra) {
    if (Contains(x, y)) Row(y)[x] = bgra;
}

void TSurface::Fill(std::uint32_t bgra) {
    std::fill(FPixels.begin(), FPixels.end(), bgra);
}
