// A 32-bit pixel surface: top-down rows of B, G, R, A bytes (blue in the low byte of each 32-bit pixel).
// Every bitmap, DIB section and window image of the drawing layer is one of these. A monochrome bitmap is a
// surface whose pixels are only black (0x000000) or white (0xFFFFFF), flagged by BitsPerPixel() == 1.
// Rows are addressed top-down through Row(y) always; a surface made for a bottom-up DIB section merely
// stores its rows in the reverse order, so that the memory behind Pixels() has the layout its user expects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSurface {
public:
    TSurface() = default;
    TSurface(int width, int height, int bitsPerPixel = 32, bool bottomUp = false);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Bytes from one row to the next.
    int Stride() const { return FWidth * 4; }
    int BitsPerPixel() const { return FBitsPerPixel; }
    bool IsMonochrome() const { return FBitsPerPixel == 1; }
    bool Empty() const { return FWidth <= 0 || FHeight <= 0; }
    bool BottomUp() const { return FBottomUp; }

    std::uint32_t* Pixels() { return FPixels.data(); }
    const std::uint32_t* Pixels() const { return FPixels.data(); }
    // Row y counted from the top.
    std::uint32_t* Row(int y) { return FPixels.data() + StorageRow(y) * std::size_t(FWidth); }
    const std::uint32_t* Row(int y) const { return FPixels.data() + StorageRow(y) * std::size_t(FWidth); }

    // Pixel access with bounds checks: reading outside gives 0, writing outside does nothing.
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t bgra);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

    void Fill(std::uint32_t bgra);
    // Changes the size; the contents become zero.
    void Resize(int width, int height);

private:
    std::size_t StorageRow(int y) const { return std::size_t(FBottomUp ? FHeight - 1 - y : y); }
    int FWidth = 0;
    int FHeight = 0;
    int FBitsPerPixel = 32;
    bool FBottomUp = false;
    std::vector<std::uint32_t> FPixels;
};

// Pixel value (B, G, R, A in memory) <-> colour reference (R in the low byte, no alpha).
constexpr std::uint32_t ColorRefToPixel(std::uint32_t colorRef, std::uint32_t alpha = 0) {
    return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF) | (alpha << 24);
}
constexpr std::uint32_t PixelToColorRef(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
}

// Writes the surface as an 8-bit RGB PNG (alpha ignored: drawing leaves it 0), or RGBA when keepAlpha is
// set. The file is written beside the target and renamed over it only when complete. Returns false (and
// leaves any existing file untouched) when the surface is empty or the file cannot be written.
bool SaveSurfaceToPng(const TSurface& surface, const std::string& path, bool keepAlpha = false);
