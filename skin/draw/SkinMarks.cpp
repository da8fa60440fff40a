#include "skin/draw/SkinMarks.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"

namespace {

// A line from (X1, Y1) to (X2, Y2), the end point included.
void LineIncluding(TCanvas* Canvas, int X1, int Y1, int X2, int Y2) {
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2 + (X2 > X1 ? 1 : X2 < X1 ? -1 : 0), Y2 + (Y2 > Y1 ? 1 : Y2 < Y1 ? -1 : 0));
    if (X1 == X2 && Y1 == Y2) Canvas->SetPixels(X1, Y1, Canvas->Pen()->Color());
}

} // namespace

void DrawSkinFocusRect(TCanvas* Canvas, TRect R) {
    const int w = R.right - R.left, h = R.bottom - R.top;
    if (w <= 0 || h <= 0) return;
    const TColor colour = Canvas->Font()->Color();
    Canvas->Pen()->SetColor(colour);
    // Walking the frame clockwise and alternating gives every pixel the parity of its distance from
    // the top-left corner; which parity is set depends on the frame's size.
    const int shift = (w - 1) % 2 == 0 && (h - 1) % 2 == 0 ? 1 : 0;
    auto dot = [&](int x, int y) {
        if (((x - R.left) + (y - R.top) + shift) % 2 == 0) Canvas->SetPixels(x, y, colour);
    };
    for (int x = R.left; x < R.right; ++x) {
        dot(x, R.top);
        dot(x, R.bottom - 1);
    }
    for (int y = R.top; y < R.bottom; ++y) {
        dot(R.left, y);
        dot(R.right - 1, y);
    }
}

void DrawSkinArrow(TCanvas* Canvas, TRect R, TColor Colour, int Kind) {
    Canvas->Pen()->SetColor(Colour);
    const int cx = R.left + (R.right - R.left) / 2, cy = R.top + (R.bottom - R.top) / 2;
    switch (Kind) {
    case 1:
        for (int i = 0; i <= 3; ++i)
            LineIncluding(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i);
        break;
    case 2:
        for (int n = 3; n >= 0; --n)
            LineIncluding(Canvas, cx + 2 - n, cy - n, cx + 2 - n, cy + n);
        break;
    case 3:
        for (int i = 0; i <= 3; ++i)
            LineIncluding(Canvas, cx - i, cy - 2 + i, cx + i, cy - 2 + i);
        break;
    case 4:
        for (int n = 3; n >= 0; --n)
            LineIncluding(Canvas, cx - n, cy + 2 - n, cx + n, cy + 2 - n);
        break;
    case 5:
        for (int row : {cy - 1, cy}) {
            Canvas->MoveTo(cx - 4, row);
            Canvas->LineTo(cx + 4, row);
        }
        for (int column : {cx - 1, cx}) {
            Canvas->MoveTo(column, cy - 4);
            Canvas->LineTo(column, cy + 4);
        }
        break;
    default:
        break;
    }
}

void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Colour) {
    Canvas->Pen()->SetColor(Colour);
    for (int i = 0; i <= 2; ++i)
        Canvas->Polyline({POINT{X, Y + 5 - i}, POINT{X + 2, Y + 7 - i}, POINT{X + 7, Y + 2 - i}});
}

void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Colour) {
    Canvas->Pen()->SetColor(Colour);
    Canvas->Brush()->SetColor(Colour);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Rectangle(X, Y, X + 6, Y + 6);
}
