#include "tools/ribbonsheets/SheetDrawing.h"

#include <algorithm>

namespace ribbonsheets::draw {

void Px(TArt& A, int X, int Y, TRgb C, double Alpha) {
    if (Alpha <= 0) return;
    A.Fill({X, Y, 1, 1}, C, std::min(1.0, Alpha));
}

void HLine(TArt& A, int X0, int X1, int Y, TRgb C, double Alpha) {
    if (X1 > X0 && Alpha > 0) A.Fill({X0, Y, X1 - X0, 1}, C, std::min(1.0, Alpha));
}

void VLine(TArt& A, int X, int Y0, int Y1, TRgb C, double Alpha) {
    if (Y1 > Y0 && Alpha > 0) A.Fill({X, Y0, 1, Y1 - Y0}, C, std::min(1.0, Alpha));
}

void Gradient(TArt& A, const TBox& B, TRgb Top, TRgb Bottom, double Alpha) {
    for (int y = 0; y < B.H; ++y)
        HLine(A, B.X, B.Right(), B.Y + y, art::Mix(Top, Bottom, B.H > 1 ? double(y) / (B.H - 1) : 0), Alpha);
}

void HGradient(TArt& A, const TBox& B, TRgb Left, TRgb Right, double Alpha) {
    for (int x = 0; x < B.W; ++x)
        VLine(A, B.X + x, B.Y, B.Bottom(), art::Mix(Left, Right, B.W > 1 ? double(x) / (B.W - 1) : 0), Alpha);
}

void FadingVLine(TArt& A, int X, int Y0, int Y1, TRgb C, double Alpha, int AFadeTop, int AFadeBottom) {
    for (int y = Y0; y < Y1; ++y) {
        double a = Alpha;
        if (AFadeTop > 0 && y - Y0 < AFadeTop) a *= double(y - Y0 + 1) / (AFadeTop + 1);
        if (AFadeBottom > 0 && Y1 - 1 - y < AFadeBottom) a *= double(Y1 - y) / (AFadeBottom + 1);
        Px(A, X, y, C, a);
    }
}

void FadingHLine(TArt& A, int X0, int X1, int Y, TRgb C, double Alpha, int AFadeLeft, int AFadeRight) {
    for (int x = X0; x < X1; ++x) {
        double a = Alpha;
        if (AFadeLeft > 0 && x - X0 < AFadeLeft) a *= double(x - X0 + 1) / (AFadeLeft + 1);
        if (AFadeRight > 0 && X1 - 1 - x < AFadeRight) a *= double(X1 - x) / (AFadeRight + 1);
        Px(A, x, Y, C, a);
    }
}

void Ring(TArt& A, const TBox& B, TRgb C, double Alpha, bool ARounded, int ASides) {
    if (B.W <= 0 || B.H <= 0) return;
    const int x0 = B.X, y0 = B.Y, x1 = B.Right() - 1, y1 = B.Bottom() - 1;
    // Where two drawn sides meet, the corner pixel is faint (rounded) or full; elsewhere the side runs on.
    const bool tl = (ASides & sLeft) && (ASides & sTop), tr = (ASides & sRight) && (ASides & sTop);
    const bool bl = (ASides & sLeft) && (ASides & sBottom), br = (ASides & sRight) && (ASides & sBottom);
    const double corner = ARounded ? Alpha * 0.35 : Alpha;
    if (ASides & sTop)
        HLine(A, x0 + ((ASides & sLeft) ? 1 : 0), x1 + ((ASides & sRight) ? 0 : 1), y0, C, Alpha);
    if (ASides & sBottom)
        HLine(A, x0 + ((ASides & sLeft) ? 1 : 0), x1 + ((ASides & sRight) ? 0 : 1), y1, C, Alpha);
    if (ASides & sLeft)
        VLine(A, x0, y0 + ((ASides & sTop) ? 1 : 0), y1 + ((ASides & sBottom) ? 0 : 1), C, Alpha);
    if (ASides & sRight)
        VLine(A, x1, y0 + ((ASides & sTop) ? 1 : 0), y1 + ((ASides & sBottom) ? 0 : 1), C, Alpha);
    if (tl) Px(A, x0, y0, C, corner);
    if (tr) Px(A, x1, y0, C, corner);
    if (bl) Px(A, x0, y1, C, corner);
    if (br) Px(A, x1, y1, C, corner);
}

void Button(TArt& A, const TBox& B, const TLook& L, bool ARounded, bool AGlossy, int ASides) {
    if (B.W <= 0 || B.H <= 0) return;
    // The face inside the border (the border's sides only where it is drawn).
    TBox face = B;
    if (ASides & sLeft) face.X += 1, face.W -= 1;
    if (ASides & sRight) face.W -= 1;
    if (ASides & sTop) face.Y += 1, face.H -= 1;
    if (ASides & sBottom) face.H -= 1;
    if (face.W > 0 && face.H > 0) {
        if (AGlossy && face.H >= 4) {
            const int half = face.H / 2;
            Gradient(A, {face.X, face.Y, face.W, half}, art::Mix(L.Top, art::Hex(0xFFFFFF), 0.45),
                     art::Mix(L.Top, L.Bottom, 0.3), L.FillAlpha);
            Gradient(A, {face.X, face.Y + half, face.W, face.H - half}, L.Bottom,
                     art::Mix(L.Bottom, L.Top, 0.55), L.FillAlpha);
        } else {
            Gradient(A, face, L.Top, L.Bottom, L.FillAlpha);
        }
        if (L.InnerAlpha > 0 && face.W > 2 && face.H > 2)
            Ring(A, face, L.Inner, L.InnerAlpha, ARounded, ASides);
    }
    Ring(A, B, L.Border, L.BorderAlpha, ARounded, ASides);
}

void Triangle(TArt& A, int X, int Y, int ASize, TDirection ADirection, TRgb C, double Alpha) {
    for (int i = 0; i < ASize; ++i) {
        const int from = i, length = 2 * (ASize - i) - 1;
        switch (ADirection) {
        case dDown:
            HLine(A, X + from, X + from + length, Y + i, C, Alpha);
            break;
        case dUp:
            HLine(A, X + from, X + from + length, Y + ASize - 1 - i, C, Alpha);
            break;
        case dRight:
            VLine(A, X + i, Y + from, Y + from + length, C, Alpha);
            break;
        case dLeft:
            VLine(A, X + ASize - 1 - i, Y + from, Y + from + length, C, Alpha);
            break;
        }
    }
}

void Chevron(TArt& A, int X, int Y, int ASize, TDirection ADirection, TRgb C, double Alpha) {
    // Two pixels thick: on step i one pair of pixels on each arm; the arms meet at the apex. The chevron
    // is 2 x ASize pixels across and ASize deep.
    for (int i = 0; i < ASize; ++i) {
        const int near = i, far = 2 * ASize - 2 - i;
        switch (ADirection) {
        case dDown:
        case dUp: {
            const int y = ADirection == dDown ? Y + i : Y + ASize - 1 - i;
            HLine(A, X + near, X + near + 2, y, C, Alpha);
            if (far > near + 1) HLine(A, X + far, X + far + 2, y, C, Alpha);
            break;
        }
        case dRight:
        case dLeft: {
            const int x = ADirection == dRight ? X + i : X + ASize - 1 - i;
            VLine(A, x, Y + near, Y + near + 2, C, Alpha);
            if (far > near + 1) VLine(A, x, Y + far, Y + far + 2, C, Alpha);
            break;
        }
        }
    }
}

void Cross(TArt& A, int X, int Y, int ASize, TRgb C, double Alpha) {
    for (int i = 0; i < ASize; ++i) {
        HLine(A, X + i, X + std::min(i + 2, ASize), Y + i, C, Alpha);
        const int j = ASize - 1 - i;
        HLine(A, X + std::max(j - 1, 0), X + j + 1, Y + i, C, Alpha);
    }
}

void WindowBox(TArt& A, const TBox& B, TRgb C, double Alpha) {
    Ring(A, B, C, Alpha, false);
    HLine(A, B.X, B.Right(), B.Y + 1, C, Alpha);
}

} // namespace ribbonsheets::draw
