// The bitmap the picture library decodes into: a pixel format, a size, top-down scan lines (rows
// padded to 32 bits), a palette for the indexed formats and a transparent colour. It stands where the
// class library's bitmap will stand; its layout (BGR(A) bytes, 4-byte aligned rows) is that bitmap's.
#pragma once

#include "imaging/picture/ColorManager.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <vector>

inline constexpr COLORREF PicClNone = 0x1FFFFFFF;

class TPicBitmap : public TObject {
public:
    // Bitmaps above this many bytes of pixels are refused.
    static constexpr std::int64_t MaxPixelBytes = std::int64_t(1) << 28;

    TPicPixelFormat PixelFormat() const { return FPixelFormat; }
    // Changing the format clears the pixels (to zero) at the same size.
    void SetPixelFormat(TPicPixelFormat Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // The new pixels are zero; false (and nothing changed) when the bitmap would be too large.
    bool SetSize(int AWidth, int AHeight);
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    void Clear();

    static int BitsPerPixel(TPicPixelFormat Format);
    // Bytes per row for a format and width (0 when the format has no fixed size).
    static std::int64_t StrideFor(TPicPixelFormat Format, std::int64_t Width);
    int Stride() const { return int(StrideFor(FPixelFormat, FWidth)); }
    // Row y from the top; EInvalidGraphic "Scan line index out of range" outside the bitmap.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    const TPicPalette& Palette() const { return FPalette; }
    void SetPalette(TPicPalette Value) { FPalette = std::move(Value); }

    COLORREF TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(COLORREF Value) { FTransparentColor = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }

    // Fills every pixel: indexed formats with Index, the others with the colour (alpha 0 in 32 bits).
    void Fill(COLORREF Color, int Index);
    void Assign(const TPicBitmap& Source);

private:
    void Allocate();

    TPicPixelFormat FPixelFormat = ppfDevice;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FBits;
    TPicPalette FPalette;
    COLORREF FTransparentColor = PicClNone;
    bool FTransparent = false;
};

// The check of callers that draw 32-bit pictures with alpha (the splash window): raises Exception
// "Wrong bitmap format - must be 32 bits/pixel" for any other format.
void RequirePixelFormat32(const TPicBitmap& Bitmap);
