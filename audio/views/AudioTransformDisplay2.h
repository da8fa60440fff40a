// The envelope display: a gain curve over a stretch of sound that the user draws on the control. A click
// on the plot adds a point there and drags it; a point can be dragged (the ends only up and down); a
// right click on a point removes it. The curve runs in dB from BottomDb (bottom) to TopDb (top), flat at
// 0 dB to begin with, over the X scale from ScaleXMin to ScaleXMax with its caption; the grid is optional.
#pragma once

#include "audio/views/EnvelopeLine.h"
#include "audio/views/PlotControl.h"

#include <memory>
#include <string>
#include <vector>

class TAudioTransformDisplay2 : public TPlotControl {
public:
    static constexpr double TopDb = 12, BottomDb = -60;
    static constexpr int MaxLineArraySize = 1 << 24;

    explicit TAudioTransformDisplay2(TComponent* AOwner);
    ~TAudioTransformDisplay2() override;

    bool GridVisible() const { return FGridVisible; }
    void SetGridVisible(bool Value);
    const std::string& ScaleXCaption() const { return FScaleXCaption; }
    void SetScaleXCaption(const std::string& Value);
    // How many gains GetLineArray gives: kept within 2..MaxLineArraySize.
    int LineArraySize() const { return FLineArraySize; }
    void SetLineArraySize(int Value);
    // The X scale; the curve keeps its shape when the scale changes.
    float ScaleXMin() const { return FScaleXMin; }
    void SetScaleXMin(float Value);
    float ScaleXMax() const { return FScaleXMax; }
    void SetScaleXMax(float Value);

    // The curve at LineArraySize evenly spaced places from ScaleXMin to ScaleXMax, gains in dB.
    std::vector<float> GetLineArray() const;

    const TEnvelopeLine& Line() const { return FLine; }
    // Where a point of the curve is drawn.
    POINT PixelOf(const TEnvelopeLine::TPoint& point);

protected:
    std::string WidestLeftLabel() const override { return "-60 dB"; }
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The point within reach of the pointer, or -1.
    int PointAt(int X, int Y);
    TEnvelopeLine::TPoint ValueAt(int X, int Y);

    bool FGridVisible = false;
    std::string FScaleXCaption;
    int FLineArraySize = 1000;
    float FScaleXMin = 0, FScaleXMax = 100;
    TEnvelopeLine FLine{BottomDb, TopDb};
    int FDragged = -1;
};
