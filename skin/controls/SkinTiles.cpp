#include "skin/controls/SkinTiles.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "skin/draw/SkinGeometry.h"

TSkinSavedDC::TSkinSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}

TSkinSavedDC::~TSkinSavedDC() {
    RestoreDC(FDC, FSaved);
}

namespace {

// Copies of the piece at Origin, Origin + step, … until Area is covered.
void Repeat(TCanvas* Canvas, TBitmap* Piece, const TRect& Area) {
    const int pw = Piece->Width(), ph = Piece->Height();
    HDC source = Piece->Canvas()->Handle();
    HDC dest = Canvas->Handle();
    for (int y = Area.top; y < Area.bottom; y += ph)
        for (int x = Area.left; x < Area.right; x += pw)
            BitBlt(dest, x, y, pw, ph, source, 0, 0, SRCCOPY);
}

} // namespace

void DrawSkinPiece(TCanvas* Canvas, TBitmap* Piece, const TRect& Area, bool Stretch, TskStretchType Type) {
    if (!Piece || Piece->Empty() || RectIsEmpty(Area)) return;
    HDC dc = Canvas->Handle();
    TSkinSavedDC saved(dc);
    IntersectClipRect(dc, Area.left, Area.top, Area.right, Area.bottom);
    if (!Stretch) {
        Repeat(Canvas, Piece, Area);
        return;
    }
    switch (Type) {
    case stfull:
        Canvas->StretchDraw(Area, Piece);
        return;
    case sthorz: {
        TBitmap band(Piece->Width(), RectHeight(Area));
        band.Canvas()->StretchDraw(TRect{0, 0, band.Width(), band.Height()}, Piece);
        Repeat(Canvas, &band, Area);
        return;
    }
    case stvert: {
        TBitmap band(RectWidth(Area), Piece->Height());
        band.Canvas()->StretchDraw(TRect{0, 0, band.Width(), band.Height()}, Piece);
        Repeat(Canvas, &band, Area);
        return;
    }
    }
}

void DrawPictureRect(TCanvas* Canvas, int X, int Y, TBitmap* Picture, const TRect& Source, bool Transparent) {
    if (!Picture || RectIsEmpty(Source)) return;
    TBitmap piece(RectWidth(Source), RectHeight(Source));
    piece.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, Picture->Canvas(), Source);
    if (Transparent) {
        piece.SetTransparentMode(tmAuto);
        piece.SetTransparent(true);
    }
    Canvas->Draw(X, Y, &piece);
}
