#include "skin/framed/FrameGradients.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Pen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int StripThickness = 8;

// A colour moving from one end to the other in a number of steps, each channel carried in 16.16 fixed
// point. With a band above 1 the colour holds for several steps.
class TColorSteps {
public:
    TColorSteps(COLORREF From, COLORREF To, int Steps, int Hold)
        : FChannels{int(GetRValue(From)) << 16, int(GetGValue(From)) << 16, int(GetBValue(From)) << 16},
          FHold(std::max(1, Hold)) {
        const int to[3] = {GetRValue(To), GetGValue(To), GetBValue(To)};
        for (int c = 0; c < 3; ++c)
            FIncrements[c] =
                Steps > 0 ? int((std::int64_t(to[c] - (FChannels[c] >> 16)) * 65536) / Steps) : 0;
    }
    COLORREF Current() const {
        return RGB(BYTE(std::clamp(FShown[0] >> 16, 0, 255)), BYTE(std::clamp(FShown[1] >> 16, 0, 255)),
                   BYTE(std::clamp(FShown[2] >> 16, 0, 255)));
    }
    void Next() {
        for (int c = 0; c < 3; ++c)
            FChannels[c] += FIncrements[c];
        if (++FCount % FHold == 0)
            for (int c = 0; c < 3; ++c)
                FShown[c] = FChannels[c];
    }
    void Start() {
        for (int c = 0; c < 3; ++c)
            FShown[c] = FChannels[c];
    }

private:
    int FChannels[3];
    int FShown[3] = {0, 0, 0};
    int FIncrements[3] = {0, 0, 0};
    int FHold;
    int FCount = 0;
};

// The shortest run of one colour a band asks for, in steps (the program always asks for 1).
int HoldOf(int Band) {
    if (Band <= 8) return std::max(1, Band);
    return 1 + 255 / Band;
}

void Fill(TCanvas* Canvas, const TRect& R, COLORREF Color) {
    if (R.right <= R.left || R.bottom <= R.top) return;
    // A run of one colour filled as an opaque empty text: no brush is made for each of the many runs.
    HDC dc = Canvas->Handle();
    const COLORREF previous = SetBkColor(dc, Color);
    ExtTextOut(dc, 0, 0, ETO_OPAQUE, &R, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// Fills positions Last..First (counting down, 1-based) of a strip from From to To over Steps steps,
// one rectangle per run of equal colour.
void FillRun(TCanvas* Canvas, bool AlongX, int First, int Last, COLORREF From, COLORREF To, int Band) {
    const int steps = First - Last + 1;
    if (steps <= 0) return;
    TColorSteps colours(From, To, steps, HoldOf(Band));
    colours.Start();
    int runEnd = First; // exclusive end (position First is pixel First - 1)
    COLORREF runColor = colours.Current();
    auto flush = [&](int RunStart) {
        const TRect r = AlongX ? TRect{RunStart - 1, 0, runEnd, StripThickness}
                               : TRect{0, RunStart - 1, StripThickness, runEnd};
        Fill(Canvas, r, runColor);
    };
    for (int p = First; p >= Last; --p) {
        const COLORREF c = colours.Current();
        if (c != runColor) {
            flush(p + 1);
            runEnd = p;
            runColor = c;
        }
        colours.Next();
    }
    flush(Last);
}

// Clips a polygon to the half-plane where Side(point) >= 0.
std::vector<std::pair<double, double>> Clip(const std::vector<std::pair<double, double>>& Points,
                                            const std::function<double(double, double)>& Side) {
    std::vector<std::pair<double, double>> out;
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const auto& a = Points[i];
        const auto& b = Points[(i + 1) % Points.size()];
        const double sa = Side(a.first, a.second), sb = Side(b.first, b.second);
        if (sa >= 0) out.push_back(a);
        if ((sa >= 0) != (sb >= 0)) {
            const double t = sa / (sa - sb);
            out.push_back({a.first + t * (b.first - a.first), a.second + t * (b.second - a.second)});
        }
    }
    return out;
}

} // namespace

void FillLinearGradient(TCanvas* Canvas, bool AlongX, int Extent, int Centre, COLORREF Start, COLORREF Stop,
                        int Band) {
    if (Extent <= 0) return;
    if (Centre < 0) {
        FillRun(Canvas, AlongX, Extent, 1, Stop, Start, Band);
        return;
    }
    FillRun(Canvas, AlongX, Centre + 1, 1, Stop, Start, Band);
    FillRun(Canvas, AlongX, Extent, Centre + 2, Start, Stop, Band);
}

void ReplicateStripBlit(TCanvas* Canvas, int StripW, int StripH, int W, int H) {
    HDC dc = Canvas->Handle();
    int filledW = std::min(StripW, W), filledH = std::min(StripH, H);
    if (filledW <= 0 || filledH <= 0) return;
    while (filledH < H) {
        const int copy = std::min(filledH, H - filledH);
        BitBlt(dc, 0, filledH, filledW, copy, dc, 0, 0, SRCCOPY);
        filledH += copy;
    }
    while (filledW < W) {
        const int copy = std::min(filledW, W - filledW);
        BitBlt(dc, filledW, 0, copy, H, dc, 0, 0, SRCCOPY);
        filledW += copy;
    }
}

void FillBoxGradient(TCanvas* Canvas, int W, int H, int InsetX, int InsetY, COLORREF Start, COLORREF Stop,
                     int Band) {
    if (Start == Stop || W < 5 || H <= 4) {
        Fill(Canvas, TRect{0, 0, W + 1, H + 1}, Start);
        return;
    }
    const int hw = (W - 1) / 2, hh = (H - 1) / 2;
    const int spanX = std::max(0, hw - InsetX), spanY = std::max(0, hh - InsetY);
    const int steps = std::max(spanX, spanY) + 1;
    // Inside the insets the innermost colour stays flat.
    Fill(Canvas, TRect{spanX, spanY, hw + 1, hh + 1}, Stop);
    TColorSteps colours(Stop, Start, steps, HoldOf(Band));
    colours.Start();
    std::int64_t x = std::int64_t(spanX) << 16, y = std::int64_t(spanY) << 16;
    const std::int64_t dx = (std::int64_t(spanX) << 16) / steps, dy = (std::int64_t(spanY) << 16) / steps;
    for (int i = 0; i < steps; ++i) {
        const int px = int(x >> 16), py = int(y >> 16);
        const COLORREF c = colours.Current();
        Fill(Canvas, TRect{px, py, hw + 1, py + 1}, c);
        Fill(Canvas, TRect{px, py, px + 1, hh + 1}, c);
        x -= dx;
        y -= dy;
        colours.Next();
    }
}

void MirrorQuadrantBlit(TCanvas* Canvas, int W, int H) {
    HDC dc = Canvas->Handle();
    const int hw = (W - 1) / 2, hh = (H - 1) / 2;
    for (int y = hh + 1; y < H; ++y)
        BitBlt(dc, 0, y, hw + 1, 1, dc, 0, H - 1 - y, SRCCOPY);
    for (int x = hw + 1; x < W; ++x)
        BitBlt(dc, x, 0, 1, H, dc, W - 1 - x, 0, SRCCOPY);
}

void FillDiagonalGradient(TCanvas* Canvas, int W, int H, COLORREF Start, COLORREF Stop, int Band) {
    const bool mirrored = W < 0;
    if (mirrored) {
        W = -W;
        std::swap(Start, Stop);
    }
    if (W <= 0 || H <= 0) return;
    const int steps = int(std::sqrt(double(W) * W + double(H) * H)) + 1;
    TColorSteps colours(Start, Stop, steps, HoldOf(Band));
    colours.Start();
    const std::vector<std::pair<double, double>> area{
        {0, 0}, {double(W), 0}, {double(W), double(H)}, {0, double(H)}};
    // The band between two diagonal lines x/W + y/H = s (x running from W when mirrored).
    auto paint = [&](double From, double To, COLORREF Color) {
        auto s = [&](double px, double py) { return (mirrored ? (W - px) : px) / W + py / H; };
        auto band = Clip(Clip(area, [&](double px, double py) { return s(px, py) - From; }),
                         [&](double px, double py) { return To - s(px, py); });
        if (band.size() < 3) return;
        std::vector<POINT> points;
        for (const auto& [px, py] : band)
            points.push_back(POINT{LONG(std::lround(px)), LONG(std::lround(py))});
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetColor(TColor(Color));
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(TColor(Color));
        Canvas->Polygon(points);
    };
    double runStart = 0;
    COLORREF runColor = colours.Current();
    for (int i = 0; i < steps; ++i) {
        const COLORREF c = colours.Current();
        if (c != runColor) {
            paint(runStart, 2.0 * i / steps, runColor);
            runStart = 2.0 * i / steps;
            runColor = c;
        }
        colours.Next();
    }
    paint(runStart, 2.0, runColor);
}

void FlipBitmapVertically(TBitmap* Bitmap) {
    const int w = Bitmap->Width(), h = Bitmap->Height();
    TBitmap flipped;
    flipped.SetPixelFormat(Bitmap->PixelFormat());
    flipped.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        flipped.Canvas()->CopyRect(TRect{0, h - 1 - y, w, h - y}, Bitmap->Canvas(), TRect{0, y, w, y + 1});
    Bitmap->Assign(&flipped);
}

void DrawGradientRect(TCanvas* Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor, int Band) {
    const int W = std::abs(Rect.right - Rect.left), H = std::abs(Rect.bottom - Rect.top);
    if (W == 0 || H == 0) return;
    const COLORREF start = ColorToRGB(StartColor), stop = ColorToRGB(StopColor);
    TBitmap work;
    work.SetSize(W, H);
    TCanvas* c = work.Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psClear);
    c->Pen()->SetMode(pmCopy);
    c->Brush()->SetStyle(bsSolid);
    switch (Direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
        if (start == stop)
            Fill(c, TRect{0, 0, W, H}, start);
        else
            FillDiagonalGradient(c, Direction == gdDiagonalUp ? W : -W, H, start, stop, Band);
        break;
    case gdHorizontalEnd:
    case gdHorizontalCenter:
        FillLinearGradient(c, false, H, Direction == gdHorizontalCenter ? H / 2 : -1, start, stop, Band);
        ReplicateStripBlit(c, StripThickness, H, W, H);
        break;
    case gdVerticalEnd:
    case gdVerticalCenter:
        FillLinearGradient(c, true, W, Direction == gdVerticalCenter ? W / 2 : -1, start, stop, Band);
        ReplicateStripBlit(c, W, StripThickness, W, H);
        break;
    case gdHorizontalBox:
        Fill(c, TRect{0, 0, W, H}, start);
        FillBoxGradient(c, W, H, W / 4, 0, start, stop, Band);
        MirrorQuadrantBlit(c, W, H);
        break;
    case gdVerticalBox:
        FillBoxGradient(c, W, H, 0, H / 4, start, stop, Band);
        MirrorQuadrantBlit(c, W, H);
        break;
    case gdSquareBox:
        Fill(c, TRect{0, 0, W, H}, start);
        FillBoxGradient(c, W, H, 0, 0, start, stop, Band);
        MirrorQuadrantBlit(c, W, H);
        break;
    case gdBigSquareBox:
        FillBoxGradient(c, W, H, W / 4, H / 4, start, stop, Band);
        MirrorQuadrantBlit(c, W, H);
        break;
    }
    const int left = std::min(Rect.left, Rect.right), top = std::min(Rect.top, Rect.bottom);
    Canvas->CopyRect(TRect{left, top, left + W, top + H}, c, TRect{0, 0, W, H});
}
