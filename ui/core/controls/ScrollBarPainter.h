// Paints the scroll bar part by part through the look-and-feel painter, drawing a running fade's
// frame in place of a part while the fader has one.
#pragma once

#include "ui/core/controls/LookAndFeelPainterBase.h"

class TuiScrollBarHelper;

class TuiScrollBarPainter : public TObject {
public:
    explicit TuiScrollBarPainter(TuiScrollBarHelper* AScrollBar) : FScrollBar(AScrollBar) {}
    virtual void DoDrawScrollBarPart(TuiCanvas* ACanvas, const TRect& R, TuiScrollBarPart APart,
                                     TuiPainterButtonState AState);
    virtual void DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawScrollBarPart(TuiCanvas* ACanvas, TuiScrollBarPart APart);
    // Hot tracking, and a native or skin painter.
    virtual bool FadingAvailable();
    virtual int GetMinThumbnailSize();
    virtual bool IsButtonHotTrack();
    virtual void Paint(TuiCanvas* ACanvas);

protected:
    TuiScrollBarHelper* FScrollBar;
};
