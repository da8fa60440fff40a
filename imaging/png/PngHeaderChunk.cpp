#include "imaging/png/PngHeaderChunk.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

#include <new>

TChunkIHDR::TChunkIHDR(TPngPicture* AOwner) : TChunk(AOwner) {
    FChunkType = ClassType;
}

int TChunkIHDR::HeldBitsPerPixel(int ColorType, int BitDepth) {
    switch (ColorType) {
    case 0:
        switch (BitDepth) {
        case 1:
            return 1;
        case 2:
        case 4:
            return 4;
        case 8:
        case 16:
            return 8;
        default:
            return 0;
        }
    case 3:
        switch (BitDepth) {
        case 1:
            return 1;
        case 2:
        case 4:
            return 4;
        case 8:
            return 8;
        default:
            return 0;
        }
    case 2:
    case 6:
        return BitDepth == 8 || BitDepth == 16 ? 24 : 0;
    case 4:
        return BitDepth == 8 || BitDepth == 16 ? 8 : 0;
    default:
        return 0;
    }
}

void TChunkIHDR::CheckHeader() const {
    if (Width > 65535 || Height > 65535 || Width <= 0 || Height <= 0)
        Fail<EPNGSizeExceeds>(PngText::SizeExceeds);
    if (CompressionMethod != 0) Fail<EPNGUnknownCompression>(PngText::UnknownCompression);
    if (InterlaceMethod > 1) Fail<EPNGUnknownInterlace>(PngText::UnknownInterlace);
    const int bits = HeldBitsPerPixel(ColorType, BitDepth);
    if (bits == 0) Fail<EPngInvalidIHDR>(PngText::InvalidIHDR);
    const std::int64_t stride = ((std::int64_t(bits) * Width + 31) / 32) * 4;
    if (stride * Height > MaxPlaneBytes || std::int64_t(Width) * Height > MaxPlaneBytes)
        Fail<EPNGSizeExceeds>(PngText::SizeExceeds);
}

void TChunkIHDR::AllocateImage() {
    DibInfo = TPngDibInfo{};
    DibBits.clear();
    AlphaPlane.clear();
    LowByteRows.clear();
    SourceSamples.clear();
    CheckHeader();
    const int bits = HeldBitsPerPixel(ColorType, BitDepth);
    DibInfo.Width = Width;
    DibInfo.Height = Height;
    DibInfo.BitCount = bits;
    Indexed = ColorType == 0 || ColorType == 3 || ColorType == 4;
    RowStride = ((bits * Width + 31) / 32) * 4;
    try {
        DibBits.assign(std::size_t(RowStride) * std::size_t(Height), 0);
        if (ColorType == 4 || ColorType == 6) AlphaPlane.assign(std::size_t(Width) * std::size_t(Height), 0);
        if (BitDepth == 16 && Owner() && Owner()->KeepsLowBytes())
            LowByteRows.assign(std::size_t(RowStride) * std::size_t(Height), 0);
    } catch (const std::bad_alloc&) {
        DibBits.clear();
        AlphaPlane.clear();
        LowByteRows.clear();
        Fail<EPNGOutMemory>(PngText::OutMemory);
    }
    if (ColorType == 0 || ColorType == 4) BuildGreyRamp();
}

void TChunkIHDR::BuildGreyRamp() {
    const int bits = DibInfo.BitCount > 0 && DibInfo.BitCount <= 8 ? DibInfo.BitCount : 8;
    const int n = 1 << bits;
    for (int i = 0; i < n; ++i) {
        const int level = (i * 255 * 2 + (n - 1)) / (2 * (n - 1)); // i × 255 / (n − 1), rounded
        // 16-bit grey is held with its gamma already applied to the whole sample.
        const std::uint8_t g =
            Owner() && BitDepth != 16 ? Owner()->GammaLookup[std::size_t(level)] : std::uint8_t(level);
        DibInfo.Colors[std::size_t(i)] = TPngColorEntry{g, g, g, 0};
    }
}

void TChunkIHDR::CopyFrom(const TChunk& Source) {
    const auto* src = dynamic_cast<const TChunkIHDR*>(&Source);
    if (!src) Fail<EPngError>(PngText::IncompatibleChunks);
    Width = src->Width;
    Height = src->Height;
    BitDepth = src->BitDepth;
    ColorType = src->ColorType;
    CompressionMethod = src->CompressionMethod;
    FilterMethod = src->FilterMethod;
    InterlaceMethod = src->InterlaceMethod;
    if (!src->HasImage()) return; // a header that never held an image copies as such
    AllocateImage();
    DibBits = src->DibBits;
    AlphaPlane = src->AlphaPlane;
    if (!LowByteRows.empty() && src->LowByteRows.size() == LowByteRows.size()) LowByteRows = src->LowByteRows;
    SourceSamples = src->SourceSamples;
    DibInfo.Colors = src->DibInfo.Colors;
}

bool TChunkIHDR::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize < 13) Fail<EPngInvalidIHDR>(PngText::InvalidIHDR);
    const std::uint32_t w = png_bytes::ReadBE32(FPayload.data());
    const std::uint32_t h = png_bytes::ReadBE32(FPayload.data() + 4);
    if (w > 65535 || h > 65535) Fail<EPNGSizeExceeds>(PngText::SizeExceeds);
    Width = int(w);
    Height = int(h);
    BitDepth = FPayload[8];
    ColorType = FPayload[9];
    CompressionMethod = FPayload[10];
    FilterMethod = FPayload[11];
    InterlaceMethod = FPayload[12];
    CheckHeader();
    if (Owner()) Owner()->SetInterlaceMode(InterlaceMethod == 1 ? piAdam7 : piNone);
    AllocateImage();
    return true;
}

bool TChunkIHDR::WriteChunk(TStream* Stream) {
    PromoteTwoBitDepth();
    SetPayloadSize(13);
    png_bytes::WriteBE32(FPayload.data(), std::uint32_t(Width));
    png_bytes::WriteBE32(FPayload.data() + 4, std::uint32_t(Height));
    FPayload[8] = BitDepth;
    FPayload[9] = ColorType;
    FPayload[10] = CompressionMethod;
    FPayload[11] = FilterMethod;
    FPayload[12] = Owner() ? std::uint8_t(Owner()->InterlaceMode()) : InterlaceMethod;
    return WriteBaseChunk(Stream);
}

void TChunkIHDR::PromoteTwoBitDepth() {
    if (BitDepth != 2) return;
    BitDepth = 4;
    if (ColorType != 0 || !Owner()) return;
    if (auto* trns = Owner()->ChunkList().FindChunk<TChunktRNS>(); trns && trns->PayloadSize() >= 2) {
        const std::uint16_t sample = std::uint16_t((png_bytes::ReadBE16(trns->Payload()) & 3) * 5);
        png_bytes::WriteBE16(trns->Payload(), sample);
        trns->AlphaValues[0] = trns->Payload()[0];
        trns->AlphaValues[1] = trns->Payload()[1];
    }
}
