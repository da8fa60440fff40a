// TuiPaintCanvas: one shared canvas that painting code pushes onto a foreign DC or class-library canvas
// and pops again, so that library drawing routines can run on whatever a caller paints on. Pushes nest;
// each pop restores the canvas wrapped before and the DC's saved state.
#pragma once

#include "ui/core/graphics/Canvas.h"

#include <memory>
#include <vector>

class TuiPaintCanvas : public TuiCanvas {
public:
    TuiPaintCanvas();
    ~TuiPaintCanvas() override;

    // Wraps a temporary canvas on ADC that takes over the DC's font, brush and pen.
    void BeginPaint(HDC ADC);
    void BeginPaint(TCanvas* ACanvas);
    // Does nothing without a matching BeginPaint.
    void EndPaint();
    int Depth() const { return static_cast<int>(FPaintStack.size()); }

private:
    struct TPaintState {
        TCanvas* PreviousCanvas;
        int SavedIndex; // SaveDC index of a foreign DC, 0 for a canvas
        std::unique_ptr<TCanvas> TemporaryCanvas;
    };
    std::vector<TPaintState> FPaintStack;
};

// The shared paint canvas, made on first use; null once the graphics unit has begun to end.
TuiPaintCanvas* uiPaintCanvas();
// Frees the shared paint canvas (the unit's end).
void uiFreePaintCanvas();
