#include "imaging/picture/PicBitmap.h"

#include "platform/rtl/Exceptions.h"

#include <cstring>

int TPicBitmap::BitsPerPixel(TPicPixelFormat Format) {
    switch (Format) {
    case ppf1bit:
        return 1;
    case ppf4bit:
        return 4;
    case ppf8bit:
        return 8;
    case ppf15bit:
    case ppf16bit:
        return 16;
    case ppf24bit:
        return 24;
    case ppf32bit:
    case ppfDevice:
        return 32;
    default:
        return 0;
    }
}

std::int64_t TPicBitmap::StrideFor(TPicPixelFormat Format, std::int64_t Width) {
    return ((BitsPerPixel(Format) * Width + 31) / 32) * 4;
}

void TPicBitmap::Allocate() {
    FBits.assign(std::size_t(StrideFor(FPixelFormat, FWidth)) * std::size_t(FHeight), 0);
}

void TPicBitmap::SetPixelFormat(TPicPixelFormat Value) {
    FPixelFormat = Value;
    Allocate();
}

bool TPicBitmap::SetSize(int AWidth, int AHeight) {
    if (AWidth < 0 || AHeight < 0 || StrideFor(FPixelFormat, AWidth) * AHeight > MaxPixelBytes) return false;
    FWidth = AWidth;
    FHeight = AHeight;
    Allocate();
    return true;
}

void TPicBitmap::Clear() {
    FPixelFormat = ppfDevice;
    FWidth = FHeight = 0;
    FBits.clear();
    FPalette.clear();
    FTransparentColor = PicClNone;
    FTransparent = false;
}

std::uint8_t* TPicBitmap::ScanLine(int y) {
    if (y < 0 || y >= FHeight || FBits.empty()) throw EInvalidGraphic("Scan line index out of range");
    return FBits.data() + std::size_t(y) * std::size_t(Stride());
}

const std::uint8_t* TPicBitmap::ScanLine(int y) const {
    return const_cast<TPicBitmap*>(this)->ScanLine(y);
}

void TPicBitmap::Fill(COLORREF Color, int Index) {
    const int bits = BitsPerPixel(FPixelFormat);
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* row = ScanLine(y);
        if (bits <= 8) {
            int pattern = 0;
            for (int k = 0; k < 8 / bits; ++k)
                pattern = (pattern << bits) | (Index & ((1 << bits) - 1));
            std::memset(row, pattern, std::size_t(Stride()));
        } else if (bits == 24 || bits == 32) {
            const int step = bits / 8;
            for (int x = 0; x < FWidth; ++x) {
                row[x * step] = GetBValue(Color);
                row[x * step + 1] = GetGValue(Color);
                row[x * step + 2] = GetRValue(Color);
                if (step == 4) row[x * step + 3] = 0;
            }
        }
    }
}

void TPicBitmap::Assign(const TPicBitmap& Source) {
    if (&Source == this) return;
    FPixelFormat = Source.FPixelFormat;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FBits = Source.FBits;
    FPalette = Source.FPalette;
    FTransparentColor = Source.FTransparentColor;
    FTransparent = Source.FTransparent;
}

void RequirePixelFormat32(const TPicBitmap& Bitmap) {
    if (Bitmap.PixelFormat() != ppf32bit || Bitmap.Empty())
        throw Exception("Wrong bitmap format - must be 32 bits/pixel");
}
