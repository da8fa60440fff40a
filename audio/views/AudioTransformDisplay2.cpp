#include "audio/views/AudioTransformDisplay2.h"

#include "audio/views/EditorScalePainter.h"
#include "audio/views/PaintBuffer.h"
#include "audio/views/PixelPainter.h"
#include "audio/views/ScaleTicks.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int Reach = 5;     // pixels around a point that grab it
constexpr int PointSize = 2; // half the side of a point's square
constexpr int DbStep = 12;
const std::uint32_t EnvelopeGridPixel = ColorRefToPixel(RGB(70, 70, 70));
const std::uint32_t UnityPixel = ColorRefToPixel(RGB(110, 110, 110));
const std::uint32_t CurvePixel = ColorRefToPixel(RGB(102, 255, 102));
const std::uint32_t FillPixel = ColorRefToPixel(RGB(18, 60, 28));
const std::uint32_t PointPixel = ColorRefToPixel(RGB(255, 255, 255));
const std::uint32_t DraggedPixel = ColorRefToPixel(RGB(255, 220, 60));

std::string DbText(int db) {
    return db > 0 ? "+" + std::to_string(db) : std::to_string(db);
}

} // namespace

TAudioTransformDisplay2::TAudioTransformDisplay2(TComponent* AOwner)
    : TCustomControl(AOwner), FBuffer(std::make_unique<TPaintBuffer>()) {
    ControlStyle() += TControlStyle{csOpaque};
    SetParentColor(false);
    SetColor(clBlack);
    SetParentFont(false);
    Font()->SetName("Tahoma");
    Font()->SetSize(7);
    Font()->SetColor(RGB(168, 220, 248));
    SetBounds(0, 0, 400, 200);
}

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

RECT TAudioTransformDisplay2::PlotRect() {
    FBuffer->Prepare(Width(), Height());
    TCanvas& canvas = FBuffer->Canvas();
    UseFont(canvas, *Font());
    const int text = canvas.TextHeight("0");
    const RECT client = ClientRect();
    RECT plot{client.left + canvas.TextWidth("-60 dB") + 8, client.top + text / 2 + 3, client.right - 10,
              client.bottom - text - 6};
    plot.right = std::max(plot.right, plot.left + 2);
    plot.bottom = std::max(plot.bottom, plot.top + 2);
    return plot;
}

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
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) return;
    const RECT plot = PlotRect();
    TCanvas& canvas = FBuffer->Canvas();
    TPixelPainter painter(FBuffer->Pixels(), client);
    painter.FillRect(client, ColorRefToPixel(ColorToRGB(Color())));
    UseFont(canvas, *Font());
    const int text = canvas.TextHeight("0");
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    auto rowOf = [&](double db) {
        return plot.top + int(std::lround((TopDb - db) / (TopDb - BottomDb) * (height - 1)));
    };

    // Gains at the left, every 12 dB, with the unit on the top one.
    for (int db = int(TopDb); db >= int(BottomDb); db -= DbStep) {
        const int y = rowOf(db);
        if (FGridVisible && db != 0)
            painter.DottedHorizontal(plot.left, plot.right - 1, y, EnvelopeGridPixel, 3);
        const std::string label = db == int(TopDb) ? DbText(db) + " dB" : DbText(db);
        canvas.TextOut(plot.left - 5 - canvas.TextWidth(label),
                       std::clamp(y - text / 2, 0, int(client.bottom) - text), label);
    }
    painter.HorizontalLine(plot.left, plot.right - 1, rowOf(0), UnityPixel);

    // The X scale along the bottom, its caption at the right end; labels never cover the caption.
    const int captionWidth = FScaleXCaption.empty() ? 0 : canvas.TextWidth(FScaleXCaption);
    const int captionLeft = int(client.right) - 4 - captionWidth;
    if (captionWidth > 0) canvas.TextOut(captionLeft, plot.bottom + 4, FScaleXCaption);
    const double span = std::max(1e-6, double(FScaleXMax) - double(FScaleXMin));
    const std::vector<TScaleTick> ticks = scale_ticks::Time(
        FScaleXMin, span, width, 1, 1, [&](const std::string& s) { return canvas.TextWidth(s); });
    const std::uint32_t ink = ColorRefToPixel(ColorToRGB(Font()->Color()));
    int lastRight = -1000;
    for (const TScaleTick& tick : ticks) {
        const int x = plot.left + int(std::lround(tick.Offset));
        if (FGridVisible && tick.Major)
            painter.DottedVertical(x, plot.top, plot.bottom - 1, EnvelopeGridPixel, 3);
        painter.VerticalSpan(x, plot.bottom, plot.bottom + (tick.Major ? 3 : 1), ink);
        if (tick.Label.empty()) continue;
        const int w = canvas.TextWidth(tick.Label);
        const int left = std::max(0, x - w / 2);
        if (left < lastRight + 6 || (captionWidth > 0 && left + w > captionLeft - 6)) continue;
        canvas.TextOut(left, plot.bottom + 4, tick.Label);
        lastRight = left + w;
    }
    painter.HorizontalLine(plot.left, plot.right - 1, plot.bottom, EnvelopeGridPixel);

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
    FBuffer->CopyTo(Canvas()->Handle());
}
