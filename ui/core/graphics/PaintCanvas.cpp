#include "ui/core/graphics/PaintCanvas.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Canvas.h"
#include "ui/core/graphics/GraphicsUnit.h"

TuiPaintCanvas::TuiPaintCanvas() : TuiCanvas(nullptr) {}

TuiPaintCanvas::~TuiPaintCanvas() {
    while (!FPaintStack.empty())
        EndPaint();
}

void TuiPaintCanvas::BeginPaint(HDC ADC) {
    auto canvas = std::make_unique<TCanvas>();
    const int saved = ::SaveDC(ADC);
    canvas->SetHandle(ADC);
    SyncGdiObjects(canvas.get(), ADC);
    TCanvas* wrapped = canvas.get();
    FPaintStack.push_back(TPaintState{FTarget, saved, std::move(canvas)});
    SetTarget(wrapped);
    SaveState();
}

void TuiPaintCanvas::BeginPaint(TCanvas* ACanvas) {
    FPaintStack.push_back(TPaintState{FTarget, 0, nullptr});
    SetTarget(ACanvas);
    SaveState();
}

void TuiPaintCanvas::EndPaint() {
    if (FPaintStack.empty()) return;
    RestoreState();
    TPaintState state = std::move(FPaintStack.back());
    FPaintStack.pop_back();
    if (state.SavedIndex != 0) {
        HDC dc = state.TemporaryCanvas->Handle();
        // The temporary canvas lets go of its objects before the DC gets its own back.
        state.TemporaryCanvas.reset();
        ::RestoreDC(dc, state.SavedIndex);
    }
    SetTarget(state.PreviousCanvas);
}

namespace paint_canvas_detail {
TuiGraphicsUnitInstance<TuiPaintCanvas> Shared;
} // namespace paint_canvas_detail

TuiPaintCanvas* uiPaintCanvas() {
    return paint_canvas_detail::Shared.Get();
}

void uiFreePaintCanvas() {
    paint_canvas_detail::Shared.Free();
}
