#include "skin/draw/SkinTiling.h"

#include "platform/vcl/Bitmap.h"
#include "skin/draw/SkinGeometry.h"

#include <algorithm>

namespace skin_tiling {

// Copies (stretching when the sizes differ) a rectangle of Source into one of Dest; empty rectangles
// draw nothing.
void Copy(TBitmap* Dest, const TRect& D, TBitmap* Source, const TRect& S) {
    if (RectIsEmpty(D) || RectIsEmpty(S)) return;
    Dest->Canvas()->CopyRect(D, Source->Canvas(), S);
}

// Lays the piece S across [A, B) on rows Top..Bottom of Dest, the last copy cut at B.
void TileAcross(TBitmap* Dest, int A, int B, int Top, int Bottom, TBitmap* Source, const TRect& S) {
    const int p = RectWidth(S);
    if (p <= 0) return;
    for (int i = 0; i <= (B - A) / p; ++i) {
        const int x = A + i * p;
        const int ov = std::max(0, x + p - B);
        Copy(Dest, TRect{x, Top, x + p - ov, Bottom}, Source, TRect{S.left, S.top, S.right - ov, S.bottom});
    }
}

// Lays the piece S down [A, B) on columns Left..Right of Dest, the last copy cut at B.
void TileDown(TBitmap* Dest, int A, int B, int Left, int Right, TBitmap* Source, const TRect& S) {
    const int p = RectHeight(S);
    if (p <= 0) return;
    for (int i = 0; i <= (B - A) / p; ++i) {
        const int y = A + i * p;
        const int ov = std::max(0, y + p - B);
        Copy(Dest, TRect{Left, y, Right, y + p - ov}, Source, TRect{S.left, S.top, S.right, S.bottom - ov});
    }
}

// Tiles the piece S over the whole of Area in both directions.
void TileArea(TBitmap* Dest, const TRect& Area, TBitmap* Source, const TRect& S) {
    const int ph = RectHeight(S);
    if (ph <= 0 || RectWidth(S) <= 0 || RectWidth(Area) < 0) return;
    for (int j = 0; j <= RectHeight(Area) / ph; ++j) {
        const int y = Area.top + j * ph;
        const int ov = std::max(0, y + ph - Area.bottom);
        if (ph - ov <= 0) continue;
        TileAcross(Dest, Area.left, Area.right, y, y + ph - ov, Source,
                   TRect{S.left, S.top, S.right, S.bottom - ov});
    }
}

} // namespace skin_tiling
