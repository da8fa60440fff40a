#include "audio/views/AudioTransformDisplay2.h"

#include "audio/views/PaintBuffer.h"
#include "platform/vcl/Canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int Reach = 5;     // pixels around a point that grab it
constexpr int PointSize = 2; // half the side of a point's square
constexpr int DbStep = 12;
const std::uint32_t UnityPixel = ColorRefToPixel(RGB(110, 110, 110));
const std::uint32_t CurvePixel = ColorRefToPixel(RGB(102, 255, 102));
const std::uint32_t FillPixel = ColorRefToPixel(RGB(18, 60, 28));
const std::uint32_t PointPixel = ColorRefToPixel(RGB(255, 255, 255));
const std::uint32_t DraggedPixel = ColorRefToPixel(RGB(255, 220, 60));

std::string DbText(int db) {
    return db > 0 ? "+" + std::to_string(db) : std::to_string(db);
}

} // namespace

TAudioTransformDisplay2::TAudioTransformDisplay2(TComponent* AOwner) : TPlotControl(AOwner, 400, 200) {}

TAudioTransformDisplay2::~TAudioTransformDisplay2() = default;

void TAudioTransformDisplay2::SetGridVisible(bool Value) {
    FGridVisible = Value;
    Invalidate();
}

void TAudioTransformDisplay2::SetScaleXCaption(const std::string& Value) {
    FScaleXCaption = Value;
    Invalidate();
}

void TAudioTransformDisplay2::SetLineArraySize(int Value) {
    FLineArraySize = std::clamp(Value, 2, MaxLineArraySize);
}

void TAudioTransformDisplay2::SetScaleXMin(float Value) {
    FScaleXMin = Value;
    Invalidate();
}

void TAudioTransformDisplay2::SetScaleXMax(float Value) {
    FScaleXMax = Value;
    Invalidate();
}

std::vector<float> TAudioTransformDisplay2::GetLineArray() const {
    return FLine.Sample(std::size_t(FLineArraySize));
}

// ---------------------------------------------------------------------------------------------------
// Geometry

POINT TAudioTransformDisplay2::PixelOf(const TEnvelopeLine::TPoint& point) {
    const RECT plot = PlotRect();
    const double x = plot.left + point.X * (plot.right - plot.left - 1);
    const double y = plot.top + (TopDb - point.Db) / (TopDb - BottomDb) * (plot.bottom - plot.top - 1);
    return POINT{LONG(std::lround(x)), LONG(std::lround(y))};
}

TEnvelopeLine::TPoint TAudioTransformDisplay2::ValueAt(int X, int Y) {
    const RECT plot = PlotRect();
    const double x = double(X - plot.left) / std::max<LONG>(1, plot.right - plot.left - 1);
    const double y = double(Y - plot.top) / std::max<LONG>(1, plot.bottom - plot.top - 1);
    return TEnvelopeLine::TPoint{std::clamp(x, 0.0, 1.0),
                                 TopDb - std::clamp(y, 0.0, 1.0) * (TopDb - BottomDb)};
}

int TAudioTransformDisplay2::PointAt(int X, int Y) {
    const std::vector<TEnvelopeLine::TPoint>& points = FLine.Points();
    int best = -1, bestDistance = Reach + 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const POINT p = PixelOf(points[i]);
        const int distance = std::max(std::abs(int(p.x) - X), std::abs(int(p.y) - Y));
        if (distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

// ---------------------------------------------------------------------------------------------------
// Mouse

void TAudioTransformDisplay2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int hit = PointAt(X, Y);
    if (Button == mbRight) {
        if (hit >= 0 && FLine.Remove(std::size_t(hit))) Invalidate();
        return;
    }
    if (Button != mbLeft) return;
    if (hit >= 0) {
        FDragged = hit;
    } else {
        const RECT plot = PlotRect();
        if (X < plot.left - Reach || X >= plot.right + Reach || Y < plot.top - Reach ||
            Y >= plot.bottom + Reach)
            return;
        const TEnvelopeLine::TPoint value = ValueAt(X, Y);
        FDragged = int(FLine.Add(value.X, value.Db));
    }
    Invalidate();
}

void TAudioTransformDisplay2::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragged < 0) return;
    const TEnvelopeLine::TPoint value = ValueAt(X, Y);
    FLine.Move(std::size_t(FDragged), value.X, value.Db);
    Invalidate();
}

void TAudioTransformDisplay2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && FDragged >= 0) {
        FDragged = -1;
        Invalidate();
    }
}

// ---------------------------------------------------------------------------------------------------
// Painting

void TAudioTransformDisplay2::Paint() {
    if (ClientWidth() <= 0 || ClientHeight() <= 0) return;
    const RECT plot = PlotRect();
    TPixelPainter painter = BeginPicture();
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    auto rowOf = [&](double db) {
        return plot.top + int(std::lround((TopDb - db) / (TopDb - BottomDb) * (height - 1)));
    };
    // Gains at the left, every 12 dB, with the unit on the top one.
    for (int db = int(TopDb); db >= int(BottomDb); db -= DbStep) {
        const int y = rowOf(db);
        if (FGridVisible && db != 0) painter.DottedHorizontal(plot.left, plot.right - 1, y, GridPixel, 3);
        LeftLabel(plot, y, db == int(TopDb) ? DbText(db) + " dB" : DbText(db));
    }
    painter.HorizontalLine(plot.left, plot.right - 1, rowOf(0), UnityPixel);

    // The X scale along the bottom, its caption at the right end; labels never cover the caption.
    const int captionWidth = FScaleXCaption.empty() ? 0 : TextWidth(FScaleXCaption);
    const int captionLeft = ClientWidth() - 4 - captionWidth;
    if (captionWidth > 0) Buffer().Canvas().TextOut(captionLeft, plot.bottom + 4, FScaleXCaption);
    const double span = std::max(1e-6, double(FScaleXMax) - double(FScaleXMin));
    BottomAxis(
        painter, plot,
        scale_ticks::Time(FScaleXMin, span, width, 1, 1, [&](const std::string& s) { return TextWidth(s); }),
        FGridVisible, captionWidth > 0 ? captionLeft - 6 : INT_MAX);

    // The curve, with the area under it shaded, then its points.
    TPixelPainter inside = painter.Within(plot);
    int previous = -1;
    for (int x = 0; x < width; ++x) {
        const int y = rowOf(FLine.GainAt(double(x) / std::max(1, width - 1)));
        inside.VerticalSpan(plot.left + x, y + 1, plot.bottom - 1, FillPixel);
        inside.VerticalSpan(plot.left + x, previous < 0 ? y : previous, y, CurvePixel);
        previous = y;
    }
    const std::vector<TEnvelopeLine::TPoint>& points = FLine.Points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const POINT p = PixelOf(points[i]);
        painter.FillRect(RECT{p.x - PointSize, p.y - PointSize, p.x + PointSize + 1, p.y + PointSize + 1},
                         int(i) == FDragged ? DraggedPixel : PointPixel);
    }
    EndPicture();
}
