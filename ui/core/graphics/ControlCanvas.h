// TuiControlCanvas: the canvas of a control's paint DC. Between BeginPaint and EndPaint the window
// origin the control started painting with counts as (0, 0), so painting code sees origins relative to
// it, and the brush origin follows it so that patterns line up with the control.
#pragma once

#include "ui/core/graphics/Canvas.h"

class TuiControlCanvas : public TuiCanvas {
public:
    using TuiCanvas::TuiCanvas;

    void BeginPaint();
    void EndPaint();

    TPoint GetDCOrigin() override;
    TPoint GetWindowOrg() override;
    void SetWindowOrg(const TPoint& P) override;

private:
    TPoint FSavedBrushOrigin{0, 0};
    TPoint FPaintOrigin{0, 0};
};
