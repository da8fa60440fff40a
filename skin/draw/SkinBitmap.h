// TskBitmap: the skin library's 32-bit picture, a top-down DIB section (blue, green, red, alpha) with
// its own memory DC. It draws onto any DC or another TskBitmap by copying, alpha blending (when some
// pixel is partly transparent) or leaving out the key colour RGB(127, 0, 127), stretched or not.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Persistent.h"

#include <cstdint>
#include <memory>
#include <string>

class TCanvas;
class TGraphic;

class TskBitmap : public TPersistent {
public:
    TskBitmap();
    ~TskBitmap() override;
    TskBitmap(const TskBitmap&) = delete;
    TskBitmap& operator=(const TskBitmap&) = delete;

    // From another TskBitmap (pixels, Name and both flags), a 32-bit TBitmap (pixels with their alpha),
    // any other TBitmap or graphic (opaque), or a TPicture's graphic.
    void Assign(TPersistent* Source) override;
    // Into a TBitmap or TPicture: 32 bits, this size, this picture drawn onto it.
    void AssignTo(TPersistent* Dest) override;

    // Both sizes are taken as absolute values; nothing happens for 0 or the current size. The new
    // pixels are all 0. Raises Exception when the DIB or its DC cannot be made.
    void SetSize(int Width, int Height);
    int PixelWidth() const { return FWidth; }
    int PixelHeight() const { return FHeight; }
    bool Empty() const { return FPixels == nullptr; }

    std::uint32_t* Pixels() const { return FPixels; }
    std::uint32_t* RowAddress(int y) const { return FPixels + std::size_t(y) * std::size_t(FWidth); }
    std::uint32_t* PixelAddress(int x, int y) const { return RowAddress(y) + x; }
    // Stores the value when (x, y) lies inside.
    void PutPixel(int x, int y, std::uint32_t Value);

    const BITMAPINFOHEADER& DibHeader() const { return FHeader; }
    HBITMAP DibHandle() const { return FDib; }
    HDC MemoryDC() const { return FMemoryDC; }
    // A canvas on MemoryDC, made on first request.
    TCanvas* DrawCanvas();

    std::string Name;
    bool HasPartialAlpha = false;
    bool KeyTransparent = false;

    void FillAlpha(std::uint8_t Value);
    // HasPartialAlpha := some alpha is neither 0 nor 255.
    void DetectPartialAlpha();
    // Lowers each colour channel to at most the pixel's alpha (valid premultiplied data).
    void ClampToAlpha();
    // Each colour channel := Round(alpha * channel / 255).
    void Premultiply();
    // Each alpha := (red + green + blue) div 3 of Mask's pixel at the same place; pixels the mask does
    // not cover become opaque.
    void AlphaFromLuminance(const TskBitmap& Mask);
    void AlphaFromLuminancePremultiplied(const TskBitmap& Mask);

    void DrawAt(HDC DC, int X, int Y);
    void DrawPart(HDC DC, int X, int Y, const TRect& Source);
    void DrawStretched(HDC DC, const TRect& Dest, const TRect& Source);
    void DrawOnCanvas(TCanvas* Canvas, int X, int Y);
    // Combines Source of this bitmap into Dest of Target: alpha when HasPartialAlpha, else key when
    // KeyTransparent, else copy. Nothing for a source rectangle outside this bitmap.
    void DrawToBitmap(TskBitmap& Target, const TRect& Dest, const TRect& Source);
    // Stretches a graphic into Rect; pixels the graphic leaves untouched keep their value.
    void RenderGraphic(TGraphic* Graphic, const TRect& Rect);

private:
    void FreeImage();
    void DrawThroughBuffer(HDC DC, const TRect& Dest, const TRect& Source);

    int FWidth = 0;
    int FHeight = 0;
    std::uint32_t* FPixels = nullptr;
    BITMAPINFOHEADER FHeader{};
    HBITMAP FDib = nullptr;
    HDC FMemoryDC = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    std::unique_ptr<TCanvas> FDrawCanvas;
};

// The TskBitmap whose MemoryDC is DC, or null.
TskBitmap* BitmapByDC(HDC DC);
