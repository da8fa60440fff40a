#include "imaging/png/SkinPngImage.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngErrors.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"

#include <algorithm>
#include <new>

namespace skin_png_detail {
template <class T> std::unique_ptr<TChunk> Make(TPngPicture* owner) {
    return std::make_unique<T>(owner);
}
} // namespace skin_png_detail

void TskPngLayerpHYs::CopyFrom(const TChunk& Source) {
    TChunk::CopyFrom(Source);
    if (const auto* src = dynamic_cast<const TskPngLayerpHYs*>(&Source)) {
        PixelsPerUnitX = src->PixelsPerUnitX;
        PixelsPerUnitY = src->PixelsPerUnitY;
        UnitSpecifier = src->UnitSpecifier;
    }
}

bool TskPngLayerpHYs::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize == 9) {
        PixelsPerUnitX = png_bytes::ReadBE32(FPayload.data());
        PixelsPerUnitY = png_bytes::ReadBE32(FPayload.data() + 4);
        UnitSpecifier = FPayload[8];
    }
    return true;
}

bool TskPngLayerpHYs::WriteChunk(TStream* Stream) {
    SetPayloadSize(9);
    png_bytes::WriteBE32(FPayload.data(), PixelsPerUnitX);
    png_bytes::WriteBE32(FPayload.data() + 4, PixelsPerUnitY);
    FPayload[8] = UnitSpecifier;
    return WriteBaseChunk(Stream);
}

const std::vector<TPngChunkClass>& TskPngImage::ChunkClasses() const {
    using namespace skin_png_detail;
    static const std::vector<TPngChunkClass> classes = {
        {"IEND", &Make<TChunkIEND>},      {"IHDR", &Make<TChunkIHDR>}, {"IDAT", &Make<TChunkIDAT>},
        {"PLTE", &Make<TChunkPLTE>},      {"gAMA", &Make<TChunkgAMA>}, {"tRNS", &Make<TChunktRNS>},
        {"pHYs", &Make<TskPngLayerpHYs>}, {"tIME", &Make<TChunktIME>}, {"tEXt", &Make<TChunktEXt>},
        {"zTXt", &Make<TChunkzTXt>},
    };
    return classes;
}

void TskPngImage::LoadFromStream(TStream* Stream) {
    try {
        ReadChunks(Stream, false);
    } catch (const Exception&) {
        // The skin's pictures fail quietly: what was read so far stays.
    } catch (const std::bad_alloc&) {
    }
    // A header that never got its pixels makes the image empty.
    if (!HasHeader() || !HeaderChunk()->HasImage()) FreeAllChunks();
}

TChunk* TskPngImage::InsertNewChunk(std::unique_ptr<TChunk> Chunk) {
    const std::string type = Chunk->TypeFromClass();
    TChunkIHDR* header = FChunkList.FindChunk<TChunkIHDR>();
    if (type == "pHYs") {
        if (FChunkList.FindChunk<TskPngLayerpHYs>() || !header || !FChunkList.FindChunk<TChunkIEND>())
            return nullptr;
        TChunk* result = Chunk.get();
        FChunkList.Insert(std::move(Chunk), header->ListIndex() + 1);
        return result;
    }
    try {
        return TPngPicture::InsertNewChunk(std::move(Chunk));
    } catch (const EPngError&) {
        return nullptr;
    }
}

void TskPngImage::SetWidth(int Value) {
    ResizeCanvas(Value, Height());
}
void TskPngImage::SetHeight(int Value) {
    ResizeCanvas(Width(), Value);
}

std::uint8_t* TskPngImage::LowByteRow(int y) const {
    return RequireHeader().LowByteRow(y);
}

void TskPngImage::ResizeCanvas(int W, int H) {
    if (W <= 0 || H <= 0 || !HasHeader() || !HeaderChunk()->HasImage()) return;
    TChunkIHDR& h = *HeaderChunk();
    const int bits = h.DibInfo.BitCount;
    const std::int64_t stride = ((std::int64_t(bits) * W + 31) / 32) * 4;
    if (W > 65535 || H > 65535 || stride * H > TChunkIHDR::MaxPlaneBytes) return;
    std::vector<std::uint8_t> bits2, alpha, low;
    try {
        bits2.assign(std::size_t(stride) * std::size_t(H), 0);
        if (!h.AlphaPlane.empty()) alpha.assign(std::size_t(W) * std::size_t(H), 255);
        if (!h.LowByteRows.empty()) low.assign(std::size_t(stride) * std::size_t(H), 0);
    } catch (const std::bad_alloc&) {
        return;
    }
    const int rows = std::min(H, h.Height);
    const std::size_t rowBytes = std::size_t(std::min<std::int64_t>(stride, h.RowStride));
    for (int y = 0; y < rows; ++y) {
        // Image row y of both canvases (rows are held bottom-up).
        std::copy_n(h.RowPointer(y), rowBytes, bits2.data() + std::size_t(H - 1 - y) * std::size_t(stride));
        if (!low.empty())
            std::copy_n(h.LowByteRow(y), rowBytes, low.data() + std::size_t(H - 1 - y) * std::size_t(stride));
        if (!alpha.empty())
            std::copy_n(h.AlphaRow(y), std::min(W, h.Width), alpha.data() + std::size_t(y) * std::size_t(W));
    }
    h.DibBits = std::move(bits2);
    h.AlphaPlane = std::move(alpha);
    h.LowByteRows = std::move(low);
    h.SourceSamples.clear(); // they no longer line up with the pixels
    h.RowStride = int(stride);
    h.Width = h.DibInfo.Width = W;
    h.Height = h.DibInfo.Height = H;
}

void TskPngImage::AssignTo(TPersistent* Dest) {
    auto* bitmap = dynamic_cast<TBitmap*>(Dest);
    if (!bitmap || !HasHeader()) {
        TPngPicture::AssignTo(Dest);
        return;
    }
    const TChunkIHDR& h = *HeaderChunk();
    TPixelFormat format = pfCustom;
    if (TransparencyKind() == tkPartial)
        format = pf24bit;
    else if (h.BitDepth == 1)
        format = pf1bit;
    else if (h.BitDepth == 2 || h.BitDepth == 4)
        format = pf4bit;
    else if (h.BitDepth == 8 || h.BitDepth == 16)
        format = h.ColorType == 3 ? pf8bit : pf24bit;
    if (format == pfCustom)
        throw Exception("Cannot assign this \"Portable Network Graphics\" image to a bitmap");
    TBitmap result;
    result.SetPixelFormat(format);
    result.SetSize(Width(), Height());
    if (TransparencyKind() == tkBit) {
        // Key-coloured pixels are left out by drawing: the ground they show must be the key colour
        // the bitmap is told to leave out, or they would turn up black.
        result.Canvas()->Brush()->SetColor(TColor(KeyColor()));
        result.Canvas()->FillRect(RECT{0, 0, Width(), Height()});
    }
    Draw(result.Canvas(), RECT{0, 0, Width(), Height()});
    if (TransparencyKind() == tkBit) {
        result.SetTransparentColor(TColor(KeyColor()));
        result.SetTransparent(true);
    }
    bitmap->Assign(&result);
}

TRect TskPngImage::BlendArea(const TRect& Rect) const {
    return TRect{std::min(Rect.left, Rect.right), std::min(Rect.top, Rect.bottom),
                 std::max(Rect.left, Rect.right), std::max(Rect.top, Rect.bottom)};
}

void TskPngImage::Draw(TPixelBuffer32& Target, const TRect& Rect) const {
    if (!HasHeader() || !HeaderChunk()->HasImage()) return;
    if (TransparencyKind() == tkPartial)
        DrawBlended(Target, Rect);
    else
        TPngPicture::Draw(Target, Rect);
}

void TskPngImage::DrawBlended(TPixelBuffer32& Target, const TRect& Rect) const {
    using namespace skin_png_detail;
    if (!HasHeader() || !Target.Bits) return;
    const TChunkIHDR& h = *HeaderChunk();
    if (!h.HasImage()) return;
    const int left = std::min(Rect.left, Rect.right), right = std::max(Rect.left, Rect.right);
    const int top = std::min(Rect.top, Rect.bottom), bottom = std::max(Rect.top, Rect.bottom);
    const int rw = right - left, rh = bottom - top;
    if (rw == 0 || rh == 0) return;
    const TChunktRNS* trns = FChunkList.FindChunk<TChunktRNS>();
    for (int y = 0; y < rh; ++y) {
        const int ty = top + y;
        if (ty < 0 || ty >= Target.Height) continue;
        const int sy = int(std::int64_t(y) * h.Height / rh);
        const std::uint8_t* row = h.RowPointer(sy);
        std::uint8_t* out = Target.Row(ty);
        for (int x = 0; x < rw; ++x) {
            const int tx = left + x;
            if (tx < 0 || tx >= Target.Width) continue;
            const int sx = int(std::int64_t(x) * h.Width / rw);
            std::uint8_t* d = out + 4 * tx;
            int b, g, r, a;
            BlendSource(row, sx, sy, trns, b, g, r, a);
            PngBlendChannel(d, b, a);
            PngBlendChannel(d + 1, g, a);
            PngBlendChannel(d + 2, r, a);
        }
    }
}
