// Drawing a PNG image onto a 32-bit surface: stretched opaque, stretched with a key colour, or blended
// with its alpha at its natural size.
#include "imaging/png/PngErrors.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

namespace png_draw_detail {

// Stretches the image into Rect (nearest source pixel), skipping pixels of colour Skip when UseSkip.
void Stretch(const TPngPicture& pic, TPixelBuffer32& target, const TRect& rect, bool useSkip, COLORREF skip) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0 || !target.Bits) return;
    const int sw = pic.Width(), sh = pic.Height();
    for (int dy = std::max(0, -rect.top); dy < h && rect.top + dy < target.Height; ++dy) {
        const int sy = int(std::int64_t(dy) * sh / h);
        std::uint8_t* out = target.Row(rect.top + dy);
        for (int dx = std::max(0, -rect.left); dx < w && rect.left + dx < target.Width; ++dx) {
            const int sx = int(std::int64_t(dx) * sw / w);
            const COLORREF c = pic.GetPixel(sx, sy);
            if (useSkip && c == skip) continue;
            std::uint8_t* p = out + 4 * (rect.left + dx);
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
}
} // namespace png_draw_detail

void TPngPicture::Draw(TPixelBuffer32& Target, const TRect& Rect) const {
    if (!HasHeader() || !HeaderChunk()->HasImage()) return;
    switch (TransparencyKind()) {
    case tkNone:
        png_draw_detail::Stretch(*this, Target, Rect, false, 0);
        break;
    case tkBit:
        DrawMasked(Target, KeyColor(), Rect);
        break;
    case tkPartial:
        DrawBlended(Target, Rect);
        break;
    }
}

void TPngPicture::DrawMasked(TPixelBuffer32& Target, COLORREF Key, const TRect& Rect) const {
    png_draw_detail::Stretch(*this, Target, Rect, true, Key & 0xFFFFFF);
}

void TPngPicture::DrawBlended(TPixelBuffer32& Target, const TRect& Rect) const {
    using namespace png_draw_detail;
    const TChunkIHDR& h = RequireHeader();
    if (!Target.Bits) return;
    const TChunktRNS* trns = FChunkList.FindChunk<TChunktRNS>();
    for (int y = 0; y < h.Height; ++y) {
        const int ty = Rect.top + y;
        if (ty < 0 || ty >= Target.Height) continue;
        const std::uint8_t* row = h.RowPointer(y);
        std::uint8_t* out = Target.Row(ty);
        for (int x = 0; x < h.Width; ++x) {
            const int tx = Rect.left + x;
            if (tx < 0 || tx >= Target.Width) continue;
            std::uint8_t* d = out + 4 * tx;
            int b, g, r, a;
            BlendSource(row, x, y, trns, b, g, r, a);
            PngBlendChannel(d, b, a);
            PngBlendChannel(d + 1, g, a);
            PngBlendChannel(d + 2, r, a);
        }
    }
}

void TPngPicture::BlendSource(const std::uint8_t* Row, int X, int Y, const TChunktRNS* Trns, int& B, int& G,
                              int& R, int& A) const {
    const TChunkIHDR& h = RequireHeader();
    if (h.ColorType == 6 || h.ColorType == 2) {
        B = Row[3 * X];
        G = Row[3 * X + 1];
        R = Row[3 * X + 2];
        A = h.ColorType == 6 ? h.AlphaPlane[std::size_t(Y) * std::size_t(h.Width) + std::size_t(X)] : 255;
    } else if (h.ColorType == 4) {
        const auto& e = h.DibInfo.Colors[Row[X]]; // the grey ramp: gamma applies as for grey images
        B = e.Blue;
        G = e.Green;
        R = e.Red;
        A = h.AlphaPlane[std::size_t(Y) * std::size_t(h.Width) + std::size_t(X)];
    } else {
        const int v = packed_bits::GetBits(Row, X, h.DibInfo.BitCount);
        // An index beyond the palette draws black: painting never raises.
        const COLORREF c = DrawnEntryColor(v);
        B = GetBValue(c);
        G = GetGValue(c);
        R = GetRValue(c);
        A = Trns ? Trns->AlphaValues[std::size_t(v)] : 255;
    }
}
