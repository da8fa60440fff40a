#include "imaging/DibBitmap.h"

#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace dib_bitmap_detail {
void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = std::uint8_t(v);
    out[at + 1] = std::uint8_t(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// A BMP file of the DIB: file header, 40-byte info header, colour table, rows bottom-up.
std::vector<std::uint8_t> BmpFile(const TPngBitmapData& dib) {
    const std::size_t colors = dib.BitsPerPixel <= 8 ? std::size_t(1) << dib.BitsPerPixel : 0;
    const std::size_t stride = dib.Stride();
    const std::size_t offset = 14 + 40 + 4 * colors;
    std::vector<std::uint8_t> out(offset + stride * std::size_t(dib.Height), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, std::uint32_t(out.size()));
    Put32(out, 10, std::uint32_t(offset));
    Put32(out, 14, 40);
    Put32(out, 18, std::uint32_t(dib.Width));
    Put32(out, 22, std::uint32_t(dib.Height));
    Put16(out, 26, 1);
    Put16(out, 28, std::uint16_t(dib.BitsPerPixel));
    Put32(out, 34, std::uint32_t(stride * std::size_t(dib.Height)));
    Put32(out, 46, std::uint32_t(colors));
    for (std::size_t i = 0; i < colors && i < dib.Colors.size(); ++i) {
        std::uint8_t* q = out.data() + 54 + 4 * i;
        q[0] = dib.Colors[i].Blue;
        q[1] = dib.Colors[i].Green;
        q[2] = dib.Colors[i].Red;
    }
    for (int y = 0; y < dib.Height; ++y)
        std::memcpy(out.data() + offset + stride * std::size_t(dib.Height - 1 - y), dib.Row(y), stride);
    return out;
}
} // namespace dib_bitmap_detail

void DibToBitmap(const TPngBitmapData& Dib, TBitmap& Bitmap) {
    if (Dib.Width <= 0 || Dib.Height <= 0) {
        Bitmap.Assign(nullptr);
        return;
    }
    if (Dib.BitsPerPixel == 32) {
        // Straight into the bitmap's surface (a BMP file would not promise to keep the fourth byte).
        Bitmap.Assign(nullptr);
        Bitmap.SetPixelFormat(pf32bit);
        Bitmap.SetSize(Dib.Width, Dib.Height);
        for (int y = 0; y < Dib.Height; ++y)
            std::memcpy(Bitmap.ScanLine(y), Dib.Row(y), std::size_t(Dib.Width) * 4);
        return;
    }
    const std::vector<std::uint8_t> file = dib_bitmap_detail::BmpFile(Dib);
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    // The class library's own reader: the bitmap keeps the format and colour table of the file.
    Bitmap.TBitmap::LoadFromStream(&stream);
}

TPngBitmapData DibFromBitmap(TBitmap& Bitmap) {
    TPngBitmapData out;
    if (Bitmap.Empty()) return out;
    const TPixelFormat format = Bitmap.PixelFormat();
    const int bits = format == pf1bit ? 1 : format == pf4bit ? 4 : format == pf8bit ? 8 : 32;
    out.Width = Bitmap.Width();
    out.Height = Bitmap.Height();
    out.BitsPerPixel = bits;
    out.Bits.assign(out.Stride() * std::size_t(out.Height), 0);
    if (bits <= 8) {
        // The stored rows are packed indices of the bitmap's palette.
        const std::size_t rowBytes = (std::size_t(bits) * std::size_t(out.Width) + 7) / 8;
        for (int y = 0; y < out.Height; ++y)
            std::memcpy(out.Row(y), Bitmap.ScanLine(y), rowBytes);
        out.Colors.assign(std::size_t(1) << bits, TPngColorEntry{});
        const auto& palette = Bitmap.Palette();
        for (std::size_t i = 0; i < out.Colors.size() && i < palette.size(); ++i)
            out.Colors[i] = TPngColorEntry{palette[i].rgbBlue, palette[i].rgbGreen, palette[i].rgbRed, 0};
        return out;
    }
    // Every deeper format reads back through a 32-bit copy.
    TBitmap copy;
    copy.Assign(&Bitmap);
    copy.SetPixelFormat(pf32bit);
    for (int y = 0; y < out.Height; ++y)
        std::memcpy(out.Row(y), copy.ScanLine(y), std::size_t(out.Width) * 4);
    return out;
}
