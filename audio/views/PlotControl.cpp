#include "audio/views/PlotControl.h"

#include "audio/views/EditorScalePainter.h"
#include "audio/views/PaintBuffer.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <cmath>

const std::uint32_t TPlotControl::GridPixel = ColorRefToPixel(RGB(70, 70, 70));

TPlotControl::TPlotControl(TComponent* AOwner, int AWidth, int AHeight)
    : TCustomControl(AOwner), FBuffer(std::make_unique<TPaintBuffer>()) {
    ControlStyle() += TControlStyle{csOpaque};
    SetParentColor(false);
    SetColor(clBlack);
    SetParentFont(false);
    Font()->SetName("Tahoma");
    Font()->SetSize(7);
    Font()->SetColor(RGB(168, 220, 248));
    SetBounds(0, 0, AWidth, AHeight);
}

TPlotControl::~TPlotControl() = default;

int TPlotControl::TextHeight() {
    FBuffer->Prepare(Width(), Height());
    UseFont(FBuffer->Canvas(), *Font());
    return FBuffer->Canvas().TextHeight("0");
}

int TPlotControl::TextWidth(const std::string& Text) {
    FBuffer->Prepare(Width(), Height());
    UseFont(FBuffer->Canvas(), *Font());
    return FBuffer->Canvas().TextWidth(Text);
}

RECT TPlotControl::PlotRect() {
    const int text = TextHeight();
    const RECT client = ClientRect();
    RECT plot{client.left + TextWidth(WidestLeftLabel()) + 9, client.top + text / 2 + 3, client.right - 10,
              client.bottom - text - 6};
    plot.right = std::max(plot.right, plot.left + 2);
    plot.bottom = std::max(plot.bottom, plot.top + 2);
    return plot;
}

TPixelPainter TPlotControl::BeginPicture() {
    const RECT client = ClientRect();
    FBuffer->Prepare(client.right, client.bottom);
    UseFont(FBuffer->Canvas(), *Font());
    TPixelPainter painter(FBuffer->Pixels(), client);
    painter.FillRect(client, ColorRefToPixel(ColorToRGB(Color())));
    return painter;
}

void TPlotControl::EndPicture() {
    FBuffer->CopyTo(Canvas()->Handle());
}

void TPlotControl::LeftLabel(const RECT& plot, int y, const std::string& Text) {
    TCanvas& canvas = FBuffer->Canvas();
    const int text = canvas.TextHeight("0");
    canvas.TextOut(plot.left - 5 - canvas.TextWidth(Text),
                   std::clamp(y - text / 2, 0, int(ClientRect().bottom) - text), Text);
}

void TPlotControl::BottomAxis(TPixelPainter& painter, const RECT& plot, const std::vector<TScaleTick>& ticks,
                              bool grid, int labelsEnd) {
    TCanvas& canvas = FBuffer->Canvas();
    const std::uint32_t ink = ColorRefToPixel(ColorToRGB(Font()->Color()));
    const int right = std::min<int>(labelsEnd, ClientRect().right);
    int lastRight = -1000;
    for (const TScaleTick& tick : ticks) {
        const int x = plot.left + int(std::lround(tick.Offset));
        if (grid && tick.Major) painter.DottedVertical(x, plot.top, plot.bottom - 1, GridPixel, 3);
        painter.VerticalSpan(x, plot.bottom, plot.bottom + (tick.Major ? 3 : 1), ink);
        if (tick.Label.empty()) continue;
        const int w = canvas.TextWidth(tick.Label);
        const int left = std::clamp(x - w / 2, 0, std::max(0, right - w));
        if (left < lastRight + 6 || left + w > right) continue;
        canvas.TextOut(left, plot.bottom + 4, tick.Label);
        lastRight = left + w;
    }
    painter.HorizontalLine(plot.left, plot.right - 1, plot.bottom, GridPixel);
}
