// Copying a PNG image to and from a device-independent bitmap.
#include "imaging/png/PngBitmapData.h"
#include "imaging/png/PngDataChunk.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

#include <cstring>

void TPngPicture::FromBitmapData(const TPngBitmapData& Bitmap, bool Transparent, COLORREF Key) {
    const int bpp = Bitmap.BitsPerPixel;
    const bool indexed = bpp == 1 || bpp == 4 || bpp == 8;
    if ((!indexed && bpp != 24 && bpp != 32) || Bitmap.Width <= 0 || Bitmap.Height <= 0 ||
        Bitmap.Bits.size() < Bitmap.Stride() * std::size_t(Bitmap.Height))
        Fail<EPngInvalidIHDR>(PngText::InvalidIHDR);
    auto header = std::make_unique<TChunkIHDR>(this);
    TChunkIHDR& h = *header;
    h.Width = Bitmap.Width;
    h.Height = Bitmap.Height;
    h.BitDepth = std::uint8_t(indexed ? bpp : 8);
    h.ColorType = indexed ? 3 : 2;
    h.CompressionMethod = h.FilterMethod = h.InterlaceMethod = 0;
    h.AllocateImage(); // raises the size error while the old image is still intact
    FreeAllChunks();
    FChunkList.Add(std::move(header));
    TChunkPLTE* plte = nullptr;
    if (indexed) {
        auto owned = std::make_unique<TChunkPLTE>(this);
        plte = owned.get();
        FChunkList.Add(std::move(owned));
    }
    TChunktRNS* trns = nullptr;
    if (Transparent) {
        auto owned = std::make_unique<TChunktRNS>(this);
        trns = owned.get();
        FChunkList.Add(std::move(owned));
    }
    FChunkList.Add(std::make_unique<TChunkIDAT>(this));
    FChunkList.Add(std::make_unique<TChunkIEND>(this));

    for (int y = 0; y < h.Height; ++y) {
        const std::uint8_t* src = Bitmap.Row(y);
        std::uint8_t* dst = h.RowPointer(y);
        if (indexed || bpp == 24) {
            std::memcpy(dst, src, std::min(std::size_t(h.RowStride), Bitmap.Stride()));
        } else {
            for (int x = 0; x < h.Width; ++x)
                std::memcpy(dst + 3 * x, src + 4 * x, 3);
        }
    }
    if (indexed) {
        const int entries = 1 << bpp;
        for (int i = 0; i < entries && i < int(Bitmap.Colors.size()); ++i) {
            h.DibInfo.Colors[std::size_t(i)] = Bitmap.Colors[std::size_t(i)];
            h.DibInfo.Colors[std::size_t(i)].Reserved = 0;
        }
        plte->SetEntryCount(entries);
    }
    if (trns) trns->SetKeyColor(Key);
}

TPngBitmapData TPngPicture::ToBitmapData(bool& Transparent, COLORREF& Key) const {
    TPngBitmapData out;
    Transparent = false;
    Key = 0;
    if (!HasHeader() || !HeaderChunk()->HasImage()) return out;
    const TChunkIHDR& h = *HeaderChunk();
    out.Width = h.Width;
    out.Height = h.Height;
    out.BitsPerPixel = h.DibInfo.BitCount;
    out.Bits.resize(out.Stride() * std::size_t(out.Height));
    for (int y = 0; y < h.Height; ++y)
        std::memcpy(out.Row(y), h.RowPointer(y), out.Stride());
    if (out.BitsPerPixel <= 8)
        out.Colors.assign(h.DibInfo.Colors.begin(), h.DibInfo.Colors.begin() + (1 << out.BitsPerPixel));
    // The alpha plane has no place in the bitmap; a key colour travels as its transparent colour.
    if (TransparencyKind() == tkBit) {
        Transparent = true;
        Key = KeyColor();
    }
    return out;
}
